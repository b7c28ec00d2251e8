#include <tc/periods/displaynames.h>

#include "common/printers.h"

#include <gtest/gtest.h>

#include <climits>

using namespace TC;

TEST(DisplayNames, PriceAdjustmentNamesCoverCodesZeroToFour)
{
    EXPECT_EQ(getDrName(0), QStringLiteral("不复权"));
    EXPECT_EQ(getDrName(1), QStringLiteral("前复权"));
    EXPECT_EQ(getDrName(2), QStringLiteral("后复权"));
    EXPECT_EQ(getDrName(3), QStringLiteral("等比前复权"));
    EXPECT_EQ(getDrName(4), QStringLiteral("等比后复权"));
    for (const int code : {5, -1, INT_MIN, INT_MAX})
        EXPECT_TRUE(getDrName(code).isEmpty()) << code;
}

TEST(DisplayNames, WeightNamesCoverModesZeroAndOne)
{
    EXPECT_EQ(getWeightName(0), QStringLiteral("均分"));
    EXPECT_EQ(getWeightName(1), QStringLiteral("自定义"));
    for (const int mode : {2, -1, INT_MIN, INT_MAX})
        EXPECT_TRUE(getWeightName(mode).isEmpty()) << mode;
}

TEST(DisplayNames, FieldCodesSkipFourAndShareIndexesWithNames)
{
    const char* const codes[9] = {"N", "G", "0", "1", "2", "3", "5", "6", "7"};
    const char* const names[9] = {"跳过", "时间",   "开盘",   "最高",  "最低",
                                  "收盘", "成交量", "成交额", "持仓量"};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(getFieldCode(i), QString::fromUtf8(codes[i])) << i;
        EXPECT_EQ(getFieldName(i), QString::fromUtf8(names[i])) << i;
    }
    for (const int index : {9, -1, INT_MIN, INT_MAX}) {
        EXPECT_TRUE(getFieldCode(index).isEmpty()) << index;
        EXPECT_TRUE(getFieldName(index).isEmpty()) << index;
    }
}
