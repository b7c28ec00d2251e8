#pragma once

// Internal helpers of the one-line text forms. They write pieces in place and check bytes, giving
// exactly what QString::number and a UTF-8 round trip through QString give, without the
// intermediate strings. Numbers are read by <tc/parsing/numberconversions_p.h>.

#include <charconv>
#include <cstddef>
#include <cstdint>

namespace TC {
namespace textform {

// Whether decoding the bytes with QString::fromUtf8 and encoding them back with toUtf8 gives the
// same bytes: well-formed UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF) that
// does not start with a byte-order mark, which Qt's decoder drops. Other bytes must go through the
// host's decoder.
bool isLosslessUtf8(const char* text, std::size_t size);

// Writes v as QString::number(v, 10) does into buf, which holds at least kMaxDecimal chars;
// returns the number of chars written.
constexpr int kMaxDecimal = 11;
inline int writeDecimal(int v, char* buf)
{
    return static_cast<int>(std::to_chars(buf, buf + kMaxDecimal, v).ptr - buf);
}

} // namespace textform
} // namespace TC
