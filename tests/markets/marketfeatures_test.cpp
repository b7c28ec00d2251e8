#include <tc/markets/marketfeatures.h>
#include <tc/standin/typetables.h>
#include <tc/standin/usersession.h>

#include "common/datatable.h"

#include <gtest/gtest.h>

using namespace TC;

TEST(Features, FollowTheUserTheClassesAndTheMarket)
{
    const std::vector<std::string> all{"SH",  "SZ",      "HK",       "SHO", "SZO", "CFFEX", "IF",
                                       "INE", "SSEHKEX", "SZSEHKEX", "DF",  "HGT", "SGT"};
    standin::TypeTables& centre = standin::typeTables();
    centre.clear();
    for (const std::string& m : all) {
        centre.addRange(100003, m, "S", "S");
        centre.addRange(100005, m, "X", "X");
    }
    for (const testdata::Row& row : testdata::load("features.tsv")) {
        const std::string& rights = row.fields.at(0);
        if (rights == "-")
            standin::signOut();
        else
            standin::signIn(rights == "all" ? all : std::vector<std::string>{rights});
        const std::string &m = row.fields.at(1), &c = row.fields.at(2);
        const auto yes = [&](int column) { return row.fields.at(column) == "1"; };
        SCOPED_TRACE("features.tsv line " + std::to_string(row.line));
        EXPECT_EQ(isSupportQueue(m, c), yes(3));
        EXPECT_EQ(isSupportEntrust(m, c), yes(3));
        EXPECT_EQ(isSupportLevel2(m, c), yes(4));
        EXPECT_EQ(isSupportThousandEntrust(m, c), yes(5));
        EXPECT_EQ(isSupportFinancial(m, c), yes(6));
        EXPECT_EQ(isSupportInformation(m, c), yes(6));
        EXPECT_EQ(isSupportNotice(m, c), yes(7));
    }

    // With the shipped tables: a Shanghai index is in 100005, a Shenzhen share in 100003.
    centre.loadDefaults();
    standin::signIn(all);
    EXPECT_TRUE(isSupportNotice("SH", "000001") && !isSupportFinancial("SH", "000001"));
    EXPECT_FALSE(isSupportQueue("SH", "000001") || isSupportLevel2("SZ", "399006"));
    EXPECT_TRUE(isSupportFinancial("SZ", "000001") && isSupportQueue("SZ", "000001"));
    standin::signOut();
}
