#include <tc/files/fileio.h>

#include <tc/host/filehelper.h>
#include <tc/parsing/csvline.h>

#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <memory>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace TC {

namespace {

// Characters taken from the text stream at a time: large enough to make the stream's own work
// small, small enough to stay in the cache.
constexpr qint64 kChunk = 1 << 16;

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
           !waitsOnOpen(QFile::encodeName(path).constData());
}

struct CloseFile
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};

struct LineFlags
{
    bool quote = false;    // holds '"'
    bool exponent = false; // holds 'E', so may hold an exponent marker
};

// Reads the file at path as QTextStream::readLine reads it from the file opened in text mode,
// calling onLine(const QChar* text, int length, LineFlags) for each line without its line end.
// The stream only decodes; lines are cut here, straight from its buffer. False when the file
// cannot be opened.
template <typename OnLine> bool forEachLine(const QString& path, OnLine onLine)
{
    if (!openablePath(path)) return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
    QTextStream stream(&file);

    // The start of a line that runs over the end of a chunk.
    QString carry;
    LineFlags carryFlags;
    auto deliver = [&onLine](const QChar* text, int length, LineFlags flags) {
        // readLine drops the CR of a CR LF, and a CR that ends the file.
        if (length > 0 && text[length - 1] == QLatin1Char('\r')) --length;
        onLine(text, length, flags);
    };
    for (;;) {
        const QString chunk = stream.read(kChunk);
        if (chunk.isEmpty()) break;
        const ushort* s = chunk.utf16();
        const int n = chunk.size();
        int start = 0;
        LineFlags flags;
        for (int i = 0; i < n; ++i) {
            const ushort c = s[i];
            if (c > u'E') continue;
            if (c == u'\n') {
                const QChar* text = reinterpret_cast<const QChar*>(s) + start;
                if (carry.isEmpty()) {
                    deliver(text, i - start, flags);
                } else {
                    carry.append(text, i - start);
                    deliver(
                        carry.constData(), carry.size(),
                        {flags.quote || carryFlags.quote, flags.exponent || carryFlags.exponent});
                    carry.resize(0);
                    carryFlags = LineFlags();
                }
                start = i + 1;
                flags = LineFlags();
            } else if (c == u'"') {
                flags.quote = true;
            } else if (c == u'E') {
                flags.exponent = true;
            }
        }
        carry.append(reinterpret_cast<const QChar*>(s) + start, n - start);
        carryFlags.quote |= flags.quote;
        carryFlags.exponent |= flags.exponent;
    }
    if (!carry.isEmpty()) deliver(carry.constData(), carry.size(), carryFlags);
    return true;
}

} // namespace

bool QReadFile(const QString& path, QString& content, bool csv)
{
    content.clear();
    QString line;
    return forEachLine(path, [&](const QChar* text, int length, LineFlags flags) {
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
}

bool QReadFile(const QString& path, QList<QString>& lines, bool csv)
{
    return forEachLine(path, [&](const QChar* text, int length, LineFlags flags) {
        QString line(text, length);
        if (csv && (flags.quote || flags.exponent)) parserCsvLine(line);
        // parserCsvLine keeps the quotes a line has and adds none.
        if (flags.quote) line.remove(QLatin1Char('"'));
        lines.append(line);
    });
}

bool QWriteFile(const QString& path, const QString& content)
{
    if (!openablePath(path)) return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
    QTextStream stream(&file);
    stream << content;
    stream.flush();
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
