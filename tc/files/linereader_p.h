#pragma once

// Internal: the line reader's state and its line-cutting loop, shared by LineReader::readLine and
// the whole-file readers of fileio.cpp (which take each line straight from the decoded block).

#include <tc/files/linereader.h>
#include <tc/parsing/codepage_p.h>
#include <tc/parsing/simd_p.h>

#include <QFile>
#include <QString>
#include <QtAlgorithms>

#include <optional>

#include <algorithm>

namespace TC {

namespace detail {

// False for paths that Qt would refuse with a warning (empty, holding U+0000) and for paths whose
// opening would wait for another process (a FIFO, a socket); reason then says why.
bool openablePath(const QString& path, QString* reason = nullptr);
// True when opening nativePath would wait for another process: a FIFO or a socket.
bool waitsOnOpen(const char* nativePath);

// What a line holds that lets parserCsvLine change it.
struct LineFlags
{
    bool quote = false;    // holds '"'
    bool exponent = false; // holds 'E', so may hold an exponent marker
    // No quote stands before it in the line passed on; 0 for a line put together from blocks.
    int firstQuote = 0;

    void add(LineFlags other)
    {
        quote |= other.quote;
        exponent |= other.exponent;
    }
};

// Where the line ends, quotes, upper-case Es and CRs stand among kUnits units: bit i for unit i.
struct Stops
{
    static constexpr int kUnits = 4 * simd::Utf16Block::kUnits;

    quint64 ends = 0;
    quint64 quotes = 0;
    quint64 es = 0;
    quint64 crs = 0;

    explicit Stops(const ushort* p)
    {
        constexpr int kBlock = simd::Utf16Block::kUnits;
        for (int k = 0; k < kUnits / kBlock; ++k) {
            const auto m = simd::Utf16Block(p + k * kBlock).eachOf(u'\n', u'"', u'E', u'\r');
            ends |= quint64(m[0]) << (k * kBlock);
            quotes |= quint64(m[1]) << (k * kBlock);
            es |= quint64(m[2]) << (k * kBlock);
            crs |= quint64(m[3]) << (k * kBlock);
        }
    }

    // Adds what the units before the one at (all of them at kUnits) hold to flags and returns,
    // and forgets those units and the one at; the units start at text[base].
    void takeBefore(int at, int base, LineFlags& flags, int& returns)
    {
        const quint64 before = at == kUnits ? ~quint64(0) : (quint64(1) << at) - 1;
        if (!flags.quote && (quotes & before) != 0) {
            flags.quote = true;
            flags.firstQuote = base + static_cast<int>(qCountTrailingZeroBits(quotes));
        }
        flags.exponent |= (es & before) != 0;
        // Most files have no CR: the count is made only for the few lines with one.
        if ((crs & before) != 0) returns += static_cast<int>(qPopulationCount(crs & before));
        const quint64 after = ~(before << 1 | 1);
        quotes &= after;
        es &= after;
        crs &= after;
    }
};

} // namespace detail

// What a QTextStream on the file reads, lines cut here straight from the decoded blocks rather
// than through the stream's buffer. What the stream does: the file is read in blocks of 16 KiB
// with the device's text mode off; a byte-order mark at the start of the first block chooses the
// codec, else the local 8-bit code page applies; each block is decoded in turn; every CR is dropped
// from the decoded text (here from each line as it is cut, the CRs being found in the same pass as
// the line ends).
struct TCUTILS_NO_EXPORT LineReader::Private
{
    static constexpr int kBlockBytes = 16384;

    QFile file;
    QIODevice* device = nullptr;
    bool csv = false;
    QString error;
    QByteArray fallback;                                 // empty: the local code page
    std::optional<utils::detail::StreamDecoder> decoder; // made at the first block
    bool atEnd = false;
    qint64 consumed = 0;
    QString text; // the decoded block
    int pos = 0;  // where the next line starts in text
    // The start of a line that runs over the end of a block.
    QString carry;
    detail::LineFlags carryFlags;
    bool emptyTail = false; // the last block read, at a line's start, decoded to nothing

