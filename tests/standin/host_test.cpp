#include <tc/host/instrumentdetail.h>
#include <tc/host/stockkey.h>
#include <tc/host/textcodec.h>

#include "common/printers.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>

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

TEST(StockKey, IsInjectiveAndKeepsTheCode)
{
    EXPECT_EQ(utils::vkStockKey("SH", "600000"), "2:SH:600000");

    // Pairs that a plain join would confuse, separators inside the texts included.
    const std::pair<std::string, std::string> pairs[] = {
        {"SH", "600000"},  {"S", "H600000"},    {"SH6", "00000"},   {"SH:", "600000"},
        {"SH", ":600000"}, {"", "2:SH:600000"}, {"2:SH", "600000"}, {"", ""},
        {":", ""},         {"", ":"},           {"1:", ":"},        {"10", ""},
        {"1", "0:"}};
    std::set<std::string> keys;
    for (const auto& [market, code] : pairs) {
        const std::string key = utils::vkStockKey(market, code);
        EXPECT_TRUE(keys.insert(key).second) << key;
        ASSERT_GE(key.size(), code.size());
        EXPECT_EQ(key.substr(key.size() - code.size()), code);
    }
}

TEST(InstrumentDetail, DefaultsMarkPricesMissing)
{
    constexpr double kMissing = std::numeric_limits<double>::max();
    const ttservice::CInstrumentDetail d;
    EXPECT_TRUE(d.market.empty() && d.code.empty() && d.name.empty());
    EXPECT_TRUE(d.lastClose == kMissing && d.auxPrice == kMissing && d.priceTick == kMissing);
    EXPECT_TRUE(d.auxLong == 0 && d.auxInt == 0 && d.countA == 0.0);
}
