#pragma once

/// \file
/// The host's instrument record. Stand-in declaration: the member names, types and order match
/// the client's instrument and quotation library for the members tcutils reads and writes.

#include <tc/host/tchost_export.h>

#include <cstdint>
#include <limits>
#include <string>

namespace ttservice {

/// One instrument as the host describes it. Always held through std::shared_ptr, which may be
/// null. Texts are UTF-8; prices default to the missing-price marker (the largest finite double),
/// other numbers to 0.
class TCHOST_EXPORT CInstrumentDetail
{
public:
    /// A record with the defaults above.
    CInstrumentDetail();
    ~CInstrumentDetail();
    /// Copies every member.
    CInstrumentDetail(const CInstrumentDetail&);
    /// Copies every member.
    CInstrumentDetail& operator=(const CInstrumentDetail&);

    std::string market;         ///< market code, "SH", "SZ", "SF", ...; empty by default
    std::string code;           ///< instrument code within the market; empty by default
    std::string name;           ///< display name; empty by default
    std::string exchangeCode;   ///< exchange's own instrument code; empty when the same as code
    int32_t instrumentType = 0; ///< host type id of the instrument; 0 when unknown
    int32_t auxLong = 0;        ///< receives CStockDetail::auxLong (low 32 bits)
    /// Last closing price; the missing-price marker by default.
    double lastClose = std::numeric_limits<double>::max();
    /// Receives CStockDetail::auxPrice; the missing-price marker by default.
    double auxPrice = std::numeric_limits<double>::max();
    double auxValue1 = 0.0; ///< 8-byte value, copied bit for bit
    double auxValue2 = 0.0; ///< 8-byte value, copied bit for bit
    double countB = 0.0;    ///< receives CStockDetail::countB as a double
    double countA = 0.0;    ///< receives CStockDetail::countA as a double
    /// Minimum price step; the missing-price marker by default.
    double priceTick = std::numeric_limits<double>::max();
    /// Upper price limit of the trading day; the missing-price marker by default.
    double upperLimit = std::numeric_limits<double>::max();
    /// Lower price limit of the trading day; the missing-price marker by default.
    double lowerLimit = std::numeric_limits<double>::max();
    int32_t auxInt = 0;       ///< receives CStockDetail::auxInt
    int32_t volumeUnit = 100; ///< shares or contracts in one lot
};

} // namespace ttservice
