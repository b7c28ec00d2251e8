#include <tc/markets/marketcatalogue.h>

#include <limits>

namespace TC {
namespace {

const QMap<QString, QString>& marketNameMap()
{
    static const QMap<QString, QString> map{
        {QStringLiteral("SH"), QStringLiteral("上海证券交易所(SSE)")},
        {QStringLiteral("SZ"), QStringLiteral("深圳证劵交易所(SZSE)")},
        {QStringLiteral("IF"), QStringLiteral("中国金融期货交易所(CFFEX)")},
        {QStringLiteral("SF"), QStringLiteral("上海期货交易所(SHFE)")},
        {QStringLiteral("DF"), QStringLiteral("大连商品交易所(DCE)")},
        {QStringLiteral("ZF"), QStringLiteral("郑州期货交易所(CZCE)")},
        {QStringLiteral("INE"), QStringLiteral("能源中心(INE)")},
        {QStringLiteral("OF"), QStringLiteral("开放式基金(OEF)")},
        {QStringLiteral("HGT"), QStringLiteral("沪港通(HGT)")},
        {QStringLiteral("SGT"), QStringLiteral("深港通(SGT)")},
        {QStringLiteral("SHO"), QStringLiteral("上海证券交易所期权(SHO)")},
        {QStringLiteral("HK"), QStringLiteral("香港联合交易所(HK)")},
        {QStringLiteral("GI"), QStringLiteral("全球市场(GI)")},
        {QStringLiteral("BKZS"), QStringLiteral("板块指数(BKZS)")},
        {QStringLiteral("LSE"), QStringLiteral("伦敦证券交易所(LSE)")},
    };
    return map;
}

} // namespace

QMap<QString, QString> getMarketNameMap()
{
    return marketNameMap();
}

QString getNameByMarket(QString market)
{
    return marketNameMap().value(market);
}

QString getMarketByName(QString name)
{
    const auto& map = marketNameMap();
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        if (it.value() == name) return it.key();
    }
    return QString();
}

int getMarketOrder(const QString& market)
{
    static const char* const ranked[] = {"SH", "SZ", "IF", "SF", "DF", "ZF"};
    for (int rank = 0; rank < 6; ++rank) {
        if (market == QLatin1String(ranked[rank])) return rank;
    }
    return std::numeric_limits<int>::max();
}

void adjustStockCode(QString& code)
{
    code = (QLatin1String("000000") + code).right(6);
}

} // namespace TC
