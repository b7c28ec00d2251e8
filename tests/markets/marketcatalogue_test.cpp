#include <tc/markets/marketcatalogue.h>
#include <tc/markets/marketpredicates_p.h>
#include <tc/records/stockinfo.h>

#include "common/datatable.h"
#include "common/printers.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>

using namespace TC;

// tests/data/markets.tsv: every code with its display name, rank and accepting predicates.
TEST(MarketCatalogue, NamesRanksAndPredicatesFollowTheVocabulary)
{
    const std::map<QString, bool (*)(const std::string&)> predicates{
        {"dce", isDceMarket},           {"czce", isCzceMarket}, {"shfe", isShfeMarket},
        {"cffex", isCffexMarket},       {"ine", isIneMarket},   {"futures", isFuturesMarket},
        {"hgt", isHgtMarket},           {"sgt", isSgtMarket},   {"hk", isHkMarket},
        {"option", isStockOptionMarket}};
    QStringList catalogue;
    for (const testdata::Row& row : testdata::load("markets.tsv")) {
        SCOPED_TRACE("markets.tsv line " + std::to_string(row.line));
        const QString code = row.text(0), name = row.text(1), rank = row.text(2);
        if (name != "-") {
            catalogue << code;
            EXPECT_EQ(getNameByMarket(code), name);
            EXPECT_EQ(getMarketByName(name), code);
        } else {
            EXPECT_TRUE(getNameByMarket(code).isEmpty());
        }
        EXPECT_TRUE(getMarketByName(code).isNull()); // codes are not names
        EXPECT_EQ(getMarketOrder(code),
                  rank == "-" ? std::numeric_limits<int>::max() : rank.toInt());
        const QStringList accepted = row.text(3).split(' ');
        for (const auto& [predicate, accepts] : predicates)
            EXPECT_EQ(accepts(row.fields.at(0)), accepted.contains(predicate))
                << predicate.toStdString();
    }
    EXPECT_EQ(getMarketNameMap().keys(), catalogue);
    // The Shenzhen name is written with 劵, and a name needs its abbreviation.
    for (const char* unknown : {"深圳证券交易所(SZSE)", "上海证券交易所"})
        EXPECT_TRUE(getMarketByName(QString::fromUtf8(unknown)).isNull()) << unknown;
}

TEST(MarketRules, PadCodesToSixCharactersAndFindNightTrading)
{
    for (const testdata::Row& row : testdata::load("marketrules.tsv")) {
        if (row.fields.at(0) == "adjust") {
            QString code = row.text(2);
            adjustStockCode(code);
            EXPECT_EQ(code, row.text(3)) << "marketrules.tsv line " << row.line;
        } else {
            const CStockDetail detail(row.text(1), row.text(2), QString());
            EXPECT_EQ(detail.hasNightQuoter(), row.fields.at(3) == "1")
                << "marketrules.tsv line " << row.line;
        }
    }
}
