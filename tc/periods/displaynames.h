#pragma once

/// \file
/// Display names of the integer codes charts store: price adjustment, weighting mode, bar fields.

#include <tc/tcutils_export.h>

#include <QString>

namespace TC {

/// Price-adjustment name: 0 "不复权", 1 "前复权", 2 "后复权", 3 "等比前复权", 4 "等比后复权";
/// empty for any other code. Never translated.
TCUTILS_EXPORT QString getDrName(int type);

/// \name Translated names
/// The three lookups below pass their texts through QObject::tr once, at their own first call in
/// the process; a translator installed after that call does not change them.
///@{

/// Weighting-mode name: 0 "均分", 1 "自定义"; empty for any other code.
TCUTILS_EXPORT QString getWeightName(int mode);

/// One-character code of bar field index 0..8: "N", "G", "0", "1", "2", "3", "5", "6", "7" (there
/// is no "4"); empty for any other index.
TCUTILS_EXPORT QString getFieldCode(int index);

/// Display name of bar field index 0..8: "跳过", "时间", "开盘", "最高", "最低", "收盘", "成交量",
/// "成交额", "持仓量"; empty for any other index.
TCUTILS_EXPORT QString getFieldName(int index);

///@}

} // namespace TC
