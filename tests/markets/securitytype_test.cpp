#include <tc/host/stocktypecenter.h>
#include <tc/markets/securitytype.h>
#include <tc/markets/securitytype_p.h>

#include "common/printers.h"

#include <gtest/gtest.h>

#include <set>

using namespace TC;

namespace {

ttservice::StockTypeCenter* centre()
{
    return utils::CSingletonT<ttservice::StockTypeCenter>::instance();
}

QString label(std::string market, std::string code)
{
    const std::string m0 = market, c0 = code;
    const QString result = getStockType(market, code);
    EXPECT_EQ(market, m0);
    EXPECT_EQ(code, c0);
    return result;
}

// Tests of the question order start from an empty centre: each class is one code, "1".
class StockTypeOrder : public ::testing::Test
{
protected:
    void SetUp() override { centre()->clear(); }
    void TearDown() override { centre()->loadDefaults(); }
    static void put(int typeId, const char* market = "SH")
    {
        centre()->addRange(typeId, market, "1", "1");
    }
    static void putOption(int typeId, const char* market)
    {
        centre()->addOptionRange(typeId, market, "1", "1");
    }
};

} // namespace

TEST_F(StockTypeOrder, FirstClassThatAnswersWins)
{
    EXPECT_EQ(label("SH", "1"), QStringLiteral("其他"));
    EXPECT_EQ(label("", ""), QStringLiteral("其他"));
    // Each step's label, put in one by one from the last step to the first, takes over.
    const std::pair<int, const char*> steps[] = {
        {100015, "权证"}, {100013, "ETF"},     {100004, "其它基金"}, {100024, "货币基金"},
        {100017, "回购"}, {30002, "国债期货"}, {30001, "股指期货"},  {100003, "股票"}};
    for (const auto& [id, text] : steps) {
        put(id);
        EXPECT_EQ(label("SH", "1"), QString::fromUtf8(text)) << id;
    }
    // Twin classes answer alone as well.
    centre()->clear();
    put(126);
    EXPECT_EQ(label("SH", "1"), QStringLiteral("回购"));
    // Other funds come before ETFs: a fund in both is "其它基金".
    centre()->clear();
    put(100013);
    put(100004);
    EXPECT_EQ(label("SH", "1"), QStringLiteral("其它基金"));
    // A stock is a stock even in a futures market.
    centre()->clear();
    put(100003, "SF");
    EXPECT_EQ(label("SF", "1"), QStringLiteral("股票"));
    EXPECT_EQ(label("SF", "2"), QStringLiteral("商品期货"));
}

TEST_F(StockTypeOrder, CommodityFuturesMarketsNeedNoQuestion)
{
    for (const char* m : {"DF", "DCE", "ZF", "CZCE", "SF", "SHFE"})
        EXPECT_EQ(label(m, "anything"), QStringLiteral("商品期货")) << m;
    for (const char* m : {"INE", "IF", "CFFEX", "dce", "DCE "})
        EXPECT_EQ(label(m, "anything"), QStringLiteral("其他")) << m;
    // Commodity futures come before every later class, bonds included.
    put(100016, "DF");
    put(130, "DF");
    EXPECT_EQ(label("DF", "1"), QStringLiteral("商品期货"));
}

TEST_F(StockTypeOrder, FundQuestionsAskTheirOwnExchange)
{
    put(170, "SH");
    EXPECT_EQ(label("SZ", "1"), QStringLiteral("分级基金"));
    EXPECT_EQ(label("HK", "1"), QStringLiteral("分级基金"));
    centre()->clear();
    put(170, "SZ"); // asked on SH only
    EXPECT_EQ(label("SZ", "1"), QStringLiteral("其他"));
    put(10023, "SZ");
    EXPECT_EQ(label("SH", "1"), QStringLiteral("分级基金"));

    centre()->clear();
    put(140, "SH");
    EXPECT_EQ(label("SZ", "1"), QStringLiteral("封闭式基金"));
    centre()->clear();
    put(10021, "SZ");
    EXPECT_EQ(label("SH", "1"), QStringLiteral("封闭式基金"));
    put(10023, "SZ"); // graded before closed-end
    EXPECT_EQ(label("SH", "1"), QStringLiteral("分级基金"));
    put(100024, "SH"); // money funds before both
    EXPECT_EQ(label("SH", "1"), QStringLiteral("货币基金"));
}

