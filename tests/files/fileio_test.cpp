#include <tc/files/fileio.h>
#include <tc/files/linereader.h>

#include <literal/fileio.h>
#include <literal/samples.h>

#include "common/codepageguard.h"
#include "common/printers.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <filesystem>
#include <random>

#include <sys/stat.h>

namespace {

class Files : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString path(const QString& name) const { return m_dir.filePath(name); }
    std::string utf8(const QString& name) const { return path(name).toUtf8().toStdString(); }

    QString write(const QString& name, const QByteArray& bytes) const
    {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path(name);
    }

    QByteArray bytes(const QString& name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    // The names in the folder as the file system holds them, in bytes.
    std::vector<std::string> rawNames() const
    {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(m_dir.path().toStdString()))
            names.push_back(e.path().filename().native());
        return names;
    }

    QTemporaryDir m_dir;
};

QString readText(const QString& path, bool csv)
{
    QString content;
    EXPECT_TRUE(TC::QReadFile(path, content, csv));
    return content;
}

QStringList readLines(const QString& path, bool csv)
{
    QStringList lines;
    EXPECT_TRUE(TC::QReadFile(path, lines, csv));
    return lines;
}

} // namespace

TEST_F(Files, TextReadersEndLinesAndDropCarriageReturns)
{
    const QString plain = write("plain", "a\nb");
    EXPECT_EQ(readText(plain, false), "a\nb\n");
    EXPECT_EQ(readLines(plain, false), QStringList({"a", "b"}));
    const QString crlf = write("crlf", "a\r\n\r\nb\r\n");
    for (const bool csv : {false, true}) {
        EXPECT_EQ(readText(crlf, csv), "a\n\nb\n");
        EXPECT_EQ(readLines(crlf, csv), QStringList({"a", "", "b"}));
    }
    // A byte-order mark is not text.
    EXPECT_EQ(readLines(write("bom8", "\xef\xbb\xbfx,1\n"), false), QStringList({"x,1"}));
    EXPECT_EQ(readText(write("bom16", QByteArray("\xff\xfex\0\n\0", 6)), false), "x\n");

    const QString empty = write("empty", "");
    QString content = "old";
    EXPECT_TRUE(TC::QReadFile(empty, content, true));
    EXPECT_EQ(content, "");
    QStringList lines = {"kept"};
    EXPECT_TRUE(TC::QReadFile(empty, lines, true));
    EXPECT_TRUE(TC::QReadFile(plain, lines, false));
    EXPECT_EQ(lines, QStringList({"kept", "a", "b"}));
}

TEST_F(Files, CsvFlagRewritesLinesAndListsLoseQuotes)
{
    const QString file = write("quoted", "\"1,234\",5\n1.5E+3,\"x\"");
    EXPECT_EQ(readText(file, true), "\"1234\",5\n1500,\"x\"\n");
    EXPECT_EQ(readLines(file, true), QStringList({"1234,5", "1500,x"}));
    EXPECT_EQ(readLines(file, false), QStringList({"1,234,5", "1.5E+3,x"}));
    EXPECT_EQ(readText(file, false), "\"1,234\",5\n1.5E+3,\"x\"\n");
}

