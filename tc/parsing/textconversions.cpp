#include <tc/parsing/textconversions.h>

#include <tc/parsing/simd_p.h>

#include <QByteArray>

#include <cstdint>

namespace TC {

namespace {

// Byte masks of one 64-byte block: bytes of 0xA3 and above, bytes 0xA1, bytes 0xA3.
struct BlockMasks
{
    uint64_t high = 0;
    uint64_t a1 = 0;
    uint64_t a3 = 0;
};

BlockMasks blockMasks(const unsigned char* p)
{
    const simd::ByteBlock block(p);
    return {block.atLeast(0xA3), block.equal(0xA1), block.equal(0xA3)};
}

// Where the walk through the text stands at a block boundary: whether the boundary byte is the
// second byte of a pair, and whether that pair is a full-width form or the full-width space.
struct Carry
{
    bool trail = false;
    bool fullWidth = false;
    bool space = false;
};

} // namespace

std::string ToDBS(std::string text)
{
    // Every rule writes no more bytes than it reads, so the text is rewritten in place.
    const size_t n = text.size();
    unsigned char* p = reinterpret_cast<unsigned char*>(&text[0]);
    size_t r = 0;
    size_t w = 0;
    Carry carry;

    // 64 bytes at a time. A byte "consumes" the next when it is 0xA3 or above, or 0xA1 before
    // another 0xA1; which bytes begin a character then follows from the lengths of the runs of
    // consuming bytes (within a run starting on a character, every second byte begins one), as
    // escaped characters follow from runs of backslashes.
    constexpr uint64_t kEven = 0x5555555555555555ULL;
    while (r + 64 < n) {
        const BlockMasks m = blockMasks(p + r);
        const uint64_t a1Next = (m.a1 >> 1) | (static_cast<uint64_t>(p[r + 64] == 0xA1) << 63);
        uint64_t consumes = m.high | (m.a1 & a1Next);
        if (carry.trail) consumes &= ~uint64_t(1);
        const uint64_t runStarts = consumes & ~(consumes << 1);
        const uint64_t evenRuns = consumes & ~(consumes + (runStarts & kEven));
        const uint64_t oddRuns = consumes & ~evenRuns;
        const uint64_t trails = ((evenRuns & kEven) << 1) | ((oddRuns & ~kEven) << 1) |
                                static_cast<uint64_t>(carry.trail);
        const uint64_t starts = ~trails;
        const uint64_t fullWidthLeads = starts & m.a3;
        const uint64_t spaceLeads = starts & m.a1 & a1Next;
        const uint64_t dropped = fullWidthLeads | spaceLeads | (spaceLeads << 1) |
                                 static_cast<uint64_t>(carry.trail && carry.space);
        const uint64_t shifted =
            (fullWidthLeads << 1) | static_cast<uint64_t>(carry.trail && carry.fullWidth);
        carry.trail = (oddRuns >> 63) & 1;
        carry.fullWidth = (fullWidthLeads >> 63) & 1;
        carry.space = (spaceLeads >> 63) & 1;

        if ((dropped | shifted) == 0 && w == r) {
            w += 64;
        } else {
            for (int i = 0; i < 64; ++i) {
                p[w] = static_cast<unsigned char>(p[r + i] + (((shifted >> i) & 1) << 7));
                w += 1 - ((dropped >> i) & 1);
            }
        }
        r += 64;
    }

    // The rest byte by byte, starting with the second byte of a pair the blocks left open.
    if (carry.trail && r < n) {
        if (!carry.space) p[w++] = static_cast<unsigned char>(carry.fullWidth ? p[r] + 0x80 : p[r]);
        ++r;
    }
    while (r + 1 < n) {
        const unsigned b = p[r];
        const unsigned next = p[r + 1];
        const bool fullWidth = b == 0xA3;
        const bool pair = b > 0xA3;
        const bool space = (b == 0xA1) & (next == 0xA1);
        p[w] = static_cast<unsigned char>(fullWidth ? next + 0x80 : b);
        p[w + 1] = static_cast<unsigned char>(next);
        w += 1 + static_cast<size_t>(pair) - static_cast<size_t>(space);
        r += 1 + static_cast<size_t>(fullWidth | pair | space);
    }
    if (r < n) // the last byte, read with the terminating zero after it
        p[w++] = p[r] == 0xA3 ? 0x80 : p[r];
    text.resize(w);
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
