// The lookup box at the size of a full client: 100,000 instruments (the bundled list and names
// composed from real name parts). Building the index, its memory, one find per keystroke over a
// set of typical inputs and while typing names letter by letter, against the linear pass of
// KD::testPy over every name that the client would otherwise make.
#include <tc/host/pinyin.h>
#include <tc/parsing/codepage_p.h>
#include <tc/records/instrumentsearch.h>
#include <tc/records/stockinfowithpy.h>

#include <literal/instrumentsearch.h>

#include <benchmark/benchmark.h>

#include <QStringList>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

constexpr int kInstruments = 100000;

const QList<TC::CStockInfo>& instruments()
{
    static const QList<TC::CStockInfo> list = [] {
        QList<TC::CStockInfo> l =
            TC::literal::readInstruments(QStringLiteral(TC_BUNDLED_INSTRUMENTS));
        l += TC::literal::composedInstruments(kInstruments - l.size());
        return l;
    }();
    return list;
}

const TC::InstrumentSearch& engine()
{
    static const TC::InstrumentSearch search(instruments());
    return search;
}

// Inputs of 1 to 15 characters: single letters, initials, whole syllables, rare syllables,
// digits and codes in every form, futures products, Chinese text, input nothing matches.
const QStringList& querySet()
{
    static const QStringList q = {
        "z",          "e",         "a",         "x",
        "zg",         "pf",        "yh",        "zgpa",
        "pfyh",       "gzmt",      "zhaoshang", "celue",
        "nue",        "pufayh",    "zhongguo",  "shanghaiyinhang",
        "hs300",      "300etf",    "etf",       "zhgpa",
        "zqgs",       "zzz",       "qqxq",      "xyzw",
        "6",          "60",        "600",       "600519",
        "000001",     "30075",     "SH600519",  "600519.SH",
        "sz.000001",  "SH_600000", "rb",        "rb2505",
        "IF",         "m",         "T",         "sc",
        "cu2501",     "ma505",     "茅台",      "中国",
        "银行",       "贵州茅台",  "平安银行",  "证券",
        "中",         "ETF联接",   "*ST",       "国中",
        "沪深300ETF", "科技",
    };
    return q;
}

// Typing names letter by letter, one find per keystroke: full pinyin and initials.
const QStringList& typingSet()
{
    static const QStringList q = [] {
        QStringList out;
        for (const char* whole : {"zhaoshangyinhang", "guizhoumaotai", "zhongguopingan",
                                  "celuejingxuan", "zsyh", "hs300etf", "600519", "SH600519"}) {
            const QString w = QString::fromLatin1(whole);
            for (int n = 1; n <= w.size(); ++n)
                out << w.left(n);
        }
        return out;
    }();
    return q;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// The machine running the benchmarks is shared: each query is timed by the CPU time of its thread,
// which other programs do not inflate (the wall time where no such clock exists).
double nowMicroseconds()
{
#if defined(CLOCK_THREAD_CPUTIME_ID)
    timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e6 + ts.tv_nsec / 1e3;
#else
    return std::chrono::duration<double, std::micro>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
#endif
}

using Answer = std::function<void(const QString&)>;

// Times each way of answering each query, interleaved, over the iterations: the mean time of
// each query, per way.
std::vector<std::vector<double>> timeEach(benchmark::State& state, const QStringList& queries,
                                          const std::vector<Answer>& ways)
{
    std::vector<std::vector<double>> total(
        ways.size(), std::vector<double>(static_cast<size_t>(queries.size())));
    for (auto _ : state) {
        for (int i = 0; i < queries.size(); ++i) {
            for (size_t w = 0; w < ways.size(); ++w) {
                const double start = nowMicroseconds();
                ways[w](queries[i]);
                total[w][static_cast<size_t>(i)] += nowMicroseconds() - start;
            }
        }
    }
    for (auto& way : total)
        for (double& t : way)
            t /= static_cast<double>(state.iterations());
    state.SetItemsProcessed(state.iterations() * queries.size());
    return total;
}

Answer findIn(const TC::InstrumentSearch& search)
{
    return [&search](const QString& q) { benchmark::DoNotOptimize(search.find(q, 20).size()); };
}

void reportFind(benchmark::State& state, const std::vector<double>& times)
{
    state.counters["find_median_us"] = median(times);
    state.counters["find_worst_us"] = *std::max_element(times.begin(), times.end());
}

void BM_InstrumentSearch_Build100k(benchmark::State& state)
{
    const QList<TC::CStockInfo>& list = instruments();
    for (auto _ : state) {
        const TC::InstrumentSearch search(list);
        benchmark::DoNotOptimize(search.size());
    }
    state.SetItemsProcessed(state.iterations() * list.size());
}
BENCHMARK(BM_InstrumentSearch_Build100k)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Heap the index holds beyond the instruments themselves (shared with the caller's list):
// glibc's in-use heap before and after building, chunk overheads included, with the blocks glibc
// maps on their own (large ones, depending on what the process freed before), which its arena
// count leaves out.
size_t heapInUse()
{
#if defined(__GLIBC__)
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
#else
    return 0;
#endif
}

void BM_InstrumentSearch_MemoryPerInstrument(benchmark::State& state)
{
    const QList<TC::CStockInfo>& list = instruments();
    double bytes = 0;
    for (auto _ : state) {
#if defined(__GLIBC__)
        malloc_trim(0);
        const size_t before = heapInUse();
        const TC::InstrumentSearch search(list);
        bytes = static_cast<double>(heapInUse() - before);
        benchmark::DoNotOptimize(search.size());
#endif
    }
    state.counters["bytes_per_instrument"] = bytes / list.size();
}
BENCHMARK(BM_InstrumentSearch_MemoryPerInstrument)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_InstrumentSearch_FindQuerySet100k(benchmark::State& state)
{
    reportFind(state, timeEach(state, querySet(), {findIn(engine())})[0]);
}
BENCHMARK(BM_InstrumentSearch_FindQuerySet100k)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_InstrumentSearch_FindTyping100k(benchmark::State& state)
{
    reportFind(state, timeEach(state, typingSet(), {findIn(engine())})[0]);
}
BENCHMARK(BM_InstrumentSearch_FindTyping100k)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The linear pass the client makes today: KD::testPy over the stored forms of every name (code
// and text checks left out, so the pass is if anything too fast), and find, on the same inputs
// in the same loop: the ratio of their medians.
void BM_TestPy_LinearQuerySet100k(benchmark::State& state)
{
    static const std::vector<TC::CStockInfoWithPy> stored = [] {
        std::vector<TC::CStockInfoWithPy> v;
        for (const TC::CStockInfo& info : instruments())
            v.emplace_back(info);
        return v;
    }();
    const Answer linear = [](const QString& q) {
        const std::string typed = utils::detail::toLocal8Bit(q).toStdString();
        int matches = 0;
        for (const TC::CStockInfoWithPy& s : stored)
            matches += KD::testPy(s.pyList, typed) >= 0;
        benchmark::DoNotOptimize(matches);
    };
    const auto times = timeEach(state, querySet(), {linear, findIn(engine())});
    reportFind(state, times[1]);
    state.counters["linear_median_us"] = median(times[0]);
    state.counters["ratio_of_medians"] = median(times[0]) / median(times[1]);
}
BENCHMARK(BM_TestPy_LinearQuerySet100k)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
