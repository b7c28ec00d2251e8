#include <tc/records/instrumentadapters.h>

#include "instrumentkey_p.h"

#include <tc/host/textcodec.h>
#include <tc/markets/marketcatalogue.h>

#include <cstring>

namespace TC {
namespace {

std::string utf8(const QString& s)
{
    return s.toUtf8().toStdString();
}

} // namespace

std::string getDetailMarket(const std::shared_ptr<ttservice::CInstrumentDetail>& detail)
{
    return detail ? detail->market : std::string();
}

std::string getDetailCode(const std::shared_ptr<ttservice::CInstrumentDetail>& detail)
{
    return detail ? detail->code : std::string();
}

std::string getDetailKey(const std::shared_ptr<ttservice::CInstrumentDetail>& detail)
{
    return detail ? hostKeyBytes(detail->market, detail->code) : std::string();
}

std::string getDetailKey2(const std::shared_ptr<ttservice::CInstrumentDetail>& detail)
{
    return detail ? dottedKey(detail->market, detail->code) : std::string();
}

double getDetailLastClose(const std::shared_ptr<ttservice::CInstrumentDetail>& detail)
{
    return detail ? detail->lastClose : kMissingPrice;
}

double getDetailPriceTick(const std::shared_ptr<ttservice::CInstrumentDetail>& detail)
{
    return detail ? detail->priceTick : kMissingPrice;
}

QString getDetailQsMarket(const std::shared_ptr<ttservice::CInstrumentDetail>& detail)
{
    return detail ? KD::sToQs(detail->market) : QStringLiteral("");
}

QString getDetailQsCode(const std::shared_ptr<ttservice::CInstrumentDetail>& detail)
{
    return detail ? KD::sToQs(detail->code) : QStringLiteral("");
}

QString getDetailQsName(const std::shared_ptr<ttservice::CInstrumentDetail>& detail)
{
    return detail ? KD::sToQs(detail->name) : QStringLiteral("");
}

QString getDetailQsKey(const std::shared_ptr<ttservice::CInstrumentDetail>& detail)
{
    return KD::sToQs(getDetailKey(detail));
}

std::shared_ptr<ttservice::CInstrumentDetail> indexDetail2Detail(const CIndexDetail& index)
{
    // Not make_shared: the record and its count are two allocations, and should the count fail
    // to allocate, shared_ptr destroys the record before the exception leaves.
    std::shared_ptr<ttservice::CInstrumentDetail> detail(new ttservice::CInstrumentDetail);
    detail->market = utf8(index.market);
    detail->code = utf8(index.code);
    detail->name = utf8(index.name);
    detail->priceTick = index.priceTick;
    detail->auxInt = index.auxInt;
    detail->lastClose = index.lastClose;
    std::memcpy(&detail->auxValue1, &index.auxValue1, sizeof detail->auxValue1);
    std::memcpy(&detail->auxValue2, &index.auxValue2, sizeof detail->auxValue2);
    detail->countB = static_cast<double>(index.countB);
    detail->countA = static_cast<double>(index.countA);
    detail->auxPrice = index.auxPrice;
    detail->auxLong = static_cast<int32_t>(static_cast<uint32_t>(index.auxLong));
    return detail;
}

bool instrumentPtrLessThan(std::shared_ptr<ttservice::CInstrumentDetail> a,
                           std::shared_ptr<ttservice::CInstrumentDetail> b)
{
    if (!a || !b) return true;
    if (a->market == b->market) return a->code < b->code;
    return getMarketOrder(KD::sToQs(a->market)) < getMarketOrder(KD::sToQs(b->market));
}

double getLastPriceEx(bool useEx, const std::shared_ptr<quoter::QuoterAllData>& quote)
{
    return useEx ? quote->exLastPrice : quote->lastPrice;
}

double getLastPriceEx(bool useEx, const std::shared_ptr<quoter::QuoterDepthData>& quote)
{
    return useEx ? quote->exLastPrice : quote->lastPrice;
}

double getAmountEx(bool useEx, const std::shared_ptr<quoter::QuoterAllData>& quote)
{
    return useEx ? quote->exAmount : quote->amount;
}

double getAmountEx(bool useEx, const std::shared_ptr<quoter::QuoterDepthData>& quote)
{
    return useEx ? quote->exAmount : quote->amount;
}

int64_t getVolumeEx(bool useEx, const std::shared_ptr<quoter::QuoterAllData>& quote)
{
    return useEx ? quote->exVolume : quote->volume;
}

int64_t getVolumeEx(bool useEx, const std::shared_ptr<quoter::QuoterDepthData>& quote)
{
    return useEx ? quote->exVolume : quote->volume;
}

} // namespace TC
