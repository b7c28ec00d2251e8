#pragma once

/// \file
/// Conversions between the text forms of the client's modules: full-width GBK text to half-width,
/// QString vectors to UTF-8 strings.

#include <tc/tcutils_export.h>

#include <QString>
#include <QVector>

#include <string>
#include <vector>

namespace TC {

/// GBK text with the full-width forms of ASCII (lead byte 0xA3, "ＡＢＣ１２３") turned into
/// ASCII ("ABC123") and full-width spaces (0xA1 0xA1) removed. Other characters with lead bytes
/// 0xA4 to 0xFF are copied as pairs, every other byte alone, so a lead byte of 0x81 to 0xA2 does
/// not take its trail byte along. A final 0xA3 pairs with the terminating zero and gives 0x80.
TCUTILS_EXPORT std::string ToDBS(std::string text);

/// Replaces target by the UTF-8 encodings of source's strings, in order; each string ends before
/// its first U+0000.
TCUTILS_EXPORT void toStdVec(QVector<QString> source, std::vector<std::string>& target);

} // namespace TC
