#pragma once

// Internal market predicates. Each compares the whole 8-bit market code exactly and
// case-sensitively, and accepts the client's short code and the exchange's abbreviation.

#include <cstddef>
#include <string>
#include <string_view>

namespace TC {

// The markets the rules tell apart; several codes may name one.
enum class MarketGroup {
    Dce,         // Dalian Commodity Exchange
    Czce,        // Zhengzhou Commodity Exchange
    Shfe,        // Shanghai Futures Exchange
    Cffex,       // China Financial Futures Exchange
    Ine,         // Shanghai International Energy Exchange
    Hgt,         // Shanghai-Hong Kong stock connect
    Sgt,         // Shenzhen-Hong Kong stock connect
    Hk,          // Hong Kong stock exchange
    StockOption, // the stock options of the Shanghai and Shenzhen stock exchanges
};

// The codes of each group: the client's short code first, then the exchange's abbreviation or
// the other code, if any. One row per group, in the order of MarketGroup.
struct MarketCodes
{
    MarketGroup group;
    std::string_view codes[2];
};

inline constexpr MarketCodes kMarketCodes[] = {
    {MarketGroup::Dce, {"DF", "DCE"}},
    {MarketGroup::Czce, {"ZF", "CZCE"}},
    {MarketGroup::Shfe, {"SF", "SHFE"}},
    {MarketGroup::Cffex, {"IF", "CFFEX"}},
    {MarketGroup::Ine, {"INE", {}}},
    {MarketGroup::Hgt, {"HGT", "SSEHKEX"}},
    {MarketGroup::Sgt, {"SGT", "SZSEHKEX"}},
    {MarketGroup::Hk, {"HK", {}}},
    {MarketGroup::StockOption, {"SHO", "SZO"}},
};

constexpr bool marketCodesFollowTheGroups()
{
    for (std::size_t i = 0; i < std::size(kMarketCodes); ++i) {
        if (static_cast<std::size_t>(kMarketCodes[i].group) != i) return false;
    }
    return true;
}
static_assert(marketCodesFollowTheGroups(), "kMarketCodes is indexed by MarketGroup");

// Whether market is one of the codes of group. An empty code of the table matches nothing.
inline bool isMarket(MarketGroup group, const std::string& market)
{
    for (std::string_view code : kMarketCodes[static_cast<std::size_t>(group)].codes) {
        if (!code.empty() && market == code) return true;
    }
    return false;
}

inline bool isDceMarket(const std::string& m)
{
    return isMarket(MarketGroup::Dce, m);
}
inline bool isCzceMarket(const std::string& m)
{
    return isMarket(MarketGroup::Czce, m);
}
inline bool isShfeMarket(const std::string& m)
{
    return isMarket(MarketGroup::Shfe, m);
}
inline bool isCffexMarket(const std::string& m)
{
    return isMarket(MarketGroup::Cffex, m);
}
inline bool isIneMarket(const std::string& m)
{
    return isMarket(MarketGroup::Ine, m);
}
inline bool isHgtMarket(const std::string& m)
{
    return isMarket(MarketGroup::Hgt, m);
}
inline bool isSgtMarket(const std::string& m)
{
    return isMarket(MarketGroup::Sgt, m);
}
inline bool isHkMarket(const std::string& m)
{
    return isMarket(MarketGroup::Hk, m);
}
inline bool isStockOptionMarket(const std::string& m)
{
    return isMarket(MarketGroup::StockOption, m);
}

// The commodity futures exchanges: Dalian, Zhengzhou, Shanghai futures.
inline bool isCommodityMarket(const std::string& m)
{
    return isDceMarket(m) || isCzceMarket(m) || isShfeMarket(m);
}

// The five futures exchanges.
inline bool isFuturesMarket(const std::string& m)
{
    return isCommodityMarket(m) || isCffexMarket(m) || isIneMarket(m);
}

} // namespace TC
