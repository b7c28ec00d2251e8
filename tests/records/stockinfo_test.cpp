#include <tc/host/stockkey.h>
#include <tc/records/stockinfo.h>

#include "common/printers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

using namespace TC;

namespace {
CStockInfo info(const char* market, const char* code, const char* name = "")
{
    return CStockInfo(QString::fromUtf8(market), QString::fromUtf8(code), QString::fromUtf8(name));
}
} // namespace

TEST(StockInfo, TextsAreNullUntilSetAndClearMakesThemNullAgain)
{
    CStockInfo s;
    EXPECT_TRUE(s.market.isNull() && s.code.isNull() && s.name.isNull());

    CStockInfo u8(std::string("SH"), std::string("600000"), std::string("浦发银行"));
    EXPECT_EQ(u8.name, QStringLiteral("浦发银行"));
    EXPECT_EQ(u8.market, QStringLiteral("SH"));

    CStockInfo e(QStringLiteral(""), QStringLiteral(""), QStringLiteral(""));
    EXPECT_FALSE(e.market.isNull());
    e.clear();
    EXPECT_TRUE(e.market.isNull() && e.code.isNull() && e.name.isNull());
}

TEST(StockInfo, KeysComeFromTheHostAndTheDottedForm)
{
    EXPECT_EQ(CStockInfo().key2(), QStringLiteral("."));
    EXPECT_EQ(info("SH", "600000").key2(), QStringLiteral("SH.600000"));
    EXPECT_EQ(info(" sh", "60 ").key2(), QStringLiteral(" sh.60 "));

    const CStockInfo s = info("SHFE", "cu2405", "沪铜");
    EXPECT_EQ(s.key(), QString::fromStdString(utils::vkStockKey("SHFE", "cu2405")));
    EXPECT_NE(info("SH", "600000").key(), info("SZ", "600000").key());
    EXPECT_EQ(info("中", "码").key().toStdString(), utils::vkStockKey("中", "码"));
}

TEST(StockInfo, LessThanRanksMarketsThenCodesThenNames)
{
    EXPECT_TRUE(stockInfoLessThan(info("SH", "900000"), info("SZ", "000001")));
    EXPECT_TRUE(stockInfoLessThan(info("ZF", "A"), info("HK", "0")));
    EXPECT_TRUE(stockInfoLessThan(info("SH", "1", "b"), info("SH", "2", "a")));
    EXPECT_TRUE(stockInfoLessThan(info("SH", "1", "a"), info("SH", "1", "b")));
    EXPECT_FALSE(stockInfoLessThan(info("SH", "1", "a"), info("SH", "1", "a")));

    // Unranked markets tie whatever their codes and names: neither is less.
    const CStockInfo hk = info("HK", "00001", "a"), lse = info("LSE", "99999", "z");
    EXPECT_FALSE(stockInfoLessThan(hk, lse));
    EXPECT_FALSE(stockInfoLessThan(lse, hk));
    // Market codes are case-sensitive: "sh" is unranked and sorts after "SZ".
    EXPECT_TRUE(stockInfoLessThan(info("SZ", "9"), info("sh", "0")));

    EXPECT_TRUE(stockInfoLessThanIgnoreMarket(info("SZ", "000001"), info("SH", "600000")));
    EXPECT_TRUE(stockInfoLessThanIgnoreMarket(info("SH", "1", "a"), info("AA", "1", "b")));
    EXPECT_FALSE(stockInfoLessThanIgnoreMarket(info("SH", "1", "a"), info("SZ", "1", "a")));
}

TEST(StockInfo, PointerLessThanIgnoresNamesAndTakesNullAsLess)
{
    const CStockDetail a(QStringLiteral("SZ"), QStringLiteral("1"), QStringLiteral("z"));
    const CStockDetail b(QStringLiteral("SZ"), QStringLiteral("1"), QStringLiteral("a"));
    const CStockDetail sh(QStringLiteral("SH"), QStringLiteral("9"), QString());
    EXPECT_TRUE(stockInfoPtrLessThan(nullptr, &a));
    EXPECT_TRUE(stockInfoPtrLessThan(&a, nullptr));
    EXPECT_TRUE(stockInfoPtrLessThan(nullptr, nullptr));
    EXPECT_FALSE(stockInfoPtrLessThan(&a, &b));
    EXPECT_FALSE(stockInfoPtrLessThan(&b, &a));
    EXPECT_TRUE(stockInfoPtrLessThan(&sh, &a));
    EXPECT_FALSE(stockInfoPtrLessThan(&a, &sh));
}

