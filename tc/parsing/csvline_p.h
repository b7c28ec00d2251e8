#pragma once

// Internal: parserCsvLine from one text into another, for the file readers, which cut lines
// straight from a decoded block and so save building each line before rewriting it.

#include <QChar>
#include <QString>

namespace TC::detail {

// Writes to out[at, ...) what parserCsvLine makes of the line in[0, length), and, with
// dropQuotes, that without its quotes (as QReadFile keeps lines); out grows as needed and ends
// right after what was written.
void appendCsvLine(const QChar* in, int length, bool dropQuotes, QString& out, int at);

} // namespace TC::detail
