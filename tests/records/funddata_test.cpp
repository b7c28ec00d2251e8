#include <tc/records/funddata.h>
#include <tc/records/funddata_p.h>

#include "common/printers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

using namespace TC;

namespace {
// Drawn while the test program starts, before any test: the first record after loading.
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

TEST(FundDataDetail, SerialIdsCountFromZeroWrapPastIntMaxAndCopiesShareThem)
{
    EXPECT_EQ(firstSerialAfterLoad, QStringLiteral("0"));
    fundSerialCounter() = 0;
    const FundDataDetail a, b, c;
    EXPECT_EQ(a.serialId + b.serialId + c.serialId, QStringLiteral("012"));
    FundDataDetail copy(b);
    FundDataDetail moved(std::move(copy));
    copy = c;
    EXPECT_EQ(moved.serialId + copy.serialId, QStringLiteral("12"));
    EXPECT_EQ(FundDataDetail().serialId, QStringLiteral("3")); // copies and moves drew nothing

    fundSerialCounter() = INT_MAX;
    EXPECT_EQ(FundDataDetail().serialId, QStringLiteral("2147483647"));
    EXPECT_EQ(FundDataDetail().serialId, QStringLiteral("-2147483648"));
    EXPECT_EQ(FundDataDetail().serialId, QStringLiteral("-2147483647"));
}

TEST(FundDataDetail, MoveTakesTheRecordAndSerialAndKeepsTheNumbers)
{
    FundDataDetail f = fund("SH", "600000");
    EXPECT_EQ(f.factor, 1.0);
    f.option6 = 6;
    const QString serial = f.serialId;
    FundDataDetail moved(std::move(f));
    FundDataDetail target;
    target = std::move(moved);
    // NOLINTBEGIN(bugprone-use-after-move)
    for (const FundDataDetail* from : {&f, &moved})
        EXPECT_TRUE(!from->detail && from->option6 == 6);
    // NOLINTEND(bugprone-use-after-move)
    EXPECT_EQ(target.serialId, serial);
    EXPECT_EQ(target.detail->code, "600000");
}

TEST(FundDataDetail, OrderingsCompareCodesByteByByte)
{
    FundDataDetail sh = fund("SH", "600000"), sz = fund("SZ", "600000"),
                   prefix = fund("HK", "60000"), chinese = fund("SH", "中"),
                   latin = fund("SH", "z"), none;
    const CFundDataDetailCompareTraits traits;
    EXPECT_EQ(traits.compare(sh, sz), 0);
    EXPECT_FALSE(FundDataDetailLessThan(sh, sz) || FundDataDetailLessThan(sz, sh));
    EXPECT_TRUE(FundDataDetailLessThan(prefix, sh));
    EXPECT_FALSE(FundDataDetailLessThan(sh, prefix));
    EXPECT_EQ(traits.compare(prefix, sh), -1);
    EXPECT_EQ(traits.compare(sh, prefix), 1);
    // Bytes compare unsigned, so UTF-8 Chinese sorts after ASCII; no instrument reads as "".
    EXPECT_EQ(traits.compare(chinese, latin), 1);
    EXPECT_EQ(traits.compare(none, fund("SH", "")), 0);

    std::vector<FundDataDetail> list{sh, chinese, prefix, latin, none};
    std::sort(list.begin(), list.end(), FundDataDetailLessThan);
    for (size_t i = 1; i < list.size(); ++i)
        EXPECT_EQ(traits.compare(list[i - 1], list[i]), -1);
    EXPECT_FALSE(list.front().detail);
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
    d.orderSetting1.text1 = "限价";
    d.orderSetting1.number1 = 5;
    d.stdText1 = "s";
    d.switch2 = true;
    InvestPerportyData moved(std::move(d));
    InvestPerportyData target;
    target.textMap.insert(QStringLiteral("old"), QStringLiteral("x"));
    target = std::move(moved);
    // NOLINTBEGIN(bugprone-use-after-move)
    for (const InvestPerportyData* from : {&d, &moved}) {
        EXPECT_TRUE(from->itemList.isEmpty() && from->textMap.isEmpty() && from->stdText1.empty() &&
                    from->orderSetting1.text1.empty());
        EXPECT_TRUE(from->orderSetting1.number1 == 5 && from->switch2 &&
                    from->positionType == INT_MIN);
    }
    // NOLINTEND(bugprone-use-after-move)
    EXPECT_EQ(target.textMap, (QMap<QString, QString>{{QStringLiteral("k"), QStringLiteral("v")}}));
    EXPECT_EQ(target.orderSetting1.text1, "限价");
}
