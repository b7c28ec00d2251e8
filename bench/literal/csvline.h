#pragma once

// Plain Qt forms of the CSV line functions of <tc/parsing/csvline.h>: split, join, contains,
// toInt, toDouble and QString::number, step by step. Same signatures and results, far slower.

#include <QString>
#include <QStringList>

namespace TC::literal {

void parserCsvLine(QString& line);
void parserLineSplit(QStringList& fields, QString& line);

} // namespace TC::literal
