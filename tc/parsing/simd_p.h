#pragma once

// Internal: the library's one door to vector instructions, for the scans of the parsers, the text
// conversions and the file readers. A block reads a fixed number of units at once and answers
// bit masks, bit i for unit i, which callers walk with qCountTrailingZeroBits. With SSE2, which
// every x86-64 target has (GCC and Clang define __SSE2__, MSVC _M_X64 or _M_AMD64), a mask costs
// a few instructions per 16 bytes; elsewhere, and in builds configured with TCUTILS_NO_SIMD, the
// same masks come from plain loops. Callers have no other code for either case.
// One step needs more: packBytes16, which GCC and Clang compile for SSSE3 and POPCNT (x86-64
// processors since about 2008); its callers run it where supportsPackBytes() says so and keep a
// plain loop for the others.

#include <QtGlobal>

#include <array>
#include <cstring>

#if !defined(TCUTILS_NO_SIMD) && (defined(__SSE2__) || defined(_M_X64) || defined(_M_AMD64))
#define TC_SIMD_SSE2 1
#include <emmintrin.h>
#if defined(__GNUC__) || defined(__clang__)
#define TC_SIMD_PACK 1
#include <tmmintrin.h>
#endif
#endif

namespace TC::simd {

// Whether the masks come from vector instructions in this build.
#ifdef TC_SIMD_SSE2
constexpr bool kVectorised = true;
#else
constexpr bool kVectorised = false;
#endif

// Sixteen UTF-16 code units (32 bytes, any alignment), as QString::utf16() gives them.
class Utf16Block
{
public:
    static constexpr int kUnits = 16;

    explicit Utf16Block(const ushort* p)
    {
#ifdef TC_SIMD_SSE2
        m_low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        m_high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 8));
#else
        std::memcpy(m_units, p, sizeof m_units);
#endif
    }

    // Bit i set when unit i is one of units.
    template <class... Units> quint32 anyOf(Units... units) const
    {
#ifdef TC_SIMD_SSE2
        __m128i low = _mm_setzero_si128();
        __m128i high = _mm_setzero_si128();
        for (const ushort u : {static_cast<ushort>(units)...}) {
            const __m128i wanted = _mm_set1_epi16(static_cast<short>(u));
            low = _mm_or_si128(low, _mm_cmpeq_epi16(m_low, wanted));
            high = _mm_or_si128(high, _mm_cmpeq_epi16(m_high, wanted));
        }
        // A match is 0xFFFF, which signed saturation packs to one 0xFF byte per unit.
        return static_cast<quint32>(_mm_movemask_epi8(_mm_packs_epi16(low, high)));
#else
        quint32 mask = 0;
        for (int i = 0; i < kUnits; ++i) {
            const ushort c = m_units[i];
            mask |= static_cast<quint32>(((c == static_cast<ushort>(units)) || ...)) << i;
        }
        return mask;
#endif
    }

    // anyOf(unit) for each of units in turn, from one narrowing of the block to bytes, so cheaper
    // than a call per unit. Each unit must lie in 1 to 254: the narrowing makes every unit above
    // 255 a 0 or a 255.
    template <class... Units> std::array<quint32, sizeof...(Units)> eachOf(Units... units) const
    {
#ifdef TC_SIMD_SSE2
        const __m128i bytes = _mm_packus_epi16(m_low, m_high);
        return {static_cast<quint32>(
            _mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(static_cast<char>(units)))))...};
#else
        return {anyOf(units)...};
#endif
    }

private:
#ifdef TC_SIMD_SSE2
    __m128i m_low;
    __m128i m_high;
#else
    ushort m_units[kUnits];
#endif
};

// Bytes bytes (16, 32, 48 or 64), any alignment.
template <int Bytes> class ByteBlock
{
    static_assert(Bytes % 16 == 0 && Bytes >= 16 && Bytes <= 64, "16 to 64 bytes, in sixteens");

public:
    static constexpr int kBytes = Bytes;

    explicit ByteBlock(const unsigned char* p)
    {
#ifdef TC_SIMD_SSE2
        for (int k = 0; k < kParts; ++k)
            m_parts[k] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * k));
#else
        std::memcpy(m_bytes, p, sizeof m_bytes);
