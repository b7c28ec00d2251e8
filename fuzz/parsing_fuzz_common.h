#pragma once

// Turns fuzzer bytes into the texts the client hands the parsers: UTF-8 decoded as Qt does, so
// any byte sequence becomes some QString.

#include <QString>

#include <cstdint>
#include <cstdlib>

inline QString fuzzText(const uint8_t* data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<int>(size));
}

// Ends the run with a crash libFuzzer records, when the fast and the plain forms disagree.
inline void agree(bool same)
{
    if (!same) std::abort();
}
