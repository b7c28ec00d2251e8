// The built tcutil on the bundled data: output and exit statuses for good and bad input.
#include "common/printers.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Result
{
    int status = -1;
    QString out;
    QString err;
};

Result tcutil(const QStringList& args, const QByteArray& tz = "Asia/Shanghai")
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TZ"), QString::fromLatin1(tz));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TCUTIL_PATH), args);
    Result r;
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit) return r;
    r.status = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

QStringList lines(const QString& text)
{
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

TEST(Tcutil, UsageErrorsExitTwoWithOneLine)
{
    for (const QStringList& args :
         {QStringList{}, QStringList{"frobnicate"}, QStringList{"search"},
          QStringList{"info", "SH", "600000", "extra"}, QStringList{"markets", "--bogus"},
          QStringList{"encrypt", "a", "b"}, QStringList{"search", "pfyh", "--limit", "x"}}) {
        const Result r = tcutil(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_EQ(lines(r.err).size(), 1) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    const Result help = tcutil({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* command :
         {"search", "info", "list", "markets", "periods", "csv", "date", "encrypt", "decrypt"}) {
        EXPECT_TRUE(help.out.contains(QLatin1String(command)));
        const Result r = tcutil({QLatin1String(command), "--help"});
        EXPECT_EQ(r.status, 0) << command;
        EXPECT_TRUE(r.out.contains(QStringLiteral("Usage: tcutil ") + command)) << command;
    }
}

TEST(Tcutil, SearchRanksPrefixMatchesByMarketThenCode)
{
    const Result r = tcutil({"search", "zgpa"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QStringList rows = lines(r.out);
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_TRUE(rows.front().startsWith(QStringLiteral("SH    601318   中国平安")))
        << rows.front().toStdString();

    const QStringList pufa = lines(tcutil({"search", "PFYH"}).out);
    ASSERT_FALSE(pufa.isEmpty());
    EXPECT_TRUE(pufa.front().contains(QStringLiteral("600000   浦发银行  股票")));

    // A code prefix, and pinyin under a second reading of 行 (xing).
    EXPECT_TRUE(tcutil({"search", "600000"}).out.contains(QStringLiteral("浦发银行")));
    EXPECT_TRUE(tcutil({"search", "pfyx"}).out.contains(QStringLiteral("浦发银行")));

    const Result none = tcutil({"search", "qqqqqqqq"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(lines(none.err).size(), 1);
}

TEST(Tcutil, InfoAcceptsThreeFormsAndHonoursLevel2Rights)
{
    const Result a = tcutil({"info", "SH", "600000"});
    ASSERT_EQ(a.status, 0) << a.err.toStdString();
    EXPECT_EQ(tcutil({"info", "SH600000"}).out, a.out);
    EXPECT_EQ(tcutil({"info", "SH_600000"}).out, a.out);
    EXPECT_TRUE(a.out.contains(QStringLiteral("浦发银行")));
    EXPECT_TRUE(a.out.contains(QStringLiteral("上海证券交易所(SSE)")));
    EXPECT_TRUE(a.out.contains(QRegularExpression(QStringLiteral("security type +股票"))));
    EXPECT_TRUE(a.out.contains(QRegularExpression(QStringLiteral("\\nqueue +no"))));

    const Result l2 = tcutil({"info", "SH600000", "--level2", "SH,SZ"});
    EXPECT_TRUE(l2.out.contains(QRegularExpression(QStringLiteral("\\nqueue +yes"))));
    EXPECT_TRUE(l2.out.contains(QRegularExpression(QStringLiteral("\\nlevel2 +yes"))));

    const Result cu = tcutil({"info", "SHFE_cu2501"});
    EXPECT_TRUE(cu.out.contains(QRegularExpression(QStringLiteral("night trading +yes"))));
    EXPECT_TRUE(cu.out.contains(QStringLiteral("商品期货")));

    EXPECT_EQ(tcutil({"info", "_"}).status, 1);
    EXPECT_EQ(tcutil({"info", "SH", "600000", "--types", "/nonexistent/types.tsv"}).status, 1);
}

TEST(Tcutil, ListSortsByMarketRankAndFilters)
{
    const Result all = tcutil({"list"});
    ASSERT_EQ(all.status, 0);
    const QStringList rows = lines(all.out);
    ASSERT_GT(rows.size(), 1000);
    EXPECT_TRUE(rows.front().startsWith(QStringLiteral("SH ")));
    int lastSz = -1, firstIf = -1;
    for (int i = 0; i < rows.size(); ++i) {
        if (rows[i].startsWith(QStringLiteral("SZ "))) lastSz = i;
        if (firstIf < 0 && rows[i].startsWith(QStringLiteral("IF "))) firstIf = i;
    }
    EXPECT_LT(lastSz, firstIf);

    const QStringList etfs = lines(tcutil({"list", "--market", "SZ", "--type", "ETF"}).out);
    ASSERT_FALSE(etfs.isEmpty());
    for (const QString& row : etfs)
        EXPECT_TRUE(row.startsWith(QStringLiteral("SZ ")) && row.endsWith(QStringLiteral("ETF")))
            << row.toStdString();
    EXPECT_EQ(tcutil({"list", "--market", "XX"}).status, 1);
}

TEST(Tcutil, CatalogueCommandsPrintTheTables)
{
    const Result m = tcutil({"markets"});
    ASSERT_EQ(m.status, 0);
    EXPECT_EQ(lines(m.out).size(), 16); // header + 15 markets
    EXPECT_TRUE(m.out.contains(QStringLiteral("深圳证劵交易所(SZSE)")));
    const Result p = tcutil({"periods"});
    ASSERT_EQ(p.status, 0);
    EXPECT_EQ(lines(p.out).size(), 18); // header + 17 periods
    EXPECT_TRUE(p.out.contains(QStringLiteral("日线")));
}

TEST(Tcutil, CsvCleansTheSampleAndDatesAgree)
{
    QTemporaryDir dir;
    const QString outPath = dir.filePath(QStringLiteral("clean.csv"));
    const Result r = tcutil({"csv", TC_BARS_SAMPLE, "--out", outPath});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QFile clean(outPath);
    ASSERT_TRUE(clean.open(QIODevice::ReadOnly));
    const QStringList rows = lines(QString::fromUtf8(clean.readAll()));
    ASSERT_EQ(rows.size(), 121);
    EXPECT_EQ(rows[0], QStringLiteral("seconds,open,high,low,close,volume,amount"));
    // 2024-03-15 09:31:00 in Shanghai; the quoted thousands are joined, no quotes remain.
    EXPECT_TRUE(rows[1].startsWith(QStringLiteral("1710466260,7.05,"))) << rows[1].toStdString();
    EXPECT_TRUE(rows[1].contains(QStringLiteral(",1929400,")));
    EXPECT_FALSE(clean.readAll().contains('"'));
    EXPECT_EQ(tcutil({"csv", "/nonexistent.csv"}).status, 1);

    const Result d = tcutil({"date", "2016-05-03", "2016/5/3", "20160503", "20160503 00:00:00"});
    ASSERT_EQ(d.status, 0);
    const QStringList dl = lines(d.out);
    ASSERT_EQ(dl.size(), 4);
    for (const QString& l : dl)
        EXPECT_TRUE(l.contains(QStringLiteral(": 1462204800  2016-05-03 00:00:00")))
            << l.toStdString();
    const Result bad = tcutil({"date", "2016-05-03", "someday"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_TRUE(bad.out.contains(QStringLiteral("someday: not a date")));
}

TEST(Tcutil, EncryptThenDecryptGivesTheFileBackAndNeverHalfWrites)
{
    QTemporaryDir dir;
    const QString plain = dir.filePath(QStringLiteral("plain.bin"));
    const QString sealed = dir.filePath(QStringLiteral("sealed.bin"));
    const QString back = dir.filePath(QStringLiteral("back.bin"));
    QFile f(plain);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    const QByteArray data = QByteArray("workspace 工作区 ").repeated(100) + QByteArray(1, '\0');
    f.write(data);
    f.close();

    ASSERT_EQ(tcutil({"encrypt", "--key", "k3y", plain, sealed}).status, 0);
    ASSERT_EQ(tcutil({"decrypt", "--key", "k3y", sealed, back}).status, 0);
    QFile s(sealed), b(back);
    ASSERT_TRUE(s.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_NE(s.readAll(), data);
    EXPECT_EQ(b.readAll(), data);

    // A failed run leaves no output file behind.
    const QString never = dir.filePath(QStringLiteral("never.bin"));
    EXPECT_EQ(tcutil({"encrypt", "--key", "k", dir.filePath("missing"), never}).status, 1);
    EXPECT_FALSE(QFile::exists(never));
    EXPECT_EQ(tcutil({"encrypt", "--key", "k", plain, dir.filePath("no/such/dir/x")}).status, 1);
}
