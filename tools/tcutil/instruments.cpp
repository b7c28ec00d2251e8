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

void printRow(const ttservice::CInstrumentDetail& d)
{
    out() << QString::fromStdString(d.market).leftJustified(5) << ' '
          << QString::fromStdString(d.code).leftJustified(8) << ' '
          << QString::fromStdString(d.name) << "  " << typeLabel(d) << '\n';
}

// One instrument the search found: a row as the lists show it.
void printMatch(const ttservice::CInstrumentDetail& d)
{
    printRow(d);
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
        args);
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
    const int shown = limit == 0 ? found.size() : std::min(found.size(), limit);
    for (int i = 0; i < shown; ++i)
        printMatch(*details[static_cast<size_t>(found[i].row)]);
    if (shown < found.size())
        out() << "(" << found.size() - shown << " more; --limit 0 shows all)\n";
    return ExitOk;
}

int runInfo(const QStringList& args)
{
    Invocation inv(QStringLiteral("info"),
                   QStringLiteral("Keys, market, security type, feature flags and night trading of "
                                  "one instrument, given as MARKET CODE, MARKETCODE (two-letter "
                                  "market) or MARKET_CODE."),
                   args);
    inv.parser().addPositionalArgument(QStringLiteral("market"), QStringLiteral("Market code."));
    inv.parser().addPositionalArgument(QStringLiteral("code"), QStringLiteral("Instrument code."),
                                       QStringLiteral("[code]"));
    if (!inv.parse(1, 2)) return ExitOk;
    const QStringList pos = inv.positional();
    const auto detail =
        TC::getNoCodeStock(pos.size() == 2 ? pos[0] + QLatin1Char('_') + pos[1] : pos[0]);
    if (detail->market.empty() || detail->code.empty())
        fail(ExitBadInput, QStringLiteral("'%1' names no market and code").arg(pos.join(' ')));
    detail->name.clear();
    for (const auto& known : inv.instruments())
        if (known->market == detail->market && known->code == detail->code)
            detail->name = known->name;

    const QString market = TC::getDetailQsMarket(detail);
    const TC::CStockDetail stock(market, TC::getDetailQsCode(detail), TC::getDetailQsName(detail));
    const int rank = TC::getMarketOrder(market);
    const QString marketName = TC::getNameByMarket(market);
    const std::string& m = detail->market;
    const std::string& c = detail->code;

    auto row = [](const char* label, const QString& value) {
        out() << QString::fromLatin1(label).leftJustified(18) << value << '\n';
    };
    row("market", market);
    row("code", stock.code);
    row("name", stock.name.isEmpty() ? QStringLiteral("(not in the instrument list)") : stock.name);
    row("key", TC::getDetailQsKey(detail));
    row("key2", QString::fromStdString(TC::getDetailKey2(detail)));
    row("market name",
        marketName.isEmpty() ? QStringLiteral("(not in the catalogue)") : marketName);
    row("market rank", rank == INT_MAX ? QStringLiteral("unranked") : QString::number(rank));
    row("security type", typeLabel(*detail));
    row("queue", yesNo(TC::isSupportQueue(m, c)));
    row("entrust", yesNo(TC::isSupportEntrust(m, c)));
    row("level2", yesNo(TC::isSupportLevel2(m, c)));
    row("financial", yesNo(TC::isSupportFinancial(m, c)));
    row("information", yesNo(TC::isSupportInformation(m, c)));
    row("notice", yesNo(TC::isSupportNotice(m, c)));
    row("thousand entrust", yesNo(TC::isSupportThousandEntrust(m, c)));
    row("night trading", yesNo(stock.hasNightQuoter()));
    return ExitOk;
}

int runList(const QStringList& args)
{
    Invocation inv(QStringLiteral("list"),
                   QStringLiteral("The instruments in display order (market rank, then code), with "
                                  "their security type labels."),
                   args);
    inv.parser().addOption({QStringLiteral("market"), QStringLiteral("Only this market code."),
                            QStringLiteral("market")});
    inv.parser().addOption({QStringLiteral("type"),
                            QStringLiteral("Only this security type label, e.g. 股票 or ETF."),
                            QStringLiteral("label")});
    if (!inv.parse(0, 0)) return ExitOk;
    const bool byMarket = inv.isSet(QStringLiteral("market"));
    const bool byType = inv.isSet(QStringLiteral("type"));
    const std::string market = inv.value(QStringLiteral("market")).toUtf8().toStdString();
    const QString label = inv.value(QStringLiteral("type"));

    std::vector<std::shared_ptr<ttservice::CInstrumentDetail>> list;
    for (const auto& d : inv.instruments())
        if ((!byMarket || d->market == market) && (!byType || typeLabel(*d) == label))
            list.push_back(d);
    // Unranked markets tie with each other, so the order is not a strict weak one: stable_sort
    // stays within bounds where sort need not.
    std::stable_sort(list.begin(), list.end(), TC::instrumentPtrLessThan);
    for (const auto& d : list)
        printRow(*d);
    if (list.empty()) fail(ExitBadInput, QStringLiteral("no instrument matches the filter"));
    return ExitOk;
}

} // namespace tcutil
