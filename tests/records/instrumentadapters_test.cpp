#include <tc/host/stockkey.h>
#include <tc/records/instrumentadapters.h>

#include "common/printers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

using namespace TC;

namespace {

std::shared_ptr<ttservice::CInstrumentDetail> detail(const char* market, const char* code,
                                                     const char* name = "")
{
    auto d = std::make_shared<ttservice::CInstrumentDetail>();
    d->market = market;
    d->code = code;
    d->name = name;
    return d;
}

constexpr double kMax = std::numeric_limits<double>::max();

} // namespace

TEST(DetailAdapters, NullDetailGivesTheDefinedDefaults)
{
    const std::shared_ptr<ttservice::CInstrumentDetail> none;
    EXPECT_EQ(getDetailMarket(none), "");
    EXPECT_EQ(getDetailCode(none), "");
    EXPECT_EQ(getDetailKey(none), "");
    EXPECT_EQ(getDetailKey2(none), "");
    EXPECT_EQ(getDetailLastClose(none), kMax);
    EXPECT_EQ(getDetailPriceTick(none), kMax);
    for (const QString& s : {getDetailQsMarket(none), getDetailQsCode(none), getDetailQsName(none),
                             getDetailQsKey(none)}) {
        EXPECT_TRUE(s.isEmpty());
        EXPECT_FALSE(s.isNull());
    }
}

TEST(DetailAdapters, ReadTheRecordsTextsAndPrices)
{
    auto d = detail("SH", "600000", "浦发银行");
    d->lastClose = 7.25;
    d->priceTick = 0.01;
    EXPECT_EQ(getDetailMarket(d), "SH");
    EXPECT_EQ(getDetailCode(d), "600000");
    EXPECT_EQ(getDetailKey(d), utils::vkStockKey("SH", "600000"));
    EXPECT_EQ(getDetailKey2(d), "SH.600000");
    EXPECT_EQ(QString::fromStdString(getDetailKey2(d)),
              CStockInfo(QStringLiteral("SH"), QStringLiteral("600000"), {}).key2());
    EXPECT_EQ(getDetailQsName(d), QStringLiteral("浦发银行"));
    EXPECT_EQ(getDetailQsKey(d),
              CStockInfo(QStringLiteral("SH"), QStringLiteral("600000"), {}).key());
    EXPECT_EQ(getDetailLastClose(d), 7.25);
    EXPECT_EQ(getDetailPriceTick(d), 0.01);
    EXPECT_EQ(getDetailKey2(detail("", "")), ".");
}

TEST(IndexDetail2Detail, CopiesTheIdentityAndPriceFields)
{
    const auto def = indexDetail2Detail(CIndexDetail());
    ASSERT_TRUE(def);
    EXPECT_TRUE(def->market.empty() && def->code.empty() && def->name.empty());
    EXPECT_EQ(def->lastClose, kMax);
    EXPECT_EQ(def->auxPrice, kMax);
    EXPECT_EQ(def->priceTick, kMax);
    EXPECT_EQ(def.use_count(), 1);

    CIndexDetail index(QStringLiteral("BKZS"), QStringLiteral("880001"),
                       QStringLiteral("半导体板块"));
    index.lastClose = 1234.5;
    index.auxPrice = 2.5;
    index.priceTick = 0.001;
    index.auxInt = -7;
    index.countA = 3;
    index.countB = (int64_t(1) << 53) + 2;
    index.auxLong = (int64_t(1) << 32) + 1;
    const uint64_t nanBits = 0x7ff4000000000001; // a signalling NaN must survive bit for bit
    std::memcpy(&index.auxValue1, &nanBits, sizeof nanBits);
    index.auxValue2 = -0.0;
    const auto d = indexDetail2Detail(index);
    EXPECT_EQ(getDetailQsName(d), QStringLiteral("半导体板块"));
    EXPECT_EQ(d->market, "BKZS");
    EXPECT_EQ(d->code, "880001");
    EXPECT_EQ(d->lastClose, 1234.5);
    EXPECT_EQ(d->auxPrice, 2.5);
    EXPECT_EQ(d->priceTick, 0.001);
    EXPECT_EQ(d->auxInt, -7);
    EXPECT_EQ(d->countA, 3.0);
    EXPECT_EQ(d->countB, static_cast<double>((int64_t(1) << 53) + 2));
    EXPECT_EQ(d->auxLong, 1);
    uint64_t bits1, bits2;
    std::memcpy(&bits1, &d->auxValue1, sizeof bits1);
    std::memcpy(&bits2, &d->auxValue2, sizeof bits2);
    EXPECT_EQ(bits1, nanBits);
    EXPECT_EQ(bits2, uint64_t(1) << 63);
    index.auxLong = int64_t(0xffffffff);
    EXPECT_EQ(indexDetail2Detail(index)->auxLong, -1);
    // Fields the host record does not carry leave its defaults.
    EXPECT_EQ(d->exchangeCode, "");
    EXPECT_EQ(d->volumeUnit, ttservice::CInstrumentDetail().volumeUnit);
}

