#include <tc/markets/securitytype.h>
#include <tc/standin/typetables.h>

#include "common/printers.h"

#include <gtest/gtest.h>

#include <QStringList>

using namespace TC;

namespace {

standin::TypeTables* centre()
{
    return &standin::typeTables();
}

QString label(std::string market, std::string code)
{
    const std::string m0 = market, c0 = code;
    const QString result = getStockType(market, code);
    EXPECT_TRUE(market == m0 && code == c0) << "arguments modified";
    return result;
}

using Classes = std::vector<std::pair<int, const char*>>; // type id, market

} // namespace

// Each case fills an empty centre with classes that hold the one code "1", then asks for the
// label of "1" in the caller's market.
TEST(StockTypeOrder, AsksTheClassesInOrderOnTheirMarkets)
{
    struct Case
    {
        Classes stock, option;
        const char* market;
        const char* label;
    };
    const Case cases[] = {
        {{}, {}, "SH", "其他"},
        {{{100003, "SH"}, {30001, "SH"}}, {}, "SH", "股票"},
        {{{100003, "SF"}}, {}, "SF", "股票"}, // a stock even in a futures market
        {{}, {}, "DCE", "商品期货"},
        {{{100016, "ZF"}}, {}, "ZF", "商品期货"},
        {{}, {}, "SHFE", "商品期货"},
        {{}, {}, "INE", "其他"},
        {{}, {}, "CFFEX", "其他"},
        {{{30001, "IF"}, {30002, "IF"}}, {}, "IF", "股指期货"},
        {{{30002, "IF"}, {126, "IF"}}, {}, "IF", "国债期货"},
        {{{126, "SH"}, {100024, "SH"}}, {}, "SH", "回购"},
        {{{100017, "SH"}}, {}, "SH", "回购"},
        {{{100024, "SH"}, {170, "SH"}}, {}, "SH", "货币基金"},
        {{{170, "SH"}}, {}, "SZ", "分级基金"}, // graded and closed-end: asked on SH and SZ
        {{{170, "SZ"}}, {}, "SZ", "其他"},
        {{{10023, "SZ"}, {10021, "SZ"}}, {}, "SH", "分级基金"},
        {{{140, "SH"}, {100004, "SZ"}}, {}, "SZ", "封闭式基金"},
        {{{10021, "SZ"}}, {}, "HK", "封闭式基金"},
        {{{10021, "SH"}}, {}, "SH", "其他"},
        {{{100013, "SH"}, {100004, "SH"}}, {}, "SH", "其它基金"},
        {{{100013, "SH"}, {100015, "SH"}}, {}, "SH", "ETF"},
        {{{100015, "SH"}, {100016, "SH"}}, {}, "SH", "权证"},
        {{{100016, "SH"}}, {{100052, "DFO"}}, "SH", "其他债"}, // a bond is never an option
        {{{100016, "SH"}, {130, "SH"}, {136, "SH"}}, {}, "SH", "国债"},
        {{{100016, "SH"}, {100009, "SH"}}, {}, "SH", "国债"},
        {{{100016, "SH"}, {136, "SH"}, {134, "SH"}}, {}, "SH", "地方债"},
        {{{100016, "SH"}, {10018, "SH"}}, {}, "SH", "地方债"},
        {{{100016, "SZ"}, {134, "SH"}, {135, "SZ"}}, {}, "SZ", "企业债"},
        {{{100016, "SH"}, {10014, "SZ"}}, {}, "SH", "企业债"},
        {{{100016, "SH"}, {10014, "SH"}, {134, "SZ"}}, {}, "SH", "其他债"},
        {{{100016, "SH"}, {135, "SH"}, {115, "SH"}}, {}, "SH", "可转债"},
        {{{100016, "SH"}, {10019, "SH"}}, {}, "SH", "可转债"},
        {{{100016, "SH"}, {115, "SH"}, {10016, "SH"}}, {}, "SH", "公司债"},
        {{{100016, "SH"}, {10013, "SH"}}, {}, "SH", "公司债"},
        {{{100016, "SH"}, {10016, "SH"}, {10025, "SH"}}, {}, "SH", "私募债"},
        {{{100016, "SH"}, {10025, "SH"}, {112, "SH"}}, {}, "SH", "证券公司次级债"},
        {{{100016, "SH"}, {10027, "SH"}, {112, "SH"}}, {}, "SH", "资产支持证券"},
        {{{100016, "SH"}, {112, "SH"}, {108, "SH"}}, {}, "SH", "证券公司短期债券挂牌转让"},
        {{{100016, "SH"}, {108, "SH"}}, {}, "SH", "可交换公司债券"},
        {{{100016, "SZ"}, {108, "SH"}}, {}, "SZ", "其他债"},
        {{}, {{100051, "ZFO"}}, "SH", "期权"},
        {{}, {{100052, "DFO"}}, "SH", "期权"},
        {{}, {{100050, "SFO"}}, "SZ", "期权"},
        {{}, {{100053, "IFO"}}, "IF", "期权"},
        {{}, {{100058, "INE"}}, "HK", "期权"},
        {{{100051, "ZFO"}}, {{100051, "SH"}, {100050, "IFO"}}, "SH", "其他"},
        {{}, {}, "SZO", "期权"},
        {{{100013, "SHO"}}, {}, "SHO", "ETF"},
    };
    for (const Case& c : cases) {
        centre()->clear();
        for (const auto& [id, market] : c.stock)
            centre()->addRange(id, market, "1", "1");
        for (const auto& [id, market] : c.option)
            centre()->addOptionRange(id, market, "1", "1");
        EXPECT_EQ(label(c.market, "1"), QString::fromUtf8(c.label))
            << c.market << ", case ending " << c.label;
    }
    centre()->loadDefaults();
}