#endif
    }

    // The bytes held in Bytes / 8 integers, byte i in bits 8i to 8i + 7 of word i / 8 (whatever
    // the machine's byte order): for texts too short to be read as a block, with no store for
    // the load to wait on.
    explicit ByteBlock(const quint64 (&words)[Bytes / 8])
    {
#ifdef TC_SIMD_SSE2
        for (int k = 0; k < kParts; ++k)
            m_parts[k] = _mm_set_epi64x(static_cast<long long>(words[2 * k + 1]),
                                        static_cast<long long>(words[2 * k]));
#else
        for (int i = 0; i < kBytes; ++i)
            m_bytes[i] = static_cast<unsigned char>(words[i / 8] >> (8 * (i % 8)));
#endif
    }

    // Bit i set when byte i is b.
    quint64 equal(unsigned char b) const
    {
#ifdef TC_SIMD_SSE2
        const __m128i wanted = _mm_set1_epi8(static_cast<char>(b));
        quint64 mask = 0;
        for (int k = 0; k < kParts; ++k)
            mask |= quint64(toBits(_mm_cmpeq_epi8(m_parts[k], wanted))) << (16 * k);
        return mask;
#else
        quint64 mask = 0;
        for (int i = 0; i < kBytes; ++i)
            mask |= quint64(m_bytes[i] == b) << i;
        return mask;
#endif
    }

    // Bit i set when byte i is b or above.
    quint64 atLeast(unsigned char b) const
    {
#ifdef TC_SIMD_SSE2
        const __m128i bound = _mm_set1_epi8(static_cast<char>(b));
        quint64 mask = 0;
        for (int k = 0; k < kParts; ++k) {
            const __m128i v = m_parts[k];
            mask |= quint64(toBits(_mm_cmpeq_epi8(_mm_max_epu8(v, bound), v))) << (16 * k);
        }
        return mask;
#else
        quint64 mask = 0;
        for (int i = 0; i < kBytes; ++i)
            mask |= quint64(m_bytes[i] >= b) << i;
        return mask;
#endif
    }

private:
    static constexpr int kParts = Bytes / 16;
#ifdef TC_SIMD_SSE2
    static quint32 toBits(__m128i bytes)
    {
        return static_cast<quint32>(_mm_movemask_epi8(bytes));
    }

    __m128i m_parts[kParts];
#else
    unsigned char m_bytes[kBytes];
#endif
};

#ifdef TC_SIMD_PACK
// Whether this processor runs packBytes16; found once.
inline bool supportsPackBytes()
{
    static const bool supported = [] {
        // A call from a static constructor may come before the runtime's own detection.
        __builtin_cpu_init();
        return __builtin_cpu_supports("ssse3") != 0 && __builtin_cpu_supports("popcnt") != 0;
    }();
    return supported;
}

// Writes the bytes of w0, w1 (byte i in bits 8i to 8i + 7 of word i / 8) whose bit is set in the
// low 16 bits of keep, in order, then zeros, to out[0, 16) in one store; returns how many were
// kept. Out of line (it is compiled for another instruction set), only where supportsPackBytes().
__attribute__((target("ssse3,popcnt"), noinline)) inline int
packBytes16(quint64 w0, quint64 w1, quint32 keep, unsigned char* out)
{
    // The places of the set bits of each byte value, in order, then 0x80 (a zero to pshufb).
    struct Table
    {
        quint64 entries[256];
        constexpr Table() : entries()
        {
            for (int m = 0; m < 256; ++m) {
                quint64 v = 0x8080808080808080ULL;
                for (int i = 0, c = 0; i < 8; ++i) {
                    if (((m >> i) & 1) == 0) continue;
                    v = (v & ~(quint64(0xFF) << (8 * c))) | quint64(i) << (8 * c);
                    ++c;
                }
                entries[m] = v;
            }
        }
    };
    static constexpr Table kTable;
    // The low c bytes of a word, c from 0 to 8 (two shifts, so 8 shifts out all 64 bits).
    const auto lowBytes = [](unsigned c) { return ((quint64(1) << (4 * c)) << (4 * c)) - 1; };
    const unsigned low = keep & 0xFF;
    const unsigned high = (keep >> 8) & 0xFF;
    const auto c0 = static_cast<unsigned>(__builtin_popcount(low));
    const auto c1 = static_cast<unsigned>(__builtin_popcount(high));
    // The high byte's places, counted from byte 8, follow the low byte's c0 places.
    const quint64 second = kTable.entries[high] + (0x0808080808080808ULL & lowBytes(c1));
    const quint64 control0 =
        (kTable.entries[low] & lowBytes(c0)) | ((second << (4 * c0)) << (4 * c0));
    const quint64 control1 =
        ((second >> (32 - 4 * c0)) >> (32 - 4 * c0)) | (0x8080808080808080ULL & ~lowBytes(c0));
    const __m128i bytes = _mm_set_epi64x(static_cast<long long>(w1), static_cast<long long>(w0));
    const __m128i control =
        _mm_set_epi64x(static_cast<long long>(control1), static_cast<long long>(control0));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_shuffle_epi8(bytes, control));
    return static_cast<int>(c0 + c1);
}
#else
inline bool supportsPackBytes()
{
    return false;
}

// Never called: supportsPackBytes() is false.
inline int packBytes16(quint64, quint64, quint32, unsigned char*)
{
    return 0;
}
#endif

} // namespace TC::simd
