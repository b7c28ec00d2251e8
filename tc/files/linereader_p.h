#pragma once

// Internal: the line reader's state and its line-cutting loop, shared by LineReader::readLine and
// the whole-file readers of fileio.cpp (which take each line straight from the decoded block).

#include <tc/files/linereader.h>
#include <tc/parsing/codepage_p.h>

#include <QFile>
#include <QString>

#include <optional>

#if defined(__SSE2__) || defined(_M_X64)
#define TC_LINEREADER_SSE2
#include <emmintrin.h>
#ifdef _MSC_VER
#include <intrin.h>
#endif
#endif

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

    void add(LineFlags other)
    {
        quote |= other.quote;
        exponent |= other.exponent;
    }
};

#ifdef TC_LINEREADER_SSE2
inline int countTrailingZeros(unsigned mask)
{
#ifdef _MSC_VER
    unsigned long index = 0;
    _BitScanForward(&index, mask);
    return static_cast<int>(index);
#else
    return __builtin_ctz(mask);
#endif
}
#endif

// The first of '\n', '"' and 'E' in s[from, size), or size.
inline int nextStop(const ushort* s, int from, int size)
{
    int i = from;
#ifdef TC_LINEREADER_SSE2
    // Eight characters at a time: lines hold few of the three.
    const __m128i lineEnd = _mm_set1_epi16('\n');
    const __m128i quote = _mm_set1_epi16('"');
    const __m128i exponent = _mm_set1_epi16('E');
    for (; i + 8 <= size; i += 8) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        const __m128i hits =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(v, lineEnd), _mm_cmpeq_epi16(v, quote)),
                         _mm_cmpeq_epi16(v, exponent));
        const int mask = _mm_movemask_epi8(hits);
        if (mask != 0) return i + countTrailingZeros(static_cast<unsigned>(mask)) / 2;
    }
#endif
    for (; i < size; ++i)
        if (s[i] == u'\n' || s[i] == u'"' || s[i] == u'E') return i;
    return size;
}

} // namespace detail

// What a QTextStream on the file reads, lines cut here straight from the decoded blocks rather
// than through the stream's buffer. What the stream does: the file is read in blocks of 16 KiB
// with the device's text mode off; a byte-order mark at the start of the first block chooses the
// codec, else the local 8-bit code page applies; each block is decoded in turn; every CR is dropped
// from the decoded text.
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

    // Calls onLine(const QChar* text, int length, LineFlags) for the next line, without its end,
    // or with kAll for every line left; false when there was none (the end or a read error).
    template <bool kAll, typename OnLine> bool lines(OnLine&& onLine)
    {
        bool any = false;
        for (;;) {
            const int size = static_cast<int>(text.size());
            if (pos < size) {
                const ushort* s = text.utf16();
                detail::LineFlags flags;
                for (int i = detail::nextStop(s, pos, size); i < size;
                     i = detail::nextStop(s, i + 1, size)) {
                    if (s[i] == u'"') {
                        flags.quote = true;
                        continue;
                    }
                    if (s[i] == u'E') {
                        flags.exponent = true;
                        continue;
                    }
                    const int start = pos;
                    pos = i + 1;
                    if (carry.isEmpty()) {
                        onLine(text.constData() + start, i - start, flags);
                    } else {
                        carry.append(text.constData() + start, i - start);
                        carryFlags.add(flags);
                        onLine(carry.constData(), static_cast<int>(carry.size()), carryFlags);
                        carry.resize(0);
                        carryFlags = detail::LineFlags();
                    }
                    if (!kAll) return true;
                    any = true;
                    flags = detail::LineFlags();
                }
                carry.append(text.constData() + pos, size - pos);
                carryFlags.add(flags);
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
