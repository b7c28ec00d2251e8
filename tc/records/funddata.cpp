#include <tc/records/funddata.h>

#include "funddata_p.h"

#include <limits>
#include <utility>

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
FundDataDetail& FundDataDetail::operator=(const FundDataDetail& other) = default;
FundDataDetail::~FundDataDetail() = default;

FundDataDetail::FundDataDetail(FundDataDetail&& other) noexcept
    : detail(std::move(other.detail)), value1(other.value1), value2(other.value2),
      option1(other.option1), option2(other.option2), option3(other.option3),
      option4(other.option4), factor(other.factor), option5(other.option5), option6(other.option6),
      value3(other.value3), serialId(std::move(other.serialId))
{}

FundDataDetail& FundDataDetail::operator=(FundDataDetail&& other) noexcept
{
    if (this == &other) return *this;
    detail = std::move(other.detail);
    value1 = other.value1;
    value2 = other.value2;
    option1 = other.option1;
    option2 = other.option2;
    option3 = other.option3;
    option4 = other.option4;
    factor = other.factor;
    option5 = other.option5;
    option6 = other.option6;
    value3 = other.value3;
    // QString's move assignment swaps; the source is left null as after a move construction.
    serialId = std::exchange(other.serialId, QString());
    return *this;
}

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
CFundDataDetailCompareTraits::operator=(const CFundDataDetailCompareTraits&)
{
    return *this;
}

CFundDataDetailCompareTraits&
CFundDataDetailCompareTraits::operator=(CFundDataDetailCompareTraits&&) noexcept
{
    return *this;
}

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
InvestPerportyData& InvestPerportyData::operator=(const InvestPerportyData& other) = default;
InvestPerportyData::~InvestPerportyData() = default;

InvestPerportyData::InvestPerportyData(InvestPerportyData&& other) noexcept
    : itemList(std::exchange(other.itemList, {})), itemText(std::exchange(other.itemText, {})),
      orderSetting1(std::move(other.orderSetting1)), orderSetting2(std::move(other.orderSetting2)),
      switch1(other.switch1), stdText1(std::exchange(other.stdText1, {})),
      stdText2(std::exchange(other.stdText2, {})), positionType(other.positionType),
      option1(other.option1), value1(other.value1), option2(other.option2), factor(other.factor),
      switch2(other.switch2), textMap(std::exchange(other.textMap, {})), switch3(other.switch3),
      tailText(std::exchange(other.tailText, {}))
{}

InvestPerportyData& InvestPerportyData::operator=(InvestPerportyData&& other) noexcept
{
    if (this == &other) return *this;
    itemList = std::exchange(other.itemList, {});
    itemText = std::exchange(other.itemText, {});
    orderSetting1 = std::move(other.orderSetting1);
    orderSetting2 = std::move(other.orderSetting2);
    switch1 = other.switch1;
    stdText1 = std::exchange(other.stdText1, {});
    stdText2 = std::exchange(other.stdText2, {});
    positionType = other.positionType;
    option1 = other.option1;
    value1 = other.value1;
    option2 = other.option2;
    factor = other.factor;
    switch2 = other.switch2;
    textMap = std::exchange(other.textMap, {});
    switch3 = other.switch3;
    tailText = std::exchange(other.tailText, {});
    return *this;
}

QString InvestPerportyData::getPositionTypeText()
{
    return positionType == 0 ? QStringLiteral("按股数") : QStringLiteral("按权重");
}

} // namespace TC
