#pragma once

// The night-trading rule of futures, which CStockDetail::hasNightQuoter asks.

#include <QString>
#include <string>

namespace TC {

// Whether a futures instrument trades at night: key (its host key) names one of the products ag,
// au, zn, cu, pb, al anywhere and in any case, and market is a Dalian, Zhengzhou or Shanghai
// futures market ("DF", "DCE", "ZF", "CZCE", "SF", "SHFE"). The energy and financial exchanges
// have no night products here.
bool hasNightTrading(const std::string& market, const QString& key);

} // namespace TC
