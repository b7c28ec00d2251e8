#pragma once

// Internal helpers of the one-line text forms. They read and write pieces in place, giving exactly
// what QString::toInt, QString::number and a UTF-8 round trip through QString give, without the
// intermediate strings and lists.

#include <charconv>
#include <climits>
#include <cstddef>
#include <cstdint>

namespace TC {
namespace textform {

// Whether decoding the bytes with QString::fromUtf8 and encoding them back with toUtf8 gives the
// same bytes: well-formed UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF) that
// does not start with a byte-order mark, which Qt's decoder drops. Other bytes must go through the
// host's decoder.
bool isLosslessUtf8(const char* text, std::size_t size);

// Reads a piece of the form -?[0-9]{1,10} whose value fits an int, as QString::toInt would.
// Returns false for every other piece (signs, spaces, other digits, overflow), which the caller
// hands to QString::toInt itself. Unit is unsigned char for UTF-8 and ushort for UTF-16.
template <class Unit> inline bool readPlainDecimal(const Unit* p, std::size_t size, int& out)
{
    std::size_t i = 0;
    const bool negative = size > 0 && p[0] == Unit('-');
    if (negative) i = 1;
    if (size == i || size - i > 10) return false;
    int64_t value = 0;
    for (; i < size; ++i) {
        const unsigned digit = static_cast<unsigned>(p[i]) - unsigned('0');
        if (digit > 9) return false;
        value = value * 10 + digit;
    }
    if (negative) value = -value;
    if (value < INT_MIN || value > INT_MAX) return false;
    out = static_cast<int>(value);
    return true;
}

// Writes v as QString::number(v, 10) does into buf, which holds at least kMaxDecimal chars;
// returns the number of chars written.
constexpr int kMaxDecimal = 11;
inline int writeDecimal(int v, char* buf)
{
    return static_cast<int>(std::to_chars(buf, buf + kMaxDecimal, v).ptr - buf);
}

} // namespace textform
} // namespace TC
