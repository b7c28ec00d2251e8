#include <tc/host/userconfig.h>
#include <tc/markets/marketfeatures.h>
#include <tc/standin/typetables.h>
#include <tc/standin/usersession.h>

#include <gtest/gtest.h>

using namespace TC;

namespace {

standin::TypeTables* centre()
{
    return &standin::typeTables();
}

} // namespace

// The centre knows code "S" as a stock (100003) and "X" as class 100005 in every market asked.
TEST(Features, FollowTheUserTheClassesAndTheMarket)
{
    const char* const markets[] = {"SH",      "SZ",       "HK", "SHO", "SZO", "CFFEX", "INE",
                                   "SSEHKEX", "SZSEHKEX", "DF", "HGT", "SGT", "IF"};
    centre()->clear();
    for (const char* m : markets) {
        centre()->addRange(100003, m, "S", "S");
        centre()->addRange(100005, m, "X", "X");
    }
    const std::vector<std::string> all(std::begin(markets), std::end(markets));
    const std::vector<std::string> szOnly{"SZ"};

    struct Case
    {
        const std::vector<std::string>* user;
        const char* market;
        const char* code;
        bool queue, level2, thousand, financial, notice;
    };
    const Case cases[] = {
        {nullptr, "SH", "S", false, false, true, true, true},
        {&szOnly, "SH", "S", false, false, true, true, true},
        {&szOnly, "SZ", "S", true, true, true, true, true},
        {&all, "SH", "S", true, true, true, true, true},
        {&all, "SH", "X", false, false, false, false, true},
        {&all, "SH", "Y", true, true, true, false, false},
        {&all, "HK", "S", false, true, false, true, true},
        {&all, "SHO", "S", false, false, true, true, true},
        {&all, "SZO", "X", false, false, false, false, true},
        {&all, "XX", "S", false, false, true, false, false}, // no rights, no classes there
    };
    for (const Case& c : cases) {
        if (c.user)
            standin::signIn(*c.user);
        else
            standin::signOut();
        EXPECT_EQ(isSupportQueue(c.market, c.code), c.queue) << c.market << c.code;
        EXPECT_EQ(isSupportEntrust(c.market, c.code), c.queue) << c.market << c.code;
        EXPECT_EQ(isSupportLevel2(c.market, c.code), c.level2) << c.market << c.code;
        EXPECT_EQ(isSupportThousandEntrust(c.market, c.code), c.thousand) << c.market << c.code;
        EXPECT_EQ(isSupportFinancial(c.market, c.code), c.financial) << c.market << c.code;
        EXPECT_EQ(isSupportInformation(c.market, c.code), c.financial) << c.market << c.code;
        EXPECT_EQ(isSupportNotice(c.market, c.code), c.notice) << c.market << c.code;
    }
    // Futures, connect and their aliases: none of the three.
    for (const char* m : {"CFFEX", "INE", "SSEHKEX", "SZSEHKEX", "DF", "HGT", "SGT", "IF"}) {
        EXPECT_FALSE(isSupportQueue(m, "S") || isSupportLevel2(m, "S") ||
                     isSupportThousandEntrust(m, "S"))
            << m;
    }
    standin::signOut();

    // With the shipped tables: a Shanghai index is in 100005, a Shenzhen share in 100003.
    centre()->loadDefaults();
    standin::signIn(all);
    EXPECT_TRUE(isSupportNotice("SH", "000001") && !isSupportFinancial("SH", "000001"));
    EXPECT_FALSE(isSupportQueue("SH", "000001") || isSupportLevel2("SZ", "399006"));
    EXPECT_TRUE(isSupportFinancial("SZ", "000001") && isSupportQueue("SZ", "000001"));
    standin::signOut();
}
