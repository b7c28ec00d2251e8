#pragma once

// Plain Qt forms of the order-setting text form of <tc/serialise/orderparamsetting.h>:
// QString::split, QStringList::join and QString::toInt, step by step. Same results.

#include <tc/serialise/orderparamsetting.h>

#include <string>

namespace TC::literal {

std::string orderToString(const COrderParamSetting& setting);
COrderParamSetting orderToStruct(const std::string& text);

} // namespace TC::literal
