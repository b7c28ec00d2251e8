// A client of the installed package: the umbrella header, a catalogue lookup and a sort.
#include <tc/tc.h>

#include <algorithm>
#include <cstdio>
#include <vector>

int main()
{
    std::vector<TC::CStockInfo> list{{QStringLiteral("SZ"), QStringLiteral("000001"), {}},
                                     {QStringLiteral("SH"), QStringLiteral("600000"), {}}};
    std::sort(list.begin(), list.end(), TC::stockInfoLessThan);
    const QString line = list.front().market + ' ' + TC::getNameByMarket(list.front().market);
    std::puts(line.toUtf8().constData());
    // The English translation is embedded in the shared library.
    if (!TC::getTranslator(QLocale(QLocale::English)))
        return 1;
    return TC::getMarketOrder(QStringLiteral("ZF")) == 5 && TC::CStockDetail::g_cstockdetail ? 0 : 1;
}
