#pragma once

// Internal to messagetypes.cpp and its tests.

#include <cstdint>

namespace TC {

// seconds + count in 32-bit arithmetic, read as int: the position identifier of the count-th call
// at that time.
inline int positionID(std::uint32_t seconds, std::uint32_t count)
{
    return static_cast<int>(static_cast<std::uint32_t>(seconds + count));
}

} // namespace TC
