#pragma once

/// \file
/// Instrument key builder of the host's utility library.

#include <tc/host/tchost_export.h>

#include <string>

namespace utils {

/// The host key of an instrument: the byte length of market in decimal, ":", market, ":", code.
/// For example vkStockKey("SH", "600000") is "2:SH:600000". The length prefix makes the key
/// unique for every pair, even when market or code contain ':'; code appears unchanged at the
/// end. Callers treat the key as opaque text.
TCHOST_EXPORT std::string vkStockKey(const std::string& market, const std::string& code);

} // namespace utils
