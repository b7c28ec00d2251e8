#pragma once

// The lookup box of <tc/records/instrumentsearch.h> written as a plain scan: every instrument
// through the code checks, KD::testPy and QString::indexOf, then one sort by the ranking. Same
// answers as TC::InstrumentSearch::find, far slower.

#include <tc/records/instrumentsearch.h>
#include <tc/records/stockinfowithpy.h>

#include <QList>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace TC::literal {

class PlainInstrumentSearch
{
public:
    explicit PlainInstrumentSearch(const QList<CStockInfo>& instruments);
    QList<InstrumentMatch> find(const QString& typed, int limit = 20) const;

private:
    struct Row
    {
        CStockInfoWithPy info;
        std::vector<std::string> natural; // the forms with the natural reading alone
        QString code, market, name;       // folded
        QString product;                  // folded, of a futures contract
        int firstCharacter;               // index in name of the first letter, digit or hanzi
    };
    std::vector<Row> m_rows;
};

// The instruments of a "market,code,name" file with a header line, as data/instruments.csv.
QList<CStockInfo> readInstruments(const QString& csvPath);

// count different instrument names composed from real words: companies and funds from places,
// brands, trades and share-class suffixes, one in twenty "*ST", one in eight a futures contract.
QStringList composedNames(int count, uint32_t seed = 8);

// count instruments as a full client holds them: shares, funds, bonds and options of the
// Shanghai and Shenzhen exchanges with names composed from real name parts and share-class
// suffixes, and futures contracts of real products by month; all different, the same for a seed.
QList<CStockInfo> composedInstruments(int count, uint32_t seed = 8);

} // namespace TC::literal
