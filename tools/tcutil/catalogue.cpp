// tcutil markets, tcutil periods: the catalogues as the client sees them.
#include "command.h"

#include <tc/markets/marketcatalogue.h>
#include <tc/periods/formulaperiod.h>

#include <climits>

namespace tcutil {

int runMarkets(const QStringList& args)
{
    Invocation inv(QStringLiteral("markets"),
                   QStringLiteral("The market catalogue: code, display rank (none for markets the "
                                  "client does not rank) and display name."),
                   args, FormatOption);
    if (!inv.parse(0, 0)) return ExitOk;
    const QMap<QString, QString> markets = TC::getMarketNameMap();
    Table table{{"code", "rank", "name"}, {}};
    for (auto it = markets.cbegin(); it != markets.cend(); ++it) {
        const int rank = TC::getMarketOrder(it.key());
        table.rows.append({it.key(), rank == INT_MAX ? QVariant() : QVariant(rank), it.value()});
    }
    inv.print(table, [&] {
        out() << "code   rank  name\n";
        for (const QVariantList& row : table.rows)
            out() << row[0].toString().leftJustified(6) << ' '
                  << (row[1].isNull() ? QStringLiteral("-") : row[1].toString()).leftJustified(5)
                  << ' ' << row[2].toString() << '\n';
    });
    return ExitOk;
}

int runPeriods(const QStringList& args)
{
    Invocation inv(QStringLiteral("periods"),
                   QStringLiteral("The chart periods: index, value and display name."), args,
                   FormatOption);
    if (!inv.parse(0, 0)) return ExitOk;
    Table table{{"index", "value", "name"}, {}};
    // Period indexes wrap modulo the table's 17 entries; one round shows each once.
    for (int i = 0; i < 17; ++i)
        table.rows.append({i, static_cast<int>(TC::getPeriod(i)), TC::getCycleName(i)});
    inv.print(table, [&] {
        out() << "index  value   name\n";
        for (const QVariantList& row : table.rows)
            out() << row[0].toString().leftJustified(6) << ' ' << row[1].toString().leftJustified(7)
                  << ' ' << row[2].toString() << '\n';
    });
    return ExitOk;
}

} // namespace tcutil
