#pragma once

// Plain Qt form of parseDateTime of <tc/parsing/datetime.h>: one QRegularExpression, QDate and
// QTime for the ranges, the host conversion for the seconds. Same signature and results.

#include <QString>

namespace TC::literal {

qint64 parseDateTime(const QString& text, bool* ok = nullptr);

} // namespace TC::literal
