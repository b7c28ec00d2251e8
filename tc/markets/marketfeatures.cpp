#include <tc/markets/marketfeatures.h>

#include <tc/host/userconfig.h>
#include <tc/markets/marketpredicates_p.h>
#include <tc/markets/securitytype_p.h>
#include <tc/records/stockinfo.h>

namespace TC {
namespace {

// The Level-2 gate shared by queue, entrust and Level-2, Hong Kong aside.
bool level2Gate(const std::string& market, const std::string& code)
{
    CUserConfig* user = getUserConfig();
    if (!user || !user->isLevel2User(market)) return false;
    return !isTyped(100005, market, code) && !isFuturesMarket(market) && !isHgtMarket(market) &&
           !isSgtMarket(market) && !isStockOptionMarket(market);
}

} // namespace

bool isSupportQueue(const std::string& market, const std::string& code)
{
    return level2Gate(market, code) && !isHkMarket(market);
}

bool isSupportEntrust(const std::string& market, const std::string& code)
{
    return isSupportQueue(market, code);
}

bool isSupportLevel2(const std::string& market, const std::string& code)
{
    return level2Gate(market, code);
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
    if (isTyped(100005, market, code)) return false;
    return !(isDceMarket(market) || isCzceMarket(market) || isShfeMarket(market) ||
             isCffexMarket(market) || isIneMarket(market) || isHgtMarket(market) ||
             isSgtMarket(market) || isHkMarket(market));
}

bool CStockDetail::hasNightQuoter() const
{
    static const char* const products[] = {"ag", "au", "zn", "cu", "pb", "al"};
    const QString k = key();
    bool product = false;
    for (const char* p : products) {
        if (k.contains(QLatin1String(p), Qt::CaseInsensitive)) {
            product = true;
            break;
        }
    }
    if (!product) return false;
    const std::string m = market.toUtf8().toStdString();
    return isDceMarket(m) || isCzceMarket(m) || isShfeMarket(m);
}

} // namespace TC
