#include <tc/parsing/textconversions.h>

#include <tc/parsing/simd_p.h>

#include <QByteArray>
#include <QtAlgorithms>
#include <QtEndian>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace TC {

namespace {

// Where the walk through the text stands at a block boundary: whether the boundary byte is the
// second byte of a pair, and whether that pair is a full-width form or the full-width space.
struct Carry
{
    bool trail = false;
    bool fullWidth = false;
    bool space = false;
};

// What a block's bytes become: bit i of `dropped` when byte i is not written (the lead byte of a
// full-width form, both bytes of a full-width space), of `shifted` when 0x80 is added to it (the
// trail byte of a full-width form).
struct BlockPlan
{
    uint64_t dropped = 0;
    uint64_t shifted = 0;
};

// The plan of the Bytes bytes at p (16 or 64), p[Bytes] being the byte after them. A byte
// "consumes" the next when it is 0xA3 or above, or 0xA1 before another 0xA1; which bytes begin a
// character then follows from the lengths of the runs of consuming bytes (within a run starting
// on a character, every second byte begins one), as escaped characters follow from runs of
// backslashes. The carry out is meaningful for 64 bytes only.
// From the block's masks of bytes 0xA3 and above, 0xA1 and 0xA3, and whether the byte after
// its `bits` bytes is 0xA1.
BlockPlan planMasks(uint64_t high, uint64_t a1, uint64_t a3, bool a1After, int bits, Carry& carry)
{
    constexpr uint64_t kEven = 0x5555555555555555ULL;
    const uint64_t a1Next = (a1 >> 1) | (static_cast<uint64_t>(a1After) << (bits - 1));
    uint64_t consumes = high | (a1 & a1Next);
    if (carry.trail) consumes &= ~uint64_t(1);
    const uint64_t runStarts = consumes & ~(consumes << 1);
    const uint64_t evenRuns = consumes & ~(consumes + (runStarts & kEven));
    const uint64_t oddRuns = consumes & ~evenRuns;
    const uint64_t trails =
        ((evenRuns & kEven) << 1) | ((oddRuns & ~kEven) << 1) | static_cast<uint64_t>(carry.trail);
    const uint64_t starts = ~trails;
    const uint64_t fullWidthLeads = starts & a3;
    const uint64_t spaceLeads = starts & a1 & a1Next;
    BlockPlan plan;
    plan.dropped = fullWidthLeads | spaceLeads | (spaceLeads << 1) |
                   static_cast<uint64_t>(carry.trail && carry.space);
    plan.shifted = (fullWidthLeads << 1) | static_cast<uint64_t>(carry.trail && carry.fullWidth);
    carry.trail = (oddRuns >> 63) & 1;
    carry.fullWidth = (fullWidthLeads >> 63) & 1;
    carry.space = (spaceLeads >> 63) & 1;
    return plan;
}

template <int Bytes> BlockPlan planBlock(const unsigned char* p, Carry& carry)
{
    const simd::ByteBlock<Bytes> block(p);
    return planMasks(block.atLeast(0xA3), block.equal(0xA1), block.equal(0xA3), p[Bytes] == 0xA1,
                     Bytes, carry);
}

// 0x80 in byte i for each bit i of the eight bits.
uint64_t highBitsOf(uint64_t bits)
{
    return (((bits * 0x0101010101010101ULL) & 0x8040201008040201ULL) + 0x7F7F7F7F7F7F7F7FULL) &
           0x8080808080808080ULL;
}

// Room for a block, its byte after and the over-reads of the 64-byte moves below.
constexpr int kRoom = 128;

// Writes what the Bytes bytes at in become under plan to out (which holds kRoom bytes), the bytes
// with a bit in `own` only (those of the text); returns the count written. Each stretch between
// two dropped bytes is moved whole: the work does not depend on the lengths of the stretches, so
// there is no branch on the text to mispredict but the end of the loop.
template <int Bytes>
size_t writeBlock(const unsigned char* in, const BlockPlan& plan, uint64_t own, unsigned char* out)
{
    unsigned char shifted[kRoom] = {};
    for (int g = 0; g < Bytes / 8; ++g) {
        uint64_t word = 0;
        std::memcpy(&word, in + 8 * g, 8);
        word = qFromLittleEndian(word) ^ highBitsOf((plan.shifted >> (8 * g)) & 0xFF);
        word = qToLittleEndian(word);
        std::memcpy(shifted + 8 * g, &word, 8);
    }
    size_t w = 0;
    size_t from = 0;
    // The dropped bytes, then the end of the block's own bytes as one more stop.
    const uint64_t stops = (plan.dropped & own) | (own + 1);
    for (uint64_t d = stops; d != 0; d &= d - 1) {
        const size_t at = qCountTrailingZeroBits(d);
        std::memcpy(out + w, shifted + from, Bytes);
        w += at - from;
        from = at + 1;
    }
    if (own == ~uint64_t(0)) { // the last stretch runs to the end of the block
        std::memcpy(out + w, shifted + from, Bytes);
        w += Bytes - from;
    }
    return w;
}

// The bytes of the text at p[0, n) and, when it is the trail byte of a final 0xA3 (which then
// gives 0x80), the terminating zero after them.
uint64_t ownBits(const BlockPlan& plan, size_t n)
{
    return ((uint64_t(1) << n) - 1) | (plan.shifted & (uint64_t(1) << n));
}

uint64_t load64(const unsigned char* p)
{
    uint64_t v = 0;
    std::memcpy(&v, p, 8);
    return qFromLittleEndian(v);
}

uint32_t load32(const unsigned char* p)
{
    uint32_t v = 0;
    std::memcpy(&v, p, 4);
    return qFromLittleEndian(v);
}

// p[0, n), n below 16, as two words with zeros after: loads that may overlap, never past n,
// nor a store for a wide load to wait on.
void loadShort(const unsigned char* p, size_t n, quint64& low, quint64& high)
{
    low = 0;
    high = 0;
    if (n >= 8) {
        low = load64(p);
        high = (load64(p + n - 8) >> (8 * (15 - n))) >> 8;
    } else if (n >= 4) {
        low = load32(p) | ((uint64_t(load32(p + n - 4)) >> (8 * (7 - n))) >> 8) << 32;
    } else {
        for (size_t i = 0; i < n; ++i)
            low |= uint64_t(p[i]) << (8 * i);
    }
}

// ToDBS of a text shorter than Bytes (16 or 32), such as an instrument's name, in place, in words
// of registers: the text and its terminating zero fit.
template <int Bytes> void rewriteSmall(std::string& text)
{
    const size_t n = text.size();
    unsigned char* p = reinterpret_cast<unsigned char*>(&text[0]);
    quint64 words[Bytes / 8] = {};
    if (Bytes == 16) {
        loadShort(p, n, words[0], words[1]);
    } else {
        words[0] = load64(p);
        words[1] = load64(p + 8);
        loadShort(p + 16, n - 16, words[Bytes / 8 - 2], words[Bytes / 8 - 1]);
    }
    const simd::ByteBlock<Bytes> block(words);
    // Without a 0xA3 and two 0xA1 in a row, no rule changes a byte: most names.
    const uint64_t a1 = block.equal(0xA1);
    const uint64_t a3 = block.equal(0xA3);
    if ((a3 | (a1 & (a1 >> 1))) == 0) return;
    Carry carry;
    const BlockPlan plan = planMasks(block.atLeast(0xA3), a1, a3, false, Bytes, carry);
    const uint64_t own = ownBits(plan, n);
    const uint64_t keep = ~plan.dropped & own;
    for (int k = 0; k < Bytes / 8; ++k)
        words[k] ^= highBitsOf((plan.shifted >> (8 * k)) & 0xFF);
    // The kept bytes in one 16-byte store where the processor can: a string's buffer holds 16
    // bytes or more wherever its capacity is 15 or more (the common libraries keep at least 15 in
    // the string itself).
    if (Bytes == 16 && text.capacity() >= 15 && simd::supportsPackBytes()) {
        text.erase(static_cast<size_t>(
            simd::packBytes16(words[0], words[1], static_cast<quint32>(keep), p)));
        return;
    }
    // Else byte by byte from the words, all of them, so the walk depends on the masks only and
    // has no end to mispredict. Each byte is written to the next free place of the text, never
    // past its terminating zero (nothing kept goes beyond it), and the zero is set again below.
    size_t kept = 0;
    for (int i = 0; i < Bytes; ++i) {
        p[kept] = static_cast<unsigned char>(words[i / 8] >> (8 * (i % 8)));
        kept += (keep >> i) & 1;
    }
    text.erase(kept); // the same as resize to a shorter length, without the call
}

// ToDBS of a text of 16 bytes or more, in place. Out of line, so the path of names (shorter)
// saves and restores no more registers than it uses.
Q_NEVER_INLINE void rewriteLong(std::string& text)
{
    // Every rule writes no more bytes than it reads, so the text is rewritten in place, 64 bytes
    // at a time.
    const size_t n = text.size();
    if (n < 32) {
        rewriteSmall<32>(text);
        return;
    }
    unsigned char* p = reinterpret_cast<unsigned char*>(&text[0]);
    size_t r = 0;
    size_t w = 0;
    Carry carry;
    while (r + 64 < n) {
        const BlockPlan plan = planBlock<64>(p + r, carry);
        if (plan.dropped != 0 || plan.shifted != 0 || w != r) {
            unsigned char out[kRoom];
            const size_t written = writeBlock<64>(p + r, plan, ~uint64_t(0), out);
            // All 64 bytes: they land on bytes already read.
            std::memcpy(p + w, out, 64);
            w += written;
        } else {
            w += 64;
        }
        r += 64;
    }

    // The last 1 to 64 bytes, followed by the terminating zero, in a block of their own.
    const size_t valid = n - r;
    if (valid > 0) {
        unsigned char in[kRoom] = {};
        std::memcpy(in, p + r, valid);
        const BlockPlan plan = planBlock<64>(in, carry);
        const uint64_t own = valid == 64 ? ~uint64_t(0) : ownBits(plan, valid);
        if (((plan.dropped | plan.shifted) & own) != 0 || w != r) {
            unsigned char out[kRoom];
            const size_t written = writeBlock<64>(in, plan, own, out);
            std::memcpy(p + w, out, written);
            w += written;
            if (valid == 64 && carry.trail && carry.fullWidth) p[w++] = 0x80;
        } else {
            w += valid;
        }
    }
    text.resize(w);
}

} // namespace

std::string ToDBS(std::string text)
{
    if (text.size() < 16)
        rewriteSmall<16>(text);
    else
        rewriteLong(text);
    return text;
}

void toStdVec(QVector<QString> source, std::vector<std::string>& target)
{
    target.resize(static_cast<size_t>(source.size()));
    for (int i = 0; i < source.size(); ++i) {
        const QByteArray utf8 = source[i].toUtf8();
        target[static_cast<size_t>(i)].assign(utf8.constData(), qstrlen(utf8.constData()));
    }
}

} // namespace TC