TEST_F(StockTypeOrder, BondsAreSortedIntoTheirKinds)
{
    put(100016);
    EXPECT_EQ(label("SH", "1"), QStringLiteral("其他债"));
    // A bond never becomes an option, whatever the option classes say.
    putOption(100052, "DFO");
    EXPECT_EQ(label("SH", "1"), QStringLiteral("其他债"));
    EXPECT_EQ(label("SHO", "1"), QStringLiteral("期权"));

    // Kinds put in from the last sub-step to the first: each earlier one takes over.
    const std::pair<int, const char*> kinds[] = {
        {108, "可交换公司债券"}, {112, "证券公司短期债券挂牌转让"},
        {10027, "资产支持证券"}, {10025, "证券公司次级债"},
        {10016, "私募债"},       {10013, "公司债"},
        {10019, "可转债"},       {10018, "地方债"},
        {100009, "国债"}};
    for (const auto& [id, text] : kinds) {
        put(id);
        EXPECT_EQ(label("SH", "1"), QString::fromUtf8(text)) << id;
    }
    // The twins answer alone too, and enterprise bonds are asked on their own exchange.
    const std::pair<int, const char*> twins[] = {
        {115, "公司债"}, {135, "可转债"}, {136, "地方债"}, {130, "国债"}};
    for (const auto& [id, text] : twins) {
        centre()->clear();
        put(100016);
        put(id);
        EXPECT_EQ(label("SH", "1"), QString::fromUtf8(text)) << id;
    }
    centre()->clear();
    put(100016, "SZ");
    put(134, "SH");
    put(135, "SZ");
    EXPECT_EQ(label("SZ", "1"), QStringLiteral("企业债"));
    centre()->clear();
    put(100016, "SH");
    put(10014, "SZ");
    EXPECT_EQ(label("SH", "1"), QStringLiteral("企业债"));
    centre()->clear();
    put(100016, "SH");
    put(10014, "SH");
    put(134, "SZ");
    EXPECT_EQ(label("SH", "1"), QStringLiteral("其他债"));
    // Subordinated before short-term.
    put(112);
    put(10025);
    EXPECT_EQ(label("SH", "1"), QStringLiteral("证券公司次级债"));
}

TEST_F(StockTypeOrder, OptionsAreAskedOnTheFuturesOptionMarkets)
{
    const std::pair<int, const char*> markets[] = {
        {100051, "ZFO"}, {100052, "DFO"}, {100050, "SFO"}, {100053, "IFO"}, {100058, "INE"}};
    for (const auto& [id, market] : markets) {
        centre()->clear();
        putOption(id, market);
        EXPECT_EQ(label("SH", "1"), QStringLiteral("期权")) << market;
        EXPECT_TRUE(isOptionInstrument("1")) << market;
        // The right class on another market, or a stock-side class, does not count.
        centre()->clear();
        putOption(id, "SH");
        put(id, market);
        EXPECT_EQ(label("SH", "1"), QStringLiteral("其他")) << market;
        EXPECT_FALSE(isOptionInstrument("1")) << market;
    }
    centre()->clear();
    EXPECT_EQ(label("SZO", "1"), QStringLiteral("期权"));
    EXPECT_EQ(label("SHO", ""), QStringLiteral("期权"));
    put(100013, "SHO");
    EXPECT_EQ(label("SHO", "1"), QStringLiteral("ETF"));
}

