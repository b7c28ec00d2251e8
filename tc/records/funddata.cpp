#include <tc/records/funddata.h>

#include "funddata_p.h"

#include <limits>

namespace TC {

int32_t& fundSerialCounter()
{
    // Zero-initialised before any code runs, so records built during static initialisation of
    // the client draw from it safely too.
    static int32_t counter = 0;
    return counter;
}

FundDataDetail::FundDataDetail()
{
    int32_t& counter = fundSerialCounter();
    const int32_t n = counter;
    // Wraps instead of overflowing: signed overflow would be undefined.
    counter =
        n == std::numeric_limits<int32_t>::max() ? std::numeric_limits<int32_t>::min() : n + 1;
    serialId = QString::number(n, 10);
}

FundDataDetail::FundDataDetail(const FundDataDetail& other) = default;
FundDataDetail::FundDataDetail(FundDataDetail&& other) noexcept = default;
FundDataDetail& FundDataDetail::operator=(const FundDataDetail& other) = default;
FundDataDetail& FundDataDetail::operator=(FundDataDetail&& other) noexcept = default;
FundDataDetail::~FundDataDetail() = default;

namespace {

const std::string& codeOf(const FundDataDetail& f)
{
    static const std::string none;
    return f.detail ? f.detail->code : none;
}

} // namespace

bool FundDataDetailLessThan(FundDataDetail& a, FundDataDetail& b)
{
    return codeOf(a) < codeOf(b);
}

CFundDataDetailCompareTraits&
CFundDataDetailCompareTraits::operator=(const CFundDataDetailCompareTraits& other) = default;
CFundDataDetailCompareTraits&
CFundDataDetailCompareTraits::operator=(CFundDataDetailCompareTraits&& other) noexcept = default;

int CFundDataDetailCompareTraits::compare(const FundDataDetail& a, const FundDataDetail& b) const
{
    const std::string& codeA = codeOf(a);
    const std::string& codeB = codeOf(b);
    if (codeB < codeA) return 1;
    if (codeA < codeB) return -1;
    return 0;
}

InvestPerportyData::InvestPerportyData() = default;
InvestPerportyData::InvestPerportyData(const InvestPerportyData& other) = default;
InvestPerportyData::InvestPerportyData(InvestPerportyData&& other) noexcept = default;
InvestPerportyData& InvestPerportyData::operator=(const InvestPerportyData& other) = default;
InvestPerportyData& InvestPerportyData::operator=(InvestPerportyData&& other) noexcept = default;
InvestPerportyData::~InvestPerportyData() = default;

QString InvestPerportyData::getPositionTypeText()
{
    return positionType == 0 ? QStringLiteral("按股数") : QStringLiteral("按权重");
}

} // namespace TC
