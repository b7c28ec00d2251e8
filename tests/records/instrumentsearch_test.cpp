#include <tc/records/instrumentsearch.h>
#include <tc/records/stockinfowithpy.h>

#include "common/datatable.h"
#include "common/printers.h"

#include <literal/instrumentsearch.h>

#include <gtest/gtest.h>

#include <QStringList>

#include <random>
#include <thread>

namespace {

QList<TC::CStockInfo> bundled()
{
    return TC::literal::readInstruments(QStringLiteral(TC_BUNDLED_INSTRUMENTS));
}

std::string describe(const TC::InstrumentSearch& search, const QList<TC::InstrumentMatch>& found)
{
    std::string out;
    for (const TC::InstrumentMatch& m : found)
        out += search.at(m.row).key2().toStdString() + ' ' + search.at(m.row).name.toStdString() +
               " @" + std::to_string(m.position) + "/" + std::to_string(m.kind) + "; ";
    return out;
}

// Names that test the edges of folding, readings and counting: full-width and upper-case
// letters, punctuation before the first character, u-umlaut, surrogate pairs, a lone surrogate,
// letters the pinyin table does not know.
QList<TC::CStockInfo> edgeInstruments()
{
    QList<TC::CStockInfo> list;
    const char* const names[] = {
        "*ST康美",  "策略精选", "侵略者A",    "疟疾药业", "绿地控股", "路桥建设", "ＡＢＣ科技",
        "abc科技",  "银行ETF",  "沪深300ETF", "兴业银行", "行动教育", "𠀀业控股", "Ωmega",
        "SH600000", "中 国",    "重庆银行",   "音乐乐器", "长长安",   "A-B股",    "乐兙业",
        "西安",     "先锋",     "xian",       "T",        "",         "—",        "ｅｔｆ联接"};
    int code = 1;
    for (const char* name : names) {
        list.append(TC::CStockInfo(code % 3 ? QStringLiteral("SH") : QStringLiteral("sz"),
                                   QString::number(600000 + code), QString::fromUtf8(name)));
        ++code;
    }
    list.append(TC::CStockInfo(QStringLiteral("SZ"), QStringLiteral("000100"),
                               QString(QChar(0xD800)) + QStringLiteral("业A")));
    list.append(TC::CStockInfo(QStringLiteral("SF"), QStringLiteral("rb2601"),
                               QStringLiteral("螺纹钢2601")));
    list.append(
        TC::CStockInfo(QStringLiteral("XX"), QStringLiteral("rb2601"), QStringLiteral("瑞贝卡")));
    list.append(TC::CStockInfo(QStringLiteral(""), QStringLiteral("600001"), QStringLiteral("空")));
    return list;
}

// What users type for a name: its initials, its pinyin whole or in part, pieces of its text and
// code, market-qualified codes; and input spoilt by a letter.
QStringList queriesFor(const TC::CStockInfo& info, std::mt19937& rng)
{
    const TC::CStockInfoWithPy py(info);
    QStringList q;
    if (py.pyList.size() >= 2) {
        const QString initials = QString::fromStdString(py.pyList[0]);
        const QString full = QString::fromStdString(py.pyList[1]);
        q << initials << full << full.left(1 + static_cast<int>(rng() % (full.size() + 1)))
          << initials.mid(static_cast<int>(rng() % (initials.size() + 1)))
          << full.mid(static_cast<int>(rng() % (full.size() + 1)), 5);
    }
    const int at = static_cast<int>(rng() % (info.name.size() + 1));
    q << info.name.mid(at, 1 + static_cast<int>(rng() % 3)) << info.code.left(1 + rng() % 6)
      << info.market + info.code << info.code + QStringLiteral(".") + info.market.toLower()
      << info.market + QStringLiteral("_") + info.code.left(3);
    QString spoilt = q.value(static_cast<int>(rng() % q.size()));
    spoilt.insert(static_cast<int>(rng() % (spoilt.size() + 1)),
                  QChar(static_cast<ushort>('a' + rng() % 26)));
    q << spoilt;
    return q;
}

} // namespace

TEST(InstrumentSearch, RanksTheBundledInstrumentsAsUsersExpect)
{
    const TC::InstrumentSearch search(bundled());
    ASSERT_GT(search.size(), 4000);
    int rows = 0;
    for (const testdata::Row& row : testdata::load("instrumentsearch-ranking.tsv")) {
        ASSERT_GE(row.fields.size(), 2u) << "line " << row.line;
        const QString typed = row.text(0);
        const QStringList expected = row.text(1).split(QLatin1Char(' '));
        const QList<TC::InstrumentMatch> found = search.find(typed);
        SCOPED_TRACE(typed.toStdString() + " -> " + describe(search, found));
        ASSERT_GE(found.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i)
            EXPECT_EQ(search.at(found[i].row).key2(), expected[i]);
        if (row.fields.size() > 2) {
            const QStringList how = row.text(2).split(QLatin1Char(' '));
            const char* const kinds[] = {"code", "pinyin", "name"};
            EXPECT_EQ(found[0].position, how[0].toInt());
            EXPECT_EQ(how[1].toStdString(), kinds[found[0].kind]);
        }
        ++rows;
    }
    EXPECT_GE(rows, 30);
}

