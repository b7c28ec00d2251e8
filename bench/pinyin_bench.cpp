// Pinyin lookup over 20,000 instrument names: building the stored forms, their memory, and
// matching one typed input against all of them, as a lookup box does on each keystroke.
#include <tc/host/pinyin.h>
#include <tc/records/stockinfowithpy.h>

#include <benchmark/benchmark.h>

#include <QSet>
#include <QStringList>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

constexpr int kInstruments = 20000;

// Real words of Chinese instrument names: regions and brands, trades, suffixes of share classes
// and funds, futures products.
const char* const kHeads[] = {
    "上海",   "北京", "深圳",   "广州", "天津", "重庆",     "浙江",   "江苏",   "广东",   "山东",
    "四川",   "湖南", "湖北",   "河南", "河北", "安徽",     "福建",   "江西",   "云南",   "贵州",
    "广西",   "陕西", "山西",   "甘肃", "青海", "宁夏",     "新疆",   "西藏",   "吉林",   "辽宁",
    "海南",   "厦门", "长沙",   "长春", "成都", "武汉",     "南京",   "杭州",   "宁波",   "苏州",
    "无锡",   "大连", "青岛",   "合肥", "昆明", "贵阳",     "西安",   "兰州",   "沈阳",   "郑州",
    "济南",   "福州", "南昌",   "太原", "中国", "中华",     "华夏",   "长江",   "长城",   "东方",
    "南方",   "北方", "国泰",   "招商", "平安", "兴业",     "光大",   "民生",   "华泰",   "海通",
    "广发",   "中信", "国信",   "申万", "银河", "方正",     "华安",   "易方达", "嘉实",   "富国",
    "汇添富", "博时", "鹏华",   "工银", "建信", "农银",     "交银",   "中银",   "浦发",   "万科",
    "格力",   "美的", "海尔",   "TCL",  "京东", "三一",     "中联",   "徐工",   "潍柴",   "宁德",
    "比亚迪", "隆基", "通威",   "恒瑞", "复星", "云南白药", "片仔癀", "五粮液", "洋河",   "泸州",
    "汾酒",   "伊利", "蒙牛",   "双汇", "海天", "金龙鱼",   "紫金",   "洛阳",   "江西铜", "宝钢",
    "鞍钢",   "包钢", "首钢",   "马钢", "太钢", "华能",     "大唐",   "国电",   "华电",   "中核",
    "中广核", "三峡", "葛洲坝", "中铁", "中建", "中交",     "中冶",   "中航",   "东航",   "南航",
    "国航",   "春秋", "吉祥",   "顺丰", "圆通", "申通",     "韵达",   "中远",   "招商局", "振华",
    "上汽",   "一汽", "东风",   "广汽", "长安", "江淮",     "北汽",   "乐视",   "乐普",   "音乐",
    "行动",   "朝阳", "六安",   "蚌埠", "番禺", "藏格",     "奇正",   "沪深",   "上证",   "中证",
    "创业板", "科创", "深证",   "恒生",
};
const char* const kTrades[] = {
    "银行", "证券", "保险", "信托", "科技", "电子",   "电气", "电力",   "能源", "环保", "医药",
    "生物", "化工", "材料", "钢铁", "有色", "煤业",   "石油", "燃气",   "汽车", "机械", "重工",
    "建设", "建工", "地产", "置业", "物流", "航空",   "港口", "高速",   "传媒", "文化", "旅游",
    "酒店", "食品", "饮料", "乐器", "农业", "种业",   "牧业", "渔业",   "纺织", "服饰", "家电",
    "电器", "通信", "软件", "信息", "网络", "智能",   "光电", "半导体", "芯片", "精密", "制药",
    "药业", "医疗", "健康", "水务", "交通", "控股",   "实业", "集团",   "发展", "投资", "股份",
    "矿业", "黄金", "稀土", "锂业", "新材", "新能源", "商行", "农商行", "重组", "热轧", "成长",
    "行业", "空调", "调味", "音乐", "人参", "都市",   "地产",
};
const char* const kTails[] = {
    "",     "",     "",     "",     "",   "",         "A",    "B",    "ETF",
    "LOF",  "转债", "50",   "300",  "H",  "联接",     "优选", "价值", "红利",
    "指数", "混合", "债券", "主题", "Ａ", "ETF联接C", "1号",  "2号",
};
const char* const kProducts[] = {
    "沪铜",        "沪铝",       "沪锌",       "沪铅",       "沪镍",     "沪锡",   "沪金",
    "沪银",        "螺纹钢",     "热轧卷板",   "线材",       "铁矿石",   "焦炭",   "焦煤",
    "动力煤",      "豆粕",       "豆油",       "豆一",       "豆二",     "棕榈油", "玉米",
    "玉米淀粉",    "白糖",       "棉花",       "棉纱",       "菜籽油",   "菜粕",   "甲醇",
    "PTA",         "聚丙烯",     "聚乙烯",     "聚氯乙烯",   "塑料",     "橡胶",   "纸浆",
    "沥青",        "原油",       "燃料油",     "鸡蛋",       "苹果",     "红枣",   "生猪",
    "纯碱",        "玻璃",       "尿素",       "硅铁",       "锰硅",     "不锈钢", "液化石油气",
    "乙二醇",      "苯乙烯",     "短纤",       "花生",       "碳酸锂",   "工业硅", "沪深300股指",
    "中证500股指", "上证50股指", "十年期国债", "五年期国债", "集运指数",
};

// 20,000 distinct names: companies and funds from the words above, futures contracts by month.
QStringList realisticNames()
{
    std::mt19937 rng(8);
    auto pick = [&rng](const auto& words) {
        return QString::fromUtf8(words[rng() % (sizeof(words) / sizeof(words[0]))]);
    };
    QStringList names;
    QSet<QString> seen;
    while (names.size() < kInstruments) {
        QString name;
        if (rng() % 8 == 0)
            name = pick(kProducts) + QString::number(2401 + rng() % 12 + 100 * (rng() % 3));
        else
            name = (rng() % 20 == 0 ? QStringLiteral("*ST") : QString()) + pick(kHeads) +
                   pick(kTrades) + pick(kTails);
        if (!seen.contains(name)) {
            seen.insert(name);
            names.append(name);
        }
    }
    return names;
}

std::vector<TC::CStockInfo> realisticInstruments()
{
    std::vector<TC::CStockInfo> out;
    int code = 600000;
    for (const QString& name : realisticNames())
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
