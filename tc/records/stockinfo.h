#pragma once

/// \file
/// Identity records of an instrument: market, code and name, with price attributes and index data.

#include <tc/tcutils_export.h>

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>
#include <boost/shared_ptr.hpp>

#include <cstdint>
#include <limits>
#include <string>

namespace TC {

/// Marker of a missing price: the largest finite double.
constexpr double kMissingPrice = std::numeric_limits<double>::max();

/// An instrument named by market code, code within the market and display name. All three are
/// null by default.
class TCUTILS_EXPORT CStockInfo
{
public:
    CStockInfo() = default;
    /// Copies the three texts into the fields.
    CStockInfo(QString market, QString code, QString name);
    /// Decodes the three UTF-8 texts with KD::sToQs.
    CStockInfo(std::string market, std::string code, std::string name);

    /// Makes all three texts null.
    void clear();
    /// The host key of market and code (utils::vkStockKey of their UTF-8 bytes), as text.
    QString key() const;
    /// market + "." + code, untouched; "." for an empty record.
    QString key2() const;

    QString market; ///< market code ("SH", "SZ", "IF", ...); null by default
    QString code;   ///< instrument code within the market; null by default
    QString name;   ///< display name; null by default
};

/// Sorts by market rank (getMarketOrder), then code, then name. Markets of equal rank are
/// equivalent, whatever their codes: unranked markets tie with each other. With two or more
/// unranked markets in one list the order is not transitive; sort such lists with std::stable_sort,
/// which stays within bounds, not std::sort.
TCUTILS_EXPORT bool stockInfoLessThan(const CStockInfo& a, const CStockInfo& b);
/// Sorts by code, then name; the market plays no part.
TCUTILS_EXPORT bool stockInfoLessThanIgnoreMarket(const CStockInfo& a, const CStockInfo& b);

class CStockDetail;
/// Sorts by market rank, then code (names are not compared). True when either pointer is null.
TCUTILS_EXPORT bool stockInfoPtrLessThan(const CStockDetail* a, const CStockDetail* b);

/// An instrument with its price attributes. Prices default to kMissingPrice and auxNumber to
/// INT_MAX; the other numbers are zero until the client fills them. Moving copies.
class TCUTILS_EXPORT CStockDetail : public CStockInfo
{
public:
    /// Null texts and the default prices and numbers.
    CStockDetail();
    /// Copies the three texts into the fields; prices and numbers at their defaults.
    CStockDetail(QString market, QString code, QString name);
    /// Copies every field.
    CStockDetail(const CStockDetail&) = default;
    /// Copies every field.
    CStockDetail& operator=(const CStockDetail&) = default;
    ~CStockDetail() = default;

    /// Equal when the markets are equal ignoring case and the codes are equal exactly.
    bool operator==(const CStockDetail& other) const;
    /// By code within one market (compared exactly), else by market text: "SH" < "sh".
    bool operator<(const CStockDetail& other) const;
    /// Whether this futures instrument trades at night: its key names one of the products ag, au,
    /// zn, cu, pb, al (any case) and its market is "DF", "DCE", "ZF", "CZCE", "SF" or "SHFE".
    bool hasNightQuoter() const;

    double lastClose = kMissingPrice; ///< last closing price; kMissingPrice by default
    double auxPrice = kMissingPrice;  ///< a further price; kMissingPrice by default
    double priceTick = kMissingPrice; ///< minimum price step; kMissingPrice by default
    double auxValue1 = 0.0;           ///< 8-byte value handed to the host record bit for bit
    double auxValue2 = 0.0;           ///< 8-byte value handed to the host record bit for bit
    int32_t auxInt = 0;               ///< handed to the host record; 0 by default
    int64_t countA = 0;               ///< handed to the host record as a double; 0 by default
    int64_t countB = 0;               ///< handed to the host record as a double; 0 by default
    QString auxText;                  ///< kept for the client only; null by default
    /// Kept for the client only; INT_MAX by default.
    int32_t auxNumber = std::numeric_limits<int32_t>::max();
    int64_t auxLong = 0; ///< its low 32 bits are handed to the host record; 0 by default

    /// A default detail shared by callers, created when the library loads; never modified.
    static boost::shared_ptr<CStockDetail> g_cstockdetail;
};

/// An index: a detail with its lists, base time and value, and settings. Moving moves the three
/// lists, leaving the source's empty, and the two extra texts; the detail part and the numbers are
/// copied, so the source keeps its market, code and name.
class TCUTILS_EXPORT CIndexDetail : public CStockDetail
{
public:
    CIndexDetail() = default;
    /// Copies the three texts into the fields; everything else at its default.
    CIndexDetail(QString market, QString code, QString name);
    /// Copies every field.
    CIndexDetail(const CIndexDetail&) = default;
    /// Copies every field.
    CIndexDetail& operator=(const CIndexDetail&) = default;
    /// Moves the lists and extra texts; copies the detail part and the numbers.
    CIndexDetail(CIndexDetail&& other) noexcept;
    /// Moves the lists and extra texts, as the move constructor.
    CIndexDetail& operator=(CIndexDetail&& other) noexcept;
    ~CIndexDetail() = default;

    QStringList textList;             ///< kept for the client; empty by default
    QVector<float> valueVector;       ///< kept for the client; empty by default
    QList<double> numberList;         ///< kept for the client; empty by default
    int64_t baseTime = 1262338200000; ///< ms since the epoch: 2010-01-01 09:30:00 UTC
    double baseValue = 100.0;         ///< index value at baseTime; 100 by default
    int32_t setting1 = 0;             ///< kept for the client; 0 by default
    int32_t setting2 = 60;            ///< kept for the client; 60 by default
    int32_t setting3 = 0;             ///< kept for the client; 0 by default
    QString extraText1;               ///< kept for the client; null by default
    QString extraText2;               ///< kept for the client; null by default
    int32_t setting4 = 0;             ///< kept for the client; 0 by default
    int32_t setting5 = 0;             ///< kept for the client; 0 by default
    bool extraFlag = false;           ///< kept for the client; false by default
};

} // namespace TC
