// tcutil on data files, standard input and output, FIFOs, devices and failing writes: each fault
// a user met, end to end.
#include <tc/parsing/codepage_p.h>

#include "common/printers.h"
#include "tcutilrun.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

bool isCharDevice(const QString& path)
{
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISCHR(info.st_mode);
}

const QString kData = QStringLiteral(TC_TEST_DATA);

} // namespace

TEST(TcutilCsv, ReportsWhereTheClientsReadingDiffersAndExactKeepsTheText)
{
    QTemporaryDir dir;
    const QString out = dir.filePath("out.csv");
    const Via inData = Via::in(kData);
    // The client's reading, as before, and on stderr each kind of difference with its lines.
    Result r = tcutil({"csv", "faults.csv", "--out", out}, inData);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(readAll(out), readAll(kData + "/faults.client.csv"));
    EXPECT_EQ(r.err.toUtf8(), readAll(kData + "/faults.report.txt"));

    // --strict fails and leaves the output as it was.
    writeAll(out, "old");
    r = tcutil({"csv", "faults.csv", "--strict", "--out", out}, inData);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.endsWith("the client's reading differs from the text (--strict)\n"));
    EXPECT_EQ(readAll(out), "old");

    // The file's own reading: times kept, 2099 as it is, full precision, quoted text whole.
    r = tcutil({"csv", "faults.csv", "--exact"}, inData);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.toUtf8(), readAll(kData + "/faults.exact.csv"));
    EXPECT_EQ(r.err,
              "tcutil: faults.csv: 3 line(s) skipped: no fields or no date: line 6, 9, 11\n");

    // Its own output read again holds no date the client reads: no data row is a failure.
    ASSERT_EQ(tcutil({"csv", TC_BARS_SAMPLE, "--out", out}).status, 0);
    r = tcutil({"csv", out});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(
        r.err.contains("120 line(s) skipped: no fields or no date: line 2, 3, 4, 5, 6, ..."));
    EXPECT_TRUE(r.err.endsWith(out + ": no data row\n"));
}

TEST(TcutilCsv, ReadsStandardInputGbkAndFilesOfAnySizeInLittleMemory)
{
    const QByteArray gbk =
        utils::detail::encodeIn("GBK", QStringLiteral("日期,名称\n20240315,浦发银行\n"));
    Result r = tcutil({"csv", "-", "--out", "-"}, Via::stdinOf(gbk));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, QStringLiteral("seconds,名称\n1710432000,浦发银行\n"));
    r = tcutil({"csv", "-", "--encoding", "utf-8"}, Via::stdinOf(gbk));
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.err.startsWith("tcutil: standard input: 2 line(s) with bytes that are not UTF-8, "
                                 "read as U+FFFD: line 1, 2\n"))
        << r.err.toStdString();

    // 24 MiB of bars: the whole file in memory would take five times that.
    QTemporaryDir dir;
    const QString big = dir.filePath("big.csv");
    QByteArray block;
    for (int i = 0; i < 1000; ++i)
        block += "20240315 09:31:00,7.05,7.08,7.03,7.05,\"1,929,400\",1.3603316E+7\n";
    {
        QFile f(big);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        while (f.size() < 24 << 20)
            ASSERT_EQ(f.write(block), block.size());
    }
    const QString out = dir.filePath("out.csv");
    r = tcutil({"csv", big, "--out", out});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(QFileInfo(out).size(),
              QFileInfo(big).size() / block.size() * 1000 *
                  qint64(sizeof "1710466260,7.05,7.08,7.03,7.05,1929400,13603316"));
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__) // their shadow memory counts
    struct rusage usage;
    ASSERT_EQ(getrusage(RUSAGE_CHILDREN, &usage), 0);
    EXPECT_LT(usage.ru_maxrss, 64 * 1024); // KiB
#endif
}

