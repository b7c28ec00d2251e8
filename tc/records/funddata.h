#pragma once

// Fund and investment-position records of the client, the fund orderings by instrument code and
// the display text of a position's sizing mode.

#include <tc/tcutils_export.h>

#include <tc/host/instrumentdetail.h>
#include <tc/serialise/orderparamsetting.h>

#include <QMap>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <string>

namespace TC {

// One instrument with fund numbers attached. Only the instrument's code is read here; the other
// fields belong to the client. Defaults: detail null, numbers 0, factor 1.0.
//
// serialId: each default construction draws the next number of a process-wide counter, "0" for
// the first record after the library loads, then "1", "2", ... Copies share the serial text and
// draw nothing. After 2147483647 the counter wraps to -2147483648 and counts on. The counter is
// not locked: default-construct these records on one thread at a time.
//
// Moving takes detail (the source's becomes null) and serialId, and copies the numbers.
class TCUTILS_EXPORT FundDataDetail
{
public:
    FundDataDetail();
    FundDataDetail(const FundDataDetail& other);
    FundDataDetail(FundDataDetail&& other) noexcept;
    FundDataDetail& operator=(const FundDataDetail& other);
    FundDataDetail& operator=(FundDataDetail&& other) noexcept;
    ~FundDataDetail();

    std::shared_ptr<ttservice::CInstrumentDetail> detail;
    double value1 = 0.0;
    double value2 = 0.0;
    int32_t option1 = 0;
    int32_t option2 = 0;
    int32_t option3 = 0;
    int32_t option4 = 0;
    double factor = 1.0;
    int32_t option5 = 0;
    int32_t option6 = 0;
    double value3 = 0.0;
    QString serialId;
};

// Whether a's instrument code is less than b's, byte by byte as std::string compares (a common
// prefix sorts the shorter first). Markets and all other fields play no part. A null detail reads
// as an empty code. Changes neither record.
TCUTILS_EXPORT bool FundDataDetailLessThan(FundDataDetail& a, FundDataDetail& b);

// Three-way form of FundDataDetailLessThan for the client's sorted containers.
class TCUTILS_EXPORT CFundDataDetailCompareTraits
{
public:
    CFundDataDetailCompareTraits() = default;
    CFundDataDetailCompareTraits(const CFundDataDetailCompareTraits&) = default;
    CFundDataDetailCompareTraits(CFundDataDetailCompareTraits&&) = default;
    // Both assignments do nothing: the record has no state.
    CFundDataDetailCompareTraits& operator=(const CFundDataDetailCompareTraits& other);
    CFundDataDetailCompareTraits& operator=(CFundDataDetailCompareTraits&& other) noexcept;

    // 1 when b's code is less than a's, -1 when a's is less than b's, else 0 (equal codes,
    // whatever the markets). Same code order and null handling as FundDataDetailLessThan.
    int compare(const FundDataDetail& a, const FundDataDetail& b) const;
};

// The settings of one investment position (the name is spelled so by the client), with two order
// parameter settings. Defaults: texts and containers empty, flags false, numbers 0, factor 1.0,
// both settings at their defaults. Moving takes the texts, lists, map and both settings (the
// source's itemList and textMap become empty) and copies the numbers and flags.
class TCUTILS_EXPORT InvestPerportyData
{
public:
    InvestPerportyData();
    InvestPerportyData(const InvestPerportyData& other);
    InvestPerportyData(InvestPerportyData&& other) noexcept;
    InvestPerportyData& operator=(const InvestPerportyData& other);
    InvestPerportyData& operator=(InvestPerportyData&& other) noexcept;
    ~InvestPerportyData();

    // How the position is sized: "按股数" (by share count) when positionType is 0, "按权重" (by
    // weight) for any other value. Does not change the record.
    QString getPositionTypeText();

    QStringList itemList;
    QString itemText;
    COrderParamSetting orderSetting1;
    COrderParamSetting orderSetting2;
    bool switch1 = false;
    std::string stdText1;
    std::string stdText2;
    int32_t positionType = 0; // 0: by share count; any other value: by weight
    int32_t option1 = 0;
    double value1 = 0.0;
    int32_t option2 = 0;
    double factor = 1.0;
    bool switch2 = false;
    QMap<QString, QString> textMap;
    bool switch3 = false;
    QString tailText;
};

} // namespace TC
