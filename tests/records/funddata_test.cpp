#include <tc/records/funddata.h>
#include <tc/records/funddata_p.h>

#include "common/printers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

using namespace TC;

namespace {
// Drawn while the test program starts, before any test runs: the first record after loading.
const QString firstSerialAfterLoad = FundDataDetail().serialId;

FundDataDetail fund(const char* market, const char* code)
{
    FundDataDetail f;
    f.detail = std::make_shared<ttservice::CInstrumentDetail>();
    f.detail->market = market;
    f.detail->code = code;
    return f;
}
} // namespace

TEST(FundDataDetail, SerialIdsCountFromZeroAndCopiesShareThem)
{
    EXPECT_EQ(firstSerialAfterLoad, QStringLiteral("0"));

    fundSerialCounter() = 0;
    const FundDataDetail a, b, c;
    EXPECT_EQ(a.serialId, QStringLiteral("0"));
    EXPECT_EQ(b.serialId, QStringLiteral("1"));
    EXPECT_EQ(c.serialId, QStringLiteral("2"));

    FundDataDetail copy(b);
    EXPECT_EQ(copy.serialId, QStringLiteral("1"));
    FundDataDetail moved(std::move(copy));
    copy = c;
    EXPECT_EQ(copy.serialId, QStringLiteral("2"));
    EXPECT_EQ(moved.serialId, QStringLiteral("1"));
    EXPECT_EQ(fundSerialCounter(), 3); // copies and moves draw nothing
    EXPECT_EQ(FundDataDetail().serialId, QStringLiteral("3"));
}

TEST(FundDataDetail, SerialCounterWrapsPastTheLargestInt)
{
    fundSerialCounter() = INT_MAX - 1;
    EXPECT_EQ(FundDataDetail().serialId, QStringLiteral("2147483646"));
    EXPECT_EQ(FundDataDetail().serialId, QStringLiteral("2147483647"));
    EXPECT_EQ(FundDataDetail().serialId, QStringLiteral("-2147483648"));
    EXPECT_EQ(FundDataDetail().serialId, QStringLiteral("-2147483647"));
    fundSerialCounter() = -1;
    EXPECT_EQ(FundDataDetail().serialId, QStringLiteral("-1"));
    EXPECT_EQ(FundDataDetail().serialId, QStringLiteral("0"));
}

TEST(FundDataDetail, DefaultsAndMove)
{
    FundDataDetail f = fund("SH", "600000");
    EXPECT_EQ(f.value1, 0.0);
    EXPECT_EQ(f.option1, 0);
    EXPECT_EQ(f.option4, 0);
    EXPECT_EQ(f.factor, 1.0);
    EXPECT_EQ(f.value3, 0.0);

    f.option6 = 6;
    f.value2 = 2.5;
    const QString serial = f.serialId;
    FundDataDetail moved(std::move(f));
    // NOLINTBEGIN(bugprone-use-after-move)
    EXPECT_FALSE(f.detail);
    EXPECT_TRUE(f.serialId.isNull());
    EXPECT_EQ(f.option6, 6);
    EXPECT_EQ(f.value2, 2.5);
    EXPECT_EQ(moved.serialId, serial);
    EXPECT_EQ(moved.detail->code, "600000");

    FundDataDetail target;
    target = std::move(moved);
    EXPECT_FALSE(moved.detail);
    EXPECT_TRUE(moved.serialId.isNull());
    EXPECT_EQ(moved.option6, 6);
    EXPECT_EQ(target.serialId, serial);
    // NOLINTEND(bugprone-use-after-move)
}

