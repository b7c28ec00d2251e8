#include <tc/files/linereader.h>

#include <tc/files/linereader_p.h>
#include <tc/parsing/csvline.h>

#include "localfile_p.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace TC {

namespace detail {

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

bool openablePath(const QString& path, QString* reason)
{
    QString why;
    if (path.isEmpty())
        why = QStringLiteral("No file name given");
    else if (path.contains(QChar(0)))
        why = QStringLiteral("File name holds a zero character");
    else if (waitsOnOpen(utils::detail::toLocal8Bit(path).constData()))
        why = QStringLiteral("Not a regular file (a FIFO or socket)");
    if (reason) *reason = why;
    return why.isEmpty();
}

} // namespace detail

bool LineReader::Private::fill()
{
    if (atEnd) return false;
    char block[kBlockBytes];
    const qint64 read = device->read(block, kBlockBytes);
    if (read <= 0) {
        atEnd = true;
        if (read < 0) {
            error = device->errorString();
            if (error.isEmpty()) error = QStringLiteral("Read error");
        }
        return false;
    }
    if (!decoder) decoder.emplace(fallback);
    consumed += read;
    decoder->decodeInto(text, block, read);
    pos = 0;
    emptyTail = text.isEmpty() && carry.isEmpty();
    return true;
}

LineReader::LineReader(const QString& path, bool csv) : d(new Private)
{
    d->csv = csv;
    if (!detail::openablePath(path, &d->error)) return;
    if (!detail::openLocalFile(d->file, path, QIODevice::ReadOnly | QIODevice::Text, &d->error))
        return;
    d->file.setTextModeEnabled(false);
    d->device = &d->file;
}

LineReader::LineReader(QIODevice* device, bool csv) : d(new Private)
{
    d->csv = csv;
    if (device && device->isReadable())
        d->device = device;
    else
        d->error = QStringLiteral("Device not open for reading");
}

LineReader::~LineReader() = default;

bool LineReader::isOpen() const
{
    return d->device != nullptr;
}

bool LineReader::readLine(QString& line)
{
    return LineReaderAccess::lines<false>(*this,
                                          [&](const QChar* text, int length, detail::LineFlags f) {
                                              line.setUnicode(text, length);
                                              // Only a quote or an exponent marker lets
                                              // parserCsvLine change a line.
                                              if (d->csv && (f.quote || f.exponent))
                                                  parserCsvLine(line);
                                          });
}

QString LineReader::errorString() const
{
    return d->error;
}

qint64 LineReader::position() const
{
    return d->consumed;
}

qint64 LineReader::size() const
{
    return d->device && !d->device->isSequential() ? d->device->size() : -1;
}

void LineReader::setCodec(const QByteArray& name)
{
    d->fallback = name;
}

} // namespace TC
