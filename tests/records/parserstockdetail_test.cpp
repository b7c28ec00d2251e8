#include <tc/host/stockkey.h>
#include <tc/records/parserstockdetail.h>
#include <tc/records/stockinfo.h>

#include "common/printers.h"

#include <boost/make_shared.hpp>
#include <gtest/gtest.h>

using namespace TC;

// The fuzzer checks any text against the split at '_'; these are the forms clients write.
TEST(StockParserKey, UnderscoreFormsBecomeHostKeysAndOtherTextsPassThrough)
{
    for (const QString& text : {QString(), QStringLiteral(""), QStringLiteral("2:SH:600000")}) {
        EXPECT_EQ(getStockParserKey(text), text);
        EXPECT_EQ(getStockParserKey(text).isNull(), text.isNull());
    }
    const QString sh = CStockInfo(QStringLiteral("SH"), QStringLiteral("600000"), {}).key();
    EXPECT_EQ(getStockParserKey(QStringLiteral("SH_600000")), sh);
    EXPECT_EQ(getStockParserKey(QStringLiteral("SH_600000_X")), sh);
    EXPECT_EQ(getStockParserKey(QStringLiteral("_600000")),
              QString::fromStdString(utils::vkStockKey("", "600000")));
    EXPECT_EQ(getStockParserKey(QStringLiteral("SH_")),
              QString::fromStdString(utils::vkStockKey("SH", "")));
}

TEST(ParserStockDetail, DefaultsKeyCopiesAndMoves)
{
    ParserStockDetail src;
    EXPECT_FALSE(src.detail || src.extraRef);
    EXPECT_EQ(src.factor, 1.0);
    EXPECT_TRUE(src.key().isEmpty() && !src.key().isNull());

    src.detail = std::make_shared<ttservice::CInstrumentDetail>();
    src.detail->market = "SZ";
    src.detail->code = "000001";
    EXPECT_EQ(src.key(), getStockParserKey(QStringLiteral("SZ_000001")));
    auto client = boost::make_shared<int>(42);
    src.extraRef = client;
    src.extraNumber = -3;

    ParserStockDetail moved(std::move(src));
    ParserStockDetail target;
    target = std::move(moved);
    // NOLINTBEGIN(bugprone-use-after-move)
    for (const ParserStockDetail* from : {&src, &moved})
        EXPECT_TRUE(!from->detail && !from->extraRef && from->extraNumber == -3);
    // NOLINTEND(bugprone-use-after-move)
    EXPECT_EQ(*boost::static_pointer_cast<int>(target.extraRef), 42);
    EXPECT_EQ(target.detail->code, "000001");
}
