// The built tcutil on the bundled data: output and exit statuses for good and bad input.
#include "common/printers.h"
#include "tcutilrun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <gtest/gtest.h>

TEST(Tcutil, UsageErrorsExitTwoWithOneLine)
{
    // Options exist only on the commands they serve; an instrument given whole takes no code.
    for (const QStringList& args :
         {QStringList{}, QStringList{"frobnicate"}, QStringList{"search"},
          QStringList{"info", "SH", "600000", "extra"}, QStringList{"info", "SH600000", "extra"},
          QStringList{"markets", "--bogus"}, QStringList{"markets", "--level2", "SH"},
          QStringList{"csv", "--types", "t", "f"}, QStringList{"date", "--instruments", "i", "x"},
          QStringList{"encrypt", "a", "b"}, QStringList{"search", "pfyh", "--limit", "x"},
          QStringList{"periods", "--format", "xml"},
          QStringList{"csv", "--encoding", "latin1", "f"}}) {
        const Result r = tcutil(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_EQ(lines(r.err).size(), 1) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    const Result help = tcutil({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(tcutil({"--version"}).out, "tcutil " TCUTIL_VERSION "\n");
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

    // A bare code is looked up in every market; an unknown market is bad input.
    const Result code = tcutil({"info", "600000"});
    EXPECT_EQ(code.out, a.out);
    EXPECT_EQ(tcutil({"info", "sh600000"}).out, a.out);
    const Result unknown = tcutil({"info", "XX", "600000"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_TRUE(unknown.out.isEmpty() && unknown.err.contains("unknown market 'XX'"));
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

    const QStringList etfs = lines(tcutil({"list", "--market", "sz", "--type", "etf"}).out);
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

    // The same tables for programs: ranks are numbers in JSON, empty in TSV where there is none.
    const QJsonArray json =
        QJsonDocument::fromJson(tcutil({"markets", "--format", "json"}).out.toUtf8()).array();
    ASSERT_EQ(json.size(), 15);
    EXPECT_EQ(json[0].toObject()["code"].toString(), "BKZS");
    EXPECT_TRUE(json[0].toObject()["rank"].isNull());
    EXPECT_EQ(json[1].toObject()["rank"].toInt(), 4);
    const QStringList tsv = lines(tcutil({"periods", "--format", "tsv"}).out);
    ASSERT_EQ(tsv.size(), 18);
    EXPECT_EQ(tsv[0], "index\tvalue\tname");
}

TEST(Tcutil, DatesAgreeAndWhatIsNoDateGoesToStderr)
{
    const Result d = tcutil({"date", "2016-05-03", "2016/5/3", "20160503", "20160503 00:00:00"});
    ASSERT_EQ(d.status, 0);
    const QStringList dl = lines(d.out);
    ASSERT_EQ(dl.size(), 4);
    for (const QString& l : dl)
        EXPECT_TRUE(l.contains(QStringLiteral(": 1462204800  2016-05-03 00:00:00  pattern ")))
            << l.toStdString();
    // The client's reading, and the text's own where they differ.
    const Result bad = tcutil({"date", "2016-05-03 09:30", "someday"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.out, "2016-05-03 09:30: 1461945600  2016-04-30 00:00:00  pattern no  in range "
                       "yes  strict: 1462239000  2016-05-03 09:30:00\n");
    EXPECT_TRUE(bad.err.startsWith(QStringLiteral("tcutil: someday: not a date")));
}
