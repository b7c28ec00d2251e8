#include <tc/host/timeutils.h>

#include <ctime>
#include <initializer_list>
#include <limits>

namespace utils {

namespace {

constexpr int64_t kSecondsPerDay = 86400;
// Offsets in use lie within -12 h and +14 h, so the offsets in force this far before and after a
// local time are the ones on either side of any change that can touch it.
constexpr int64_t kSettledDistance = 36 * 3600;
constexpr int64_t kUnknown = std::numeric_limits<int64_t>::min();

// Days from 1970-01-01 to year-month-day of the proleptic Gregorian calendar (month 1 to 12).
int64_t daysFromCivil(int64_t year, int month, int day)
{
    year -= month <= 2;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// The local wall-clock seconds that the C library gives for instant t, minus t; false when the C
// library cannot convert t.
bool offsetAt(int64_t t, int64_t& offset)
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
    const int64_t local =
        daysFromCivil(int64_t(fields.tm_year) + 1900, fields.tm_mon + 1, fields.tm_mday) *
            kSecondsPerDay +
        fields.tm_hour * 3600 + fields.tm_min * 60 + fields.tm_sec;
    offset = local - t;
    return true;
}

// The instant whose local wall-clock reading is `local` (seconds from 1970-01-01 00:00 local).
int64_t resolveLocal(int64_t local)
{
    int64_t before = 0;
    int64_t after = 0;
    if (!offsetAt(local - kSettledDistance, before) || !offsetAt(local + kSettledDistance, after))
        return -1;
    // No change of offset near `local`: its one reading (or, should two changes cancel out within
    // the window, a gap read with the offset before it).
    if (before == after) return local - before;
    int64_t best = kUnknown;
    for (const int64_t offset : {before, after}) {
        int64_t check = 0;
        const int64_t t = local - offset;
        if (offsetAt(t, check) && check == offset && (best == kUnknown || t < best)) best = t;
    }
    // No instant reads as `local`: it lies in a gap and is read with the offset before the gap.
    return best != kUnknown ? best : local - before;
}

} // namespace

int64_t timeToSeconds(int year, int month, int day, int hour, int minute, int second)
{
    // mktime's normalisation is linear: months carry into years, then everything into seconds.
    const int64_t months = int64_t(year) * 12 + (int64_t(month) - 1);
    const int64_t normYear = months >= 0 ? months / 12 : -((-months + 11) / 12);
    const int normMonth = static_cast<int>(months - normYear * 12) + 1;
    const int64_t days = daysFromCivil(normYear, normMonth, 1) + (int64_t(day) - 1);
    const int64_t local =
        days * kSecondsPerDay + int64_t(hour) * 3600 + int64_t(minute) * 60 + int64_t(second);
    return resolveLocal(local);
}

int64_t d8_datetimeToSecond(const int& date, const int& time)
{
    return timeToSeconds(date / 10000, date / 100 % 100, date % 100, time / 10000, time / 100 % 100,
                         time % 100);
}

} // namespace utils