// The shipped tables give real instruments the right label.
TEST(StockType, LabelsRealInstruments)
{
    centre()->loadDefaults();
    struct Row
    {
        const char* market;
        const char* code;
        const char* label;
        const char* name;
    };
    const Row rows[] = {
        // A and B shares of every board
        {"SH", "600000", "股票", "浦发银行"},
        {"SH", "600519", "股票", "贵州茅台"},
        {"SH", "601318", "股票", "中国平安"},
        {"SH", "601398", "股票", "工商银行"},
        {"SH", "603288", "股票", "海天味业"},
        {"SH", "605499", "股票", "东鹏饮料"},
        {"SH", "688981", "股票", "中芯国际"},
        {"SH", "688111", "股票", "金山办公"},
        {"SH", "689009", "股票", "九号公司"},
        {"SH", "900901", "股票", "云赛B股"},
        {"SZ", "000001", "股票", "平安银行"},
        {"SZ", "000002", "股票", "万科A"},
        {"SZ", "000858", "股票", "五粮液"},
        {"SZ", "001979", "股票", "招商蛇口"},
        {"SZ", "002594", "股票", "比亚迪"},
        {"SZ", "002415", "股票", "海康威视"},
        {"SZ", "003816", "股票", "中国广核"},
        {"SZ", "300750", "股票", "宁德时代"},
        {"SZ", "300059", "股票", "东方财富"},
        {"SZ", "301269", "股票", "华大九天"},
        {"SZ", "200596", "股票", "古井贡B"},
        // Indices have no label of their own
        {"SH", "000001", "其他", "上证指数"},
        {"SH", "000300", "其他", "沪深300"},
        {"SH", "000688", "其他", "科创50"},
        {"SZ", "399001", "其他", "深证成指"},
        {"SZ", "399006", "其他", "创业板指"},
        // Futures
        {"SF", "cu2601", "商品期货", "沪铜2601"},
        {"SHFE", "au2602", "商品期货", "沪金2602"},
        {"DF", "m2605", "商品期货", "豆粕2605"},
        {"DCE", "i2605", "商品期货", "铁矿石2605"},
        {"ZF", "SR605", "商品期货", "白糖605"},
        {"ZF", "SH601", "商品期货", "烧碱601, not market SH"},
        {"CZCE", "MA605", "商品期货", "甲醇605"},
        {"IF", "IF2512", "股指期货", "沪深300指数期货"},
        {"IF", "IH2512", "股指期货", "上证50指数期货"},
        {"IF", "IC2603", "股指期货", "中证500指数期货"},
        {"IF", "IM2512", "股指期货", "中证1000指数期货"},
        {"CFFEX", "IF2603", "股指期货", "沪深300指数期货"},
        {"IF", "T2603", "国债期货", "10年期国债期货"},
        {"IF", "TF2603", "国债期货", "5年期国债期货"},
        {"IF", "TS2603", "国债期货", "2年期国债期货"},
        {"IF", "TL2603", "国债期货", "30年期国债期货"},
        {"INE", "sc2602", "其他", "原油2602"},
        // Repos
        {"SH", "204001", "回购", "GC001"},
        {"SH", "204007", "回购", "GC007"},
        {"SZ", "131810", "回购", "R-001"},
        {"SZ", "131801", "回购", "R-007"},
        // Funds
        {"SH", "511880", "货币基金", "银华日利"},
        {"SH", "511990", "货币基金", "华宝添益"},
        {"SZ", "159001", "货币基金", "货币ETF"},
        {"SZ", "150018", "分级基金", "银华稳进"},
        {"SZ", "150019", "分级基金", "银华锐进"},
        {"SH", "508000", "封闭式基金", "华安张江产业园REIT"},
        {"SH", "508001", "封闭式基金", "浙商沪杭甬REIT"},
        {"SZ", "180101", "封闭式基金", "博时蛇口产园REIT"},
        {"SZ", "180202", "封闭式基金", "华夏越秀高速REIT"},
        {"SH", "500038", "封闭式基金", "基金通乾"},
        {"SH", "501018", "其它基金", "南方原油"},
        {"SZ", "161005", "其它基金", "富国天惠"},
        {"SZ", "163402", "其它基金", "兴全趋势"},
        {"SZ", "161725", "其它基金", "招商中证白酒"},
        {"SH", "510050", "ETF", "50ETF"},
        {"SH", "510300", "ETF", "300ETF"},
        {"SH", "511010", "ETF", "国债ETF"},
        {"SH", "513100", "ETF", "纳指ETF"},
        {"SH", "518880", "ETF", "黄金ETF"},
        {"SH", "588000", "ETF", "科创50ETF"},
        {"SH", "512880", "ETF", "证券ETF"},
        {"SZ", "159915", "ETF", "创业板ETF"},
        {"SZ", "159919", "ETF", "300ETF"},
        // Warrants
        {"SH", "580026", "权证", "江铜CWB1"},
        // Bonds
        {"SH", "010107", "国债", "21国债(7)"},
        {"SH", "010504", "国债", "05国债(4)"},
        {"SH", "130393", "地方债", "15青岛08"},
        {"SZ", "109394", "地方债", "青岛1508"},
        {"SH", "110059", "可转债", "浦发转债"},
        {"SH", "113050", "可转债", "南银转债"},
        {"SH", "111000", "可转债", "起帆转债"},
        {"SH", "118000", "可转债", "嘉元转债"},
        {"SZ", "123107", "可转债", "温氏转债"},
        {"SZ", "127045", "可转债", "牧原转债"},
        {"SZ", "128136", "可转债", "立讯转债"},
        {"SH", "122000", "公司债", "07长电债"},
        {"SH", "115216", "公司债", "23鄂交01"},
        {"SZ", "112005", "公司债", "08万科G1"},
        {"SH", "132018", "可交换公司债券", "G三峡EB1"},
        {"SZ", "120001", "可交换公司债券", "16以岭EB"},
        // Options
        {"ZFO", "SR605C6000", "期权", "白糖期权"},
        {"DFO", "m2605-C-3000", "期权", "豆粕期权"},
        {"SFO", "cu2602C80000", "期权", "铜期权"},
        {"IFO", "IO2512-C-4500", "期权", "沪深300股指期权"},
        {"INE", "sc2602C550", "期权", "原油期权"},
        {"SHO", "10009001", "期权", "上交所ETF期权"},
        {"SZO", "90005001", "期权", "深交所ETF期权"},
    };
    static_assert(sizeof rows / sizeof rows[0] >= 80, "at least 80 real instruments");
    std::set<QString> labels;
    for (const Row& r : rows) {
        EXPECT_EQ(label(r.market, r.code), QString::fromUtf8(r.label))
            << r.market << ' ' << r.code << ' ' << r.name;
        labels.insert(QString::fromUtf8(r.label));
    }
    EXPECT_EQ(labels.size(), 18u);

    // Codes of the bond segments whose kinds no instrument above shows, one for each.
    const Row segments[] = {
        {"SH", "152100", "企业债", "SSE 152xxx enterprise bonds"},
        {"SH", "125100", "私募债", "SSE 125xxx SME private placement bonds"},
        {"SZ", "114100", "私募债", "SZSE 114xxx non-public corporate bonds"},
        {"SZ", "118901", "证券公司次级债", "SZSE 1189xx subordinated bonds"},
        {"SH", "121100", "资产支持证券", "SSE 121xxx ABS"},
        {"SZ", "116100", "资产支持证券", "SZSE 116xxx ABS"},
        {"SH", "135001", "证券公司短期债券挂牌转让", "SSE 1350xx short-term bonds"},
        {"SH", "018001", "其他债", "SSE 018xxx policy bank bonds"},
        {"SH", "360001", "其他", "SSE 360xxx preferred shares"},
    };
    for (const Row& r : segments)
        EXPECT_EQ(label(r.market, r.code), QString::fromUtf8(r.label)) << r.market << ' ' << r.code;
}

