// tcutil search, info, list: instruments as the client's lookup box, detail pane and lists see
// them.
#include "command.h"

#include <tc/host/pinyin.h>
#include <tc/markets/marketcatalogue.h>
#include <tc/markets/marketfeatures.h>
#include <tc/markets/nocodestock.h>
#include <tc/markets/securitytype.h>
#include <tc/parsing/codepage_p.h>
#include <tc/records/instrumentadapters.h>
#include <tc/records/stockinfo.h>
#include <tc/records/stockinfowithpy.h>

#include <algorithm>
#include <climits>
#include <tuple>

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

} // namespace

int runSearch(const QStringList& args)
{
    Invocation inv(
        QStringLiteral("search"),
        QStringLiteral("Find instruments by the pinyin of their name (initials, whole or "
                       "partial syllables: zgpa, pufa, pfyh), by code prefix or by part "
                       "of the name. Prefix matches come first, then market rank and "
                       "code."),
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

    const std::string typed = utils::detail::toLocal8Bit(text).toStdString();
    struct Hit
    {
        int position;
        int rank;
        const ttservice::CInstrumentDetail* detail;
    };
    std::vector<Hit> hits;
    for (const auto& detail : inv.instruments()) {
        const QString code = TC::getDetailQsCode(detail);
        const QString name = TC::getDetailQsName(detail);
        int position = -1;
        if (code.startsWith(text, Qt::CaseInsensitive)) {
            position = 0;
        } else if (name.contains(text)) {
            position = static_cast<int>(name.indexOf(text));
        } else {
            const TC::CStockInfoWithPy withPy(
                TC::CStockInfo(TC::getDetailQsMarket(detail), code, name));
            position = KD::testPy(withPy.pyList, typed);
        }
        if (position >= 0)
            hits.push_back(
                {position, TC::getMarketOrder(TC::getDetailQsMarket(detail)), detail.get()});
    }
    std::stable_sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) {
        return std::make_tuple(a.position != 0, a.rank, a.detail->code) <
               std::make_tuple(b.position != 0, b.rank, b.detail->code);
    });
    if (hits.empty()) fail(ExitBadInput, QStringLiteral("no instrument matches '%1'").arg(text));
    const size_t shown = limit == 0 ? hits.size() : std::min(hits.size(), size_t(limit));
    for (size_t i = 0; i < shown; ++i)
        printRow(*hits[i].detail);
    if (shown < hits.size()) out() << "(" << hits.size() - shown << " more; --limit 0 shows all)\n";
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
