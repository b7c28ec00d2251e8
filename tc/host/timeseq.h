#pragma once

/// \file
/// Time-sequence points of the host's quotation library and the bounds of the time range the
/// client's quotation data covers.

#include <tc/host/tchost_export.h>

#include <cstdint>

namespace quoter {

/// A point of a host time sequence: milliseconds since 1970-01-01 00:00 UTC, then a sequence
/// number that orders points within one millisecond.
struct TCHOST_EXPORT TimeSeq
{
    int64_t time = 0; ///< milliseconds since 1970-01-01 00:00 UTC; 0 by default
    int64_t seq = 0;  ///< order within the millisecond; 0 by default

    /// Lower bound, inclusive: 1990-12-19 00:00 Beijing time (UTC+8), the first trading day of the
    /// Shanghai exchange, 661536000000 ms.
    static const TimeSeq TIME_START2;
    /// Upper bound, inclusive: the largest signed 32-bit seconds count, 2147483647 s
    /// (2038-01-19 03:14:07 UTC), 2147483647000 ms.
    static const TimeSeq TIME_LASTED;
};

} // namespace quoter
