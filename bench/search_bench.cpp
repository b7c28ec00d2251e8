// The lookup box at the size of a full client: 100,000 instruments (the bundled list and names
// composed from real name parts). Building the index, its memory, one find per keystroke over a
// set of typical inputs and while typing names letter by letter, against the linear pass of
// KD::testPy over every name that the client would otherwise make.
#include <tc/host/pinyin.h>
#include <tc/records/instrumentsearch.h>
#include <tc/records/stockinfowithpy.h>

#include <literal/instrumentsearch.h>

#include <benchmark/benchmark.h>

#include <QFile>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <chrono>
#include <ctime>
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
        QList<TC::CStockInfo> l;
        QFile file(QStringLiteral(TC_BUNDLED_INSTRUMENTS));
        if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            QTextStream in(&file);
            in.setCodec("UTF-8");
            in.readLine();
            while (!in.atEnd()) {
                const QStringList f = in.readLine().split(QLatin1Char(','));
                if (f.size() == 3) l.append(TC::CStockInfo(f[0], f[1], f[2]));
            }
        }
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

// Times each query over the iterations; reports the median and the worst of their mean times.
template <typename Run>
void timeEach(benchmark::State& state, const QStringList& queries, Run run, const char* what)
{
    std::vector<double> total(static_cast<size_t>(queries.size()), 0.0);
    for (auto _ : state) {
        for (int i = 0; i < queries.size(); ++i) {
            const double start = nowMicroseconds();
            run(queries[i]);
            total[static_cast<size_t>(i)] += nowMicroseconds() - start;
        }
    }
    for (double& t : total)
        t /= static_cast<double>(state.iterations());
    state.counters[std::string(what) + "_median_us"] = median(total);
    state.counters[std::string(what) + "_worst_us"] = *std::max_element(total.begin(), total.end());
    state.SetItemsProcessed(state.iterations() * queries.size());
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
// glibc's in-use heap before and after building, chunk overheads included.
void BM_InstrumentSearch_MemoryPerInstrument(benchmark::State& state)
{
    const QList<TC::CStockInfo>& list = instruments();
    double bytes = 0;
    for (auto _ : state) {
#if defined(__GLIBC__)
        malloc_trim(0);
        const size_t before = mallinfo2().uordblks;
        const TC::InstrumentSearch search(list);
        bytes = static_cast<double>(mallinfo2().uordblks - before);
        benchmark::DoNotOptimize(search.size());
#endif
    }
    state.counters["bytes_per_instrument"] = bytes / list.size();
}
BENCHMARK(BM_InstrumentSearch_MemoryPerInstrument)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_InstrumentSearch_FindQuerySet100k(benchmark::State& state)
{
    const TC::InstrumentSearch& search = engine();
    timeEach(
        state, querySet(),
        [&search](const QString& q) { benchmark::DoNotOptimize(search.find(q, 20).size()); },
        "find");
}
BENCHMARK(BM_InstrumentSearch_FindQuerySet100k)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_InstrumentSearch_FindTyping100k(benchmark::State& state)
{
    const TC::InstrumentSearch& search = engine();
    timeEach(
        state, typingSet(),
        [&search](const QString& q) { benchmark::DoNotOptimize(search.find(q, 20).size()); },
        "find");
}
BENCHMARK(BM_InstrumentSearch_FindTyping100k)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The linear pass the client makes today: KD::testPy over the stored forms of every name, for
// the same inputs (code and text checks left out, so the pass is if anything too fast), with
// find timed on the same inputs in the same loop for the ratio of the medians.
void BM_TestPy_LinearQuerySet100k(benchmark::State& state)
{
    static const std::vector<TC::CStockInfoWithPy> stored = [] {
        std::vector<TC::CStockInfoWithPy> v;
        for (const TC::CStockInfo& info : instruments())
            v.emplace_back(info);
        return v;
    }();
    const TC::InstrumentSearch& search = engine();
    const QStringList& queries = querySet();
    std::vector<double> linear(static_cast<size_t>(queries.size()), 0.0);
    std::vector<double> found(linear.size(), 0.0);
    for (auto _ : state) {
        for (int i = 0; i < queries.size(); ++i) {
            const std::string typed = queries[i].toLocal8Bit().toStdString();
            double start = nowMicroseconds();
            int matches = 0;
            for (const TC::CStockInfoWithPy& s : stored)
                matches += KD::testPy(s.pyList, typed) >= 0;
            benchmark::DoNotOptimize(matches);
            linear[static_cast<size_t>(i)] += nowMicroseconds() - start;
            start = nowMicroseconds();
            benchmark::DoNotOptimize(search.find(queries[i], 20).size());
            found[static_cast<size_t>(i)] += nowMicroseconds() - start;
        }
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["linear_median_us"] = median(linear) / n;
    state.counters["find_median_us"] = median(found) / n;
    state.counters["ratio_of_medians"] = median(linear) / median(found);
    state.SetItemsProcessed(state.iterations() * queries.size());
}
BENCHMARK(BM_TestPy_LinearQuerySet100k)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
