#include <tc/periods/formulaperiod.h>

#include "common/printers.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

using namespace TC;

namespace {

const int kTable[17] = {60,      180,     300,      600,      900, 1800, 3600, 86400, 604800,
                        2592000, 7776000, 15552000, 31536000, 10,  11,   13,   0};

} // namespace

TEST(FormulaPeriod, ConvertsBetweenIndexesAndValues)
{
    for (int i = 0; i < 17; ++i) {
        EXPECT_EQ(getPeriod(i), kTable[i]) << i;
        EXPECT_EQ(getPeriodIndex(getPeriod(i)), i);
        EXPECT_EQ(getPeriodType(kTable[i]), kTable[i]);
    }
    for (const int value : {12, 86401, -5, 1, 86399, INT_MIN, INT_MAX}) {
        EXPECT_EQ(getPeriodIndex(static_cast<EFormulaPeriod>(value)), -1) << value;
        EXPECT_EQ(getPeriodType(value), PeriodDay) << value;
    }
}

TEST(FormulaPeriod, IndexesWrapForEveryInt)
{
    EXPECT_TRUE(getPeriod(17) == Period1Min && getPeriod(-1) == Period1Min);
    EXPECT_TRUE(getPeriod(-2) == PeriodTick && getPeriod(-17) == Period3Min);
    // INT_MIN + 2^64 = 2^64 - 2^31 leaves 9 modulo 17; INT_MAX leaves 8.
    EXPECT_EQ(getPeriod(INT_MIN), PeriodMonth);
    EXPECT_EQ(getPeriod(INT_MAX), PeriodWeek);
    EXPECT_EQ(getCycleName(INT_MIN), QStringLiteral("月线"));

    std::vector<int> indexes{INT_MIN + 1, INT_MAX - 1, -34, -18, 34};
    for (long long n = INT_MIN; n <= INT_MAX; n += 99991)
        indexes.push_back(static_cast<int>(n));
    for (const int n : indexes) {
        // 2^64 leaves 1 modulo 17, so a negative n lands where n + 1 does, brought into 0..16.
        const int at = n >= 0 ? n % 17 : static_cast<int>(((n + 1LL) % 17 + 17) % 17);
        ASSERT_EQ(getPeriod(n), kTable[at]) << n;
        ASSERT_EQ(getCycleName(n), getCycleName(at)) << n;
    }
}

TEST(FormulaPeriod, ExtendedListEndsWithTicksThenTheOpenTail)
{
    for (int i = 0; i <= 7; ++i)
        EXPECT_EQ(getExtendPeriod(i), kTable[i]) << i;
    EXPECT_EQ(getExtendPeriod(8), PeriodTick);
    for (const int i : {9, 17, 1000, INT_MAX})
        EXPECT_EQ(getExtendPeriod(i), 86401) << i;
    EXPECT_TRUE(getExtendPeriod(-1) == Period1Min && getExtendPeriod(-2) == PeriodTick &&
                getExtendPeriod(INT_MIN) == PeriodMonth);
}

TEST(FormulaPeriod, NamesAreTheSourceTextsWithoutATranslator)
{
    const char* const names[17] = {"1分钟",  "3分钟",  "5分钟",    "10分钟",   "15分钟", "30分钟",
                                   "60分钟", "日线",   "周线",     "月线",     "季线",   "半年",
                                   "年线",   "多日线", "多小时线", "多分钟线", "分笔线"};
    for (int i = 0; i < 17; ++i)
        EXPECT_EQ(getCycleName(i), QString::fromUtf8(names[i])) << i;

    std::map<int, std::string> info{{-1, "stale"}, {12, "x"}, {86400, "old"}};
    getAllPeriodInfo(info);
    ASSERT_EQ(info.size(), 17u);
    for (int i = 0; i < 17; ++i)
        EXPECT_EQ(info[kTable[i]], names[i]) << kTable[i];
    EXPECT_EQ(info.begin()->first, 0);
    EXPECT_EQ(info.rbegin()->first, 31536000);
}
