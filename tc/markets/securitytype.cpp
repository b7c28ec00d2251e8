#include <tc/markets/securitytype.h>

#include <tc/host/stocktypecenter.h>
#include <tc/markets/marketpredicates_p.h>
#include <tc/markets/securitytype_p.h>

namespace TC {
namespace {

// The fixed markets of the questions that ignore the caller's market.
const std::string kSh("SH");
const std::string kSz("SZ");
const std::string kZfo("ZFO");
const std::string kDfo("DFO");
const std::string kSfo("SFO");
const std::string kIfo("IFO");
const std::string kIne("INE");

} // namespace

QString getStockType(std::string& market, std::string& code)
{
    const std::string& m = market;
    const std::string& c = code;
    if (isTyped(100003, m, c)) return QStringLiteral("股票");
    if (isDceMarket(m) || isCzceMarket(m) || isShfeMarket(m)) return QStringLiteral("商品期货");
    if (isTyped(30001, m, c)) return QStringLiteral("股指期货");
    if (isTyped(30002, m, c)) return QStringLiteral("国债期货");
    if (isTyped(126, m, c) || isTyped(100017, m, c)) return QStringLiteral("回购");
    if (isTyped(100024, m, c)) return QStringLiteral("货币基金");
    if (isTyped(170, kSh, c) || isTyped(10023, kSz, c)) return QStringLiteral("分级基金");
    if (isTyped(140, kSh, c) || isTyped(10021, kSz, c)) return QStringLiteral("封闭式基金");
    if (isTyped(100004, m, c)) return QStringLiteral("其它基金");
    if (isTyped(100013, m, c)) return QStringLiteral("ETF");
    if (isTyped(100015, m, c)) return QStringLiteral("权证");
    if (isTyped(100016, m, c)) return bondType(m, c);
    if (isOptionInstrument(c) || isStockOptionMarket(m)) return QStringLiteral("期权");
    return QStringLiteral("其他");
}

QString bondType(const std::string& m, const std::string& c)
{
    if (isTyped(130, m, c) || isTyped(100009, m, c)) return QStringLiteral("国债");
    if (isTyped(136, m, c) || isTyped(10018, m, c)) return QStringLiteral("地方债");
    if (isTyped(10014, kSz, c) || isTyped(134, kSh, c)) return QStringLiteral("企业债");
    if (isTyped(135, m, c) || isTyped(10019, m, c)) return QStringLiteral("可转债");
    if (isTyped(115, m, c) || isTyped(10013, m, c)) return QStringLiteral("公司债");
    if (isTyped(10016, m, c)) return QStringLiteral("私募债");
    if (isTyped(10025, m, c)) return QStringLiteral("证券公司次级债");
    if (isTyped(10027, m, c)) return QStringLiteral("资产支持证券");
    if (isTyped(112, m, c)) return QStringLiteral("证券公司短期债券挂牌转让");
    if (isTyped(108, m, c)) return QStringLiteral("可交换公司债券");
    return QStringLiteral("其他债");
}

bool isOptionInstrument(const std::string& code)
{
    return isTypedOption(100051, kZfo, code) || isTypedOption(100052, kDfo, code) ||
           isTypedOption(100050, kSfo, code) || isTypedOption(100053, kIfo, code) ||
           isTypedOption(100058, kIne, code);
}

} // namespace TC
