#include <tc/host/timeutils.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <limits>
#include <memory>
#include <string>

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
    int64_t best = kUnknown;
    for (const int64_t offset : {before, after}) {
        int64_t check = 0;
        const int64_t t = local - offset;
        if (offsetAt(t, check) && check == offset && (best == kUnknown || t < best)) best = t;
    }
    // No instant reads as `local`: it lies in a gap and is read with the offset before the gap.
    return best != kUnknown ? best : local - before;
}

// Recent conversions of this thread, for the zone named by TZ when they were made. Data files
// repeat the same few dates on millions of lines.
struct Memo
{
    static constexpr int kSize = 4096;
    struct Entry
    {
        int64_t local = kUnknown;
        int64_t result = 0;
    };

    bool known = false;
    bool tzSet = false;
    std::string tz;
    Entry entries[kSize];

    // Forgets everything when TZ changed since the last call and has the C library read it again,
    // as QDateTime does before its conversions.
    void followZone()
    {
        const char* now = std::getenv("TZ");
        if (known && (now != nullptr) == tzSet && (!now || tz == now)) return;
        known = true;
        tzSet = now != nullptr;
        tz = now ? now : "";
        for (Entry& e : entries)
            e = Entry();
#ifdef _WIN32
        _tzset();
#else
        tzset();
#endif
    }
};

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

    thread_local std::unique_ptr<Memo> memo;
    if (!memo) memo = std::make_unique<Memo>();
    memo->followZone();
    // Consecutive dates at midnight, what the client converts most, take consecutive entries.
    const int64_t localDay = local >= 0 ? local / kSecondsPerDay : (local + 1) / kSecondsPerDay - 1;
    const uint64_t secondOfDay = static_cast<uint64_t>(local - localDay * kSecondsPerDay);
    Memo::Entry& entry =
        memo->entries[(static_cast<uint64_t>(localDay) + secondOfDay * 0x9E3779B97F4A7C15ULL) &
                      (Memo::kSize - 1)];
    if (entry.local != local) {
        entry.result = resolveLocal(local);
        entry.local = local;
    }
    return entry.result;
}

int64_t d8_datetimeToSecond(const int& date, const int& time)
{
    return timeToSeconds(date / 10000, date / 100 % 100, date % 100, time / 10000, time / 100 % 100,
                         time % 100);
}

} // namespace utils
