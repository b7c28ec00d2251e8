#include <tc/host/instrumentdetail.h>
#include <tc/host/stockkey.h>
#include <tc/host/textcodec.h>

#include "common/printers.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>

TEST(TextCodec, DecodesUtf8Losslessly)
{
    const QString samples[] = {QString(),
                               QStringLiteral(""),
                               QStringLiteral("SH600000"),
                               QStringLiteral("浦发银行"),
                               QStringLiteral("深圳证劵交易所(SZSE)"),
                               QString::fromUcs4(U"𠀀 emoji 😀"),
                               QString(QChar(0)) + "x"};
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
    EXPECT_EQ(utils::vkStockKey("SH", "600000"), utils::vkStockKey("SH", "600000"));

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
    const ttservice::CInstrumentDetail d;
    EXPECT_TRUE(d.market.empty() && d.code.empty() && d.name.empty());
    EXPECT_EQ(d.lastClose, std::numeric_limits<double>::max());
    EXPECT_EQ(d.auxPrice, std::numeric_limits<double>::max());
    EXPECT_EQ(d.priceTick, std::numeric_limits<double>::max());
    EXPECT_EQ(d.auxLong, 0);
    EXPECT_EQ(d.auxInt, 0);
    EXPECT_EQ(d.countA, 0.0);
}
