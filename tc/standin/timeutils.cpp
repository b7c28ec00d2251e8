#include <tc/host/timeutils.h>

#include <tc/parsing/localclock_p.h>

#include <ctime>
#include <initializer_list>
#include <limits>

// The stand-in reads the C library's local time, remembering the zone offsets of the days it
// converted (see tc/parsing/localclock_p.h: per TZ value, 32 KiB, no lock on a remembered day).

namespace utils {

namespace {

using detail::daysFromCivil;
using detail::kSecondsPerDay;
using detail::kSettledDistance;
using detail::localDayOf;
using detail::localOffsetAt;
using detail::settledDayOffset;

constexpr int64_t kUnknown = std::numeric_limits<int64_t>::min();

// The instant whose local wall-clock reading is `local` (seconds from 1970-01-01 00:00 local).
int64_t resolveLocal(int64_t local)
{
    // Most days have one offset all through, remembered once measured.
    int64_t settled = 0;
    if (settledDayOffset(localDayOf(local), settled)) return local - settled;
    int64_t before = 0;
    int64_t after = 0;
    if (!localOffsetAt(local - kSettledDistance, before) ||
        !localOffsetAt(local + kSettledDistance, after))
        return -1;
    // No change of offset near `local`: its one reading (or, should two changes cancel out within
    // the window, a gap read with the offset before it).
    if (before == after) return local - before;
    int64_t best = kUnknown;
    for (const int64_t offset : {before, after}) {
        int64_t check = 0;
        const int64_t t = local - offset;
        if (localOffsetAt(t, check) && check == offset && (best == kUnknown || t < best)) best = t;
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
