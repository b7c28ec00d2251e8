#pragma once

/// \file
/// Preparing the text lines of data files: quoted thousands separators, exponent notation and a
/// separator chosen by what the line holds.

#include <tc/tcutils_export.h>

#include <QString>
#include <QStringList>

namespace TC {

/// Rewrites one comma-separated line in place. First the commas between a double quote and the
/// next one are deleted ("1,234,500" becomes "1234500"; after an unmatched quote the rest of the
/// line counts as quoted); the quotes stay. Then each field holding "E+" exactly once (else "E-"
/// exactly once; case-sensitive) is replaced by its value: the text before the marker read as a
/// double (QString::toDouble, 0 when not a number), multiplied (divided) by 10.0 once per unit of
/// the whole number after it (QString::toInt, 0 when not a number; a negative count leaves the
/// value as read), printed as QString::number(value, 'g', 10): "1.5E+3" gives "1500", "3E-7"
/// "3e-07", "E-mini" "0". Other fields, empty ones included, are kept as they are.
TCUTILS_EXPORT void parserCsvLine(QString& line);

/// Replaces fields by the pieces of line cut at ',' when it holds one, else at '|', else at tab,
/// else, when it holds ':', at spaces (the colons stay in the pieces); empty pieces are kept.
/// A line with none of these four characters gives an empty list. line is left unchanged; the
/// strings fields held are reused for the new pieces.
TCUTILS_EXPORT void parserLineSplit(QStringList& fields, QString& line);

} // namespace TC
