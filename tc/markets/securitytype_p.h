#pragma once

// Internal helpers of the security type labels and the market features: questions to the host
// type centre, fetched afresh for each question.

#include <tc/host/stocktypecenter.h>

#include <QString>
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

// Whether an options market of the futures exchanges claims code: option class 100051 on "ZFO",
// 100052 on "DFO", 100050 on "SFO", 100053 on "IFO" or 100058 on "INE", asked in that order.
bool isOptionInstrument(const std::string& code);

// The bond kind of a bond (class 100016): "国债" ... "可交换公司债券", else "其他债".
QString bondType(const std::string& market, const std::string& code);

} // namespace TC
