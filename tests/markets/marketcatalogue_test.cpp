#include <tc/markets/marketcatalogue.h>
#include <tc/markets/marketpredicates_p.h>
#include <tc/records/stockinfo.h>

#include "common/printers.h"

#include <gtest/gtest.h>

#include <limits>

using namespace TC;

TEST(MarketCatalogue, HoldsFifteenMarketsInKeyOrder)
{
    const QMap<QString, QString> map = getMarketNameMap();
    EXPECT_EQ(map.keys(), QStringList({"BKZS", "DF", "GI", "HGT", "HK", "IF", "INE", "LSE", "OF",
                                       "SF", "SGT", "SH", "SHO", "SZ", "ZF"}));
    // Every name is unique and maps back to its code.
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        EXPECT_EQ(getMarketByName(it.value()), it.key());

    // A caller's change never reaches the library's map.
    QMap<QString, QString> mine = getMarketNameMap();
    mine.insert(QStringLiteral("XX"), QStringLiteral("x"));
    mine[QStringLiteral("SH")] = QStringLiteral("changed");
    EXPECT_EQ(getMarketNameMap().size(), 15);
    EXPECT_EQ(getNameByMarket(QStringLiteral("SH")), QStringLiteral("上海证券交易所(SSE)"));
}

TEST(MarketCatalogue, LooksUpNamesExactly)
{
    EXPECT_EQ(getNameByMarket(QStringLiteral("SZ")), QStringLiteral("深圳证劵交易所(SZSE)"));
    EXPECT_EQ(getNameByMarket(QStringLiteral("OF")), QStringLiteral("开放式基金(OEF)"));
    EXPECT_EQ(getNameByMarket(QStringLiteral("ZF")), QStringLiteral("郑州期货交易所(CZCE)"));
    for (const QString& unknown : {QString(), QStringLiteral("SZO"), QStringLiteral("sh"),
                                   QStringLiteral("SH "), QStringLiteral("DCE")})
        EXPECT_TRUE(getNameByMarket(unknown).isEmpty()) << unknown.toStdString();

    EXPECT_EQ(getMarketByName(QStringLiteral("能源中心(INE)")), QStringLiteral("INE"));
    EXPECT_EQ(getMarketByName(QStringLiteral("上海证券交易所(SSE)")), QStringLiteral("SH"));
    // The Shenzhen name is written with 劵, not 券.
    for (const char* unknown : {"", "INE", "上海证券交易所", "深圳证券交易所(SZSE)"})
        EXPECT_TRUE(getMarketByName(QString::fromUtf8(unknown)).isNull()) << unknown;
}

TEST(MarketCatalogue, RanksTheSixMainMarketsFirst)
{
    const char* ranked[] = {"SH", "SZ", "IF", "SF", "DF", "ZF"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(getMarketOrder(QLatin1String(ranked[i])), i);
    for (const char* unranked : {"DCE", "SHFE", "INE", "HK", "sh", "", "SH ", "SHO"})
        EXPECT_EQ(getMarketOrder(QLatin1String(unranked)), std::numeric_limits<int>::max())
            << unranked;
}

TEST(MarketCatalogue, AdjustsCodesToSixCharacters)
{
    const std::pair<QString, QString> cases[] = {
        {"600000", "600000"},  {"1", "000001"},      {"", "000000"},       {"AB", "0000AB"},
        {"1234567", "234567"}, {"浦发", "0000浦发"}, {QString(), "000000"}};
    for (const auto& [in, out] : cases) {
        QString code = in;
        adjustStockCode(code);
        EXPECT_EQ(code, out) << in.toStdString();
    }
}

TEST(MarketPredicates, CompareWholeCodesExactly)
{
    EXPECT_TRUE(isDceMarket("DCE") && isDceMarket("DF"));
    EXPECT_FALSE(isDceMarket("dce") || isDceMarket("DCE ") || isDceMarket("D") || isDceMarket(""));
    EXPECT_TRUE(isCzceMarket("ZF") && isCzceMarket("CZCE"));
    EXPECT_TRUE(isShfeMarket("SF") && isShfeMarket("SHFE"));
    EXPECT_TRUE(isCffexMarket("IF") && isCffexMarket("CFFEX"));
    EXPECT_TRUE(isFuturesMarket("INE") && isFuturesMarket("CFFEX") && isFuturesMarket("ZF"));
    EXPECT_FALSE(isFuturesMarket("SH") || isFuturesMarket("SHO") || isFuturesMarket("HK"));
    EXPECT_TRUE(isHgtMarket("HGT") && isHgtMarket("SSEHKEX"));
    EXPECT_TRUE(isSgtMarket("SGT") && isSgtMarket("SZSEHKEX"));
    EXPECT_FALSE(isHgtMarket("SGT") || isSgtMarket("HGT"));
    EXPECT_TRUE(isHkMarket("HK"));
    EXPECT_FALSE(isHkMarket("HKEX"));
    EXPECT_TRUE(isStockOptionMarket("SHO") && isStockOptionMarket("SZO"));
    EXPECT_FALSE(isStockOptionMarket("SH"));
    EXPECT_FALSE(isIneMarket(std::string("INE\0", 4)));
}

TEST(NightTrading, NeedsAProductAndACommodityExchange)
{
    auto night = [](const char* market, const char* code) {
        return CStockDetail(QLatin1String(market), QLatin1String(code), QString()).hasNightQuoter();
    };
    EXPECT_TRUE(night("SF", "cu2405") && night("SF", "CU2405") && night("SHFE", "au2406") &&
                night("DF", "al2405") && night("ZF", "xpb1"));
    EXPECT_FALSE(night("INE", "au2406") || night("IF", "ag2406") || night("SF", "rb2405") ||
                 night("sf", "cu2405") || night("", ""));
}
