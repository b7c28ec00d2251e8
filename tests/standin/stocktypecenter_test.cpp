#include <tc/host/stocktypecenter.h>
#include <tc/host/userconfig.h>
#include <tc/standin/typetables.h>
#include <tc/standin/usersession.h>

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <fstream>
#include <set>
#include <vector>

using standin::TypeTables;

namespace {

TypeTables* centre()
{
    return &standin::typeTables();
}

// Every test starts from and leaves the shipped tables.
class TypeCentre : public ::testing::Test
{
protected:
    void SetUp() override { centre()->loadDefaults(); }
    void TearDown() override { centre()->loadDefaults(); }

    std::string writeTable(const std::string& text)
    {
        const std::string path = m_dir.path().toStdString() + "/types.tsv";
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(TypeCentre, MatchesRangesAsTextsOfEqualLengthAndPatterns)
{
    centre()->clear();
    EXPECT_FALSE(centre()->isTypedStock(100003, "SH", "600000"));
    centre()->addRange(7, "SH", "600000", "600999");
    centre()->addRange(7, "SH", "600500", "601500"); // overlapping ranges merge
    centre()->addRange(7, "SH", "500000", "500000");
    centre()->addRange(7, "SH", "AB", "AD");
    centre()->addRange(7, "SH", "6000", "600000");   // ignored: lengths differ
    centre()->addRange(7, "SH", "700999", "700000"); // ignored: empty
    centre()->addRange(10, "X", "\x7f", "\xff");
    centre()->addOptionRange(9, "SHO", "10000001", "19999999");
    centre()->addPattern(30001, "IF", "IF####");
    centre()->addOptionPattern(100052, "DFO", "@####-C-#*");
    centre()->addOptionPattern(100052, "DFO", "@@####-C-#*");
    centre()->addPattern(1, "M", "*x*y");
    centre()->addPattern(1, "M", ""); // ignored

    struct Case
    {
        bool option;
        int id;
        const char* market;
        std::vector<const char*> in, out;
    };
    const Case cases[] = {
        // Texts, not numbers: "60050a" lies between "600000" and "600999".
        {false,
         7,
         "SH",
         {"600000", "601500", "500000", "AC", "60050a"},
         {"601501", "599999", "500001", "AE", "6005", "6000000", "600500 ", "", "6000", "700500"}},
        {false, 7, "SZ", {}, {"600000"}},
        {false, 7, "sh", {}, {"600000"}},
        {true, 7, "SH", {}, {"600000"}},
        {false, 8, "SH", {}, {"600000"}},
        {false, 10, "X", {"\x80"}, {"~"}},
        {true, 9, "SHO", {"10007123"}, {"20000000", "1000712"}},
        {false, 30001, "IF", {"IF2512"}, {"IF25123", "if2512", "IF25a2", ""}},
        {true,
         100052,
         "DFO",
         {"m2605-C-3000", "jm2605-C-1"},
         {"m2605-P-3000", "m2605-C-", "jmx2605-C-1"}},
        {false, 100052, "DFO", {}, {"m2605-C-3"}},
        {false, 1, "M", {"xy", "axbxcy"}, {"axbyc", ""}}, // runs backtrack
    };
    for (const Case& c : cases) {
        auto ask = [&](const char* code) {
            return c.option ? centre()->isTypedOptionStock(c.id, c.market, code)
                            : centre()->isTypedStock(c.id, c.market, code);
        };
        for (const char* code : c.in)
            EXPECT_TRUE(ask(code)) << c.id << ' ' << c.market << ' ' << code;
        for (const char* code : c.out)
            EXPECT_FALSE(ask(code)) << c.id << ' ' << c.market << ' ' << code;
    }
}

TEST_F(TypeCentre, LoadsTablesAndReportsTheFirstBadLine)
{
    const std::string good = "\xEF\xBB\xBF# a comment\r\n"
                             "\n"
                             "stock 100003,5 SH 600000..600999 SSE main board, with a note\r\n"
                             "  # an indented comment\n"
                             "option\t100051\tZFO\t@@###C#*\n"
                             "stock -2 X 12\n";
    ASSERT_TRUE(centre()->loadTable(writeTable(good)));
    EXPECT_EQ(centre()->lastError().line, 0);
    EXPECT_TRUE(centre()->isTypedStock(100003, "SH", "600123") &&
                centre()->isTypedStock(5, "SH", "600123"));
    EXPECT_TRUE(centre()->isTypedOptionStock(100051, "ZFO", "SR601C6000"));
    EXPECT_TRUE(centre()->isTypedStock(-2, "X", "12") && !centre()->isTypedStock(-2, "X", "13"));
    // The new table replaced the shipped one.
    EXPECT_FALSE(centre()->isTypedStock(100003, "SZ", "000001"));

    const std::pair<std::string, int> bad[] = {
        {"stock 1 SH 600000..600999\nstock 1 SH\n", 2},
        {"# c\n\nshare 1 SH 600000\n", 3},
        {"stock 1x SH 600000\n", 1},
        {"stock 1,,2 SH 600000\n", 1},
        {"stock 99999999999 SH 600000\n", 1},
        {"stock 1 SH 600000..60099\n", 1},
        {"stock 1 SH 600999..600000\n", 1},
        {"stock 1 SH 1..2\nstock , SH 1\n", 2},
    };
    for (const auto& [text, line] : bad) {
        EXPECT_FALSE(centre()->loadTable(writeTable(text))) << text;
        EXPECT_EQ(centre()->lastError().line, line) << text;
        EXPECT_FALSE(centre()->lastError().message.empty()) << text;
        // The tables are those of the last good load.
        EXPECT_TRUE(centre()->isTypedStock(5, "SH", "600123")) << text;
        EXPECT_FALSE(centre()->isTypedStock(1, "SH", "600000")) << text;
    }

    EXPECT_FALSE(centre()->loadTable(m_dir.path().toStdString() + "/missing.tsv"));
    EXPECT_EQ(centre()->lastError().line, 0);
    EXPECT_NE(centre()->lastError().message.find("missing.tsv"), std::string::npos);
    EXPECT_TRUE(centre()->isTypedStock(5, "SH", "600123"));

    // An empty table is a valid one that knows nothing.
    EXPECT_TRUE(centre()->loadTable(writeTable("")));
    EXPECT_FALSE(centre()->isTypedStock(5, "SH", "600123"));
    centre()->loadDefaults();
    EXPECT_TRUE(centre()->isTypedStock(100003, "SZ", "000001"));
    EXPECT_EQ(centre()->lastError().message, "");
}

TEST(UserConfig, IsNullUntilSetAndAnswersForItsMarkets)
{
    EXPECT_EQ(TC::getUserConfig(), nullptr);
    standin::signIn({"SH", "HK"});
    const TC::CUserConfig* user = TC::getUserConfig();
    ASSERT_NE(user, nullptr);
    EXPECT_TRUE(user->isLevel2User("SH") && user->isLevel2User("HK"));
    EXPECT_FALSE(user->isLevel2User("SZ") || user->isLevel2User("sh") || user->isLevel2User(""));
    standin::signIn({});
    EXPECT_FALSE(TC::getUserConfig()->isLevel2User("SH"));
    standin::signOut();
    EXPECT_EQ(TC::getUserConfig(), nullptr);
}

// The plain form of the centre's search: every row of the shipped table scanned in turn.
TEST_F(TypeCentre, AnswersAsAScanOfTheShippedRows)
{
    struct Row
    {
        std::vector<int> ids;
        std::string market, first, last;
    };
    QFile file(QString::fromLatin1(TypeTables::defaultTablePath()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::vector<Row> rows;
    std::set<int> ids;
    std::set<std::string> probes;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QList<QByteArray> f = raw.simplified().split(' ');
        if (f.size() < 4 || f[0] != "stock" || f[3].contains('#') || f[3].contains('@')) continue;
        Row row;
        for (const QByteArray& id : f[1].split(','))
            ids.insert(row.ids.emplace_back(id.toInt()));
        row.market = f[2].toStdString();
        const QList<QByteArray> ends = f[3].split('.');
        row.first = ends.front().toStdString();
        row.last = ends.back().toStdString();
        for (const std::string& end : {row.first, row.last}) {
            const int n = std::stoi(end);
            for (int d : {-1, 0, 1})
                probes.insert(QByteArray::number(n + d).rightJustified(6, '0').toStdString());
        }
        rows.push_back(row);
    }
    ASSERT_GT(rows.size(), 150u);
    for (int n = 0; n < 1000000; n += 37)
        probes.insert(QByteArray::number(n).rightJustified(6, '0').toStdString());

    for (const std::string& market : {std::string("SH"), std::string("SZ")}) {
        for (const std::string& code : probes) {
            std::set<int> expected;
            for (const Row& r : rows) {
                if (r.market == market && r.first <= code && code <= r.last)
                    expected.insert(r.ids.begin(), r.ids.end());
            }
            for (int id : ids)
                ASSERT_EQ(centre()->isTypedStock(id, market, code), expected.count(id) == 1)
                    << id << ' ' << market << ' ' << code;
        }
    }
}
