#pragma once

/// \file
/// Identifiers of the workspace's dockable panels.

#include <tc/tcutils_export.h>

#include <QString>

namespace TC {

/// Dock identifier of navigation node id: 101 "handleFee", 102 "productBaseInfo", 201
/// "productTableSet", 202 "productNetValueImp", 301 "positionPanel" ... 311 "F7index" ... 313
/// "brinsonIndustryPanel"; empty for any other id, the root ids 0, 100, 200 and 300 included.
/// The table is filled at the first call without a lock: call from one thread at a time.
TCUTILS_EXPORT QString getDockID(int id);

/// The 36 panel identifiers of the workspace, in the client's order ("positionPanel" stands at
/// both 1 and 24). A constant of this header, not an exported symbol: each module that includes
/// the header, the library among them, holds its own copy, built when the module is loaded and
/// destroyed when it is unloaded.
inline const QString g_panelNames[36] = {
    QStringLiteral("indexMainPanel"),
    QStringLiteral("positionPanel"),
    QStringLiteral("buyPositionPanel"),
    QStringLiteral("sellPositionPanel"),
    QStringLiteral("operationDetailPanel"),
    QStringLiteral("allowBuyListPanel"),
    QStringLiteral("messagePanel"),
    QStringLiteral("investBuy"),
    QStringLiteral("investSell"),
    QStringLiteral("investPosition"),
    QStringLiteral("investDealDetail"),
    QStringLiteral("accountHedgePanel"),
    QStringLiteral("starryPanel"),
    QStringLiteral("tradeMonitor"),
    QStringLiteral("tradeUserSet"),
    QStringLiteral("tradeTaskList"),
    QStringLiteral("stockTrade"),
    QStringLiteral("futureTrade"),
    QStringLiteral("commandTask"),
    QStringLiteral("commandPanel"),
    QStringLiteral("tradeBaskets"),
    QStringLiteral("tradeBlacks"),
    QStringLiteral("orderService"),
    QStringLiteral("operationStockPanel"),
    QStringLiteral("positionPanel"),
    QStringLiteral("monitorMessagePanel"),
    QStringLiteral("trafficWatchPanel"),
    QStringLiteral("entrustPanel"),
    QStringLiteral("transactionPanel"),
    QStringLiteral("serverPanel"),
    QStringLiteral("handleFee"),
    QStringLiteral("dataISet"),
    QStringLiteral("clearTableSet"),
    QStringLiteral("productTableSet"),
    QStringLiteral("productBaseInfo"),
    QStringLiteral("productNetValueImp"),
};

} // namespace TC
