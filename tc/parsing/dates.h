#pragma once

/// \file
/// Dates in the notations that import files and users write, and the time range of the client's
/// quotation data.

#include <tc/tcutils_export.h>

#include <QString>

namespace TC {

/// Seconds since 1970-01-01 00:00 UTC (low 32 bits) of a date text at 00:00 local time, or -1
/// when the text is not a date. Notations: year-month-day or year-month (day 1) with "-" or "/"
/// ("2016-5-3", "2016/05", a time after an upper-case "T" ignored), through
/// utils::timeToSeconds, fields not range-checked (a day that is not a number counts as 0);
/// eight characters, "20160503", through utils::d8_datetimeToSecond; "20160503 09:30:00", the
/// seconds of that local date-time as QDateTime gives them (-1 when not a valid date-time or
/// outside 1970 to 2106). The zone is the one TZ names (the system's when unset); the zone offsets
/// of the days read are remembered for it, 32 KiB at most, and never change a result.
TCUTILS_EXPORT int parserDate(QString text);

/// Whether text is exactly a valid year-month-day date with "-" ("2016-2-29", "2016-02-29"):
/// the one fixed QRegExp pattern of the client, leap years as the Gregorian calendar has them;
/// no blanks, no time, no other separator.
TCUTILS_EXPORT bool checkDate(QString text);

/// Whether a seconds count lies within the host's time range, quoter::TimeSeq::TIME_START2 to
/// quoter::TimeSeq::TIME_LASTED, both inclusive. -1 is never valid.
TCUTILS_EXPORT bool isValidDate(int seconds);

/// Zero-pads month and day of a year-month-day text to two characters: output becomes the first
/// piece of input cut at "-", then each of the second and third pieces after a "-", with a "0"
/// before a piece of exactly one character ("2016-5-3" gives "2016-05-03"). Pieces after the
/// third are dropped; with fewer pieces only those present are written ("2016-5" gives
/// "2016-05", "2016" stays "2016"). input and output may be the same string.
TCUTILS_EXPORT void adjustDateTime(const QString& input, QString& output);

} // namespace TC
