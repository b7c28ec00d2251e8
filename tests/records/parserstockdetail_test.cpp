#include <tc/host/stockkey.h>
#include <tc/records/parserstockdetail.h>
#include <tc/records/stockinfo.h>

#include "common/printers.h"

#include <boost/make_shared.hpp>
#include <gtest/gtest.h>

using namespace TC;

namespace {
QString hostKey(const char* market, const char* code)
{
    return QString::fromStdString(utils::vkStockKey(market, code));
}
} // namespace

TEST(StockParserKey, UnderscoreFormsBecomeHostKeysAndOtherTextsPassThrough)
{
    for (const QString& text : {QString(), QStringLiteral(""), QStringLiteral("2:SH:600000"),
                                QStringLiteral(" SH.600000 ")}) {
        EXPECT_EQ(getStockParserKey(text), text);
        EXPECT_EQ(getStockParserKey(text).isNull(), text.isNull());
    }
    const QString sh = CStockInfo(QStringLiteral("SH"), QStringLiteral("600000"), {}).key();
    EXPECT_EQ(getStockParserKey(QStringLiteral("SH_600000")), sh);
    EXPECT_EQ(getStockParserKey(QStringLiteral("SH_600000_X")), sh);
    EXPECT_EQ(getStockParserKey(QStringLiteral("_600000")), hostKey("", "600000"));
    EXPECT_EQ(getStockParserKey(QStringLiteral("SH_")), hostKey("SH", ""));
    EXPECT_EQ(getStockParserKey(QStringLiteral(" sh_60 ")), hostKey(" sh", "60 "));
    EXPECT_EQ(getStockParserKey(QStringLiteral("板块_指数")), hostKey("板块", "指数"));
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
    EXPECT_EQ(ParserStockDetail(src).detail, src.detail);
    EXPECT_EQ(client.use_count(), 2);

    ParserStockDetail moved(std::move(src));
    ParserStockDetail target;
    target.detail = std::make_shared<ttservice::CInstrumentDetail>();
    const std::weak_ptr<ttservice::CInstrumentDetail> old = target.detail;
    target = std::move(moved);
    EXPECT_TRUE(old.expired()); // the replaced host record went with its last owner
    // NOLINTBEGIN(bugprone-use-after-move)
    for (const ParserStockDetail* from : {&src, &moved})
        EXPECT_TRUE(!from->detail && !from->extraRef && from->extraNumber == -3);
    // NOLINTEND(bugprone-use-after-move)
    EXPECT_EQ(*boost::static_pointer_cast<int>(target.extraRef), 42);
    EXPECT_EQ(target.detail->code, "000001");
}
