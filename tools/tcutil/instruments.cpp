// tcutil search, info, list: instruments as the client's lookup box, detail pane and lists see
// them.
#include "command.h"

#include <tc/markets/marketcatalogue.h>
#include <tc/markets/marketfeatures.h>
#include <tc/markets/nocodestock.h>
#include <tc/markets/securitytype.h>
#include <tc/records/instrumentadapters.h>
#include <tc/records/instrumentsearch.h>
#include <tc/records/stockinfo.h>

#include <algorithm>
#include <climits>

namespace tcutil {
namespace {

QString typeLabel(const ttservice::CInstrumentDetail& d)
{
    std::string market = d.market, code = d.code;
    return TC::getStockType(market, code);
}

QString yesNo(bool b)
{
    return b ? QStringLiteral("yes") : QStringLiteral("no");
}

const QStringList kRowColumns = {"market", "code", "name", "type"};

QVariantList rowOf(const ttservice::CInstrumentDetail& d)
{
    return {QString::fromStdString(d.market), QString::fromStdString(d.code),
            QString::fromStdString(d.name), typeLabel(d)};
}

void printRows(const Table& table)
{
    for (const QVariantList& row : table.rows)
        out() << row[0].toString().leftJustified(5) << ' ' << row[1].toString().leftJustified(8)
              << ' ' << row[2].toString() << "  " << row[3].toString() << '\n';
}

} // namespace

int runSearch(const QStringList& args)
{
    Invocation inv(
        QStringLiteral("search"),
        QStringLiteral("Find instruments as the client's lookup box does: by code (600519, "
                       "SH600519, 600519.SH), futures product (rb, IF), the pinyin of the name "
                       "(zgpa, pufa, pfyh) or part of the name. The code first, then the "
                       "product, code prefixes, names from their start, then inside."),
        args, InstrumentsOption | TypesOption | FormatOption);
    inv.parser().addPositionalArgument(QStringLiteral("text"),
                                       QStringLiteral("What a user types."));
    inv.parser().addOption({QStringLiteral("limit"),
                            QStringLiteral("Print at most n instruments (default 20, 0: all)."),
                            QStringLiteral("n"), QStringLiteral("20")});
    if (!inv.parse(1, 1)) return ExitOk;
    const QString text = inv.positional().front().trimmed();
    bool limitOk = false;
    const int limit = inv.value(QStringLiteral("limit")).toInt(&limitOk);
    if (text.isEmpty()) fail(ExitBadInput, QStringLiteral("nothing to search for"));
    if (!limitOk || limit < 0)
        fail(ExitUsage, QStringLiteral("--limit takes a whole number of 0 or more"));

    const auto& details = inv.instruments();
    QList<TC::CStockInfo> list;
    list.reserve(static_cast<int>(details.size()));
    for (const auto& d : details)
        list.append(TC::CStockInfo(TC::getDetailQsMarket(d), TC::getDetailQsCode(d),
                                   TC::getDetailQsName(d)));
    const QList<TC::InstrumentMatch> found = TC::InstrumentSearch(list).find(text, 0);
    if (found.isEmpty()) fail(ExitBadInput, QStringLiteral("no instrument matches '%1'").arg(text));
    const int shown =
        static_cast<int>(limit == 0 ? found.size() : std::min<qsizetype>(found.size(), limit));
    Table table{kRowColumns, {}};
    for (int i = 0; i < shown; ++i)
        table.rows.append(rowOf(*details[static_cast<size_t>(found[i].row)]));
    inv.print(table, [&] {
        printRows(table);
        if (shown < found.size())
            out() << "(" << found.size() - shown << " more; --limit 0 shows all)\n";
    });
    return ExitOk;
}

int runInfo(const QStringList& args)
{
    Invocation inv(QStringLiteral("info"),
                   QStringLiteral("Keys, market, security type, feature flags and night trading of "
                                  "an instrument, given as MARKET CODE, MARKET_CODE or MARKETCODE "
                                  "(two-letter market), or of every instrument of the list with "
                                  "a CODE. Markets are case-blind."),
                   args, InstrumentsOption | TypesOption | Level2Option | FormatOption);
    inv.parser().addPositionalArgument(QStringLiteral("market"),
                                       QStringLiteral("Market code, or the whole instrument."));
    inv.parser().addPositionalArgument(QStringLiteral("code"), QStringLiteral("Instrument code."),
                                       QStringLiteral("[code]"));
    if (!inv.parse(1, 2)) return ExitOk;
    const QStringList pos = inv.positional();

    // The instruments asked for, as market and code.
    std::vector<std::pair<QString, QString>> asked;
    const auto whole = [&](const QString& text) {
        if (text.contains(QLatin1Char('_'))) {
            const auto d = TC::getNoCodeStock(text);
            return std::make_pair(QString::fromStdString(d->market).toUpper(),
                                  QString::fromStdString(d->code));
        }
        if (text.size() > 2 && inv.isKnownMarket(text.left(2).toUpper()))
            return std::make_pair(text.left(2).toUpper(), text.mid(2));
        return std::make_pair(QString(), text);
    };
    if (pos.size() == 2) {
        if (!inv.isKnownMarket(pos[0].toUpper()) && !whole(pos[0]).first.isEmpty())
            fail(ExitUsage, QStringLiteral("unexpected argument '%1': %2 names the instrument")
                                .arg(pos[1], pos[0]));
        asked.emplace_back(pos[0].toUpper(), pos[1]);
    } else {
        asked.push_back(whole(pos[0]));
    }
    if (asked.front().first.isEmpty()) {
        // A bare code: every instrument of the list that has it.
        const QString code = asked.front().second;
        asked.clear();
        for (const auto& d : inv.instruments())
            if (QString::fromStdString(d->code) == code)
                asked.emplace_back(QString::fromStdString(d->market), code);
        if (asked.empty())
            fail(ExitBadInput,
                 QStringLiteral("no instrument with code '%1' in the instrument list").arg(code));
    }
    for (const auto& [market, code] : asked) {
        if (!inv.isKnownMarket(market))
            fail(ExitBadInput,
                 QStringLiteral("unknown market '%1' (see tcutil markets)").arg(market));
        if (code.isEmpty()) fail(ExitBadInput, QStringLiteral("no code after '%1'").arg(market));
    }

    Table table{{"market", "code", "name", "key", "key2", "market_name", "market_rank",
                 "security_type", "queue", "entrust", "level2", "financial", "information",
                 "notice", "thousand_entrust", "night_trading"},
                {}};
    for (const auto& [market, code] : asked) {
        const auto detail = TC::getNoCodeStock(market + QLatin1Char('_') + code);
        detail->name.clear();
        for (const auto& known : inv.instruments())
            if (known->market == detail->market && known->code == detail->code)
                detail->name = known->name;
        const TC::CStockDetail stock(market, code, TC::getDetailQsName(detail));
        const int rank = TC::getMarketOrder(market);
        const std::string& m = detail->market;
        const std::string& c = detail->code;
        table.rows.append(
            {market, code, stock.name.isEmpty() ? QVariant() : stock.name,
             TC::getDetailQsKey(detail), QString::fromStdString(TC::getDetailKey2(detail)),
             TC::getNameByMarket(market).isEmpty() ? QVariant() : TC::getNameByMarket(market),
             rank == INT_MAX ? QVariant() : QVariant(rank), typeLabel(*detail),
             TC::isSupportQueue(m, c), TC::isSupportEntrust(m, c), TC::isSupportLevel2(m, c),
             TC::isSupportFinancial(m, c), TC::isSupportInformation(m, c),
             TC::isSupportNotice(m, c), TC::isSupportThousandEntrust(m, c),
             stock.hasNightQuoter()});
    }
    inv.print(table, [&] {
        for (int r = 0; r < table.rows.size(); ++r) {
            if (r > 0) out() << '\n';
            for (int i = 0; i < table.columns.size(); ++i) {
                const QVariant& v = table.rows[r][i];
                QString text = v.userType() == QMetaType::Bool ? yesNo(v.toBool()) : v.toString();
                if (v.isNull())
                    text = i == 2   ? QStringLiteral("(not in the instrument list)")
                           : i == 5 ? QStringLiteral("(not in the catalogue)")
                                    : QStringLiteral("unranked");
                out() << QString(table.columns[i])
                             .replace(QLatin1Char('_'), QLatin1Char(' '))
                             .leftJustified(18)
                      << text << '\n';
            }
        }
    });
    return ExitOk;
}

int runList(const QStringList& args)
{
    Invocation inv(QStringLiteral("list"),
                   QStringLiteral("The instruments in display order (market rank, then code), with "
                                  "their security type labels. --market and --type are "
                                  "case-blind."),
                   args, InstrumentsOption | TypesOption | FormatOption);
    inv.parser().addOption({QStringLiteral("market"), QStringLiteral("Only this market code."),
                            QStringLiteral("market")});
    inv.parser().addOption({QStringLiteral("type"),
                            QStringLiteral("Only this security type label, e.g. 股票 or ETF."),
                            QStringLiteral("label")});
    if (!inv.parse(0, 0)) return ExitOk;
    const bool byMarket = inv.isSet(QStringLiteral("market"));
    const bool byType = inv.isSet(QStringLiteral("type"));
    const QString market = inv.value(QStringLiteral("market")).toUpper();
    const QString label = inv.value(QStringLiteral("type"));
    if (byMarket && !inv.isKnownMarket(market))
        fail(ExitBadInput, QStringLiteral("unknown market '%1' (see tcutil markets)").arg(market));

    std::vector<std::shared_ptr<ttservice::CInstrumentDetail>> list;
    for (const auto& d : inv.instruments())
        if ((!byMarket || QString::fromStdString(d->market).toUpper() == market) &&
            (!byType || typeLabel(*d).compare(label, Qt::CaseInsensitive) == 0))
            list.push_back(d);
    // Unranked markets tie with each other, so the order is not a strict weak one: stable_sort
    // stays within bounds where sort need not.
    std::stable_sort(list.begin(), list.end(), TC::instrumentPtrLessThan);
    if (list.empty()) fail(ExitBadInput, QStringLiteral("no instrument matches the filter"));
    Table table{kRowColumns, {}};
    for (const auto& d : list)
        table.rows.append(rowOf(*d));
    inv.print(table, [&] { printRows(table); });
    return ExitOk;
}

} // namespace tcutil
