#include <tc/markets/marketcatalogue.h>

#include <cstddef>
#include <iterator>
#include <limits>

namespace TC {
namespace {

constexpr int kUnranked = std::numeric_limits<int>::max();

// The catalogue: the 15 named markets with their display names and display ranks. The ranked
// markets come first, in rank order, so that a rank lookup stops at the first unranked row.
struct Market
{
    const char* code;
    const char16_t* name;
    int rank;
};

constexpr Market kMarkets[] = {
    {"SH", u"上海证券交易所(SSE)", 0},
    {"SZ", u"深圳证劵交易所(SZSE)", 1},
    {"IF", u"中国金融期货交易所(CFFEX)", 2},
    {"SF", u"上海期货交易所(SHFE)", 3},
    {"DF", u"大连商品交易所(DCE)", 4},
    {"ZF", u"郑州期货交易所(CZCE)", 5},
    {"INE", u"能源中心(INE)", kUnranked},
    {"OF", u"开放式基金(OEF)", kUnranked},
    {"HGT", u"沪港通(HGT)", kUnranked},
    {"SGT", u"深港通(SGT)", kUnranked},
    {"SHO", u"上海证券交易所期权(SHO)", kUnranked},
    {"HK", u"香港联合交易所(HK)", kUnranked},
    {"GI", u"全球市场(GI)", kUnranked},
    {"BKZS", u"板块指数(BKZS)", kUnranked},
    {"LSE", u"伦敦证券交易所(LSE)", kUnranked},
};

constexpr bool ranksLeadInOrder()
{
    for (std::size_t i = 0; i < std::size(kMarkets); ++i) {
        const int rank = kMarkets[i].rank;
        if (rank != kUnranked && rank != static_cast<int>(i)) return false;
        if (rank == kUnranked && i + 1 < std::size(kMarkets) && kMarkets[i + 1].rank != kUnranked)
            return false;
    }
    return true;
}
static_assert(ranksLeadInOrder(), "the ranked markets lead the catalogue in rank order");

const QMap<QString, QString>& marketNameMap()
{
    static const QMap<QString, QString> map = [] {
        QMap<QString, QString> m;
        for (const Market& market : kMarkets)
            m.insert(QLatin1String(market.code), QString::fromUtf16(market.name));
        return m;
    }();
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
    for (const Market& m : kMarkets) {
        if (m.rank == kUnranked) break;
        if (market == QLatin1String(m.code)) return m.rank;
    }
    return kUnranked;
}

void adjustStockCode(QString& code)
{
    code = (QLatin1String("000000") + code).right(6);
}

} // namespace TC
