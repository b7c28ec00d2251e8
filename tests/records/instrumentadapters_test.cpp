#include <tc/host/stockkey.h>
#include <tc/records/instrumentadapters.h>

#include "common/printers.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

using namespace TC;

namespace {

constexpr double kMax = std::numeric_limits<double>::max();

} // namespace

TEST(DetailAdapters, ReadTheRecordOrGiveTheDefaultsOfANullOne)
{
    const std::shared_ptr<ttservice::CInstrumentDetail> none;
    EXPECT_TRUE(getDetailMarket(none).empty() && getDetailCode(none).empty());
    EXPECT_TRUE(getDetailKey(none).empty() && getDetailKey2(none).empty());
    EXPECT_TRUE(getDetailLastClose(none) == kMax && getDetailPriceTick(none) == kMax);
    for (const QString& s : {getDetailQsMarket(none), getDetailQsCode(none), getDetailQsName(none),
                             getDetailQsKey(none)})
        EXPECT_TRUE(s.isEmpty() && !s.isNull());

    auto d = std::make_shared<ttservice::CInstrumentDetail>();
    d->market = "SH";
    d->code = "600000";
    d->lastClose = 7.25;
    d->priceTick = 0.01;
    const CStockInfo info(QStringLiteral("SH"), QStringLiteral("600000"), {});
    EXPECT_EQ(getDetailKey(d), utils::vkStockKey("SH", "600000"));
    EXPECT_EQ(QString::fromStdString(getDetailKey2(d)), info.key2());
    EXPECT_EQ(getDetailQsKey(d), info.key());
    EXPECT_TRUE(getDetailLastClose(d) == 7.25 && getDetailPriceTick(d) == 0.01);
}

TEST(IndexDetail2Detail, CopiesTheIdentityAndPriceFields)
{
    const auto def = indexDetail2Detail(CIndexDetail());
    EXPECT_TRUE(def->market.empty() && def->code.empty() && def->name.empty());
    EXPECT_TRUE(def->lastClose == kMax && def->auxPrice == kMax && def->priceTick == kMax);

    CIndexDetail index(QStringLiteral("BKZS"), QStringLiteral("880001"), QStringLiteral("半导体"));
    index.auxInt = -7;
    index.countA = 3;
    index.countB = (int64_t(1) << 53) + 2;
    index.auxLong = (int64_t(1) << 32) + 1;
    const uint64_t nanBits = 0x7ff4000000000001; // a signalling NaN must survive bit for bit
    std::memcpy(&index.auxValue1, &nanBits, sizeof nanBits);
    const auto d = indexDetail2Detail(index);
    EXPECT_EQ(getDetailQsName(d), QStringLiteral("半导体"));
    EXPECT_EQ(getDetailKey2(d), "BKZS.880001");
    EXPECT_EQ(d->auxInt, -7);
    EXPECT_EQ(d->countA, 3.0);
    EXPECT_EQ(d->countB, static_cast<double>((int64_t(1) << 53) + 2));
    EXPECT_EQ(d->auxLong, 1);
    uint64_t bits;
    std::memcpy(&bits, &d->auxValue1, sizeof bits);
    EXPECT_EQ(bits, nanBits);
    index.auxLong = int64_t(0xffffffff);
    EXPECT_EQ(indexDetail2Detail(index)->auxLong, -1);
    EXPECT_EQ(d->volumeUnit, ttservice::CInstrumentDetail().volumeUnit);
}

TEST(QuoteAccessors, SelectPlainOrAlternativeMembers)
{
    auto all = std::make_shared<quoter::QuoterAllData>();
    *all = {0, 0, 0, 0, 10.5, 0, 1e9, int64_t(1) << 40, 0, 10.6, 2e9, 7};
    auto depth = std::make_shared<quoter::QuoterDepthData>();
    depth->lastPrice = 3.0;
    depth->amount = 4.0;
    depth->volume = 5;
    depth->exLastPrice = 6.0;
    depth->exAmount = 7.0;
    depth->exVolume = -8;
    EXPECT_TRUE(getLastPriceEx(false, all) == 10.5 && getLastPriceEx(true, all) == 10.6);
    EXPECT_TRUE(getAmountEx(false, all) == 1e9 && getAmountEx(true, all) == 2e9);
    EXPECT_TRUE(getVolumeEx(false, all) == int64_t(1) << 40 && getVolumeEx(true, all) == 7);
    EXPECT_TRUE(getLastPriceEx(false, depth) == 3.0 && getLastPriceEx(true, depth) == 6.0);
    EXPECT_TRUE(getAmountEx(false, depth) == 4.0 && getAmountEx(true, depth) == 7.0);
    EXPECT_TRUE(getVolumeEx(false, depth) == 5 && getVolumeEx(true, depth) == -8);
}
