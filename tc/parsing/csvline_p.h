#pragma once

// Internal: parserCsvLine from one text into another, for the file readers, which cut lines
// straight from a decoded block and so save building each line before rewriting it; and the
// small pieces both use.

#include <tc/parsing/simd_p.h>

#include <QChar>
#include <QString>

#include <algorithm>
#include <array>
#include <cstring>

namespace TC::detail {

// Writes to out[at, ...) what parserCsvLine makes of the line in[0, length), and, with
// dropQuotes, that without its quotes (as QReadFile keeps lines); returns where what was written
// ends. out grows as needed; with trim it then ends there, else it keeps its size (a buffer
// kept from line to line, so neither end costs a call).
int appendCsvLine(const QChar* in, int length, bool dropQuotes, QString& out, int at,
                  bool trim = true);

// std::copy_n of the few characters of a field, without a call: moves of 8 and 16 bytes, the
// last one overlapping the one before.
inline void copyChars(QChar* to, const QChar* from, int n)
{
    if (n >= 8) {
        int i = 0;
        for (; i + 8 <= n; i += 8)
            std::memcpy(to + i, from + i, 16);
        if (i < n) std::memcpy(to + n - 8, from + n - 8, 16);
    } else if (n >= 4) {
        std::memcpy(to, from, 8);
        std::memcpy(to + n - 4, from + n - 4, 8);
    } else {
        for (int i = 0; i < n; ++i)
            to[i] = from[i];
    }
}

// Where each of chars (1 to 254) stands among units[start, start + 16), none past length: bit i
// for the unit at start + i. A block that would run past length is read ending at length (when
// the text holds 16 units) and shifted, else from a copy padded with zeros.
template <class... Chars>
Q_ALWAYS_INLINE std::array<quint32, sizeof...(Chars)> blockMasks(const ushort* units, int length,
                                                                 int start, Chars... chars)
{
    constexpr int kUnits = simd::Utf16Block::kUnits;
    if (start + kUnits <= length) return simd::Utf16Block(units + start).eachOf(chars...);
    if (length >= kUnits) {
        auto m = simd::Utf16Block(units + length - kUnits).eachOf(chars...);
        for (quint32& mask : m)
            mask >>= start + kUnits - length;
        return m;
    }
    ushort padded[kUnits] = {};
    std::copy(units + start, units + length, padded);
    return simd::Utf16Block(padded).eachOf(chars...);
}

// The commas, quotes and upper-case Es among units[start, start + 64), none past length.
struct ChunkMasks
{
    static constexpr int kUnits = 4 * simd::Utf16Block::kUnits;

    quint64 commas = 0;
    quint64 quotes = 0;
    quint64 es = 0;

    ChunkMasks(const ushort* units, int length, int start)
    {
        constexpr int kBlock = simd::Utf16Block::kUnits;
        for (int b = 0; b < kUnits / kBlock && start + b * kBlock < length; ++b) {
            const auto m = blockMasks(units, length, start + b * kBlock, u',', u'"', u'E');
            commas |= quint64(m[0]) << (b * kBlock);
            quotes |= quint64(m[1]) << (b * kBlock);
            es |= quint64(m[2]) << (b * kBlock);
        }
    }
};

// Bit i set when an odd number of bits up to i is: between a quote and the next, counting the
// opening quote and not the closing one.
inline quint64 prefixXor(quint64 x)
{
    x ^= x << 1;
    x ^= x << 2;
    x ^= x << 4;
    x ^= x << 8;
    x ^= x << 16;
    x ^= x << 32;
    return x;
}

// Takes out of the line text[0, length), which holds no quote before firstQuote, the commas
// between a quote and the next one (an unmatched last quote runs to the end) unless
// quotedCommas, and with dropQuotes the quotes; returns the units left. Nothing is written
// until a unit goes: then target() gives where the line is rewritten, either text itself made
// writable or a copy already holding it (a line is thus detached only when it changes).
template <typename Target>
int dropQuoted(const QChar* text, int length, int firstQuote, bool quotedCommas, bool dropQuotes,
               Target&& target)
{
    QChar* out = nullptr;
    int w = firstQuote;
    int r = firstQuote;
    quint64 quoted = 0; // all ones while a quote is open
    const ushort* units = reinterpret_cast<const ushort*>(text);
    for (int base = firstQuote; base < length; base += ChunkMasks::kUnits) {
        const ChunkMasks masks(units, length, base);
        // What goes is found from the masks alone, 64 units at a time.
        const quint64 inside = prefixXor(masks.quotes) ^ quoted;
        quoted = quint64(0) - (inside >> 63);
        const quint64 dropped =
            (dropQuotes ? masks.quotes : 0) | (quotedCommas ? 0 : masks.commas & inside);
        for (quint64 m = dropped; m != 0; m &= m - 1) {
            const int k = base + static_cast<int>(qCountTrailingZeroBits(m));
            if (!out) out = target();
            // Until the first unit goes, out[w...) holds text[r...); after it, the stretch moves
            // down, which in place may overlap.
            if (w != r) {
                if (out == text)
                    std::copy(out + r, out + k, out + w);
                else
                    copyChars(out + w, text + r, k - r);
            }
            w += k - r;
            r = k + 1;
        }
    }
    if (out && w != r) {
        if (out == text)
            std::copy(out + r, out + length, out + w);
        else
            copyChars(out + w, text + r, length - r);
    }
    return w + (length - r);
}

} // namespace TC::detail
