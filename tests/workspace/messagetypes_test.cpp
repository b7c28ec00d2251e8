#include <tc/workspace/messagetypes.h>
#include <tc/workspace/messagetypes_p.h>

#include <QDateTime>

#include <gtest/gtest.h>

#include <climits>

using namespace TC;

// The only test that generates identifiers: the counters start at zero in this process.
TEST(IdentifierGenerators, CountCallsIndependently)
{
    EXPECT_EQ(genRequestID(), 0);
    EXPECT_EQ(genRequestID(), 1);
    // Two position ids within one second differ by exactly one, whatever requests come between.
    int positions = 0;
    int requests = 2;
    for (int attempt = 0; attempt < 5; ++attempt) {
        const auto before = static_cast<uint>(QDateTime::currentSecsSinceEpoch());
        const int first = genPositionID();
        genRequestID();
        const int second = genPositionID();
        positions += 2;
        ++requests;
        if (static_cast<uint>(QDateTime::currentSecsSinceEpoch()) != before)
            continue; // a second boundary passed in between
        EXPECT_EQ(first, positionID(before, positions - 2));
        EXPECT_EQ(second, first + 1);
        break;
    }
    EXPECT_EQ(genRequestID(), requests);
}

TEST(IdentifierGenerators, PositionIdsWrapInThirtyTwoBits)
{
    EXPECT_EQ(positionID(1700000000u, 5), 1700000005);
    EXPECT_EQ(positionID(INT_MAX, 1), INT_MIN);
    EXPECT_EQ(positionID(2147483648u, 0), INT_MIN); // 2038-01-19 03:14:08 UTC
    EXPECT_EQ(positionID(UINT_MAX, 1), 0);
    EXPECT_EQ(positionID(UINT_MAX, UINT_MAX), -2);
}
