#include <tc/host/stockkey.h>
#include <tc/records/parserstockdetail.h>
#include <tc/records/stockinfo.h>

#include "common/printers.h"

#include <boost/make_shared.hpp>
#include <gtest/gtest.h>

#include <memory>

using namespace TC;

namespace {
QString hostKey(const char* market, const char* code)
{
    return QString::fromStdString(utils::vkStockKey(market, code));
}

std::shared_ptr<ttservice::CInstrumentDetail> instrument(const char* market, const char* code)
{
    auto d = std::make_shared<ttservice::CInstrumentDetail>();
    d->market = market;
    d->code = code;
    return d;
}
} // namespace

TEST(StockParserKey, UnderscoreFormsBecomeHostKeysAndOtherTextsPassThrough)
{
    for (const QString& text : {QString(), QStringLiteral(""), QStringLiteral("2:SH:600000"),
                                QStringLiteral(" SH.600000 "), QStringLiteral("浦发银行")}) {
        EXPECT_EQ(getStockParserKey(text), text);
        EXPECT_EQ(getStockParserKey(text).isNull(), text.isNull());
    }

    const QString sh = CStockInfo(QStringLiteral("SH"), QStringLiteral("600000"), {}).key();
    EXPECT_EQ(getStockParserKey(QStringLiteral("SH_600000")), sh);
    EXPECT_EQ(getStockParserKey(QStringLiteral("SH_600000_X")), sh);
    EXPECT_EQ(getStockParserKey(QStringLiteral("SH_600000_")), sh);
    EXPECT_EQ(getStockParserKey(QStringLiteral("_600000")), hostKey("", "600000"));
    EXPECT_EQ(getStockParserKey(QStringLiteral("SH_")), hostKey("SH", ""));
    EXPECT_EQ(getStockParserKey(QStringLiteral("_")), hostKey("", ""));
    EXPECT_EQ(getStockParserKey(QStringLiteral("__x")), hostKey("", ""));
    // No trimming, no change of case, Chinese kept.
    EXPECT_EQ(getStockParserKey(QStringLiteral(" sh_60 ")), hostKey(" sh", "60 "));
    EXPECT_EQ(getStockParserKey(QStringLiteral("板块_指数")), hostKey("板块", "指数"));
}

TEST(ParserStockDetail, DefaultsAndKey)
{
    ParserStockDetail p;
    EXPECT_FALSE(p.detail);
    EXPECT_FALSE(p.extraRef);
    EXPECT_EQ(p.factor, 1.0);
    EXPECT_EQ(p.extraValue, 0.0);
    EXPECT_EQ(p.extraNumber, 0);
    EXPECT_TRUE(p.key().isEmpty());
    EXPECT_FALSE(p.key().isNull());

    p.detail = instrument("SZ", "000001");
    EXPECT_EQ(p.key(), CStockInfo(QStringLiteral("SZ"), QStringLiteral("000001"), {}).key());
    EXPECT_EQ(p.key(), getStockParserKey(QStringLiteral("SZ_000001")));
}

TEST(ParserStockDetail, CopiesShareAndMovesHandOverBothPointees)
{
    ParserStockDetail src;
    src.detail = instrument("SH", "600000");
    auto client = boost::make_shared<int>(42);
    src.extraRef = client;
    src.factor = 0.5;
    src.extraValue = 7.0;
    src.extraNumber = -3;

    {
        const ParserStockDetail copy(src);
        EXPECT_EQ(copy.detail, src.detail);
        EXPECT_EQ(src.detail.use_count(), 2);
        EXPECT_EQ(client.use_count(), 3);
        EXPECT_EQ(copy.extraNumber, -3);
    }
    EXPECT_EQ(client.use_count(), 2);

    ParserStockDetail moved(std::move(src));
    // NOLINTBEGIN(bugprone-use-after-move)
    EXPECT_FALSE(src.detail);
    EXPECT_FALSE(src.extraRef);
    EXPECT_EQ(src.factor, 0.5);
    EXPECT_EQ(src.extraValue, 7.0);
    EXPECT_EQ(src.extraNumber, -3);
    EXPECT_EQ(*boost::static_pointer_cast<int>(moved.extraRef), 42);

    ParserStockDetail target;
    target.detail = instrument("SZ", "1");
    std::weak_ptr<ttservice::CInstrumentDetail> old = target.detail;
    target = std::move(moved);
    EXPECT_TRUE(old.expired()); // the host record went with its last owner
    EXPECT_FALSE(moved.detail);
    EXPECT_FALSE(moved.extraRef);
    EXPECT_EQ(moved.extraNumber, -3);
    EXPECT_EQ(target.detail->code, "600000");
    // NOLINTEND(bugprone-use-after-move)
    target = ParserStockDetail();
    EXPECT_EQ(client.use_count(), 1);
}
