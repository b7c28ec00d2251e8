#pragma once

// Internal: Qt's number conversions of QString, the same results without building QStrings on the
// common inputs. The library's one integer reader, used by the CSV line and date parsers and the
// one-line text forms.

#include <QChar>
#include <QStringView>

#include <climits>
#include <cstddef>
#include <cstdint>

namespace TC::detail {

// Reads a number written plainly, an optional '-' or '+' and one to ten ASCII digits, whose value
// fits an int: the value QString::toInt(ok, 10) gives such a text. False for every other text
// (blanks, other digits, no digit, out of range), which the caller hands to Qt. Unit is the code
// unit: char or unsigned char for UTF-8 bytes, char16_t or ushort for UTF-16.
template <class Unit> bool readPlainInt(const Unit* p, std::size_t size, int& out)
{
    const bool negative = size > 0 && p[0] == Unit('-');
    std::size_t i = size > 0 && (negative || p[0] == Unit('+')) ? 1 : 0;
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

// QString::toInt(ok, 10) of text: the same value and the same ok for every text (blanks around
// the number, a sign, U+2212 as minus; 0 and ok false for anything else or out of int range).
int toInt(QStringView text, bool* ok = nullptr);

// QString::toDouble() of text: the same value for every text (0.0 when not a number, infinity on
// overflow, "inf" and "nan" in any case).
double toDouble(QStringView text);

// Room that formatNumberG10 needs.
constexpr int kNumberG10Capacity = 32;

// Writes QString::number(value, 'g', 10) to out, which holds kNumberG10Capacity characters;
// returns the number of characters written.
int formatNumberG10(double value, QChar* out);

// Writes, as formatNumberG10 writes a double within 3e-15 of it (relative), the value whose
// significant digits are digits[0, count) (count from 1 to 19; the first not '0', the last not
// '0' unless count is 1) and whose decimal exponent is `exponent`, with a '-' before when
// negative: those digits when there are at most ten, else rounded at the eleventh. Returns the
// number of characters written (at most kNumberG10Capacity), or -1 when the digits after the
// tenth lie within a ten-thousandth of a unit of the tenth from its half (1e-14 of the value or
// less), where such a double may round either way.
int layOutG10(bool negative, const char* digits, int count, int exponent, QChar* out);

} // namespace TC::detail
