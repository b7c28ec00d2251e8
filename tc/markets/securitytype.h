#pragma once

/// \file
/// Security type labels: the short Chinese name of an instrument's kind ("股票", "ETF", "可转债",
/// ...).

#include <tc/tcutils_export.h>

#include <QString>
#include <string>

namespace TC {

/// The security type label of code in market, asked of the host type centre class by class in a
/// fixed order; the first class that claims the instrument decides. One of 24 labels: "股票",
/// "商品期货", "股指期货", "国债期货", "回购", "货币基金", "分级基金", "封闭式基金", "其它基金",
/// "ETF", "权证", the bond kinds "国债", "地方债", "企业债", "可转债", "公司债", "私募债",
/// "证券公司次级债", "资产支持证券", "证券公司短期债券挂牌转让", "可交换公司债券", "其他债", then
/// "期权" and, when no class claims it, "其他". Every instrument of the Dalian, Zhengzhou and
/// Shanghai futures markets that is not a stock is "商品期货"; "SHO" and "SZO" instruments default
/// to "期权". The arguments are not modified.
TCUTILS_EXPORT QString getStockType(std::string& market, std::string& code);

} // namespace TC
