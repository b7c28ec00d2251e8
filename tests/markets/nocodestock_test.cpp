#include <tc/markets/nocodestock.h>

#include "common/printers.h"

#include <gtest/gtest.h>

using namespace TC;

TEST(NoCodeStock, SplitsMarketAndCode)
{
    struct Case
    {
        QString text;
        std::string market, code, name;
    };
    const Case cases[] = {
        {QStringLiteral("SH_600000"), "SH", "600000", "SH600000"},
        {QStringLiteral("SH600000"), "SH", "600000", "SH600000"},
        {QStringLiteral("SHFE_cu1912"), "SHFE", "cu1912", "SHFEcu1912"},
        {QStringLiteral("A_B_C"), "A", "B", "AB"},
        {QStringLiteral("_"), "", "", ""},
        {QString(), "", "", ""},
        {QStringLiteral("SH"), "SH", "", "SH"},
        {QStringLiteral("_600000"), "", "600000", "600000"},
        {QStringLiteral("SH_"), "SH", "", "SH"},
        {QStringLiteral("板块_半导体"), "板块", "半导体", "板块半导体"},
        // UTF-16 units: the cut splits the surrogate pair, whose halves encode as '?'.
        {QString::fromUtf8("A\xF0\x9F\x98\x80"
                           "B"),
         "A?", "?B",
         "A\xF0\x9F\x98\x80"
         "B"},
        // Lone halves on either side of '_' join in the name.
        {QString::fromUtf16(u"A\xD83D_\xDE00"
                            u"B"),
         "A?", "?B",
         "A\xF0\x9F\x98\x80"
         "B"},
    };
    for (const Case& c : cases) {
        const auto d = getNoCodeStock(c.text);
        ASSERT_TRUE(d) << c.text.toStdString();
        EXPECT_EQ(d->market, c.market) << c.text.toStdString();
        EXPECT_EQ(d->code, c.code) << c.text.toStdString();
        EXPECT_EQ(d->name, c.name) << c.text.toStdString();
        EXPECT_EQ(d.use_count(), 1);
    }
}

TEST(NoCodeStock, LeavesEveryOtherMemberAtTheHostDefault)
{
    const ttservice::CInstrumentDetail def;
    const auto d = getNoCodeStock(QStringLiteral("SZ_000001"));
    EXPECT_TRUE(d->exchangeCode == def.exchangeCode && d->instrumentType == def.instrumentType &&
                d->lastClose == def.lastClose && d->priceTick == def.priceTick &&
                d->countA == def.countA && d->auxLong == def.auxLong &&
                d->volumeUnit == def.volumeUnit);
}
