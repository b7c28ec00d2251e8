// Sorting instrument lists with the three orderings.
#include <tc/records/stockinfo.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

std::vector<TC::CStockDetail> makeDetails(int n)
{
    static const char* const markets[] = {"SH", "SZ", "IF", "SF", "DF", "ZF", "HK", "SH"};
    std::mt19937 rng(42);
    std::vector<TC::CStockDetail> out;
    out.reserve(n);
    for (int i = 0; i < n; ++i) {
        const int code = static_cast<int>(rng() % 1000000);
        out.emplace_back(QLatin1String(markets[rng() % 8]),
                         QString::number(code).rightJustified(6, QLatin1Char('0')),
                         QStringLiteral("名称%1").arg(rng() % 100));
    }
    return out;
}

void BM_StockInfoLessThan_Sort100k(benchmark::State& state)
{
    const auto details = makeDetails(100000);
    for (auto _ : state) {
        std::vector<TC::CStockInfo> v(details.begin(), details.end());
        std::sort(v.begin(), v.end(), TC::stockInfoLessThan);
        benchmark::DoNotOptimize(v.data());
    }
    state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_StockInfoLessThan_Sort100k)->Unit(benchmark::kMillisecond);

void BM_StockInfoLessThanIgnoreMarket_Sort100k(benchmark::State& state)
{
    const auto details = makeDetails(100000);
    for (auto _ : state) {
        std::vector<TC::CStockInfo> v(details.begin(), details.end());
        std::sort(v.begin(), v.end(), TC::stockInfoLessThanIgnoreMarket);
        benchmark::DoNotOptimize(v.data());
    }
    state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_StockInfoLessThanIgnoreMarket_Sort100k)->Unit(benchmark::kMillisecond);

void BM_StockInfoPtrLessThan_Sort100k(benchmark::State& state)
{
    const auto details = makeDetails(100000);
    for (auto _ : state) {
        std::vector<const TC::CStockDetail*> v;
        v.reserve(details.size());
        for (const auto& d : details)
            v.push_back(&d);
        std::sort(v.begin(), v.end(), TC::stockInfoPtrLessThan);
        benchmark::DoNotOptimize(v.data());
    }
    state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_StockInfoPtrLessThan_Sort100k)->Unit(benchmark::kMillisecond);

} // namespace
