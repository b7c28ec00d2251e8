#pragma once

// Internal: the calendar arithmetic and the C library's local clock that the library's date fast
// paths read. Header-only; the host stand-in's time conversions compile their own copy of it, so
// neither exports it and the stand-in links nothing of the library.

#include <cstdint>
#include <ctime>
#include <limits>

namespace utils::detail {

constexpr int64_t kSecondsPerDay = 86400;
// Offsets in use lie within -12 h and +14 h, so the offsets in force this far before and after a
// local time are the ones on either side of any change that can touch it.
constexpr int64_t kSettledDistance = 36 * 3600;

// Days from 1970-01-01 to year-month-day of the proleptic Gregorian calendar (month 1 to 12).
inline int64_t daysFromCivil(int64_t year, int month, int day)
{
    year -= month <= 2;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    return era * 146097 + yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear - 719468;
}

// The C library's local wall-clock reading of instant t, minus t: the local time QDateTime uses.
// False when the C library cannot convert t.
inline bool localOffsetAt(int64_t t, int64_t& offset)
{
    if (t < std::numeric_limits<time_t>::min() || t > std::numeric_limits<time_t>::max())
        return false;
    const time_t instant = static_cast<time_t>(t);
    struct tm fields;
#ifdef _WIN32
    if (localtime_s(&fields, &instant) != 0) return false;
#else
    if (!localtime_r(&instant, &fields)) return false;
#endif
    offset = daysFromCivil(int64_t(fields.tm_year) + 1900, fields.tm_mon + 1, fields.tm_mday) *
                 kSecondsPerDay +
             fields.tm_hour * 3600 + fields.tm_min * 60 + fields.tm_sec - t;
    return true;
}

} // namespace utils::detail
