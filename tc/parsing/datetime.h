#pragma once

/// \file
/// Date-times read strictly: the file's own reading of a date text, beside the client's parserDate.

#include <tc/tcutils_export.h>

#include <QString>

namespace TC {

/// Seconds since 1970-01-01 00:00 UTC, 64 bits (no 2038 limit, dates before 1970 negative), of a
/// date or date-time text read as local time by the host conversion (utils::timeToSeconds: the
/// earlier instant of a repeated hour, the offset before a skipped one). On failure -1 and *ok
/// false; *ok tells a real -1 (1969-12-31 23:59:59 UTC) from a failure.
/// Notations, as parserDate's: year-month-day and year-month (day 1) with "-" or "/" ("2016-5-3",
/// "2016/05"), compact "20160503"; each may be followed by a time of day after one blank or an
/// upper-case "T": "09:30" or "09:30:00" (hour of one or two digits). Year of four digits, 0001
/// to 9999; month 1 to 12 and day within its month, of one or two digits (two in the compact
/// form); hour 0 to 23, minute and second 0 to 59; blanks and tabs around the text are allowed,
/// nothing else: "2016-5-3 9:30" is 2016-05-03 09:30:00, "2016-13-01", "2016-02-30", "25:00"
/// and "20160503093000" are no date-time.
TCUTILS_EXPORT qint64 parseDateTime(const QString& text, bool* ok = nullptr);

} // namespace TC
