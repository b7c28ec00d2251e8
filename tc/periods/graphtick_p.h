#pragma once

// Internal to graphtick.cpp and its tests.

namespace TC {

// The most full-width spaces enlargeText appends; past it the text is returned unchanged.
constexpr int kMaxEnlargeSpaces = 65536;

} // namespace TC
