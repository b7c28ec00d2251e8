#include <tc/records/funddata.h>
#include <tc/records/instrumentadapters.h>
#include <tc/records/stockinfo.h>

#include "common/datatable.h"

#include <gtest/gtest.h>

using namespace TC;

namespace {

std::shared_ptr<ttservice::CInstrumentDetail> host(const std::string& market,
                                                   const std::string& code)
{
    auto d = std::make_shared<ttservice::CInstrumentDetail>();
    d->market = market;
    d->code = code;
    return d;
}

// Whether a is less than b under the ordering named in column 0; a from columns 1-3, b from 4-6.
bool less(const testdata::Row& row, int a, int b)
{
    const std::string& ordering = row.fields.at(0);
    const CStockDetail x(row.text(a), row.text(a + 1), row.text(a + 2));
    const CStockDetail y(row.text(b), row.text(b + 1), row.text(b + 2));
    if (ordering == "info") return stockInfoLessThan(x, y);
    if (ordering == "ignore-market") return stockInfoLessThanIgnoreMarket(x, y);
    if (ordering == "ptr") return stockInfoPtrLessThan(&x, &y);
    if (ordering == "detail") return x < y;
    if (ordering == "instrument")
        return instrumentPtrLessThan(host(row.fields.at(a), row.fields.at(a + 1)),
                                     host(row.fields.at(b), row.fields.at(b + 1)));
    if (ordering != "fund") {
        ADD_FAILURE() << "unknown ordering " << ordering;
        return false;
    }
    FundDataDetail f, g;
    f.detail = host(row.fields.at(a), row.fields.at(a + 1));
    g.detail = host(row.fields.at(b), row.fields.at(b + 1));
    const bool fundLess = FundDataDetailLessThan(f, g);
    EXPECT_EQ(CFundDataDetailCompareTraits().compare(f, g), fundLess                       ? -1
                                                            : FundDataDetailLessThan(g, f) ? 1
                                                                                           : 0);
    return fundLess;
}

} // namespace

TEST(Orderings, RankMarketsAndCompareCodesAsTheTableSays)
{
    for (const testdata::Row& row : testdata::load("orderings.tsv")) {
        EXPECT_EQ(less(row, 1, 4), row.fields.at(7) == "1") << "orderings.tsv line " << row.line;
        EXPECT_EQ(less(row, 4, 1), row.fields.at(8) == "1") << "orderings.tsv line " << row.line;
    }
}

TEST(Orderings, TakeANullPointerAsLessAndCaseBlindMarketsAsEqual)
{
    const CStockDetail a(QStringLiteral("sh"), QStringLiteral("1"), QStringLiteral("z"));
    EXPECT_TRUE(stockInfoPtrLessThan(nullptr, &a) && stockInfoPtrLessThan(&a, nullptr) &&
                stockInfoPtrLessThan(nullptr, nullptr));
    EXPECT_TRUE(instrumentPtrLessThan(nullptr, host("SH", "1")) &&
                instrumentPtrLessThan(host("SH", "1"), nullptr));
    // Equality is case-blind on the market only, and compares nothing else.
    EXPECT_TRUE(a == CStockDetail(QStringLiteral("SH"), QStringLiteral("1"), QString()));
    EXPECT_FALSE(a == CStockDetail(QStringLiteral("SH"), QStringLiteral("01"), QString()));
    EXPECT_FALSE(CStockDetail(QStringLiteral("SF"), QStringLiteral("cu2405"), {}) ==
                 CStockDetail(QStringLiteral("SF"), QStringLiteral("CU2405"), {}));
    // A fund record without an instrument reads as the empty code.
    FundDataDetail none, empty;
    empty.detail = host("SH", "");
    EXPECT_EQ(CFundDataDetailCompareTraits().compare(none, empty), 0);
}