TEST(StockDetail, DefaultsMarkMissingPrices)
{
    constexpr double kMissing = std::numeric_limits<double>::max();
    const CStockDetail d;
    EXPECT_TRUE(d.lastClose == kMissing && d.auxPrice == kMissing && d.priceTick == kMissing);
    EXPECT_EQ(d.auxNumber, 2147483647);
    EXPECT_TRUE(d.auxText.isNull());

    const CIndexDetail i(QStringLiteral("BKZS"), QStringLiteral("880001"), QStringLiteral("板块"));
    EXPECT_EQ(i.lastClose, kMissing);
    EXPECT_EQ(i.baseTime, 1262338200000LL);
    EXPECT_EQ(i.baseValue, 100.0);
    EXPECT_EQ(i.setting2, 60);

    ASSERT_TRUE(CStockDetail::g_cstockdetail);
    EXPECT_TRUE(CStockDetail::g_cstockdetail->market.isNull());
    EXPECT_EQ(CStockDetail::g_cstockdetail->lastClose, kMissing);
}

TEST(StockDetail, EqualityIgnoresMarketCaseButLessThanDoesNot)
{
    CStockDetail lower(QStringLiteral("sh"), QStringLiteral("600000"), QStringLiteral("x"));
    CStockDetail upper(QStringLiteral("SH"), QStringLiteral("600000"), QStringLiteral("y"));
    upper.lastClose = 1.0;
    EXPECT_TRUE(lower == upper);
    EXPECT_TRUE(upper < lower);
    EXPECT_FALSE(lower < upper);

    const CStockDetail other(QStringLiteral("SH"), QStringLiteral("600001"), QString());
    EXPECT_FALSE(upper == other);
    EXPECT_TRUE(upper < other);
    // Codes are compared exactly.
    const CStockDetail cu(QStringLiteral("SF"), QStringLiteral("cu2405"), QString());
    const CStockDetail CU(QStringLiteral("SF"), QStringLiteral("CU2405"), QString());
    EXPECT_FALSE(cu == CU);
    // Different markets order by market text, not by rank.
    EXPECT_TRUE(CStockDetail(QStringLiteral("HK"), QStringLiteral("9"), {}) < upper);
}

// A stock record's move copies; an index record's move empties its containers, keeps the rest.
TEST(StockDetail, MovingCopiesButAnIndexMoveEmptiesItsContainers)
{
    CStockDetail src(QStringLiteral("SH"), QStringLiteral("600000"), QStringLiteral("浦发银行"));
    src.auxText = QStringLiteral("note");
    src.lastClose = 9.5;
    CStockDetail target;
    target = CStockDetail(std::move(src));
    // NOLINTBEGIN(bugprone-use-after-move)
    EXPECT_TRUE(src.code == QStringLiteral("600000") && src.auxText == QStringLiteral("note"));
    EXPECT_TRUE(target.name == QStringLiteral("浦发银行") && target.lastClose == 9.5);

    CIndexDetail index(QStringLiteral("SH"), QStringLiteral("000001"), QStringLiteral("上证指数"));
    index.textList = QStringList{QStringLiteral("a"), QStringLiteral("b")};
    index.valueVector = {1.0f, 2.0f};
    index.numberList = {3.0};
    index.extraText1 = QStringLiteral("t1");
    index.baseValue = 1000.0;
    EXPECT_EQ(CIndexDetail(index).textList, index.textList);
    CIndexDetail moved(std::move(index));
    CIndexDetail assigned;
    assigned.textList = QStringList{QStringLiteral("old")};
    assigned = std::move(moved);
    for (const CIndexDetail* from : {&index, &moved}) {
        EXPECT_TRUE(from->market == QStringLiteral("SH") &&
                    from->name == QStringLiteral("上证指数"));
        EXPECT_TRUE(from->textList.isEmpty() && from->valueVector.isEmpty() &&
                    from->numberList.isEmpty());
        EXPECT_EQ(from->baseValue, 1000.0);
    }
    // NOLINTEND(bugprone-use-after-move)
    EXPECT_TRUE(assigned.textList.size() == 2 && assigned.valueVector.size() == 2);
    EXPECT_EQ(assigned.extraText1, QStringLiteral("t1"));
}

TEST(StockInfo, SortingManyRecordsIsConsistent)
{
    QVector<CStockDetail> details;
    // One unranked market only: two unranked markets tie, and the order is then not transitive.
    const char* markets[] = {"HK", "ZF", "SH", "DF", "SZ", "IF", "SF"};
    for (int i = 0; i < 200; ++i)
        details.push_back(CStockDetail(QLatin1String(markets[i % 7]),
                                       QString::number((i * 7919) % 1000), QString()));
    std::vector<const CStockDetail*> ptrs;
    for (const auto& d : details)
        ptrs.push_back(&d);
    std::stable_sort(ptrs.begin(), ptrs.end(), stockInfoPtrLessThan);
    for (size_t i = 1; i < ptrs.size(); ++i)
        EXPECT_FALSE(stockInfoPtrLessThan(ptrs[i], ptrs[i - 1]));
    EXPECT_EQ(ptrs.front()->market, QStringLiteral("SH"));
}
