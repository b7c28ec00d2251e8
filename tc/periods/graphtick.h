#pragma once

/// \file
/// Display tick of a graph value, and padding a text to a pixel width.

#include <tc/tcutils_export.h>

#include <QFont>
#include <QString>

namespace TC {

/// The tick with which a graph shows value, given tick. Bounds are compared with a tolerance of
/// 0.00001 (A = |value| "reaches" T when A - T >= -0.00001):
/// - tick within 0.00001 of zero: tick when A is below 10^4, 7 - floor(log10 A) below 10^8,
///   11 - floor(log10 A) from 10^8 (10^8 to 10^12 repeat the bands from 10^4); an infinite value
///   counts as the largest finite double (-297);
/// - tick above 0.00001: 0 from A = 10^12; above 1, 1 for A in [10^7, 10^8) and [10^11, 10^12);
/// - otherwise, negative ticks and NaN included, tick unchanged. A NaN value is below every bound.
TCUTILS_EXPORT double getGraphShowTick(const double& value, const double& tick);

/// text followed by the fewest U+3000 full-width spaces ("　") that make it at least width pixels
/// wide in font (QFontMetrics::horizontalAdvance); it may exceed width by up to one space. Never
/// shortens: a text already that wide, or width <= 0, is returned unchanged. Also unchanged when
/// the font's full-width space has no positive advance (it would never fill the width) or when
/// more than 65536 spaces would be needed. Needs a QGuiApplication, as QFontMetrics does.
TCUTILS_EXPORT QString enlargeText(QString text, int width, QFont font);

} // namespace TC