TEST(FundDataDetail, OrderingsCompareCodesByteByByte)
{
    FundDataDetail sh = fund("SH", "600000"), sz = fund("SZ", "600000"),
                   shorter = fund("HK", "60000");
    CFundDataDetailCompareTraits traits;
    EXPECT_EQ(traits.compare(sh, sz), 0);
    EXPECT_FALSE(FundDataDetailLessThan(sh, sz));
    EXPECT_FALSE(FundDataDetailLessThan(sz, sh));

    EXPECT_TRUE(FundDataDetailLessThan(shorter, sh));
    EXPECT_FALSE(FundDataDetailLessThan(sh, shorter));
    EXPECT_EQ(traits.compare(shorter, sh), -1);
    EXPECT_EQ(traits.compare(sh, shorter), 1);

    // Bytes compare as unsigned: UTF-8 Chinese sorts after ASCII.
    FundDataDetail chinese = fund("SH", "中"), latin = fund("SH", "z");
    EXPECT_TRUE(FundDataDetailLessThan(latin, chinese));
    EXPECT_EQ(traits.compare(chinese, latin), 1);

    // A record without an instrument reads as an empty code.
    FundDataDetail none;
    EXPECT_TRUE(FundDataDetailLessThan(none, shorter));
    EXPECT_FALSE(FundDataDetailLessThan(none, none));
    EXPECT_EQ(traits.compare(none, shorter), -1);
    EXPECT_EQ(traits.compare(none, fund("SH", "")), 0);

    std::vector<FundDataDetail> list{sh, chinese, shorter, latin, none};
    std::sort(list.begin(), list.end(), FundDataDetailLessThan);
    for (size_t i = 1; i < list.size(); ++i)
        EXPECT_LE(traits.compare(list[i - 1], list[i]), 0);
    EXPECT_FALSE(list.front().detail);
    EXPECT_EQ(list.back().detail->code, "中");

    CFundDataDetailCompareTraits other;
    EXPECT_EQ(&(other = traits), &other);
    EXPECT_EQ(&(other = CFundDataDetailCompareTraits()), &other);
}

TEST(InvestPerportyData, DefaultsSizingTextAndMove)
{
    InvestPerportyData d;
    EXPECT_EQ(d.factor, 1.0);
    EXPECT_FALSE(d.switch1 || d.switch2 || d.switch3);
    EXPECT_TRUE(d.itemList.isEmpty() && d.itemText.isEmpty() && d.tailText.isEmpty());
    EXPECT_TRUE(d.stdText1.empty() && d.stdText2.empty() && d.textMap.isEmpty());
    EXPECT_EQ(d.positionType, 0);
    EXPECT_EQ(d.option1, 0);
    EXPECT_EQ(d.option2, 0);
    EXPECT_EQ(d.value1, 0.0);
    EXPECT_EQ(COrderParamSetting::toString(d.orderSetting1), "0||0|0|||0");
    EXPECT_EQ(COrderParamSetting::toString(d.orderSetting2), "0||0|0|||0");

    EXPECT_EQ(d.getPositionTypeText(), QStringLiteral("按股数"));
    for (int type : {1, -1, INT_MIN, INT_MAX}) {
        d.positionType = type;
        EXPECT_EQ(d.getPositionTypeText(), QStringLiteral("按权重"));
    }

    d.itemList = QStringList{QStringLiteral("a")};
    d.itemText = QStringLiteral("t");
    d.textMap.insert(QStringLiteral("k"), QStringLiteral("v"));
    d.orderSetting1.text1 = "限价";
    d.orderSetting1.number1 = 5;
    d.stdText1 = "s";
    d.switch2 = true;
    d.factor = 0.25;

    const InvestPerportyData copy(d);
    EXPECT_EQ(copy.textMap.value(QStringLiteral("k")), QStringLiteral("v"));
    EXPECT_EQ(copy.orderSetting1.text1, "限价");

    InvestPerportyData moved(std::move(d));
    // NOLINTBEGIN(bugprone-use-after-move)
    EXPECT_TRUE(d.itemList.isEmpty() && d.textMap.isEmpty());
    EXPECT_TRUE(d.itemText.isEmpty() && d.stdText1.empty() && d.orderSetting1.text1.empty());
    EXPECT_EQ(d.orderSetting1.number1, 5);
    EXPECT_TRUE(d.switch2);
    EXPECT_EQ(d.factor, 0.25);
    EXPECT_EQ(d.positionType, INT_MAX);
    EXPECT_EQ(moved.itemList, QStringList{QStringLiteral("a")});

    InvestPerportyData target;
    target.textMap.insert(QStringLiteral("old"), QStringLiteral("x"));
    target = std::move(moved);
    EXPECT_TRUE(moved.itemList.isEmpty() && moved.textMap.isEmpty());
    EXPECT_EQ(target.textMap.size(), 1);
    EXPECT_EQ(target.orderSetting1.text1, "限价");
    EXPECT_EQ(target.getPositionTypeText(), QStringLiteral("按权重"));
    // NOLINTEND(bugprone-use-after-move)
}
