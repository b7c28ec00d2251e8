#include <tc/host/stocktypecenter.h>
#include <tc/host/userconfig.h>
#include <tc/standin/typetables.h>
#include <tc/standin/usersession.h>

#include "common/datatable.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <fstream>
#include <set>
#include <tuple>
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
    for (const testdata::Row& row : testdata::load("typecentre-probes.tsv")) {
        const auto& [what, kind, id, market, code] =
            std::tie(row.fields.at(0), row.fields.at(1), row.fields.at(2), row.fields.at(3),
                     row.fields.at(4));
        const bool option = kind == "option";
        if (what == "range")
            option ? centre()->addOptionRange(std::stoi(id), market, code, row.fields.at(5))
                   : centre()->addRange(std::stoi(id), market, code, row.fields.at(5));
        else if (what == "pattern")
            option ? centre()->addOptionPattern(std::stoi(id), market, code)
                   : centre()->addPattern(std::stoi(id), market, code);
        else
            EXPECT_EQ(option ? centre()->isTypedOptionStock(std::stoi(id), market, code)
                             : centre()->isTypedStock(std::stoi(id), market, code),
                      row.fields.at(5) == "1")
                << "typecentre-probes.tsv line " << row.line;
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

    for (const testdata::Row& row : testdata::load("typetable-bad.tsv")) {
        SCOPED_TRACE("typetable-bad.tsv line " + std::to_string(row.line));
        EXPECT_FALSE(centre()->loadTable(writeTable(row.fields.at(0))));
        EXPECT_EQ(centre()->lastError().line, std::stoi(row.fields.at(1)));
        EXPECT_FALSE(centre()->lastError().message.empty());
    }
    // The tables are those of the last good load (the fuzzer checks this on any text).
    EXPECT_TRUE(centre()->isTypedStock(5, "SH", "600123"));

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
    ASSERT_NE(TC::getUserConfig(), nullptr);
    EXPECT_TRUE(TC::getUserConfig()->isLevel2User("HK"));
    EXPECT_FALSE(TC::getUserConfig()->isLevel2User("sh") || TC::getUserConfig()->isLevel2User(""));
    standin::signOut();
    EXPECT_EQ(TC::getUserConfig(), nullptr);
}

// The plain form of the centre's search: every range row of the shipped table scanned in turn,
// asked at each row's ends and their neighbours and at every 37th code.
TEST_F(TypeCentre, AnswersAsAScanOfTheShippedRows)
{
    QFile file(QString::fromLatin1(TypeTables::defaultTablePath()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::vector<QList<QByteArray>> rows; // ids, market, first, last
    std::set<int> ids;
    std::set<QByteArray> probes;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QList<QByteArray> f = raw.simplified().split(' ');
        if (f.size() < 4 || f[0] != "stock" || f[3].contains('#') || f[3].contains('@')) continue;
        const QList<QByteArray> ends = f[3].split('.');
        rows.push_back({f[1], f[2], ends.front(), ends.back()});
        for (const QByteArray& id : f[1].split(','))
            ids.insert(id.toInt());
        for (const QByteArray& end : ends)
            for (int d : {-1, 0, 1})
                probes.insert(QByteArray::number(end.toInt() + d).rightJustified(6, '0'));
    }
    ASSERT_GT(rows.size(), 150u);
    for (int n = 0; n < 1000000; n += 37)
        probes.insert(QByteArray::number(n).rightJustified(6, '0'));

    for (const QByteArray market : {"SH", "SZ"}) {
        for (const QByteArray& code : probes) {
            std::set<int> expected;
            for (const QList<QByteArray>& r : rows) {
                if (r[1] == market && r[2] <= code && code <= r[3])
                    for (const QByteArray& id : r[0].split(','))
                        expected.insert(id.toInt());
            }
            for (int id : ids)
                ASSERT_EQ(centre()->isTypedStock(id, market.toStdString(), code.toStdString()),
                          expected.count(id) == 1)
                    << id << ' ' << market.toStdString() << ' ' << code.toStdString();
        }
    }
}