// The shipped tables give real instruments the right label.
TEST(StockType, LabelsRealInstruments)
{
    centre()->loadDefaults();
    const std::pair<const char*, const char*> groups[] = {
        // 浦发银行 贵州茅台 中国平安 工商银行 海天味业 东鹏饮料 中芯国际 金山办公 九号公司 云赛B股;
        // 平安银行 万科A 五粮液 招商蛇口 比亚迪 海康威视 中国广核 宁德时代 东方财富 华大九天
        // 古井贡B
        {"股票", "SH.600000 SH.600519 SH.601318 SH.601398 SH.603288 SH.605499 SH.688981 SH.688111 "
                 "SH.689009 SH.900901 SZ.000001 SZ.000002 SZ.000858 SZ.001979 SZ.002594 "
                 "SZ.002415 SZ.003816 SZ.300750 SZ.300059 SZ.301269 SZ.200596"},
        // 上证指数 沪深300 科创50 深证成指 创业板指 (indices have no label of their own); 原油2602
        {"其他", "SH.000001 SH.000300 SH.000688 SZ.399001 SZ.399006 INE.sc2602"},
        // 沪铜 沪金 豆粕 铁矿石 白糖 烧碱 (not market SH) 甲醇
        {"商品期货", "SF.cu2601 SHFE.au2602 DF.m2605 DCE.i2605 ZF.SR605 ZF.SH601 CZCE.MA605"},
        // 沪深300 上证50 中证500 中证1000 index futures
        {"股指期货", "IF.IF2512 IF.IH2512 IF.IC2603 IF.IM2512 CFFEX.IF2603"},
        // 10, 5, 2 and 30-year treasury bond futures
        {"国债期货", "IF.T2603 IF.TF2603 IF.TS2603 IF.TL2603"},
        // GC001 GC007 R-001 R-007
        {"回购", "SH.204001 SH.204007 SZ.131810 SZ.131801"},
        // 银华日利 华宝添益 货币ETF
        {"货币基金", "SH.511880 SH.511990 SZ.159001"},
        // 银华稳进 银华锐进
        {"分级基金", "SZ.150018 SZ.150019"},
        // 华安张江产业园REIT 浙商沪杭甬REIT 博时蛇口产园REIT 华夏越秀高速REIT 基金通乾
        {"封闭式基金", "SH.508000 SH.508001 SZ.180101 SZ.180202 SH.500038"},
        // 南方原油 富国天惠 兴全趋势 招商中证白酒
        {"其它基金", "SH.501018 SZ.161005 SZ.163402 SZ.161725"},
        // 50ETF 300ETF 国债ETF 纳指ETF 黄金ETF 科创50ETF 证券ETF 创业板ETF 300ETF
        {"ETF", "SH.510050 SH.510300 SH.511010 SH.513100 SH.518880 SH.588000 SH.512880 "
                "SZ.159915 SZ.159919"},
        // 江铜CWB1
        {"权证", "SH.580026"},
        // 21国债(7) 05国债(4); 15青岛08 青岛1508
        {"国债", "SH.010107 SH.010504"},
        {"地方债", "SH.130393 SZ.109394"},
        // 浦发转债 南银转债 起帆转债 嘉元转债 温氏转债 牧原转债 立讯转债
        {"可转债", "SH.110059 SH.113050 SH.111000 SH.118000 SZ.123107 SZ.127045 SZ.128136"},
        // 07长电债 23鄂交01 08万科G1
        {"公司债", "SH.122000 SH.115216 SZ.112005"},
        // G三峡EB1 16以岭EB
        {"可交换公司债券", "SH.132018 SZ.120001"},
        // commodity, index and ETF options
        {"期权", "ZFO.SR605C6000 DFO.m2605-C-3000 SFO.cu2602C80000 IFO.IO2512-C-4500 "
                 "INE.sc2602C550 SHO.10009001 SZO.90005001"},
        // Codes of segments (not named instruments) for the bond kinds above lacks.
        {"企业债", "SH.152100 SH.124100"},
        {"私募债", "SH.125100 SZ.114100"},
        {"证券公司次级债", "SZ.118901"},
        {"资产支持证券", "SH.121100 SZ.116100"},
        {"证券公司短期债券挂牌转让", "SH.135001"},
        {"其他债", "SH.018001"},
    };
    int instruments = 0;
    for (const auto& [text, keys] : groups) {
        for (const QString& key : QString::fromLatin1(keys).split(QLatin1Char(' '))) {
            const QStringList mc = key.split(QLatin1Char('.'));
            EXPECT_EQ(label(mc[0].toStdString(), mc[1].toStdString()), QString::fromUtf8(text))
                << key.toStdString();
            ++instruments;
        }
    }
    EXPECT_GE(instruments - 9, 80); // the nine segment codes are not named instruments
}

TEST(StockType, KeepsTheSameCodeApartOnTheTwoExchanges)
{
    centre()->loadDefaults();
    const char* const cases[][3] = {
        {"SZ", "000300", "股票"},
        {"SH", "000300", "其他"}, // SH 000xxx are indices
        {"SZ", "112100", "公司债"},
        {"SH", "112100", "资产支持证券"},
        {"SZ", "159500", "ETF"},
        {"SH", "159500", "资产支持证券"},
        // SZ convertibles 127xxx are not taken for SH enterprise bonds, nor SH 1110xx for SZ ones.
        {"SZ", "127001", "可转债"},
        {"SH", "127001", "其他债"},
        {"SH", "111001", "可转债"},
        {"SZ", "111001", "其他债"},
        {"SH", "60000", "其他"},
        {"SH", "6000000", "其他"},
        {"HK", "600000", "其他"},
        {"SH", "IF2512", "其他"},
        {"", "", "其他"},
        {"SH", "360001", "其他"}};
    for (const auto& c : cases)
        EXPECT_EQ(label(c[0], c[1]), QString::fromUtf8(c[2])) << c[0] << ' ' << c[1];
}
