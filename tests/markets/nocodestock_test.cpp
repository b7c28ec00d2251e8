#include <tc/markets/nocodestock.h>

#include "common/datatable.h"

#include <gtest/gtest.h>

using namespace TC;

TEST(NoCodeStock, SplitsMarketAndCodeAndKeepsTheHostDefaults)
{
    for (const testdata::Row& row : testdata::load("nocodestock.tsv")) {
        const auto d = getNoCodeStock(row.text(0));
        ASSERT_TRUE(d) << "line " << row.line;
        EXPECT_EQ(d.use_count(), 1);
        EXPECT_EQ(d->market, row.fields.at(1)) << "line " << row.line;
        EXPECT_EQ(d->code, row.fields.at(2)) << "line " << row.line;
        EXPECT_EQ(d->name, row.fields.at(3)) << "line " << row.line;
    }
    // Lone halves of a pair on either side of '_' join in the name.
    const auto d = getNoCodeStock(QString::fromUtf16(u"A\xD83D_\xDE00"));
    EXPECT_TRUE(d->market == "A?" && d->code == "?" && d->name == "A\xF0\x9F\x98\x80");

    const ttservice::CInstrumentDetail def;
    EXPECT_TRUE(d->exchangeCode == def.exchangeCode && d->instrumentType == def.instrumentType &&
                d->lastClose == def.lastClose && d->priceTick == def.priceTick &&
                d->countA == def.countA && d->auxLong == def.auxLong &&
                d->volumeUnit == def.volumeUnit);
}