    // Reads and decodes the next block into text; false at the end or on a read error.
    bool fill();

    // Calls onLine(const QChar* text, int length, LineFlags) for the next line, without its end
    // and its CRs, or with kAll for every line left; false when there was none (the end or a
    // read error).
    template <bool kAll, typename OnLine> bool lines(OnLine&& onLine)
    {
        bool any = false;
        for (;;) {
            const int size = static_cast<int>(text.size());
            if (pos < size) {
                const ushort* s = text.utf16();
                // What the line from pos holds so far.
                detail::LineFlags flags;
                int returns = 0;
                constexpr int kUnits = detail::Stops::kUnits;
                ushort last[kUnits];
                for (int i = pos; i < size; i += kUnits) {
                    const ushort* p = s + i;
                    if (size - i < kUnits) {
                        // The block's last units, padded with zeros (none of the four).
                        std::fill(std::copy(p, s + size, last), last + kUnits, ushort(0));
                        p = last;
                    }
                    detail::Stops stops(p);
                    for (; stops.ends != 0; stops.ends &= stops.ends - 1) {
                        const int at = static_cast<int>(qCountTrailingZeroBits(stops.ends));
                        stops.takeBefore(at, i, flags, returns);
                        const int start = pos;
                        pos = i + at + 1;
                        passLine(start, i + at, flags, returns, onLine);
                        if (!kAll) return true;
                        any = true;
                        flags = detail::LineFlags();
                        returns = 0;
                    }
                    stops.takeBefore(kUnits, i, flags, returns);
                }
                // The rest starts a line that a later block ends. A block of CRs alone read at a
                // line's start is one that decodes to nothing, for the stream, which drops them.
                if (pos == 0 && carry.isEmpty() && returns == size) emptyTail = true;
                appendToCarry(pos, size, flags, returns);
                pos = size;
            }
            if (fill()) continue;
            // Bytes read at a line's start that decode to nothing (a byte-order mark alone, a
            // sequence cut by the end of the file) still make the stream return one empty line.
            if (carry.isEmpty() && !emptyTail) return any;
            emptyTail = false;
            onLine(carry.constData(), static_cast<int>(carry.size()), carryFlags);
            carry.resize(0);
            carryFlags = detail::LineFlags();
            return true;
        }
    }

    // Appends text[from, to), holding returns CRs, to carry without them.
    void appendToCarry(int from, int to, detail::LineFlags flags, int returns)
    {
        carry.append(text.constData() + from, to - from);
        if (returns != 0) carry.remove(QLatin1Char('\r'));
        carryFlags.add(flags);
    }

    // Passes on the line that ends at text[end], its start from start on (and carry before).
    template <typename OnLine>
    void passLine(int start, int end, detail::LineFlags flags, int returns, OnLine& onLine)
    {
        const QChar* s = text.constData();
        if (carry.isEmpty()) {
            if (flags.quote) flags.firstQuote -= start;
            // Most files have no CR, or one at each line's end.
            if (returns == 0) return onLine(s + start, end - start, flags);
            if (returns == 1 && s[end - 1] == QLatin1Char('\r'))
                return onLine(s + start, end - 1 - start, flags);
        }
        appendToCarry(start, end, flags, returns);
        onLine(carry.constData(), static_cast<int>(carry.size()), carryFlags);
        carry.resize(0);
        carryFlags = detail::LineFlags();
    }
};

// Gives the library's whole-file readers the reader's line loop.
class LineReaderAccess
{
public:
    template <bool kAll, typename OnLine> static bool lines(LineReader& reader, OnLine&& onLine)
    {
        return reader.d->device && reader.d->template lines<kAll>(onLine);
    }
};

} // namespace TC
