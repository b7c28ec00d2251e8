#include <tc/records/funddata.h>
#include <tc/records/funddata_p.h>

#include "common/printers.h"

#include <gtest/gtest.h>

#include <climits>

using namespace TC;

namespace {
// Drawn while the test program starts, before any test: the first record after loading.
const QString firstSerialAfterLoad = FundDataDetail().serialId;
} // namespace

TEST(FundDataDetail, SerialsCountFromZeroAndCopiesAndMovesTakeTheirs)
{
    EXPECT_EQ(firstSerialAfterLoad, QStringLiteral("0"));
    fundSerialCounter() = 0;
    FundDataDetail a, b, c;
    EXPECT_EQ(a.serialId + b.serialId + c.serialId, QStringLiteral("012"));
    EXPECT_EQ(a.factor, 1.0);
    b.detail = std::make_shared<ttservice::CInstrumentDetail>();
    b.option6 = 6;
    FundDataDetail copy(b);
    FundDataDetail moved(std::move(copy));
    FundDataDetail target;
    target = std::move(moved);
    // NOLINTBEGIN(bugprone-use-after-move)
    for (const FundDataDetail* from : {&copy, &moved})
        EXPECT_TRUE(!from->detail && from->option6 == 6);
    // NOLINTEND(bugprone-use-after-move)
    EXPECT_TRUE(target.serialId == QStringLiteral("1") && target.detail == b.detail);
    EXPECT_EQ(FundDataDetail().serialId, QStringLiteral("4")); // copies and moves drew nothing

    fundSerialCounter() = INT_MAX;
    EXPECT_EQ(FundDataDetail().serialId, QStringLiteral("2147483647"));
    EXPECT_EQ(FundDataDetail().serialId, QStringLiteral("-2147483648"));
}

TEST(InvestPerportyData, DefaultsSizingTextAndMove)
{
    InvestPerportyData d;
    EXPECT_EQ(d.factor, 1.0);
    EXPECT_EQ(COrderParamSetting::toString(d.orderSetting1), "0||0|0|||0");
    EXPECT_EQ(d.getPositionTypeText(), QStringLiteral("按股数"));
    for (int type : {1, -1, INT_MIN}) {
        d.positionType = type;
        EXPECT_EQ(d.getPositionTypeText(), QStringLiteral("按权重"));
    }

    d.itemList = QStringList{QStringLiteral("a")};
    d.textMap.insert(QStringLiteral("k"), QStringLiteral("v"));
    d.orderSetting1.number1 = 5;
    InvestPerportyData moved(std::move(d));
    InvestPerportyData target;
    target = std::move(moved);
    // NOLINTBEGIN(bugprone-use-after-move)
    for (const InvestPerportyData* from : {&d, &moved})
        EXPECT_TRUE(from->itemList.isEmpty() && from->textMap.isEmpty() &&
                    from->orderSetting1.number1 == 5 && from->positionType == INT_MIN);
    // NOLINTEND(bugprone-use-after-move)
    EXPECT_EQ(target.textMap.value(QStringLiteral("k")), QStringLiteral("v"));
}
