#pragma once

// Internal to graphtick.cpp, its tests and benchmarks.

#include <QFont>
#include <QFontMetrics>
#include <QString>

namespace TC {

// The most full-width spaces enlargeText appends; past it the text is returned unchanged.
constexpr int kMaxEnlargeSpaces = 65536;

// The plain padding loop, one space and one measurement at a time: quadratic in the spaces added
// and endless for a space without advance. The reference enlargeText must agree with.
inline QString enlargeTextPlain(QString text, int width, const QFont& font)
{
    const QFontMetrics metrics(font);
    while (metrics.horizontalAdvance(text) < width)
        text.append(QChar(0x3000));
    return text;
}

} // namespace TC
