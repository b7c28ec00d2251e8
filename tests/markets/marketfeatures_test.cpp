#include <tc/host/stocktypecenter.h>
#include <tc/host/userconfig.h>
#include <tc/markets/marketfeatures.h>

#include <gtest/gtest.h>

using namespace TC;

namespace {

ttservice::StockTypeCenter* centre()
{
    return utils::CSingletonT<ttservice::StockTypeCenter>::instance();
}

// The centre knows code "S" as a stock and "X" as class 100005 in every market used here; the
// user holds Level-2 rights where a test says so.
class Features : public ::testing::Test
{
protected:
    void SetUp() override
    {
        centre()->clear();
        for (const char* m : {"SH", "SZ", "HK", "SHO", "SZO", "CFFEX", "INE", "SSEHKEX", "SZSEHKEX",
                              "DF", "HGT", "SGT", "IF"}) {
            centre()->addRange(100003, m, "S", "S");
            centre()->addRange(100005, m, "X", "X");
        }
        m_user.setLevel2Markets({"SH", "SZ", "HK", "SHO", "SZO", "CFFEX", "INE", "SSEHKEX",
                                 "SZSEHKEX", "DF", "HGT", "SGT", "IF"});
    }
    void TearDown() override
    {
        setUserConfig(nullptr);
        centre()->loadDefaults();
    }

    CUserConfig m_user;
};

struct Flags
{
    bool queue, level2, thousand;
};

Flags flags(const std::string& market, const std::string& code)
{
    // The aliases always agree with their twins.
    EXPECT_EQ(isSupportQueue(market, code), isSupportEntrust(market, code));
    EXPECT_EQ(isSupportFinancial(market, code), isSupportInformation(market, code));
    return {isSupportQueue(market, code), isSupportLevel2(market, code),
            isSupportThousandEntrust(market, code)};
}

} // namespace

TEST_F(Features, Level2FeaturesNeedAUserWithRightsForTheMarket)
{
    Flags f = flags("SH", "S");
    EXPECT_FALSE(f.queue || f.level2);
    EXPECT_TRUE(f.thousand);

    CUserConfig other;
    other.setLevel2Markets({"SZ"});
    setUserConfig(&other);
    f = flags("SH", "S");
    EXPECT_FALSE(f.queue || f.level2);
    EXPECT_TRUE(flags("SZ", "S").queue);

    setUserConfig(&m_user);
    f = flags("SH", "S");
    EXPECT_TRUE(f.queue && f.level2 && f.thousand);
    f = flags("SH", "X"); // class 100005 turns them all off
    EXPECT_FALSE(f.queue || f.level2 || f.thousand);
}

TEST_F(Features, MarketsExcludeFeaturesByKind)
{
    setUserConfig(&m_user);
    Flags f = flags("HK", "S");
    EXPECT_FALSE(f.queue);
    EXPECT_TRUE(f.level2);
    EXPECT_FALSE(f.thousand);
    for (const char* m : {"SHO", "SZO"}) {
        f = flags(m, "S");
        EXPECT_FALSE(f.queue || f.level2) << m;
        EXPECT_TRUE(f.thousand) << m;
        EXPECT_FALSE(flags(m, "X").thousand) << m;
    }
    for (const char* m : {"CFFEX", "INE", "SSEHKEX", "SZSEHKEX", "DF", "HGT", "SGT", "IF"}) {
        f = flags(m, "S");
        EXPECT_FALSE(f.queue || f.level2 || f.thousand) << m;
    }
}

TEST_F(Features, FinancialAndNoticesFollowTheClasses)
{
    EXPECT_TRUE(isSupportFinancial("SH", "S"));
    EXPECT_TRUE(isSupportNotice("SH", "S"));
    EXPECT_FALSE(isSupportFinancial("SH", "X"));
    EXPECT_TRUE(isSupportNotice("SH", "X"));
    EXPECT_FALSE(isSupportInformation("SH", "Y"));
    EXPECT_FALSE(isSupportNotice("SH", "Y"));
    EXPECT_FALSE(isSupportNotice("XX", "S"));

    // With the shipped tables: a Shanghai index is 100005, a share 100003.
    centre()->loadDefaults();
    setUserConfig(&m_user);
    EXPECT_TRUE(isSupportNotice("SH", "000001"));
    EXPECT_FALSE(isSupportFinancial("SH", "000001"));
    EXPECT_FALSE(isSupportQueue("SH", "000001"));
    EXPECT_TRUE(isSupportFinancial("SZ", "000001"));
    EXPECT_TRUE(isSupportQueue("SZ", "000001"));
    EXPECT_TRUE(isSupportNotice("SZ", "399006"));
    EXPECT_FALSE(isSupportLevel2("SZ", "399006"));
}
