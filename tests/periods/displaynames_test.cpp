#include <tc/periods/displaynames.h>

#include "common/printers.h"

#include <gtest/gtest.h>

#include <climits>

using namespace TC;

TEST(DisplayNames, NameEveryCodeOfTheirTables)
{
    const char* const adjustments[] = {"不复权", "前复权", "后复权", "等比前复权", "等比后复权"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(getDrName(i), QString::fromUtf8(adjustments[i]));
    EXPECT_EQ(getWeightName(0), QStringLiteral("均分"));
    EXPECT_EQ(getWeightName(1), QStringLiteral("自定义"));
    const char* const codes[9] = {"N", "G", "0", "1", "2", "3", "5", "6", "7"};
    const char* const names[9] = {"跳过", "时间",   "开盘",   "最高",  "最低",
                                  "收盘", "成交量", "成交额", "持仓量"};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(getFieldCode(i), QString::fromUtf8(codes[i])) << i;
        EXPECT_EQ(getFieldName(i), QString::fromUtf8(names[i])) << i;
    }
}

TEST(DisplayNames, AreEmptyOutsideTheirTables)
{
    for (const int code : {-1, INT_MIN, INT_MAX}) {
        EXPECT_TRUE(getDrName(code).isEmpty()) << code;
        EXPECT_TRUE(getWeightName(code).isEmpty()) << code;
        EXPECT_TRUE(getFieldCode(code).isEmpty()) << code;
        EXPECT_TRUE(getFieldName(code).isEmpty()) << code;
    }
    EXPECT_TRUE(getDrName(5).isEmpty());
    EXPECT_TRUE(getWeightName(2).isEmpty());
    EXPECT_TRUE(getFieldCode(9).isEmpty() && getFieldName(9).isEmpty());
}
