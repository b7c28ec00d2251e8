#include <tc/host/instrumentdetail.h>
#include <tc/host/stockkey.h>
#include <tc/host/textcodec.h>

#include "common/printers.h"

#include <gtest/gtest.h>

#include <limits>

TEST(TextCodec, DecodesUtf8Losslessly)
{
    const QString samples[] = {QString(), QStringLiteral(""), QStringLiteral("SH600000"),
                               QStringLiteral("浦发银行"), QStringLiteral("深圳证劵交易所(SZSE)"),
                               QString::fromUcs4(U"𠀀 emoji 😀"), QString(QChar(0)) + "x",
                               // Byte-order marks are text too, also at the start.
                               QString::fromUcs4(U"\uFEFFx"), QString::fromUcs4(U"\uFEFF\uFEFF"),
                               QString(QChar(0xFEFF))};
    for (const QString& s : samples) {
        const QByteArray utf8 = s.toUtf8();
        EXPECT_EQ(KD::sToQs(std::string(utf8.constData(), utf8.size())), s);
    }
    // Bytes that are not UTF-8 still decode to something, never crash.
    EXPECT_FALSE(KD::sToQs(std::string("\xff\xfe\x80", 3)).isEmpty());
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
