// The text readers on generated files: any bytes written to a file read back as the plain
// QTextStream loop reads them, with and without the CSV rules; the byte reader returns the bytes.
#include <tc/files/fileio.h>

#include "fuzzinput.h"
#include "literal/fileio.h"

#include <QTemporaryDir>

#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 64 * 1024) return 0;
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("generated.csv"));
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::string utf8Path = path.toUtf8().toStdString();
    agree(TC::stdWriteFile(utf8Path, bytes, "wb"));

    std::string back = "stale";
    agree(TC::stdReadFile(utf8Path, back));
    agree(back == bytes);

    const bool csv = size > 0 && (data[0] & 1);
    QString fastText, plainText;
    agree(TC::QReadFile(path, fastText, csv) == TC::literal::QReadFile(path, plainText, csv));
    agree(fastText == plainText);
    QList<QString> fastLines, plainLines;
    agree(TC::QReadFile(path, fastLines, csv) == TC::literal::QReadFile(path, plainLines, csv));
    agree(fastLines == plainLines);
    return 0;
}
