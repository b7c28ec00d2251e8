#pragma once

/// \file
/// Calendar-to-seconds conversions of the host's utility library.

#include <tc/host/tchost_export.h>

#include <cstdint>

namespace utils {

/// Seconds since 1970-01-01 00:00 UTC of the local date-time year-month-day hour:minute:second,
/// read in the process's time zone: the C library's local time, the one QDateTime uses, so
/// timeToSeconds(y, m, d, h, mi, s) equals QDateTime(QDate(y, m, d), QTime(h, mi, s)) in seconds.
/// Fields out of range are normalised as mktime does: month 13 is January of the next year, month 0
/// December of the year before, day 0 the last day of the month before, hour 24 the next day's
/// 00:00. A local time that occurs twice (clocks set back) gives the earlier instant; one skipped by
/// clocks set forward is read with the offset in force before the change (02:30 becomes 03:30).
/// -1 when the C library cannot represent the instant (years beyond about +-2^31). The zone is the
/// one TZ names (the system's when unset).
TCHOST_EXPORT int64_t timeToSeconds(int year, int month, int day, int hour, int minute, int second);

/// timeToSeconds of an eight-digit date yyyymmdd and a six-digit time hhmmss. The fields come from
/// truncating division (year date / 10000, month date / 100 % 100, day date % 100, likewise for
/// the time), so any number gives fields, normalised as above: 0 gives 30 November of year -1.
TCHOST_EXPORT int64_t d8_datetimeToSecond(const int& date, const int& time);

} // namespace utils
