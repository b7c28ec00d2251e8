#pragma once

/// \file
/// Chart periods: the period enumeration, the ordered period table and the period display names.

#include <tc/tcutils_export.h>

#include <QString>

#include <map>
#include <string>

namespace TC {

/// A bar period of charts and formulas. Fixed periods carry their bar length in seconds; the multi
/// periods and ticks are codes. Listed in period-table order: the period index of Period1Min is 0,
/// of PeriodTick 16.
enum EFormulaPeriod : int {
    Period1Min = 60,           ///< 1 minute, "1分钟"
    Period3Min = 180,          ///< 3 minutes
    Period5Min = 300,          ///< 5 minutes
    Period10Min = 600,         ///< 10 minutes
    Period15Min = 900,         ///< 15 minutes
    Period30Min = 1800,        ///< 30 minutes
    Period60Min = 3600,        ///< 60 minutes
    PeriodDay = 86400,         ///< 1 day, "日线"
    PeriodWeek = 604800,       ///< 7 days
    PeriodMonth = 2592000,     ///< 30 days
    PeriodQuarter = 7776000,   ///< 90 days
    PeriodHalfYear = 15552000, ///< 180 days
    PeriodYear = 31536000,     ///< 365 days
    PeriodMultiDay = 10,       ///< code: bars of several days, "多日线"
    PeriodMultiHour = 11,      ///< code: bars of several hours, "多小时线"
    PeriodMultiMinute = 13,    ///< code: bars of several minutes, "多分钟线"
    PeriodTick = 0,            ///< code: trade by trade, "分笔线"
};

/// \name The period table
/// Period indexes wrap: any int is reduced to 0..16 as its 64-bit two's complement pattern taken
/// unsigned, modulo 17. So 17 is 0, -1 is 0, -2 is 16 and -17 is 1.
///@{

/// The period at the wrapped period index: getPeriod(7) is PeriodDay, getPeriod(-2) PeriodTick.
TCUTILS_EXPORT EFormulaPeriod getPeriod(int index);

/// Period index of period (0..16), or -1 when it is not one of the 17 table values.
TCUTILS_EXPORT int getPeriodIndex(EFormulaPeriod period);

/// value itself when it is one of the 17 table values, else PeriodDay.
TCUTILS_EXPORT EFormulaPeriod getPeriodType(int value);

/// The period at a position of the extended list: the first eight periods (Period1Min to
/// PeriodDay), then PeriodTick at 8, then 86401 (one more than PeriodDay, not an enumerator) for
/// every position above 8. Positions below 0 wrap as period indexes.
TCUTILS_EXPORT EFormulaPeriod getExtendPeriod(int index);

/// Display name of the period at the wrapped period index ("1分钟", "日线", "分笔线", ...). The
/// names pass through QObject::tr once, at the first call of getCycleName or getAllPeriodInfo in
/// the process: a translator installed after that call does not change them (see
/// <tc/periods/translation.h>).
TCUTILS_EXPORT QString getCycleName(int index);

/// Replaces the content of out with the 17 periods, period value to UTF-8 display name.
TCUTILS_EXPORT void getAllPeriodInfo(std::map<int, std::string>& out);

///@}

} // namespace TC
