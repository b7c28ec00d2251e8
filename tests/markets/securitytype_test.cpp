#include <tc/markets/securitytype.h>
#include <tc/standin/typetables.h>

#include "common/datatable.h"
#include "common/printers.h"

#include <gtest/gtest.h>

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

// The shipped tables give real instruments the right label, Hong Kong's included.
TEST(StockType, LabelsRealInstruments)
{
    centre()->loadDefaults();
    const auto rows = testdata::load("stocktype-labels.tsv");
    for (const testdata::Row& row : rows)
        EXPECT_EQ(label(row.fields.at(0), row.fields.at(1)), row.text(2))
            << "line " << row.line << ": " << row.fields.at(0) << ' ' << row.fields.at(1);
    EXPECT_GE(rows.size(), 120u);
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
