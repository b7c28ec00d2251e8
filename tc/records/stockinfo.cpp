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

// CStockDetail has no move, so moving an index copies its detail part: the source keeps its
// identity and prices. The containers and texts move.
CIndexDetail::CIndexDetail(CIndexDetail&& other) noexcept = default;
CIndexDetail& CIndexDetail::operator=(CIndexDetail&& other) noexcept = default;

} // namespace TC
