#include <tc/markets/marketfeatures.h>

#include <tc/host/userconfig.h>
#include <tc/markets/marketfeatures_p.h>
#include <tc/markets/marketpredicates_p.h>
#include <tc/markets/securitytype_p.h>

#include <QLatin1String>

namespace TC {
namespace {

// The markets where a feature is never offered, whatever the user's rights and the instrument's
// classes: a column per feature, true where the market group turns it off.
struct FeatureOff
{
    MarketGroup group;
    bool queue; // queue and entrust
    bool level2;
    bool thousandEntrust;
};

// clang-format off
constexpr FeatureOff kFeatureOff[] = {
    // group                    queue  level2  thousand-entrust
    {MarketGroup::Dce,          true,  true,   true},
    {MarketGroup::Czce,         true,  true,   true},
    {MarketGroup::Shfe,         true,  true,   true},
    {MarketGroup::Cffex,        true,  true,   true},
    {MarketGroup::Ine,          true,  true,   true},
    {MarketGroup::Hgt,          true,  true,   true},
    {MarketGroup::Sgt,          true,  true,   true},
    {MarketGroup::StockOption,  true,  true,   false},
    {MarketGroup::Hk,           true,  false,  true},
};
// clang-format on

// The night-trading products, looked for anywhere in the instrument key and in any case.
const char* const kNightProducts[] = {"ag", "au", "zn", "cu", "pb", "al"};
// The exchanges whose products above trade at night. Not the energy or financial exchanges.
constexpr MarketGroup kNightMarkets[] = {MarketGroup::Dce, MarketGroup::Czce, MarketGroup::Shfe};

bool isOffIn(bool FeatureOff::*feature, const std::string& market)
{
    for (const FeatureOff& row : kFeatureOff) {
        if (row.*feature && isMarket(row.group, market)) return true;
    }
    return false;
}

// The gate of the Level-2 features: a user with Level-2 rights for the market, then not class
// 100005, then the market; asked in that order.
bool level2Gate(bool FeatureOff::*feature, const std::string& market, const std::string& code)
{
    CUserConfig* user = getUserConfig();
    if (!user || !user->isLevel2User(market)) return false;
    return !isTyped(100005, market, code) && !isOffIn(feature, market);
}

} // namespace

bool isSupportQueue(const std::string& market, const std::string& code)
{
    return level2Gate(&FeatureOff::queue, market, code);
}

bool isSupportEntrust(const std::string& market, const std::string& code)
{
    return isSupportQueue(market, code);
}

bool isSupportLevel2(const std::string& market, const std::string& code)
{
    return level2Gate(&FeatureOff::level2, market, code);
}

bool isSupportFinancial(const std::string& market, const std::string& code)
{
    return isTyped(100003, market, code);
}

bool isSupportInformation(const std::string& market, const std::string& code)
{
    return isSupportFinancial(market, code);
}

bool isSupportNotice(const std::string& market, const std::string& code)
{
    return isTyped(100003, market, code) || isTyped(100005, market, code);
}

bool isSupportThousandEntrust(const std::string& market, const std::string& code)
{
    return !isTyped(100005, market, code) && !isOffIn(&FeatureOff::thousandEntrust, market);
}

bool hasNightTrading(const std::string& market, const QString& key)
{
    bool product = false;
    for (const char* p : kNightProducts) {
        if (key.contains(QLatin1String(p), Qt::CaseInsensitive)) {
            product = true;
            break;
        }
    }
    if (!product) return false;
    for (MarketGroup group : kNightMarkets) {
        if (isMarket(group, market)) return true;
    }
    return false;
}

} // namespace TC
