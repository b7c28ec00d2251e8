#include <tc/markets/securitytype.h>
#include <tc/standin/typetables.h>

#include "common/datatable.h"
#include "common/printers.h"

#include <gtest/gtest.h>

using namespace TC;

namespace {

QString label(std::string market, std::string code)
{
    const std::string m0 = market, c0 = code;
    const QString result = getStockType(market, code);
    EXPECT_TRUE(market == m0 && code == c0) << "arguments modified";
    return result;
}

} // namespace

// Each row of tests/data/stocktype-order.tsv fills an empty centre with classes that hold the one
// code "1", then asks for the label of "1" in the caller's market.
TEST(StockType, AsksTheClassesInOrderOnTheirMarkets)
{
    standin::TypeTables& centre = standin::typeTables();
    for (const testdata::Row& row : testdata::load("stocktype-order.tsv")) {
        centre.clear();
        for (const std::size_t column : {2, 3}) {
            for (const QString& cls : row.text(column).split(' ')) {
                if (cls == "-") continue;
                const int id = cls.section('@', 0, 0).toInt();
                const std::string market = cls.section('@', 1).toStdString();
                if (column == 2)
                    centre.addRange(id, market, "1", "1");
                else
                    centre.addOptionRange(id, market, "1", "1");
            }
        }
        EXPECT_EQ(label(row.fields.at(0), "1"), row.text(1)) << "line " << row.line;
    }
    centre.loadDefaults();
}

// The shipped tables give real instruments the right label, Hong Kong's included.
TEST(StockType, LabelsRealInstruments)
{
    standin::typeTables().loadDefaults();
    const auto rows = testdata::load("stocktype-labels.tsv");
    for (const testdata::Row& row : rows)
        EXPECT_EQ(label(row.fields.at(0), row.fields.at(1)), row.text(2))
            << "line " << row.line << ": " << row.fields.at(0) << ' ' << row.fields.at(1);
    EXPECT_GE(rows.size(), 120u);
}
