#pragma once

/// \file
/// Host instrument records for instruments known only by a "market_code" or "MMcode" text.

#include <tc/host/instrumentdetail.h>
#include <tc/tcutils_export.h>

#include <QString>
#include <memory>

namespace TC {

/// A new host record, never null and owned by the caller alone, for text "market_code" (SH_600000,
/// SHFE_cu1912; split at every '_', parts after the second ignored) or, without '_', a
/// two-character market followed by the code (SH600000). Its name is market followed by code; every
/// other member keeps the host's default. Any text is accepted: "" gives empty market, code and
/// name. Characters are counted in UTF-16 units, so a character beyond U+FFFF at the cut of
/// "MMcode" is split, and its halves encode as '?' in market and code while name keeps it whole; so
/// do the lone halves of a pair on either side of the '_' of malformed text, which join in name.
TCUTILS_EXPORT std::shared_ptr<ttservice::CInstrumentDetail> getNoCodeStock(const QString& text);

} // namespace TC
