#pragma once

/// \file
/// Safe, uniform reads of the host's instrument and quote records.
///
/// Detail adapters take a std::shared_ptr to a host record that may be null, and then return the
/// value named under each function. Quote accessors take a quote pointer that must not be null.

#include <tc/host/instrumentdetail.h>
#include <tc/host/quoter.h>
#include <tc/records/stockinfo.h>
#include <tc/tcutils_export.h>

#include <QString>
#include <cstdint>
#include <memory>
#include <string>

namespace TC {

/// Copy of the market code; empty for a null detail.
TCUTILS_EXPORT std::string
getDetailMarket(const std::shared_ptr<ttservice::CInstrumentDetail>& detail);
/// Copy of the instrument code; empty for a null detail.
TCUTILS_EXPORT std::string
getDetailCode(const std::shared_ptr<ttservice::CInstrumentDetail>& detail);
/// The host key, utils::vkStockKey(market, code); empty for a null detail.
TCUTILS_EXPORT std::string
getDetailKey(const std::shared_ptr<ttservice::CInstrumentDetail>& detail);
/// market + "." + code, the byte twin of CStockInfo::key2; empty for a null detail.
TCUTILS_EXPORT std::string
getDetailKey2(const std::shared_ptr<ttservice::CInstrumentDetail>& detail);
/// The last close; kMissingPrice for a null detail.
TCUTILS_EXPORT double
getDetailLastClose(const std::shared_ptr<ttservice::CInstrumentDetail>& detail);
/// The minimum price step; kMissingPrice for a null detail.
TCUTILS_EXPORT double
getDetailPriceTick(const std::shared_ptr<ttservice::CInstrumentDetail>& detail);
/// The market decoded with KD::sToQs; empty, not null, for a null detail.
TCUTILS_EXPORT QString
getDetailQsMarket(const std::shared_ptr<ttservice::CInstrumentDetail>& detail);
/// The code decoded with KD::sToQs; empty, not null, for a null detail.
TCUTILS_EXPORT QString getDetailQsCode(const std::shared_ptr<ttservice::CInstrumentDetail>& detail);
/// The name decoded with KD::sToQs; empty, not null, for a null detail.
TCUTILS_EXPORT QString getDetailQsName(const std::shared_ptr<ttservice::CInstrumentDetail>& detail);
/// getDetailKey decoded with KD::sToQs (for a null detail, that of the empty key).
TCUTILS_EXPORT QString getDetailQsKey(const std::shared_ptr<ttservice::CInstrumentDetail>& detail);

/// A new host record, never null, holding the identity and price fields of index: market, code and
/// name as UTF-8, priceTick, auxInt, lastClose, auxPrice, auxValue1 and auxValue2 (bit for bit),
/// countA and countB as doubles, and the low 32 bits of auxLong. Other members keep the host's
/// defaults; the index's own lists and settings are not carried.
TCUTILS_EXPORT std::shared_ptr<ttservice::CInstrumentDetail>
indexDetail2Detail(const CIndexDetail& index);

/// Sorts host records by market rank (getMarketOrder), then, within one market (byte-equal), by
/// code bytes. Markets of equal rank are equivalent. True when either pointer is null.
TCUTILS_EXPORT bool instrumentPtrLessThan(std::shared_ptr<ttservice::CInstrumentDetail> a,
                                          std::shared_ptr<ttservice::CInstrumentDetail> b);

/// The last price of a quote: exLastPrice when useEx, else lastPrice.
TCUTILS_EXPORT double getLastPriceEx(bool useEx,
                                     const std::shared_ptr<quoter::QuoterAllData>& quote);
/// The same for a depth quote.
TCUTILS_EXPORT double getLastPriceEx(bool useEx,
                                     const std::shared_ptr<quoter::QuoterDepthData>& quote);
/// The traded amount of a quote: exAmount when useEx, else amount.
TCUTILS_EXPORT double getAmountEx(bool useEx, const std::shared_ptr<quoter::QuoterAllData>& quote);
/// The same for a depth quote.
TCUTILS_EXPORT double getAmountEx(bool useEx,
                                  const std::shared_ptr<quoter::QuoterDepthData>& quote);
/// The traded volume of a quote: exVolume when useEx, else volume.
TCUTILS_EXPORT int64_t getVolumeEx(bool useEx, const std::shared_ptr<quoter::QuoterAllData>& quote);
/// The same for a depth quote.
TCUTILS_EXPORT int64_t getVolumeEx(bool useEx,
                                   const std::shared_ptr<quoter::QuoterDepthData>& quote);

} // namespace TC
