#pragma once

// Plain Qt forms of the date functions of <tc/parsing/dates.h>: split, toInt, a QRegExp built per
// call (Core5Compat's under Qt 6), QDateTime::fromString and fromSecsSinceEpoch, step by step.
// Same signatures and results.

#include <QString>

namespace TC::literal {

int parserDate(QString text);
bool checkDate(QString text);
bool isValidDate(int seconds);
void adjustDateTime(const QString& input, QString& output);

} // namespace TC::literal
