// Writing and reading 1,000,000 order lines and formula references, the library against the plain
// QString::split / QStringList::join form of the same steps (bench/literal/).
#include <tc/serialise/formularesultref.h>
#include <tc/serialise/orderparamsetting.h>

#include <literal/formularesultref.h>
#include <literal/orderparamsetting.h>

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kLines = 1000000;
constexpr int kDistinct = 4096; // distinct records, cycled through to make up the million

std::vector<TC::COrderParamSetting> makeSettings()
{
    static const char* const kinds[] = {"限价委托", "市价", "对手价", "LIMIT", "最优五档即时成交"};
    static const char* const notes[] = {"", "", "备注", "auto", "条件单:止损"};
    std::mt19937 rng(42);
    std::vector<TC::COrderParamSetting> out(kDistinct);
    for (auto& s : out) {
        s.flag = rng() % 2;
        s.text1 = kinds[rng() % 5];
        s.number1 = static_cast<int>(rng() % 100000);
        s.number2 = static_cast<int>(rng() % 200) - 100;
        s.text2 = (rng() % 2 ? "SH" : "SZ") + std::to_string(600000 + rng() % 1000);
        s.text3 = notes[rng() % 5];
        s.number3 = rng() % 8 ? static_cast<int>(rng() % 1000) : static_cast<int>(rng());
    }
    return out;
}

std::vector<TC::ComposeFormulaResultRef> makeRefs()
{
    static const char* const names[] = {"MA5", "均线", "MACD.DIF", "KDJ.K", "成交量"};
    std::mt19937 rng(43);
    std::vector<TC::ComposeFormulaResultRef> out(kDistinct);
    for (auto& r : out) {
        r.id1 = static_cast<int>(rng() % 100);
        r.id2 = static_cast<int>(rng() % 10);
        r.name = QString::fromUtf8(names[rng() % 5]);
        r.market = rng() % 2 ? QStringLiteral("SH") : QStringLiteral("SZ");
        r.code = QString::number(600000 + rng() % 1000);
        r.codeOnly = static_cast<int>(rng() % 2);
        r.id3 = static_cast<int>(rng() % 7) - 1;
    }
    return out;
}

std::vector<std::string> orderLines()
{
    std::vector<std::string> lines;
    for (const auto& s : makeSettings())
        lines.push_back(TC::literal::orderToString(s));
    return lines;
}

std::vector<QString> refLines()
{
    std::vector<QString> lines;
    for (const auto& r : makeRefs())
        lines.push_back(TC::literal::refToString(r));
    return lines;
}

// The library and the plain form agree on every generated case, or the benchmark stops.
bool sameOutput(benchmark::State& state)
{
    auto settings = makeSettings();
    for (auto& s : settings) {
        std::string line = TC::COrderParamSetting::toString(s);
        const TC::COrderParamSetting a = TC::COrderParamSetting::toStruct(line);
        if (line != TC::literal::orderToString(s) || TC::literal::orderToString(a) != line) {
            state.SkipWithError("order lines differ from the plain form");
            return false;
        }
    }
    for (auto& r : makeRefs()) {
        const QString line = r.toString();
        if (line != TC::literal::refToString(r) || r.getKey() != TC::literal::refKey(r) ||
            TC::literal::refToString(TC::ComposeFormulaResultRef::genRef(line)) != line) {
            state.SkipWithError("formula references differ from the plain form");
            return false;
        }
    }
    return true;
}

void BM_OrderParamSettingToString_Library(benchmark::State& state)
{
    auto settings = makeSettings();
    if (!sameOutput(state)) return;
    for (auto _ : state)
        for (int i = 0; i < kLines; ++i) {
            std::string line = TC::COrderParamSetting::toString(settings[i % kDistinct]);
            benchmark::DoNotOptimize(line.data());
        }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_OrderParamSettingToString_Library)->Unit(benchmark::kMillisecond);

void BM_OrderParamSettingToString_SplitJoin(benchmark::State& state)
{
    const auto settings = makeSettings();
    for (auto _ : state)
        for (int i = 0; i < kLines; ++i) {
            std::string line = TC::literal::orderToString(settings[i % kDistinct]);
            benchmark::DoNotOptimize(line.data());
        }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_OrderParamSettingToString_SplitJoin)->Unit(benchmark::kMillisecond);

void BM_OrderParamSettingToStruct_Library(benchmark::State& state)
{
    auto lines = orderLines();
    if (!sameOutput(state)) return;
    for (auto _ : state)
        for (int i = 0; i < kLines; ++i) {
            TC::COrderParamSetting s = TC::COrderParamSetting::toStruct(lines[i % kDistinct]);
            benchmark::DoNotOptimize(s.number3);
        }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_OrderParamSettingToStruct_Library)->Unit(benchmark::kMillisecond);

void BM_OrderParamSettingToStruct_SplitJoin(benchmark::State& state)
{
    const auto lines = orderLines();
    for (auto _ : state)
        for (int i = 0; i < kLines; ++i) {
            TC::COrderParamSetting s = TC::literal::orderToStruct(lines[i % kDistinct]);
            benchmark::DoNotOptimize(s.number3);
        }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_OrderParamSettingToStruct_SplitJoin)->Unit(benchmark::kMillisecond);

void BM_FormulaResultRefToString_Library(benchmark::State& state)
{
    auto refs = makeRefs();
    if (!sameOutput(state)) return;
    for (auto _ : state)
        for (int i = 0; i < kLines; ++i) {
            QString line = refs[i % kDistinct].toString();
            benchmark::DoNotOptimize(line.constData());
        }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_FormulaResultRefToString_Library)->Unit(benchmark::kMillisecond);

void BM_FormulaResultRefToString_SplitJoin(benchmark::State& state)
{
    const auto refs = makeRefs();
    for (auto _ : state)
        for (int i = 0; i < kLines; ++i) {
            QString line = TC::literal::refToString(refs[i % kDistinct]);
            benchmark::DoNotOptimize(line.constData());
        }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_FormulaResultRefToString_SplitJoin)->Unit(benchmark::kMillisecond);

void BM_FormulaResultRefGenRef_Library(benchmark::State& state)
{
    const auto lines = refLines();
    if (!sameOutput(state)) return;
    for (auto _ : state)
        for (int i = 0; i < kLines; ++i) {
            TC::ComposeFormulaResultRef r =
                TC::ComposeFormulaResultRef::genRef(lines[i % kDistinct]);
            benchmark::DoNotOptimize(r.id3);
        }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_FormulaResultRefGenRef_Library)->Unit(benchmark::kMillisecond);

void BM_FormulaResultRefGenRef_SplitJoin(benchmark::State& state)
{
    const auto lines = refLines();
    for (auto _ : state)
        for (int i = 0; i < kLines; ++i) {
            TC::ComposeFormulaResultRef r = TC::literal::genRef(lines[i % kDistinct]);
            benchmark::DoNotOptimize(r.id3);
        }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_FormulaResultRefGenRef_SplitJoin)->Unit(benchmark::kMillisecond);

} // namespace