TEST(InstrumentPtrLessThan, RanksMarketsThenComparesCodeBytes)
{
    EXPECT_TRUE(instrumentPtrLessThan(detail("SH", "000001"), detail("SH", "600000")));
    EXPECT_TRUE(instrumentPtrLessThan(detail("SH", "60000"), detail("SH", "600000")));
    EXPECT_FALSE(instrumentPtrLessThan(detail("SH", "600000"), detail("SH", "600000")));
    // Bytes compare unsigned: UTF-8 after ASCII.
    EXPECT_TRUE(instrumentPtrLessThan(detail("SH", "Z"), detail("SH", "中")));
    EXPECT_FALSE(instrumentPtrLessThan(detail("SZ", "000001"), detail("SH", "600000")));
    EXPECT_TRUE(instrumentPtrLessThan(detail("SH", "999999"), detail("SZ", "000001")));
    EXPECT_TRUE(instrumentPtrLessThan(detail("ZF", "Z"), detail("HK", "0")));
    // Unranked markets tie: neither is less, whatever the codes.
    EXPECT_FALSE(instrumentPtrLessThan(detail("HK", "0"), detail("LSE", "9")));
    EXPECT_FALSE(instrumentPtrLessThan(detail("LSE", "9"), detail("HK", "0")));
    // Markets differ byte for byte even where case-blind equality would not.
    EXPECT_TRUE(instrumentPtrLessThan(detail("SH", "9"), detail("sh", "0")));
    EXPECT_TRUE(instrumentPtrLessThan(nullptr, detail("SH", "1")));
    EXPECT_TRUE(instrumentPtrLessThan(detail("SH", "1"), nullptr));
    EXPECT_TRUE(instrumentPtrLessThan(nullptr, nullptr));

    std::vector<std::shared_ptr<ttservice::CInstrumentDetail>> list{
        detail("ZF", "SR605"), detail("SZ", "000001"), detail("SH", "600000"),
        detail("SH", "000001"), detail("IF", "IF2512")};
    std::stable_sort(list.begin(), list.end(), instrumentPtrLessThan);
    std::vector<std::string> keys;
    for (const auto& d : list)
        keys.push_back(getDetailKey2(d));
    EXPECT_EQ(keys, (std::vector<std::string>{"SH.000001", "SH.600000", "SZ.000001", "IF.IF2512",
                                              "ZF.SR605"}));
}

TEST(QuoteAccessors, SelectPlainOrAlternativeMembers)
{
    auto all = std::make_shared<quoter::QuoterAllData>();
    all->lastPrice = 10.5;
    all->amount = 1e9;
    all->volume = int64_t(1) << 40;
    all->exLastPrice = 10.6;
    all->exAmount = 2e9;
    all->exVolume = 7;
    EXPECT_EQ(getLastPriceEx(false, all), 10.5);
    EXPECT_EQ(getLastPriceEx(true, all), 10.6);
    EXPECT_EQ(getAmountEx(false, all), 1e9);
    EXPECT_EQ(getAmountEx(true, all), 2e9);
    EXPECT_EQ(getVolumeEx(false, all), int64_t(1) << 40);
    EXPECT_EQ(getVolumeEx(true, all), 7);

    auto depth = std::make_shared<quoter::QuoterDepthData>();
    depth->lastPrice = 3.0;
    depth->amount = 4.0;
    depth->volume = 5;
    depth->exLastPrice = 6.0;
    depth->exAmount = 7.0;
    depth->exVolume = -8;
    EXPECT_EQ(getLastPriceEx(false, depth), 3.0);
    EXPECT_EQ(getLastPriceEx(true, depth), 6.0);
    EXPECT_EQ(getAmountEx(false, depth), 4.0);
    EXPECT_EQ(getAmountEx(true, depth), 7.0);
    EXPECT_EQ(getVolumeEx(false, depth), 5);
    EXPECT_EQ(getVolumeEx(true, depth), -8);
}
