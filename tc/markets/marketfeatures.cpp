#include <tc/markets/marketfeatures.h>

#include <tc/markets/marketpredicates_p.h>
#include <tc/records/stockinfo.h>

namespace TC {

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
    if (!product)
        return false;
    const std::string m = market.toUtf8().toStdString();
    return isDceMarket(m) || isCzceMarket(m) || isShfeMarket(m);
}

} // namespace TC
