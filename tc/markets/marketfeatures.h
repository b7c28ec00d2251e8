#pragma once

/// \file
/// Which quotation features an instrument supports, by market, host type class and the user's
/// Level-2 rights. The night-trading rule of futures is asked through the record:
/// CStockDetail::hasNightQuoter in <tc/records/stockinfo.h>.
///
/// Class 100005 (the indices of SH and SZ with the shipped type table) turns off the queue,
/// entrust, Level-2 and thousand-entrust features and turns on notices.

#include <tc/tcutils_export.h>

#include <string>

namespace TC {

/// Order queue: a Level-2 user of the market (TC::getUserConfig, false without a user), not class
/// 100005, and not a futures, Shanghai or Shenzhen connect, stock-option or Hong Kong market.
TCUTILS_EXPORT bool isSupportQueue(const std::string& market, const std::string& code);
/// Entrust detail: the same operation as isSupportQueue, always the same answer.
TCUTILS_EXPORT bool isSupportEntrust(const std::string& market, const std::string& code);
/// Level-2 quotes: as isSupportQueue, except that Hong Kong ("HK") is allowed.
TCUTILS_EXPORT bool isSupportLevel2(const std::string& market, const std::string& code);
/// Financial data: the instrument is a stock (class 100003).
TCUTILS_EXPORT bool isSupportFinancial(const std::string& market, const std::string& code);
/// Information: the same operation as isSupportFinancial, always the same answer.
TCUTILS_EXPORT bool isSupportInformation(const std::string& market, const std::string& code);
/// Notices: the instrument is in class 100003 or in class 100005.
TCUTILS_EXPORT bool isSupportNotice(const std::string& market, const std::string& code);
/// Thousand-entrust: not class 100005, and not a futures, Shanghai or Shenzhen connect or Hong Kong
/// market. No user check; stock-option markets pass.
TCUTILS_EXPORT bool isSupportThousandEntrust(const std::string& market, const std::string& code);

} // namespace TC
