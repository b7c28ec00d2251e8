#include <tc/host/instrumentdetail.h>
#include <tc/host/stockkey.h>
#include <tc/host/textcodec.h>

#include "common/datatable.h"
#include "common/printers.h"

#include <gtest/gtest.h>

#include <limits>

TEST(TextCodec, DecodesUtf8LosslesslyAndAnyBytesToSomething)
{
    for (const testdata::Row& row : testdata::load("lossless-utf8.tsv")) {
        const QString text = KD::sToQs(row.fields.at(0));
        const std::string back = text.toUtf8().toStdString();
        EXPECT_TRUE(row.fields.at(1) == "1" ? back == row.fields.at(0) : !text.isEmpty())
            << "lossless-utf8.tsv line " << row.line << " gave " << back;
    }
}

// The fuzzers check the form on any market and code; here the pairs a plain join would confuse.
TEST(StockKey, PrefixesTheMarketsLength)
{
    EXPECT_EQ(utils::vkStockKey("SH", "600000"), "2:SH:600000");
    EXPECT_EQ(utils::vkStockKey("", "2:SH:600000"), "0::2:SH:600000");
    EXPECT_EQ(utils::vkStockKey("SH:", "600000"), "3:SH::600000");
}

TEST(InstrumentDetail, DefaultsMarkPricesMissing)
{
    constexpr double kMissing = std::numeric_limits<double>::max();
    const ttservice::CInstrumentDetail d;
    EXPECT_TRUE(d.market.empty() && d.code.empty() && d.name.empty());
    EXPECT_TRUE(d.lastClose == kMissing && d.auxPrice == kMissing && d.priceTick == kMissing);
    EXPECT_TRUE(d.auxLong == 0 && d.auxInt == 0 && d.countA == 0.0);
}
