// tcutil markets, tcutil periods: the catalogues as the client sees them.
#include "command.h"

#include <tc/markets/marketcatalogue.h>
#include <tc/periods/formulaperiod.h>

#include <climits>

namespace tcutil {

int runMarkets(const QStringList& args)
{
    Invocation inv(QStringLiteral("markets"),
                   QStringLiteral("The market catalogue: code, display rank and display name."),
                   args);
    if (!inv.parse(0, 0)) return ExitOk;
    const QMap<QString, QString> markets = TC::getMarketNameMap();
    out() << "code   rank  name\n";
    for (auto it = markets.cbegin(); it != markets.cend(); ++it) {
        const int rank = TC::getMarketOrder(it.key());
        out() << it.key().leftJustified(6) << ' '
              << (rank == INT_MAX ? QStringLiteral("-") : QString::number(rank)).leftJustified(5)
              << ' ' << it.value() << '\n';
    }
    return ExitOk;
}

int runPeriods(const QStringList& args)
{
    Invocation inv(QStringLiteral("periods"),
                   QStringLiteral("The chart periods: index, value and display name."), args);
    if (!inv.parse(0, 0)) return ExitOk;
    out() << "index  value   name\n";
    // Period indexes wrap modulo the table's 17 entries; one round shows each once.
    for (int i = 0; i < 17; ++i) {
        out() << QString::number(i).leftJustified(6) << ' '
              << QString::number(static_cast<int>(TC::getPeriod(i))).leftJustified(7) << ' '
              << TC::getCycleName(i) << '\n';
    }
    return ExitOk;
}

} // namespace tcutil
