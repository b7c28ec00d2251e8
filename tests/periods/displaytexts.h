#pragma once

// Every entry of the display tables against tests/data/displaytexts.tsv, in one language.

#include <tc/periods/displaynames.h>
#include <tc/periods/formulaperiod.h>

#include "common/datatable.h"
#include "common/printers.h"

#include <map>
#include <string>

// column 2: the source texts (no translator when the tables were built); 3: the English ones.
inline void expectDisplayTexts(std::size_t column)
{
    std::map<int, std::string> periods{{-1, "stale"}, {12, "x"}}, expectedPeriods;
    TC::getAllPeriodInfo(periods);
    for (const testdata::Row& row : testdata::load("displaytexts.tsv")) {
        const std::string& table = row.fields.at(0);
        const int i = std::stoi(row.fields.at(1));
        const QString got = table == "cycle"        ? TC::getCycleName(i)
                            : table == "dr"         ? TC::getDrName(i)
                            : table == "weight"     ? TC::getWeightName(i)
                            : table == "field-code" ? TC::getFieldCode(i)
                                                    : TC::getFieldName(i);
        const QString expected = row.text(column) == "-" ? QString() : row.text(column);
        EXPECT_EQ(got, expected) << "displaytexts.tsv line " << row.line;
        if (table == "cycle") expectedPeriods[TC::getPeriod(i)] = expected.toStdString();
    }
    EXPECT_EQ(periods, expectedPeriods);
}
