#pragma once

/// \file
/// The host's type centre: which instrument codes of which market belong to which numbered type
/// class. tcutils asks it through utils::CSingletonT<ttservice::StockTypeCenter>::instance().
/// The host fills its classes itself; the stand-in answers from editable tables, see
/// <tc/standin/typetables.h>.
///
/// Threads: the queries are const and may run on several threads at once.

#include <tc/host/singleton.h>
#include <tc/host/tchost_export.h>

#include <cstdint>
#include <string>

namespace ttservice {

/// The type centre; one per process, reached through CSingletonT<StockTypeCenter>::instance().
class TCHOST_EXPORT StockTypeCenter
{
public:
    /// Whether code of market is in the stock-side class typeId. False for every unknown class,
    /// market or code, the empty ones included.
    bool isTypedStock(int32_t typeId, const std::string& market, const std::string& code) const;
    /// The same question for the option classes.
    bool isTypedOptionStock(int32_t typeId, const std::string& market,
                            const std::string& code) const;
};

} // namespace ttservice

namespace utils {

/// The one process-wide type centre, created at the first call.
template <>
TCHOST_EXPORT ttservice::StockTypeCenter* CSingletonT<ttservice::StockTypeCenter>::instance();

} // namespace utils
