#pragma once

// Internal: Qt's number conversions of QString, the same results without building QStrings on the
// common inputs. Used by the CSV line and date parsers.

#include <QChar>
#include <QStringView>

namespace TC::detail {

// QString::toInt(ok, 10) of text: the same value and the same ok for every text (blanks around
// the number, a sign, U+2212 as minus; 0 and ok false for anything else or out of int range).
int toInt(QStringView text, bool* ok = nullptr);

// QString::toDouble() of text: the same value for every text (0.0 when not a number, infinity on
// overflow, "inf" and "nan" in any case).
double toDouble(QStringView text);

// Room that formatNumberG10 needs.
constexpr int kNumberG10Capacity = 32;

// Writes QString::number(value, 'g', 10) to out, which holds kNumberG10Capacity characters;
// returns the number of characters written.
int formatNumberG10(double value, QChar* out);

} // namespace TC::detail
