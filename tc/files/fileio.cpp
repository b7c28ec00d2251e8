#include <tc/files/fileio.h>

#include <tc/files/linereader_p.h>
#include <tc/host/filehelper.h>
#include <tc/parsing/codepage_p.h>
#include <tc/parsing/csvline.h>

#include "localfile_p.h"

#include <QFile>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace TC {

namespace {

// The most characters reserved ahead for a text read whole; larger files grow the text as read.
constexpr qint64 kReserveLimit = qint64(1) << 28;

// The fopen modes of the C standard; any other is undefined behaviour in some runtimes.
constexpr const char* kWriteModes[] = {"r",   "w",  "a",   "rb",  "wb",   "ab",  "r+",
                                       "w+",  "a+", "r+b", "rb+", "w+b",  "wb+", "a+b",
                                       "ab+", "wx", "wbx", "w+x", "wb+x", "w+bx"};

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
    QString line;
    const auto append = [&](const QChar* text, int length, detail::LineFlags flags) {
        // Only a quote or an exponent marker lets parserCsvLine change a line.
        if (csv && (flags.quote || flags.exponent)) {
            line.setUnicode(text, length);
            parserCsvLine(line);
            content += line;
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
    const auto append = [&](const QChar* text, int length, detail::LineFlags flags) {
        QString line(text, length);
        if (csv && (flags.quote || flags.exponent)) parserCsvLine(line);
        // parserCsvLine keeps the quotes a line has and adds none.
        if (flags.quote) line.remove(QLatin1Char('"'));
        lines.append(line);
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