TEST_F(Files, ReadersMatchTheirPlainQtFormsOnHostileFiles)
{
    // Pieces that stress decoding and line cutting: quotes, markers, CRs, cut and invalid
    // UTF-8, zero bytes, marks in mid-file; lines longer than the 16 KiB blocks the file is read
    // in.
    const char* pieces[] = {"a",  "1,2",  "\"",   "E+",           "E-3", "\r",  "\n", "\r\n",
                            "中", "\xe4", "\xff", "\xef\xbb\xbf", " ",   "9.5", ",,"};
    // And byte-order marks and characters at the stream's 16 KiB block boundary.
    const QByteArray bom("\xef\xbb\xbf");
    const QByteArray boundary[] = {
        QByteArray(16383, '\r') + bom + "a\n", QByteArray(20000, '\r') + bom + "a",
        QByteArray(16384, 'x') + bom + "\"1,2\"\n", QByteArray(16383, 'x') + "中\nE+2",
        QByteArray("\xff\xfe"
                   "a\0\r\0\n\0\"\0E\0+\0"
                   "1\0",
                   16)};
    // Tails that decode to nothing still make the stream give one more, empty, line when they
    // are read after a line end (found by fuzzing).
    const QByteArray emptyTails[] = {"\xc2", bom, QByteArray(16383, 'a') + "\n\xc2",
                                     QByteArray(16383, 'a') + "\n\r", "a\n\xc2"};
    std::mt19937 rng(11);
    for (int file = 0; file < 35; ++file) {
        QByteArray bytes;
        if (file >= 24 && file < 29) bytes = boundary[file - 24];
        if (file >= 30) bytes = emptyTails[file - 30];
        if (file == 29)
            bytes = TC::literal::barCsvLines(20000).join('\n').toUtf8(); // as benchmarked
        if (file % 4 == 1 && file < 30) bytes += "\xef\xbb\xbf";
        const int target = file >= 30 ? 0
                           : file < 8 ? static_cast<int>(rng() % 64)
                                      : 1000 + rng() % 200000;
        while (bytes.size() < target) {
            if (rng() % 50 == 0) bytes += QByteArray(static_cast<int>(rng() % 70000), 'z');
            bytes += pieces[rng() % (sizeof pieces / sizeof *pieces)];
            if (rng() % 40 == 0) bytes += '\0';
        }
        const QString name = write(QString::number(file), bytes);
        for (const bool csv : {false, true}) {
            QString text;
            QString expectedText;
            ASSERT_TRUE(TC::literal::QReadFile(name, expectedText, csv));
            ASSERT_TRUE(TC::QReadFile(name, text, csv));
            ASSERT_EQ(text, expectedText) << file << ' ' << csv;
            QList<QString> lines{"first"};
            QList<QString> expectedLines{"first"};
            ASSERT_TRUE(TC::literal::QReadFile(name, expectedLines, csv));
            ASSERT_TRUE(TC::QReadFile(name, lines, csv));
            ASSERT_EQ(lines, expectedLines) << file << ' ' << csv;

            // The line reader, from the path and from an open device, gives the same lines.
            QFile device(name);
            ASSERT_TRUE(device.open(QIODevice::ReadOnly));
            TC::LineReader byPath(name, csv), byDevice(&device, csv);
            QString fromPath, fromDevice, line;
            while (byPath.readLine(line))
                fromPath += line + '\n';
            while (byDevice.readLine(line))
                fromDevice += line + '\n';
            EXPECT_TRUE(fromPath == expectedText && fromDevice == expectedText) << file;
            EXPECT_EQ(byPath.position(), bytes.size());
            EXPECT_TRUE(byPath.errorString().isEmpty());
        }
    }
}

TEST_F(Files, FailuresLeaveContentAsTheTableSays)
{
    write("file", "x");
    ASSERT_EQ(mkfifo(path("fifo").toUtf8().constData(), 0600), 0);
    // Missing, a folder, a FIFO (would wait for a writer), through a file, empty, holding U+0000.
    // Tests run as root, for whom no permission bit makes a file unreadable or unwritable.
    const QString bad[] = {path("missing"), m_dir.path(), path("fifo"),         path("file") + "/x",
                           path("no/such"), QString(),    path("nu") + QChar(0)};
    for (const QString& p : bad) {
        SCOPED_TRACE(p.toStdString());
        QString content = "old";
        EXPECT_FALSE(TC::QReadFile(p, content, false));
        EXPECT_EQ(content, "");
        QStringList lines{"kept"};
        EXPECT_FALSE(TC::QReadFile(p, lines, true));
        EXPECT_EQ(lines, QStringList{"kept"});
        std::string bytes = "old";
        EXPECT_FALSE(TC::stdReadFile(p.toStdString(), bytes));
        EXPECT_EQ(bytes, "");
        if (p == path("missing")) continue; // the writers create it
        EXPECT_FALSE(TC::QWriteFile(p, "text"));
        EXPECT_FALSE(TC::stdWriteFile(p.toStdString(), "b", "wb"));
    }
    EXPECT_EQ(bytes("file"), "x");
    EXPECT_FALSE(QFile::exists(path("nu")));
}

