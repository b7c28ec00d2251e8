#include <tc/files/fileio.h>

#include <tc/host/filehelper.h>
#include <tc/parsing/codepage_p.h>
#include <tc/parsing/csvline.h>

#include "localfile_p.h"

#include <QFile>

#include <algorithm>
#include <cstdio>
#include <memory>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#if defined(__SSE2__) || defined(_M_X64)
#define TC_FILEIO_SSE2
#include <emmintrin.h>
#ifdef _MSC_VER
#include <intrin.h>
#endif
#endif

namespace TC {

namespace {

// The most characters reserved ahead for a text read whole; larger files grow the text as read.
constexpr qint64 kReserveLimit = qint64(1) << 28;

// The fopen modes of the C standard; any other is undefined behaviour in some runtimes.
constexpr const char* kWriteModes[] = {"r",   "w",  "a",   "rb",  "wb",   "ab",  "r+",
                                       "w+",  "a+", "r+b", "rb+", "w+b",  "wb+", "a+b",
                                       "ab+", "wx", "wbx", "w+x", "wb+x", "w+bx"};

// True when opening nativePath would wait for another process: a FIFO or a socket.
bool waitsOnOpen(const char* nativePath)
{
#ifndef _WIN32
    struct stat info;
    return ::stat(nativePath, &info) == 0 && (S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode));
#else
    (void)nativePath;
    return false;
#endif
}

// False for paths that Qt would refuse with a warning (empty, holding U+0000) and for paths that
// would block the open.
bool openablePath(const QString& path)
{
    return !path.isEmpty() && !path.contains(QChar(0)) &&
           !waitsOnOpen(utils::detail::toLocal8Bit(path).constData());
}

struct CloseFile
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};

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

#ifdef TC_FILEIO_SSE2
int countTrailingZeros(unsigned mask)
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
int nextStop(const ushort* s, int from, int size)
{
    int i = from;
#ifdef TC_FILEIO_SSE2
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

// A text file read as a QTextStream on it reads it, lines cut here straight from the decoded
// blocks rather than through the stream's buffer. What the stream does: the file is read in
// blocks of 16 KiB with the device's text mode off; a byte-order mark at the start of the first
// block chooses the codec, else the locale's codec applies; each block is decoded in turn; every
// CR is dropped from the decoded text.
class LineReader
{
public:
    // False when the file cannot be opened.
    bool open(const QString& path)
    {
        if (!openablePath(path)) return false;
        if (!detail::openLocalFile(m_file, path, QIODevice::ReadOnly | QIODevice::Text))
            return false;
        m_file.setTextModeEnabled(false);
        return true;
    }

    qint64 size() const { return m_file.size(); }

    // Calls onLine(const QChar* text, int length, LineFlags) for each line, without its end.
    template <typename OnLine> void forEach(OnLine onLine)
    {
        utils::detail::StreamDecoder decoder;
        char block[kBlockBytes];
        // The start of a line that runs over the end of a block.
        QString carry;
        LineFlags carryFlags;
        bool emptyTail = false; // the last block read, at a line's start, decoded to nothing
        for (;;) {
            const qint64 read = m_file.read(block, kBlockBytes);
            if (read <= 0) break;
            QString text = decoder.decode(block, read);
            if (text.contains(QLatin1Char('\r'))) text.remove(QLatin1Char('\r'));
            // Bytes read at a line's start that decode to nothing (a byte-order mark alone, a
            // sequence cut by the end of the file) still make the stream return one empty line.
            emptyTail = text.isEmpty() && carry.isEmpty();
            if (text.isEmpty()) continue;

            const ushort* s = text.utf16();
            const QChar* chars = text.constData();
            const int size = static_cast<int>(text.size());
            int start = 0;
            LineFlags flags;
            for (int i = nextStop(s, 0, size); i < size; i = nextStop(s, i + 1, size)) {
                if (s[i] == u'"') {
                    flags.quote = true;
                } else if (s[i] == u'E') {
                    flags.exponent = true;
                } else if (carry.isEmpty()) {
                    onLine(chars + start, i - start, flags);
                    start = i + 1;
                    flags = LineFlags();
                } else {
                    carry.append(chars + start, i - start);
                    carryFlags.add(flags);
                    onLine(carry.constData(), static_cast<int>(carry.size()), carryFlags);
                    carry.resize(0);
                    carryFlags = LineFlags();
                    start = i + 1;
                    flags = LineFlags();
                }
            }
            carry.append(chars + start, size - start);
            carryFlags.add(flags);
        }
        if (!carry.isEmpty() || emptyTail)
            onLine(carry.constData(), static_cast<int>(carry.size()), carryFlags);
    }

private:
    static constexpr int kBlockBytes = 16384;

    QFile m_file;
};

} // namespace

bool QReadFile(const QString& path, QString& content, bool csv)
{
    content.clear();
    LineReader reader;
    if (!reader.open(path)) return false;
    // Files hold as many characters as bytes or fewer, but numbers in exponent notation grow when
    // written out: a quarter more saves moving the whole text once it is nearly read.
    const qint64 bytes = reader.size();
    content.reserve(static_cast<int>(std::min(bytes + bytes / 4 + 1, kReserveLimit)));
    QString line;
    reader.forEach([&](const QChar* text, int length, LineFlags flags) {
        // Only a quote or an exponent marker lets parserCsvLine change a line.
        if (csv && (flags.quote || flags.exponent)) {
            line.setUnicode(text, length);
            parserCsvLine(line);
            content += line;
        } else {
            content.append(text, length);
        }
        content += QLatin1Char('\n');
    });
    if (content.capacity() - content.size() > content.size() / 8) content.squeeze();
    return true;
}

bool QReadFile(const QString& path, QList<QString>& lines, bool csv)
{
    LineReader reader;
    if (!reader.open(path)) return false;
    reader.forEach([&](const QChar* text, int length, LineFlags flags) {
        QString line(text, length);
        if (csv && (flags.quote || flags.exponent)) parserCsvLine(line);
        // parserCsvLine keeps the quotes a line has and adds none.
        if (flags.quote) line.remove(QLatin1Char('"'));
        lines.append(line);
    });
    return true;
}

bool QWriteFile(const QString& path, const QString& content)
{
    if (!openablePath(path)) return false;
    QFile file;
    if (!detail::openLocalFile(file, path, QIODevice::WriteOnly | QIODevice::Text)) return false;
    file.write(utils::detail::toLocal8Bit(content));
    file.close();
    return true;
}

bool stdReadFile(std::string path, std::string& content)
{
    utils::safeUtf82Gbk(path);
    return utils::FileHelper::open(std::move(path), content);
}

bool stdWriteFile(std::string path, const std::string& content, std::string mode)
{
    utils::safeUtf82Gbk(path);
    const bool knownMode = std::any_of(std::begin(kWriteModes), std::end(kWriteModes),
                                       [&mode](const char* m) { return mode == m; });
    if (!knownMode || path.find('\0') != std::string::npos || waitsOnOpen(path.c_str()))
        return false;
    // fclose's result is not looked at: what it fails to flush was reported as written.
    const std::unique_ptr<std::FILE, CloseFile> file(std::fopen(path.c_str(), mode.c_str()));
    if (!file) return false;
    size_t written = 0;
    while (written < content.size()) {
        const size_t n =
            std::fwrite(content.data() + written, 1, content.size() - written, file.get());
        if (n == 0) return false;
        written += n;
    }
    return true;
}

} // namespace TC
