#include <tc/files/fileio.h>

#include <tc/files/linereader_p.h>
#include <tc/host/filehelper.h>
#include <tc/parsing/codepage_p.h>
#include <tc/parsing/csvline.h>
#include <tc/parsing/csvline_p.h>

#include "localfile_p.h"

#include <QFile>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <memory>

// A lambda called once per line, made part of the line loop that calls it.
#if defined(__GNUC__)
#define TC_INLINE_LAMBDA __attribute__((always_inline))
#else
#define TC_INLINE_LAMBDA
#endif

namespace TC {

namespace {

// The most characters reserved ahead for a text read whole; larger files grow the text as read.
constexpr qint64 kReserveLimit = qint64(1) << 28;

// The fopen modes of the C standard; any other is undefined behaviour in some runtimes.
constexpr const char* kWriteModes[] = {"r",   "w",  "a",   "rb",  "wb",   "ab",  "r+",
                                       "w+",  "a+", "r+b", "rb+", "w+b",  "wb+", "a+b",
                                       "ab+", "wx", "wbx", "w+x", "wb+x", "w+bx"};

// Copies the line text[0, length), which holds no quote before firstQuote, to out, without the
// units detail::dropQuoted takes out; returns the units written.
int copyUnquoted(const QChar* text, int length, int firstQuote, QChar* out, bool quotedCommas,
                 bool dropQuotes)
{
    std::memcpy(out, text, sizeof(QChar) * static_cast<size_t>(length));
    return detail::dropQuoted(text, length, firstQuote, quotedCommas, dropQuotes,
                              [out] { return out; });
}

struct CloseFile
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

bool QReadFile(const QString& path, QString& content, bool csv)
{
    content.clear();
    LineReader reader(path);
    if (!reader.isOpen()) return false;
    // Files hold as many characters as bytes or fewer, but numbers in exponent notation grow when
    // written out: a quarter more saves moving the whole text once it is nearly read.
    const qint64 bytes = reader.size();
    content.reserve(static_cast<int>(std::min(bytes + bytes / 4 + 1, kReserveLimit)));
    const auto append = [&](const QChar* text, int length, detail::LineFlags flags) {
        if (csv && flags.exponent) {
            detail::appendCsvLine(text, length, false, content, static_cast<int>(content.size()));
        } else if (csv && flags.quote) {
            const auto at = content.size();
            content.resize(at + length);
            content.resize(at + copyUnquoted(text, length, flags.firstQuote, content.data() + at,
                                             false, false));
        } else {
            content.append(text, length);
        }
        content += QLatin1Char('\n');
    };
    LineReaderAccess::lines<true>(reader, append);
    if (content.capacity() - content.size() > content.size() / 8) content.squeeze();
    return true;
}

bool QReadFile(const QString& path, QList<QString>& lines, bool csv)
{
    LineReader reader(path);
    if (!reader.isOpen()) return false;
    QString rewritten;
    // After the first lines, the list is given room for the lines the whole file would hold at
    // their length, so it is not moved as it grows; never more than one entry for each 8 bytes of
    // the file, so the room stays under the file's size whatever the first lines were.
    const qint64 bytes = reader.size();
    const qsizetype held = lines.size();
    bool sized = bytes <= 0;
    const auto append = [&](const QChar* text, int length,
                            detail::LineFlags flags) TC_INLINE_LAMBDA {
        if (!sized && lines.size() - held >= 64) {
            sized = true;
            const qint64 read = std::max<qint64>(reader.position(), 1);
            const qint64 expected =
                std::min((lines.size() - held) * bytes / read * 17 / 16, bytes / 8);
            const qint64 room = std::min<qint64>(held + expected, INT_MAX / 16);
            if (room > lines.size()) lines.reserve(static_cast<int>(room));
        }
        // The line is made in its place in the list: no count of references to raise and lower.
        lines.append(QString());
        QString& line = lines.last();
        if (csv && flags.exponent) {
            // Rewritten in a buffer kept from line to line (its size left as it is), then the
            // line copied out of it.
            const int end = detail::appendCsvLine(text, length, true, rewritten, 0, false);
            line = QString(rewritten.constData(), end);
        } else if (flags.quote) {
            line = QString(length, Qt::Uninitialized);
            line.resize(copyUnquoted(text, length, flags.firstQuote, line.data(), !csv, true));
        } else {
            line = QString(text, length);
        }
    };
    LineReaderAccess::lines<true>(reader, append);
    return true;
}

bool QWriteFile(const QString& path, const QString& content)
{
    if (!detail::openablePath(path)) return false;
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
    if (!knownMode || path.find('\0') != std::string::npos || detail::waitsOnOpen(path.c_str()))
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
