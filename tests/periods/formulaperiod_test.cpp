#include <tc/periods/formulaperiod.h>

#include <gtest/gtest.h>

#include <climits>

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
    // Indexes wrap as unsigned 64-bit numbers modulo 17; 2^64 leaves 1.
    EXPECT_TRUE(getPeriod(17) == Period1Min && getPeriod(-1) == Period1Min);
    EXPECT_TRUE(getPeriod(-2) == PeriodTick && getPeriod(-17) == Period3Min);
    EXPECT_TRUE(getPeriod(INT_MIN) == PeriodMonth && getPeriod(INT_MAX) == PeriodWeek);
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
