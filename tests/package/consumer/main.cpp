// A client of the package: the umbrella header, a catalogue lookup, a sort, a label and the
// version. Built against the installed package (CMake and pkg-config) and as a subdirectory.
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
    if (!TC::getTranslator(QLocale(QLocale::English))) return 1;
    // The host library carries its type table as a resource.
    std::string market = "SH", code = "600000";
    const bool typed = TC::getStockType(market, code) == QStringLiteral("股票");
    // The library loaded is the one these headers came with.
    static_assert(TCUTILS_VERSION == TCUTILS_VERSION_CHECK(TCUTILS_VERSION_MAJOR,
                                                           TCUTILS_VERSION_MINOR,
                                                           TCUTILS_VERSION_PATCH));
    const bool sameVersion = TC::versionString() == QLatin1String(TCUTILS_VERSION_STRING);
    const bool ok = TC::getMarketOrder(QStringLiteral("ZF")) == 5 &&
                    TC::CStockDetail::g_cstockdetail && typed && sameVersion;
    return ok ? 0 : 1;
}
