#pragma once

// Which quotation features a market supports, and night trading of futures.
// CStockDetail::hasNightQuoter is declared with the record in <tc/records/stockinfo.h>.

#include <tc/tcutils_export.h>