TEST_F(Files, LineReaderSaysWhyAndTakesTheCodecItIsGiven)
{
    ASSERT_EQ(mkfifo(path("fifo").toUtf8().constData(), 0600), 0);
    const std::pair<QString, QString> refused[] = {{path("missing"), "No such file or directory"},
                                                   {path("fifo"), "Not a regular file"},
                                                   {m_dir.path(), "directory"}};
    for (const auto& [p, why] : refused) {
        TC::LineReader reader(p);
        QString line = "kept";
        EXPECT_FALSE(reader.isOpen());
        EXPECT_FALSE(reader.readLine(line));
        EXPECT_EQ(line, "kept");
        EXPECT_TRUE(reader.errorString().contains(why)) << reader.errorString().toStdString();
        EXPECT_EQ(reader.size(), -1);
    }

    // GBK split across the 16 KiB blocks; a byte-order mark still wins over the codec given.
    const QByteArray gbk = QByteArray(16383, 'a') + "\xbc\xdb\xb8\xf1\n";
    for (const QByteArray& bytes : {gbk, QByteArray("\xef\xbb\xbf\xe4\xbb\xb7")}) {
        TC::LineReader reader(write("gbk", bytes));
        reader.setCodec("GBK");
        EXPECT_EQ(reader.size(), bytes.size());
        QString line;
        ASSERT_TRUE(reader.readLine(line));
        EXPECT_TRUE(line.endsWith(bytes.size() > 10 ? "价格" : "价")) << line.toStdString();
        EXPECT_FALSE(reader.readLine(line));
    }
}

TEST_F(Files, WritersCreateTruncateAndAppend)
{
    CodePageGuard utf("C.UTF-8");
    ASSERT_TRUE(utf.ok());
    EXPECT_TRUE(TC::QWriteFile(path("t"), "价格,1\nb"));
    EXPECT_EQ(bytes("t"), "价格,1\nb"); // no byte-order mark, no conversion of "\n" on Linux
    EXPECT_TRUE(TC::QWriteFile(path("t"), QString()));
    EXPECT_EQ(bytes("t"), "");

    const std::string raw("\0\r\n\xff", 4);
    EXPECT_TRUE(TC::stdWriteFile(utf8("b"), raw, "wb"));
    EXPECT_TRUE(TC::stdWriteFile(utf8("b"), "+", "ab"));
    std::string back;
    EXPECT_TRUE(TC::stdReadFile(utf8("b"), back));
    EXPECT_EQ(back, raw + "+");
    // A read mode opens, but the first write makes no progress.
    EXPECT_FALSE(TC::stdWriteFile(utf8("b"), "lost", "rb"));
    EXPECT_TRUE(TC::stdWriteFile(utf8("b"), "", "rb"));
    EXPECT_TRUE(TC::stdWriteFile(utf8("b"), "", "wb"));
    EXPECT_EQ(bytes("b"), "");
    for (const std::string& mode : {std::string(), std::string("z"), std::string("wq"),
                                    std::string("bw"), std::string("w\0", 2), std::string("r+bx")})
        EXPECT_FALSE(TC::stdWriteFile(utf8("m"), "x", mode)) << mode;
    EXPECT_FALSE(QFile::exists(path("m")));
}

TEST_F(Files, BothFamiliesNameAndDecodeAlikeInEitherCodePage)
{
    const QString name = QStringLiteral("数据.csv");
    const QByteArray gbkName("\xca\xfd\xbe\xdd.csv");
    for (const char* locale : {"zh_CN.GBK", "C.UTF-8"}) {
        CodePageGuard guard(locale);
        ASSERT_TRUE(guard.ok()) << locale;
        const bool gbk = std::string(locale) == "zh_CN.GBK";
        const QByteArray onDisk = gbk ? gbkName : name.toUtf8();
        const QByteArray text = gbk ? QByteArray("\xbc\xdb\xb8\xf1,\"1,5\"\n") : "价格,\"1,5\"\n";

        ASSERT_TRUE(TC::stdWriteFile(utf8(name), text.toStdString(), "wb")) << locale;
        EXPECT_EQ(rawNames(), std::vector<std::string>{onDisk.toStdString()});
        EXPECT_EQ(readLines(path(name), true), QStringList({"价格,15"}));
        ASSERT_TRUE(
            std::filesystem::remove(m_dir.path().toStdString() + "/" + onDisk.toStdString()));

        ASSERT_TRUE(TC::QWriteFile(path(name), "价格\n"));
        EXPECT_EQ(rawNames(), std::vector<std::string>{onDisk.toStdString()});
        std::string content;
        EXPECT_TRUE(TC::stdReadFile(utf8(name), content));
        EXPECT_EQ(content, text.left(text.indexOf(',')).toStdString() + "\n");
        ASSERT_TRUE(
            std::filesystem::remove(m_dir.path().toStdString() + "/" + onDisk.toStdString()));
    }
}
