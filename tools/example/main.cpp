// Prints the market catalogue and a few instruments sorted by display rank.
#include <tc/tc.h>

#include <QTextStream>

#include <algorithm>
#include <vector>

int main()
{
    QTextStream out(stdout);
    out.setCodec("UTF-8");

    out << "Markets (code, rank, display name):\n";
    const QMap<QString, QString> markets = TC::getMarketNameMap();
    for (auto it = markets.cbegin(); it != markets.cend(); ++it) {
        const int rank = TC::getMarketOrder(it.key());
        out << "  " << it.key().leftJustified(5) << ' '
            << (rank == INT_MAX ? QStringLiteral("-") : QString::number(rank)).rightJustified(2)
            << "  " << it.value() << '\n';
    }

    std::vector<TC::CStockDetail> list{
        {QStringLiteral("HK"), QStringLiteral("00700"), QStringLiteral("腾讯控股")},
        {QStringLiteral("SF"), QStringLiteral("cu2405"), QStringLiteral("沪铜2405")},
        {QStringLiteral("SZ"), QStringLiteral("000002"), QStringLiteral("万科A")},
        {QStringLiteral("IF"), QStringLiteral("IF2406"), QStringLiteral("沪深300指数2406")},
        {QStringLiteral("SH"), QStringLiteral("600000"), QStringLiteral("浦发银行")},
        {QStringLiteral("DF"), QStringLiteral("m2409"), QStringLiteral("豆粕2409")},
        {QStringLiteral("SZ"), QStringLiteral("000001"), QStringLiteral("平安银行")},
    };
    std::stable_sort(list.begin(), list.end(), TC::stockInfoLessThan);

    out << "\nInstruments by display rank (key, name, night trading):\n";
    for (const auto& s : list)
        out << "  " << s.key2().leftJustified(12) << ' ' << s.name << "  "
            << (s.hasNightQuoter() ? "night" : "-") << '\n';
    return 0;
}
