#include <tc/host/stockkey.h>
#include <tc/records/stockinfo.h>

#include "common/printers.h"

#include <gtest/gtest.h>

#include <limits>

using namespace TC;

TEST(StockInfo, TextsKeysAndClear)
{
    CStockInfo s;
    EXPECT_TRUE(s.market.isNull() && s.code.isNull() && s.name.isNull());
    EXPECT_EQ(s.key2(), QStringLiteral("."));

    s = CStockInfo(std::string("SHFE"), std::string("cu2405"), std::string("沪铜"));
    EXPECT_EQ(s.name, QStringLiteral("沪铜"));
    EXPECT_EQ(s.key2(), QStringLiteral("SHFE.cu2405"));
    EXPECT_EQ(s.key(), QString::fromStdString(utils::vkStockKey("SHFE", "cu2405")));
    const CStockInfo u(QStringLiteral("中"), QStringLiteral("码"), {});
    EXPECT_EQ(u.key().toStdString(), utils::vkStockKey("中", "码"));
    s.clear();
    EXPECT_TRUE(s.market.isNull() && s.code.isNull() && s.name.isNull());
}

TEST(StockDetail, DefaultsMarkMissingPrices)
{
    constexpr double kMissing = std::numeric_limits<double>::max();
    const CStockDetail d;
    EXPECT_TRUE(d.lastClose == kMissing && d.auxPrice == kMissing && d.priceTick == kMissing);
    EXPECT_EQ(d.auxNumber, 2147483647);

    const CIndexDetail i(QStringLiteral("BKZS"), QStringLiteral("880001"), QStringLiteral("板块"));
    EXPECT_EQ(i.lastClose, kMissing);
    EXPECT_EQ(i.baseTime, 1262338200000LL);
    EXPECT_EQ(i.baseValue, 100.0);
    EXPECT_EQ(i.setting2, 60);
    EXPECT_FALSE(i.extraFlag);

    ASSERT_TRUE(CStockDetail::g_cstockdetail);
    EXPECT_TRUE(CStockDetail::g_cstockdetail->market.isNull());
    EXPECT_EQ(CStockDetail::g_cstockdetail->lastClose, kMissing);
}

// A stock record's move copies; an index record's move empties its containers, keeps the rest.
TEST(StockDetail, MovingCopiesButAnIndexMoveEmptiesItsContainers)
{
    CStockDetail src(QStringLiteral("SH"), QStringLiteral("600000"), QStringLiteral("浦发银行"));
    const CStockDetail target(std::move(src));
    // NOLINTBEGIN(bugprone-use-after-move)
    EXPECT_TRUE(src.code == target.code && src.name == QStringLiteral("浦发银行"));

    CIndexDetail index(QStringLiteral("SH"), QStringLiteral("000001"), QStringLiteral("上证指数"));
    index.textList = QStringList{QStringLiteral("a")};
    index.valueVector = {1.0f};
    index.numberList = {3.0};
    index.baseValue = 1000.0;
    CIndexDetail moved(std::move(index));
    CIndexDetail assigned;
    assigned = std::move(moved);
    for (const CIndexDetail* from : {&index, &moved}) {
        EXPECT_TRUE(from->market == QStringLiteral("SH") && from->baseValue == 1000.0);
        EXPECT_TRUE(from->textList.isEmpty() && from->valueVector.isEmpty() &&
                    from->numberList.isEmpty());
    }
    // NOLINTEND(bugprone-use-after-move)
    EXPECT_TRUE(assigned.textList.size() == 1 && assigned.valueVector.size() == 1 &&
                assigned.numberList.size() == 1 && assigned.name == QStringLiteral("上证指数"));
}
