#pragma once

// Internal: Qt 5's QDateTime::toTime_t, which Qt 6 no longer has, for the date functions and
// their plain forms.

#include <QDateTime>

#include <cstdint>

namespace TC::detail {

// Seconds since 1970-01-01 00:00 UTC as an unsigned 32-bit count; 0xFFFFFFFF for an invalid
// date-time and for one before 1970 or from 2106-02-07 06:28:15 UTC on.
inline uint32_t toTimeT(const QDateTime& dateTime)
{
    if (!dateTime.isValid()) return UINT32_MAX;
    const qint64 seconds = dateTime.toMSecsSinceEpoch() / 1000;
    return static_cast<quint64>(seconds) >= UINT32_MAX ? UINT32_MAX
                                                       : static_cast<uint32_t>(seconds);
}

} // namespace TC::detail
