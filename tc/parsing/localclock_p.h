#pragma once

// Internal: the calendar arithmetic and the C library's local clock that the library's date fast
// paths read, with a cache of the zone's offsets. Header-only; the host stand-in's time
// conversions compile their own copy of it, so neither exports it, the stand-in links nothing of
// the library, and each of the two keeps its own cache.
//
// The cache. glibc's localtime_r costs 100 to 400 ns (for instants after a zone file's last
// transition it parses the zone's rule text again on every call), while data files convert
// millions of dates on a few hundred days. So the offsets are remembered per local day: day D is
// "settled" when the C library gives one offset from 36 hours before D begins to 36 hours after it
// ends, probed at both ends and in the middle. That assumes the zone never changes its offset
// twice within 48 hours (the closest two changes of the tz database are 95 hours apart), the
// same kind of assumption the uncached conversions make with their 36-hour window, and gives the
// same results as those. Days that are not settled are not cached; callers convert them as
// before.
//
// Threads. 4096 days (32 KiB per module), each one 64-bit word read and written with relaxed
// atomics; a miss computes the day and stores it, whichever thread comes first. No lock on the way
// to a remembered day.
//
// Zone changes. The days are remembered for the value of the TZ variable they were measured
// under. Every call checks cheaply whether TZ may have changed (the environment array and TZ's
// entry in it are the ones last seen); when it did (setenv, unsetenv or putenv of another
// string), a lock is taken, TZ is read again and, if its value changed, the C library is told
// (tzset(), as QDateTime does before its conversions) and the remembered days are dropped. A
// change of the system's zone file while TZ is unset, or writing into a string already handed to
// putenv, is not seen; such a program sets TZ again. On Windows nothing is cached.

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <limits>
#include <thread>

#ifndef _WIN32
extern "C" char** environ; // the process's environment, as unistd.h declares it
#endif

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
// False when the C library cannot convert t. Not cached.
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

// The local day (seconds from 1970-01-01 00:00 local, divided by 86400, rounded down) of `local`.
inline int64_t localDayOf(int64_t local)
{
    return local >= 0 ? local / kSecondsPerDay : -((-(local + 1)) / kSecondsPerDay) - 1;
}

#ifndef _WIN32

// The remembered days and the TZ value they belong to; see the top of this file.
class ZoneCache
{
public:
    static ZoneCache& instance()
    {
        static ZoneCache cache;
        return cache;
    }

    // The offset in force all through local day `day` and 36 hours either side of it, when it is
    // one offset; false when it changes there or the C library cannot convert those instants.
    bool settledDay(int64_t day, int64_t& offset)
    {
        const uint32_t generation = currentGeneration();
        const bool cacheable = generation != 0 && day > -kDayLimit && day < kDayLimit;
        std::atomic<uint64_t>& slot = m_days[static_cast<uint64_t>(day) & (kDays - 1)];
        if (cacheable) {
            const uint64_t word = slot.load(std::memory_order_relaxed);
            if ((word & kGenerationMask) == generation && dayOf(word) == day) {
                offset = offsetOf(word);
                return (word & kSettledBit) != 0;
            }
        }
        const bool settled = measureDay(day, offset);
        if (cacheable)
            slot.store(pack(day, generation, settled, offset), std::memory_order_relaxed);
        return settled;
    }

private:
    static constexpr int kDays = 4096;
    static constexpr int64_t kDayLimit = int64_t(1) << 23;
    static constexpr int64_t kOffsetLimit = int64_t(1) << 18;
    static constexpr int kMaxZoneText = 255;
    // A word: generation (20 bits, never 0), settled (1), offset + 2^18 (19), day + 2^23 (24).
    static constexpr uint64_t kGenerationMask = (uint64_t(1) << 20) - 1;
    static constexpr uint64_t kSettledBit = uint64_t(1) << 20;

    static uint64_t pack(int64_t day, uint32_t generation, bool settled, int64_t offset)
    {
        const uint64_t storedOffset =
            settled ? static_cast<uint64_t>(offset + kOffsetLimit) : uint64_t(0);
        return generation | (settled ? kSettledBit : 0) | storedOffset << 21 |
               static_cast<uint64_t>(day + kDayLimit) << 40;
    }
    static int64_t dayOf(uint64_t word) { return static_cast<int64_t>(word >> 40) - kDayLimit; }
    static int64_t offsetOf(uint64_t word)
    {
        return static_cast<int64_t>((word >> 21) & ((uint64_t(1) << 19) - 1)) - kOffsetLimit;
    }

    // Whether the offset is the same 36 hours before the day, at its noon and 36 hours after it.
    // Two changes of offset are more than 48 hours apart, so it is then the same all through.
    static bool measureDay(int64_t day, int64_t& offset)
    {
        const int64_t start = day * kSecondsPerDay;
        int64_t noon = 0;
        int64_t after = 0;
        return localOffsetAt(start - kSettledDistance, offset) &&
               localOffsetAt(start + kSecondsPerDay / 2, noon) && noon == offset &&
               localOffsetAt(start + kSecondsPerDay - 1 + kSettledDistance, after) &&
               after == offset && offset > -kSettledDistance && offset < kSettledDistance;
    }

