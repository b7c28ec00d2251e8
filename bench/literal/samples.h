#pragma once

// Generated inputs on which benchmarks and tests run the library's functions and their plain
// forms: deterministic for a given seed.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <string>
#include <vector>

namespace TC::literal {

// count lines of one-minute bar data, "date time,open,high,low,close,volume,amount": about half
// with the volume in quotes with thousands separators ("1,234,500"), about a third with the amount
// in exponent notation ("1.2345E+8").
QStringList barCsvLines(int count, uint32_t seed = 1);

// count date texts in every notation parserDate reads, in equal shares: "2016-05-03",
// "2016-5-3", "2016-05", "2016-05-03T09:30:00", "2016/05/03", "2016/5", "20160503",
// "20160503 09:30:00"; dates of 2014 to 2018.
QStringList dateTexts(int count, uint32_t seed = 1);

// About `bytes` bytes of GBK text: mostly Chinese characters, with ASCII, full-width forms of
// ASCII, full-width spaces and other row-1 symbols mixed in.
std::string gbkText(int bytes, uint32_t seed = 1);

// count short GBK texts of 2 to 8 characters of the same mix, as instrument names are.
std::vector<std::string> gbkNames(int count, uint32_t seed = 1);

} // namespace TC::literal
