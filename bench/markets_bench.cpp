// Labelling quote lists with getStockType, and the type centre's single question.
#include <tc/host/stocktypecenter.h>
#include <tc/markets/securitytype.h>
#include <tc/standin/typetables.h>

#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Segment
{
    const char* market;
    const char* prefix; // the code is prefix + digits, or prefix alone when digits is 0
    int digits;
    int first, last; // the numbers drawn for the digits
    int weight;      // share of a full quote list, in per mille
    const char* suffix;
};

// Codes drawn from the code segments of real instruments, weighted roughly as a terminal's full
// quote list holds them, with more bonds and options than the bundled list.
const Segment kSegments[] = {
    {"SH", "60", 4, 0, 3999, 170, ""},
    {"SH", "605", 3, 0, 599, 15, ""},
    {"SH", "688", 3, 0, 799, 55, ""},
    {"SZ", "00", 4, 1, 3040, 150, ""},
    {"SZ", "30", 4, 1, 1600, 110, ""},
    {"SH", "900", 3, 901, 957, 5, ""},
    {"SZ", "200", 3, 2, 999, 5, ""},
    {"SH", "000", 3, 1, 999, 25, ""},
    {"SZ", "399", 3, 1, 999, 25, ""},
    {"SH", "51", 4, 0, 9999, 40, ""},
    {"SH", "56", 4, 0, 3999, 15, ""},
    {"SH", "588", 3, 0, 499, 10, ""},
    {"SZ", "159", 3, 1, 999, 40, ""},
    {"SZ", "16", 4, 105, 9999, 30, ""},
    {"SH", "501", 3, 0, 999, 10, ""},
    {"SH", "508", 3, 0, 99, 3, ""},
    {"SZ", "1801", 2, 1, 99, 2, ""},
    {"SH", "11", 4, 0, 3999, 25, ""},
    {"SZ", "12", 4, 3000, 8999, 25, ""},
    {"SH", "019", 3, 0, 999, 15, ""},
    {"SH", "1", 5, 30000, 99999, 40, ""},
    {"SZ", "1", 5, 4000, 49999, 30, ""},
    {"SH", "2", 5, 30000, 89999, 15, ""},
    {"SH", "204", 3, 1, 182, 5, ""},
    {"SZ", "1318", 2, 0, 11, 5, ""},
    {"SF", "cu26", 2, 1, 12, 10, ""},
    {"SF", "au26", 2, 1, 12, 5, ""},
    {"DF", "m26", 2, 1, 12, 10, ""},
    {"ZF", "SR6", 2, 1, 12, 10, ""},
    {"IF", "IF", 4, 2512, 2609, 5, ""},
    {"IF", "T", 4, 2603, 2609, 3, ""},
    {"INE", "sc26", 2, 1, 12, 5, ""},
    {"ZFO", "SR605C", 4, 5000, 7000, 10, ""},
    {"DFO", "m2605-C-", 4, 2500, 3500, 10, ""},
    {"SFO", "cu2602C", 5, 70000, 90000, 10, ""},
    {"IFO", "IO2512-C-", 4, 3800, 5000, 10, ""},
    {"SHO", "1000", 4, 0, 9999, 20, ""},
    {"SZO", "9000", 4, 0, 9999, 10, ""},
    {"HK", "0", 4, 1, 9999, 10, ""},
};

std::vector<std::pair<std::string, std::string>> makeCodes(int n)
{
    std::vector<int> weights;
    for (const Segment& s : kSegments)
        weights.push_back(s.weight);
    std::mt19937 rng(20261205);
    std::discrete_distribution<int> pick(weights.begin(), weights.end());
    std::vector<std::pair<std::string, std::string>> codes;
    codes.reserve(n);
    for (int i = 0; i < n; ++i) {
        const Segment& s = kSegments[pick(rng)];
        std::string digits =
            std::to_string(std::uniform_int_distribution<int>(s.first, s.last)(rng));
        if (static_cast<int>(digits.size()) < s.digits)
            digits.insert(0, s.digits - digits.size(), '0');
        codes.emplace_back(s.market, s.prefix + digits + s.suffix);
    }
    return codes;
}

// 100,000 instruments drawn from the bundled list of real instruments (shares, indices, funds,
// bonds, repos, futures, Hong Kong shares), in random order.
std::vector<std::pair<std::string, std::string>> bundledCodes(int n)
{
    std::ifstream in(TC_BUNDLED_INSTRUMENTS);
    std::vector<std::pair<std::string, std::string>> list;
    std::string line;
    std::getline(in, line); // header
    while (std::getline(in, line)) {
        std::stringstream fields(line);
        std::string market, code;
        if (std::getline(fields, market, ',') && std::getline(fields, code, ','))
            list.emplace_back(market, code);
    }
    std::vector<std::pair<std::string, std::string>> codes;
    if (list.empty()) return codes;
    std::mt19937 rng(20261206);
    std::uniform_int_distribution<std::size_t> pick(0, list.size() - 1);
    for (int i = 0; i < n; ++i)
        codes.push_back(list[pick(rng)]);
    return codes;
}

void BM_GetStockType_Bundled100k(benchmark::State& state)
{
    auto codes = bundledCodes(100000);
    if (codes.empty()) {
        state.SkipWithError("bundled instrument list not found");
        return;
    }
    standin::typeTables().loadDefaults();
    for (auto _ : state) {
        for (auto& [market, code] : codes)
            benchmark::DoNotOptimize(TC::getStockType(market, code));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(codes.size()));
}
BENCHMARK(BM_GetStockType_Bundled100k)->Unit(benchmark::kMillisecond);

void BM_GetStockType_Segments100k(benchmark::State& state)
{
    auto codes = makeCodes(100000);
    standin::typeTables().loadDefaults();
    for (auto _ : state) {
        for (auto& [market, code] : codes)
            benchmark::DoNotOptimize(TC::getStockType(market, code));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(codes.size()));
}
BENCHMARK(BM_GetStockType_Segments100k)->Unit(benchmark::kMillisecond);

void BM_IsTypedStock_Segments100k(benchmark::State& state)
{
    const auto codes = makeCodes(100000);
    const ttservice::StockTypeCenter* centre =
        utils::CSingletonT<ttservice::StockTypeCenter>::instance();
    for (auto _ : state) {
        // The bond question: a class of many rows on both exchanges.
        for (const auto& [market, code] : codes)
            benchmark::DoNotOptimize(centre->isTypedStock(100016, market, code));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(codes.size()));
}
BENCHMARK(BM_IsTypedStock_Segments100k)->Unit(benchmark::kMillisecond);

} // namespace
