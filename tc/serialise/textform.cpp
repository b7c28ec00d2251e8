#include "textform_p.h"

#include <cstring>

namespace TC {
namespace textform {

bool isLosslessUtf8(const char* text, std::size_t size)
{
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    if (size >= 3 && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF) return false;
    const auto isTail = [p](std::size_t at) { return (p[at] & 0xC0) == 0x80; };
    std::size_t i = 0;
    while (i < size) {
        if (size - i >= 8) {
            uint64_t word;
            std::memcpy(&word, p + i, 8);
            if ((word & 0x8080808080808080ull) == 0) {
                i += 8;
                continue;
            }
        }
        const unsigned lead = p[i];
        const std::size_t left = size - i;
        if (lead < 0x80) {
            i += 1;
        } else if (lead < 0xC2) { // a stray tail byte, or an overlong two-byte form
            return false;
        } else if (lead < 0xE0) {
            if (left < 2 || !isTail(i + 1)) return false;
            i += 2;
        } else if (lead < 0xF0) {
            if (left < 3 || !isTail(i + 1) || !isTail(i + 2)) return false;
            if ((lead == 0xE0 && p[i + 1] < 0xA0) || (lead == 0xED && p[i + 1] >= 0xA0))
                return false; // overlong, or a surrogate
            i += 3;
        } else if (lead < 0xF5) {
            if (left < 4 || !isTail(i + 1) || !isTail(i + 2) || !isTail(i + 3)) return false;
            if ((lead == 0xF0 && p[i + 1] < 0x90) || (lead == 0xF4 && p[i + 1] >= 0x90))
                return false; // overlong, or beyond U+10FFFF
            i += 4;
        } else {
            return false;
        }
    }
    return true;
}

} // namespace textform
} // namespace TC