TEST(TcutilCsv, NeverReplacesFifosOrDevicesAndReportsEveryFailedWrite)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo");
    const QString null = dir.filePath("null");
    const QString full = dir.filePath("full");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_EQ(mknod(QFile::encodeName(null).constData(), S_IFCHR | 0600, makedev(1, 3)), 0);
    ASSERT_EQ(mknod(QFile::encodeName(full).constData(), S_IFCHR | 0600, makedev(1, 7)), 0);

    QProcess reader;
    reader.start("cat", {fifo});
    ASSERT_TRUE(reader.waitForStarted());
    EXPECT_EQ(tcutil({"csv", TC_BARS_SAMPLE, "--out", fifo}).status, 0);
    ASSERT_TRUE(reader.waitForFinished());
    EXPECT_EQ(lines(QString::fromUtf8(reader.readAllStandardOutput())).size(), 121);
    EXPECT_EQ(QFileInfo(fifo).isFile(), false);

    EXPECT_EQ(tcutil({"csv", TC_BARS_SAMPLE, "--out", null}).status, 0);
    EXPECT_TRUE(isCharDevice(null));
    for (const Result& r : {tcutil({"csv", TC_BARS_SAMPLE, "--out", full}),
                            tcutil({"csv", TC_BARS_SAMPLE}, Via::stdoutTo("/dev/full")),
                            tcutil({"markets"}, Via::stdoutTo("/dev/full"))}) {
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.err.endsWith(": No space left on device\n")) << r.err.toStdString();
    }
    EXPECT_TRUE(isCharDevice(full));

    // A write that fails on a regular file (over the file size limit here) leaves it whole.
    const QString out = dir.filePath("out.csv");
    writeAll(out, "old");
    const Result r = tcutil({"-c", "trap '' XFSZ; ulimit -f 4; exec \"$0\" csv \"$1\" --out \"$2\"",
                             TCUTIL_PATH, TC_BARS_SAMPLE, out},
                            Via::shell());
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "tcutil: cannot write " + out + ": File too large\n");
    EXPECT_EQ(readAll(out), "old");

    // Reading says why it cannot.
    EXPECT_EQ(tcutil({"csv", dir.filePath("missing")}).err,
              "tcutil: cannot read " + dir.filePath("missing") + ": No such file or directory\n");
    EXPECT_EQ(tcutil({"csv", dir.path()}).err,
              "tcutil: cannot read " + dir.path() + ": Is a directory\n");
}

TEST(TcutilCrypt, RoundTripsThroughPipesWithKeysThatCountWhole)
{
    QTemporaryDir dir;
    const QString plain = dir.filePath("plain.bin");
    const QByteArray data = QByteArray("workspace 工作区 ").repeated(100) + QByteArray(1, '\0');
    writeAll(plain, data);
    const QString sealed = dir.filePath("sealed.bin");
    ASSERT_EQ(tcutil({"encrypt", "--key", "k3y", plain, sealed}).status, 0);
    EXPECT_NE(readAll(sealed), data);
    QProcess p;
    p.setStandardInputFile(sealed);
    p.start(TCUTIL_PATH, {"decrypt", "--key", "k3y", "-", "-"});
    ASSERT_TRUE(p.waitForFinished());
    EXPECT_EQ(p.readAllStandardOutput(), data);

    // Keys the cipher would use only in part, or not at all, are refused.
    for (const char* key : {"", "123456789"}) {
        const Result r = tcutil({"encrypt", "--key", key, plain, sealed});
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.err.contains("--key")) << r.err.toStdString();
    }
    // A failed run leaves no output file behind; a file over the cipher's limit is refused first.
    const QString never = dir.filePath("never.bin");
    EXPECT_EQ(tcutil({"encrypt", "--key", "k", dir.filePath("missing"), never}).status, 1);
    EXPECT_FALSE(QFile::exists(never));
    QFile huge(dir.filePath("huge.bin"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(1) << 31));
    const Result r = tcutil({"encrypt", "--key", "k", huge.fileName(), never});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("2147483648 bytes, over the 2147483647 bytes"))
        << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(never));
}

TEST(TcutilShell, CompletesFromTheBinarysOwnHelpAndHasAManPage)
{
    // ask WORDS...: what completes the last word.
    const QString script =
        QStringLiteral("source \"$1\"; ask() { COMP_WORDS=(\"$0\" \"$@\"); COMP_CWORD=$#; _tcutil; "
                       "echo \"${COMPREPLY[*]}\"; }; ask cs; ask csv --e; ask list --market S; ask "
                       "date --format j");
    QProcess bash;
    bash.start("bash", {"-c", script, TCUTIL_PATH, TCUTIL_COMPLETION});
    ASSERT_TRUE(bash.waitForFinished());
    EXPECT_EQ(QString::fromUtf8(bash.readAllStandardOutput()),
              "csv\n--encoding --exact\nSF SGT SH SHO SZ\njson\n");
#ifdef TCUTIL_MANPAGE
    const QByteArray man = readAll(TCUTIL_MANPAGE);
    for (const char* part : {".SH COMMANDS", "tcutil csv", "--exact", "\\-\\-version"})
        EXPECT_TRUE(man.contains(part)) << part;
#endif
}