TEST(StockType, KeepsTheSameCodeApartOnTheTwoExchanges)
{
    centre()->loadDefaults();
    // 000xxx: SZ shares, SH indices; 112xxx: SZ corporate bonds, SH ABS; 159xxx: SZ ETFs, SH ABS.
    EXPECT_EQ(label("SZ", "000300"), QStringLiteral("股票"));
    EXPECT_EQ(label("SH", "000300"), QStringLiteral("其他"));
    EXPECT_EQ(label("SZ", "112100"), QStringLiteral("公司债"));
    EXPECT_EQ(label("SH", "112100"), QStringLiteral("资产支持证券"));
    EXPECT_EQ(label("SZ", "159500"), QStringLiteral("ETF"));
    EXPECT_EQ(label("SH", "159500"), QStringLiteral("资产支持证券"));
    // SZ main-board convertibles and exchangeables are not taken for SH enterprise bonds.
    EXPECT_EQ(label("SZ", "127001"), QStringLiteral("可转债"));
    EXPECT_EQ(label("SH", "127001"), QStringLiteral("其他债"));
    EXPECT_EQ(label("SH", "111001"), QStringLiteral("可转债"));
    EXPECT_EQ(label("SZ", "111001"), QStringLiteral("其他债"));
    // Codes of the wrong length or market are nothing.
    EXPECT_EQ(label("SH", "60000"), QStringLiteral("其他"));
    EXPECT_EQ(label("SH", "6000000"), QStringLiteral("其他"));
    EXPECT_EQ(label("HK", "600000"), QStringLiteral("其他"));
    EXPECT_EQ(label("SH", "IF2512"), QStringLiteral("其他"));
}