TEST(InstrumentSearch, FindsWhatThePlainScanFinds)
{
    QList<TC::CStockInfo> list = edgeInstruments();
    list += TC::literal::composedInstruments(1500, 3);
    const QList<TC::CStockInfo> real = bundled();
    for (int i = 0; i < real.size(); i += 7)
        list.append(real[i]);
    const TC::InstrumentSearch search(list);
    const TC::literal::PlainInstrumentSearch plain(list);

    std::mt19937 rng(5);
    // u-umlaut typed as u or v, initials, marks, full-width letters, market-qualified codes.
    QStringList queries =
        QString::fromUtf8("celue|celve|cljx|lue|nue|nueji|lu|lv|ludi|lvdi|z|e|xian|"
                          "*st|-|a b|ＥＴＦ|sh6|sz.6000|rb|600001|银")
            .split(QLatin1Char('|'));
    for (int i = 0; i < 120; ++i)
        queries += queriesFor(list[static_cast<int>(rng() % list.size())], rng);
    int matched = 0;
    for (const QString& q : queries) {
        const QList<TC::InstrumentMatch> expected = plain.find(q, 0);
        EXPECT_EQ(search.find(q, 0), expected)
            << q.toStdString() << "\n  found:    " << describe(search, search.find(q, 0))
            << "\n  expected: " << describe(search, expected);
        EXPECT_EQ(search.find(q, 3), expected.mid(0, 3)) << q.toStdString();
        matched += !expected.isEmpty();
    }
    EXPECT_GT(matched, queries.size() * 3 / 4); // the queries are not all spoilt
}

TEST(InstrumentSearch, AnswersManyThreadsAtOnce)
{
    const TC::InstrumentSearch search(TC::literal::composedInstruments(3000, 4));
    const QStringList queries =
        QString::fromUtf8("z|zgyh|600|rb|中国|shanghaiy|SH6000|etf").split(QLatin1Char('|'));
    std::vector<QList<TC::InstrumentMatch>> expected;
    for (const QString& q : queries)
        expected.push_back(search.find(q, 10));
    std::vector<int> wrong(8, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t) {
        threads.emplace_back([&, t] {
            const TC::InstrumentSearch copy = search;
            for (int i = 0; i < 200; ++i) {
                const size_t q = static_cast<size_t>(i + t) % expected.size();
                wrong[static_cast<size_t>(t)] +=
                    copy.find(queries[static_cast<int>(q)], 10) != expected[q];
            }
        });
    }
    for (std::thread& t : threads)
        t.join();
    EXPECT_EQ(wrong, std::vector<int>(8, 0));
}

TEST(InstrumentSearch, GivesEmptyResultsForEmptyHugeAndGarbageInput)
{
    const TC::InstrumentSearch empty;
    EXPECT_EQ(empty.size(), 0);
    EXPECT_TRUE(empty.find(QStringLiteral("a")).isEmpty());
    EXPECT_TRUE(empty.at(0).code.isEmpty());
    EXPECT_TRUE(TC::InstrumentSearch(QList<TC::CStockInfo>()).find(QStringLiteral("a")).isEmpty());

    const TC::InstrumentSearch search(edgeInstruments());
    EXPECT_TRUE(search.at(-1).name.isEmpty());
    EXPECT_TRUE(search.at(search.size()).name.isEmpty());
    for (const QString& nothing : {QString(), QStringLiteral(""), QStringLiteral("  \t "),
                                   QStringLiteral("\u3000"), QString(200000, QLatin1Char('a')),
                                   QString(200000, QChar(0x4E2D)), QStringLiteral("qqqqqq")})
        EXPECT_TRUE(search.find(nothing).isEmpty());
    EXPECT_EQ(search.find(QStringLiteral("e"), -5), search.find(QStringLiteral("e"), 0));

    std::mt19937 rng(9);
    for (int i = 0; i < 3000; ++i) {
        QString garbage;
        for (int k = static_cast<int>(rng() % 12); k > 0; --k)
            garbage += QChar(static_cast<ushort>(rng() % 4 ? rng() % 0x80 : rng()));
        const auto found = search.find(garbage, static_cast<int>(rng() % 4));
        for (const TC::InstrumentMatch& m : found) {
            ASSERT_GE(m.row, 0);
            ASSERT_LT(m.row, search.size());
            ASSERT_GE(m.position, 0);
            ASSERT_LE(m.position, search.at(m.row).name.size());
        }
    }
}
