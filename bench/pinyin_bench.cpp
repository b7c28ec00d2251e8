// Pinyin lookup over 20,000 instrument names: building the stored forms, their memory, and
// matching one typed input against all of them, as a lookup box does on each keystroke.
#include <tc/host/pinyin.h>
#include <tc/records/stockinfowithpy.h>

#include <literal/instrumentsearch.h>

#include <benchmark/benchmark.h>

#include <QStringList>

#include <algorithm>
#include <string>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

constexpr int kInstruments = 20000;

std::vector<TC::CStockInfo> realisticInstruments()
{
    std::vector<TC::CStockInfo> out;
    int code = 600000;
    for (const QString& name : TC::literal::composedNames(kInstruments))
        out.emplace_back(QStringLiteral("SH"), QString::number(code++), name);
    return out;
}

const std::vector<TC::CStockInfoWithPy>& storedInstruments()
{
    static const std::vector<TC::CStockInfoWithPy> stored = [] {
        std::vector<TC::CStockInfoWithPy> v;
        for (const TC::CStockInfo& info : realisticInstruments())
            v.emplace_back(info);
        return v;
    }();
    return stored;
}

// One keystroke of a lookup box: the typed input against every stored list.
void BM_TestPy_Keystroke20k(benchmark::State& state, const char* typed)
{
    const auto& stored = storedInstruments();
    const std::string input(typed);
    int matches = 0;
    for (auto _ : state) {
        matches = 0;
        for (const TC::CStockInfoWithPy& s : stored)
            matches += KD::testPy(s.pyList, input) >= 0;
        benchmark::DoNotOptimize(matches);
    }
    state.counters["matches"] = matches;
    state.SetItemsProcessed(state.iterations() * kInstruments);
}
// The machine is shared: with --benchmark_repetitions the minimum is the least disturbed figure.
double minimum(const std::vector<double>& v)
{
    return *std::min_element(v.begin(), v.end());
}
#define TC_KEYSTROKE(name, typed)                                                                  \
    BENCHMARK_CAPTURE(BM_TestPy_Keystroke20k, name, typed)                                         \
        ->Unit(benchmark::kMicrosecond)                                                            \
        ->ComputeStatistics("min", minimum)
TC_KEYSTROKE(z, "z");
TC_KEYSTROKE(zg, "zg");
TC_KEYSTROKE(yh, "yh");
TC_KEYSTROKE(pfyh, "pfyh");
TC_KEYSTROKE(zhongguo, "zhongguo");
TC_KEYSTROKE(changjiangzq, "changjiangzq");
TC_KEYSTROKE(hs300, "hs300");
TC_KEYSTROKE(shanghaiyinhang, "shanghaiyinhang");

// Building the stored lists of 20,000 instruments from their records.
void BM_CalcPyInfo_Build20k(benchmark::State& state)
{
    const auto infos = realisticInstruments();
    for (auto _ : state) {
        std::vector<TC::CStockInfoWithPy> v;
        v.reserve(infos.size());
        for (const TC::CStockInfo& info : infos)
            v.emplace_back(info);
        benchmark::DoNotOptimize(v.data());
    }
    state.SetItemsProcessed(state.iterations() * kInstruments);
}
BENCHMARK(BM_CalcPyInfo_Build20k)->Unit(benchmark::kMillisecond);

// Memory of the stored forms per instrument: the pyList member itself plus what it owns on the
// heap. "heap_measured" is the growth of glibc's in-use heap (chunk overheads included) while
// the lists are filled; "heap_counted" adds up the capacities the lists hold.
void BM_GetPy_MemoryPerInstrument(benchmark::State& state)
{
    const auto infos = realisticInstruments();
    double measured = 0, counted = 0;
    for (auto _ : state) {
        std::vector<TC::CStockInfoWithPy> v(infos.size());
        for (size_t i = 0; i < infos.size(); ++i)
            static_cast<TC::CStockInfo&>(v[i]) = infos[i];
#if defined(__GLIBC__)
        const size_t before = mallinfo2().uordblks;
#endif
        for (TC::CStockInfoWithPy& s : v)
            s.calcPyInfo();
#if defined(__GLIBC__)
        measured = static_cast<double>(mallinfo2().uordblks - before);
#endif
        counted = 0;
        for (const TC::CStockInfoWithPy& s : v) {
            counted += static_cast<double>(s.pyList.capacity() * sizeof(std::string));
            for (const std::string& form : s.pyList) {
                // Short forms live inside the std::string; longer ones own capacity + 1 bytes.
                if (form.capacity() > std::string().capacity())
                    counted += static_cast<double>(form.capacity() + 1);
            }
        }
        benchmark::DoNotOptimize(v.data());
    }
    state.SetItemsProcessed(state.iterations() * kInstruments);
    const double own = sizeof(std::vector<std::string>);
    state.counters["bytes_per_instrument_heap_measured"] = own + measured / kInstruments;
    state.counters["bytes_per_instrument_heap_counted"] = own + counted / kInstruments;
}
BENCHMARK(BM_GetPy_MemoryPerInstrument)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
