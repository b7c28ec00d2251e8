#pragma once

/// \file
/// The market catalogue: market codes, their display names and display ranks.

#include <tc/tcutils_export.h>

#include <QMap>
#include <QString>

namespace TC {

/// Copy of the catalogue of the 15 named markets, code to display name ("SH" ->
/// "上海证券交易所(SSE)"). Built once at the first call; the copy is the caller's to change.
TCUTILS_EXPORT QMap<QString, QString> getMarketNameMap();

/// Display name of a market code (exact, case-sensitive); empty when the code is not named.
TCUTILS_EXPORT QString getNameByMarket(QString market);

/// Market code whose display name is exactly name, abbreviation included; null when none is.
TCUTILS_EXPORT QString getMarketByName(QString name);

/// Display rank of a market: "SH" 0, "SZ" 1, "IF" 2, "SF" 3, "DF" 4, "ZF" 5, anything else INT_MAX.
TCUTILS_EXPORT int getMarketOrder(const QString& market);

/// Rewrites code to exactly six characters: left-padded with '0', or its last six characters.
TCUTILS_EXPORT void adjustStockCode(QString& code);

} // namespace TC
