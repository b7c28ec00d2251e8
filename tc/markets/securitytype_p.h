#pragma once

// Internal helpers of the security type labels and the market features: questions to the host
// type centre, fetched afresh for each question.

#include <tc/host/stocktypecenter.h>

#include <cstdint>
#include <string>

namespace TC {

// Whether the host puts code of market into the stock-side class typeId.
inline bool isTyped(int32_t typeId, const std::string& market, const std::string& code)
{
    return utils::CSingletonT<ttservice::StockTypeCenter>::instance()->isTypedStock(typeId, market,
                                                                                    code);
}

// Whether the host puts code of market into the option class typeId.
inline bool isTypedOption(int32_t typeId, const std::string& market, const std::string& code)
{
    return utils::CSingletonT<ttservice::StockTypeCenter>::instance()->isTypedOptionStock(
        typeId, market, code);
}

} // namespace TC