    // The generation the remembered days must carry: the one of the TZ value now in force; 0 when
    // nothing may be cached (a TZ value too long to keep).
    uint32_t currentGeneration()
    {
        // The environment array and TZ's entry as last seen, read consistently (a sequence lock:
        // each field is written with release after the odd count, so reading a new field with
        // acquire shows the count changed).
        const uint32_t sequence = m_sequence.load(std::memory_order_acquire);
        char** const seenEnvironment = m_environment.load(std::memory_order_acquire);
        const int seenIndex = m_index.load(std::memory_order_acquire);
        const int seenCount = m_count.load(std::memory_order_acquire);
        const char* const seenEntry = m_entry.load(std::memory_order_acquire);
        const uint32_t generation = m_generation.load(std::memory_order_acquire);
        if ((sequence & 1) == 0 && sequence == m_sequence.load(std::memory_order_relaxed) &&
            sequence != 0 && environ == seenEnvironment && seenEnvironment != nullptr) {
            // With TZ set, its entry is where it was; unset, the array ends where it did with the
            // same last entry (a variable added or removed moves one or the other).
            if (seenIndex >= 0
                    ? seenEnvironment[seenIndex] == seenEntry
                    : seenEnvironment[seenCount] == nullptr &&
                          (seenCount == 0 || seenEnvironment[seenCount - 1] == seenEntry))
                return generation;
        }
        return followZone();
    }

    // Reads TZ again under the lock; a new value starts a new generation.
    uint32_t followZone()
    {
        while (m_lock.test_and_set(std::memory_order_acquire))
            std::this_thread::yield();
        const char* zone = std::getenv("TZ");
        const bool set = zone != nullptr;
        const std::size_t length = set ? std::strlen(zone) : 0;
        const bool same = m_known && set == m_zoneSet &&
                          (!set || (length <= kMaxZoneText && std::strcmp(zone, m_zone) == 0));
        uint32_t generation = m_generation.load(std::memory_order_relaxed);
        if (!same) {
            tzset();
            m_known = true;
            m_zoneSet = set;
            if (length <= kMaxZoneText) {
                std::memcpy(m_zone, set ? zone : "", length + 1);
                generation = (generation & kGenerationMask) == kGenerationMask ? 1 : generation + 1;
                // A generation used again: forget the days of its first use.
                if (generation == 1) {
                    for (std::atomic<uint64_t>& d : m_days)
                        d.store(0, std::memory_order_relaxed);
                }
            } else {
                m_known = false;
                generation = 0;
            }
        }
        // Where TZ stands in the environment now.
        char** const environment = environ;
        int index = -1;
        int count = 0;
        for (; environment && environment[count]; ++count) {
            if (index < 0 && std::strncmp(environment[count], "TZ=", 3) == 0) index = count;
        }
        const uint32_t sequence = m_sequence.load(std::memory_order_relaxed);
        m_sequence.store(sequence + 1, std::memory_order_relaxed);
        m_environment.store(environment, std::memory_order_release);
        m_index.store(index, std::memory_order_release);
        m_count.store(count, std::memory_order_release);
        m_entry.store(index >= 0  ? environment[index]
                      : count > 0 ? environment[count - 1]
                                  : nullptr,
                      std::memory_order_release);
        m_generation.store(generation, std::memory_order_release);
        m_sequence.store(sequence + 2, std::memory_order_release);
        m_lock.clear(std::memory_order_release);
        return generation;
    }

    std::atomic<uint64_t> m_days[kDays] = {};

    std::atomic<uint32_t> m_sequence{0};
    std::atomic<char**> m_environment{nullptr};
    std::atomic<int> m_index{-1};
    std::atomic<int> m_count{0};
    std::atomic<const char*> m_entry{nullptr};
    std::atomic<uint32_t> m_generation{0};

    // Under m_lock.
    std::atomic_flag m_lock = ATOMIC_FLAG_INIT;
    bool m_known = false;
    bool m_zoneSet = false;
    char m_zone[kMaxZoneText + 1] = {};
};

// The offset in force all through local day `day` and 36 hours either side of it, when it is one
// offset: then every local time of the day is that offset ahead of its one instant. False when
// the offset changes there or the C library cannot convert those instants.
inline bool settledDayOffset(int64_t day, int64_t& offset)
{
    return ZoneCache::instance().settledDay(day, offset);
}

#else

// Nothing is remembered: callers convert every day the direct way.
inline bool settledDayOffset(int64_t, int64_t&)
{
    return false;
}

#endif

} // namespace utils::detail
