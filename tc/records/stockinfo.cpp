#include <tc/records/stockinfo.h>

#include "instrumentkey_p.h"

#include <tc/host/textcodec.h>
#include <tc/markets/marketcatalogue.h>
#include <tc/markets/marketfeatures_p.h>

#include <utility>

namespace TC {

CStockInfo::CStockInfo(QString market_, QString code_, QString name_)
    : market(std::move(market_)), code(std::move(code_)), name(std::move(name_))
{}

CStockInfo::CStockInfo(std::string market_, std::string code_, std::string name_)
    : market(KD::sToQs(market_)), code(KD::sToQs(code_)), name(KD::sToQs(name_))
{}

void CStockInfo::clear()
{
    market.clear();
    code.clear();
    name.clear();
}

QString CStockInfo::key() const
{
    return hostKey(market, code);
}

QString CStockInfo::key2() const
{
    return dottedKey(market, code);
}

bool stockInfoLessThan(const CStockInfo& a, const CStockInfo& b)
{
    if (a.market != b.market) return getMarketOrder(a.market) < getMarketOrder(b.market);
    return stockInfoLessThanIgnoreMarket(a, b);
}

bool stockInfoLessThanIgnoreMarket(const CStockInfo& a, const CStockInfo& b)
{
    if (a.code != b.code) return a.code < b.code;
    return a.name < b.name;
}

bool stockInfoPtrLessThan(const CStockDetail* a, const CStockDetail* b)
{
    if (!a || !b) return true;
    if (a->market != b->market) return getMarketOrder(a->market) < getMarketOrder(b->market);
    return a->code < b->code;
}

CStockDetail::CStockDetail() = default;

CStockDetail::CStockDetail(QString market_, QString code_, QString name_)
    : CStockInfo(std::move(market_), std::move(code_), std::move(name_))
{}

bool CStockDetail::operator==(const CStockDetail& other) const
{
    return market.compare(other.market, Qt::CaseInsensitive) == 0 && code == other.code;
}

bool CStockDetail::operator<(const CStockDetail& other) const
{
    if (market == other.market) return code < other.code;
    return market < other.market;
}

bool CStockDetail::hasNightQuoter() const
{
    return hasNightTrading(market.toUtf8().toStdString(), key());
}

boost::shared_ptr<CStockDetail> CStockDetail::g_cstockdetail(new CStockDetail);

CIndexDetail::CIndexDetail(QString market_, QString code_, QString name_)
    : CStockDetail(std::move(market_), std::move(code_), std::move(name_))
{}

// The detail part is copied on purpose: CStockDetail has no move, and callers rely on a moved-from
// index keeping its identity.
CIndexDetail::CIndexDetail(CIndexDetail&& other) noexcept
    : CStockDetail(other), textList(std::exchange(other.textList, {})),
      valueVector(std::exchange(other.valueVector, {})),
      numberList(std::exchange(other.numberList, {})), baseTime(other.baseTime),
      baseValue(other.baseValue), setting1(other.setting1), setting2(other.setting2),
      setting3(other.setting3), extraText1(std::exchange(other.extraText1, {})),
      extraText2(std::exchange(other.extraText2, {})), setting4(other.setting4),
      setting5(other.setting5), extraFlag(other.extraFlag)
{}

CIndexDetail& CIndexDetail::operator=(CIndexDetail&& other) noexcept
{
    if (this == &other) return *this;
    CStockDetail::operator=(other);
    textList = std::exchange(other.textList, {});
    valueVector = std::exchange(other.valueVector, {});
    numberList = std::exchange(other.numberList, {});
    baseTime = other.baseTime;
    baseValue = other.baseValue;
    setting1 = other.setting1;
    setting2 = other.setting2;
    setting3 = other.setting3;
    extraText1 = std::exchange(other.extraText1, {});
    extraText2 = std::exchange(other.extraText2, {});
    setting4 = other.setting4;
    setting5 = other.setting5;
    extraFlag = other.extraFlag;
    return *this;
}

} // namespace TC
