#pragma once

/// \file
/// Fund and investment-position records of the client, the fund orderings by instrument code and
/// the display text of a position's sizing mode.

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

/// One instrument with fund numbers attached. Only the instrument's code is read here; the other
/// fields belong to the client. Defaults: detail null, numbers 0, factor 1.0.
///
/// serialId: each default construction draws the next number of a process-wide counter, "0" for
/// the first record after the library loads, then "1", "2", ... Copies share the serial text and
/// draw nothing. After 2147483647 the counter wraps to -2147483648 and counts on. The counter is
/// not locked: default-construct these records on one thread at a time.
///
/// Moving takes detail (the source's becomes null) and serialId, and copies the numbers.
class TCUTILS_EXPORT FundDataDetail
{
public:
    /// A record with the defaults above and the next serial number.
    FundDataDetail();
    /// Copies every field; the copy shares detail and the serial text and draws no number.
    FundDataDetail(const FundDataDetail& other);
    /// Takes detail (the source's becomes null) and serialId; copies the numbers.
    FundDataDetail(FundDataDetail&& other) noexcept;
    /// Copies every field, as the copy constructor.
    FundDataDetail& operator=(const FundDataDetail& other);
    /// Takes detail and serialId, as the move constructor.
    FundDataDetail& operator=(FundDataDetail&& other) noexcept;
    ~FundDataDetail();

    /// The instrument, whose code the orderings compare; null by default.
    std::shared_ptr<ttservice::CInstrumentDetail> detail;
    double value1 = 0.0; ///< carried for the client; 0 by default
    double value2 = 0.0; ///< carried for the client; 0 by default
    int32_t option1 = 0; ///< carried for the client; 0 by default
    int32_t option2 = 0; ///< carried for the client; 0 by default
    int32_t option3 = 0; ///< carried for the client; 0 by default
    int32_t option4 = 0; ///< carried for the client; 0 by default
    double factor = 1.0; ///< carried for the client; 1.0 by default
    int32_t option5 = 0; ///< carried for the client; 0 by default
    int32_t option6 = 0; ///< carried for the client; 0 by default
    double value3 = 0.0; ///< carried for the client; 0 by default
    QString serialId;    ///< decimal serial number drawn at default construction, see above
};

/// Whether a's instrument code is less than b's, byte by byte as std::string compares (a common
/// prefix sorts the shorter first). Markets and all other fields play no part. A null detail reads
/// as an empty code. Changes neither record.
TCUTILS_EXPORT bool FundDataDetailLessThan(FundDataDetail& a, FundDataDetail& b);

/// Three-way form of FundDataDetailLessThan for the client's sorted containers.
class TCUTILS_EXPORT CFundDataDetailCompareTraits
{
public:
    CFundDataDetailCompareTraits() = default;
    /// Copies nothing: the record has no state.
    CFundDataDetailCompareTraits(const CFundDataDetailCompareTraits&) = default;
    /// Moves nothing: the record has no state.
    CFundDataDetailCompareTraits(CFundDataDetailCompareTraits&&) = default;
    /// Both assignments do nothing: the record has no state.
    CFundDataDetailCompareTraits& operator=(const CFundDataDetailCompareTraits& other);
    /// Does nothing, as the copy assignment.
    CFundDataDetailCompareTraits& operator=(CFundDataDetailCompareTraits&& other) noexcept;

    /// 1 when b's code is less than a's, -1 when a's is less than b's, else 0 (equal codes,
    /// whatever the markets). Same code order and null handling as FundDataDetailLessThan.
    int compare(const FundDataDetail& a, const FundDataDetail& b) const;
};

/// The settings of one investment position (the name is spelled so by the client), with two order
/// parameter settings. Defaults: texts and containers empty, flags false, numbers 0, factor 1.0,
/// both settings at their defaults. Moving takes the texts, lists, map and both settings (the
/// source's itemList and textMap become empty) and copies the numbers and flags.
class TCUTILS_EXPORT InvestPerportyData
{
public:
    /// A record with the defaults above.
    InvestPerportyData();
    /// Copies every field.
    InvestPerportyData(const InvestPerportyData& other);
    /// Takes the texts, lists, map and both settings; copies the numbers and flags.
    InvestPerportyData(InvestPerportyData&& other) noexcept;
    /// Copies every field.
    InvestPerportyData& operator=(const InvestPerportyData& other);
    /// Takes the texts, lists, map and both settings, as the move constructor.
    InvestPerportyData& operator=(InvestPerportyData&& other) noexcept;
    ~InvestPerportyData();

    /// How the position is sized: "按股数" (by share count) when positionType is 0, "按权重" (by
    /// weight) for any other value. Does not change the record.
    QString getPositionTypeText();

    QStringList itemList;             ///< carried for the client; empty by default
    QString itemText;                 ///< carried for the client; empty by default
    COrderParamSetting orderSetting1; ///< first order parameter setting; default record
    COrderParamSetting orderSetting2; ///< second order parameter setting; default record
    bool switch1 = false;             ///< carried for the client; false by default
    std::string stdText1;             ///< carried for the client; empty by default
    std::string stdText2;             ///< carried for the client; empty by default
    int32_t positionType = 0;         ///< 0: by share count; any other value: by weight
    int32_t option1 = 0;              ///< carried for the client; 0 by default
    double value1 = 0.0;              ///< carried for the client; 0 by default
    int32_t option2 = 0;              ///< carried for the client; 0 by default
    double factor = 1.0;              ///< carried for the client; 1.0 by default
    bool switch2 = false;             ///< carried for the client; false by default
    QMap<QString, QString> textMap;   ///< carried for the client; empty by default
    bool switch3 = false;             ///< carried for the client; false by default
    QString tailText;                 ///< carried for the client; empty by default
};

} // namespace TC
