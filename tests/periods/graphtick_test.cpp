#include <tc/periods/graphtick.h>
#include <tc/periods/graphtick_p.h>

#include <literal/graphtick.h>

#include "common/printers.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

using namespace TC;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The double just below x.
double below(double x)
{
    return std::nextafter(x, 0.0);
}

} // namespace

// Each group is one row of the rule's table (A = |value|), band edges within 0.00001 included.
TEST(GraphShowTick, FollowsEveryRowOfTheBandTable)
{
    // clang-format off
    const struct { double value, tick, expected; } rows[] = {
        // |tick| <= 0.00001, A below 10^4: the tick.
        {5000, 0, 0}, {9999.99998, 0.000005, 0.000005}, {0, -0.00001, -0.00001}, {kNaN, 0, 0},
        // |tick| <= 0.00001, A from 10^4 below 10^8: 7 - floor(log10 A).
        {10000, 0, 3}, {-12345, 0, 3}, {9999.999995, 0, 4}, {50000, 0.00001, 3}, {100000, 0, 2},
        {99999999, 0, 0}, {99999999.99998, 0, 0},
        // |tick| <= 0.00001, A from 10^8: 11 - floor(log10 A), infinity as the largest double.
        {1e8, 0, 3}, {99999999.999995, 0, 4}, {-1e9, -0.00001, 2}, {1e11, 0, 0}, {1e12, 0, -1},
        {1e13, 0, -2}, {-kInf, 0, -297},
        // tick above 0.00001, A from 10^12: 0.
        {2e12, 0.01, 0}, {1e12, 5, 0}, {-1e12, 0.00002, 0}, {kInf, 0.5, 0},
        // tick above 0.00001 up to 1, A below 10^12: the tick.
        {123.45, 0.01, 0.01}, {5e7, 1.0, 1.0}, {below(1e12), 0.01, 0.01},
        {50000, 0.0000101, 0.0000101},
        // tick above 1, A below 10^7: the tick.
        {5e6, 5, 5}, {9999999.99998, 5, 5}, {kNaN, 5, 5},
        // tick above 1, A from 10^7 below 10^8: 1.
        {1e7, 5, 1}, {9999999.999995, 5, 1}, {-5e7, 1.5, 1}, {99999999.99998, 5, 1},
        // tick above 1, A from 10^8 below 10^11: the tick. The double below 10^11 is 0.000015 off.
        {1e8, 5, 5}, {99999999.999995, 5, 5}, {5e9, 5, 5}, {below(1e11), 5, 5},
        // tick above 1, A from 10^11 below 10^12: 1.
        {1e11, 5, 1}, {5e11, 5, 1}, {below(1e12), 5, 1},
        // tick below -0.00001, or NaN: the tick.
        {5e7, -1, -1}, {1e13, -1, -1}, {0, -0.00002, -0.00002}, {5e7, kNaN, kNaN},
        {kNaN, kNaN, kNaN},
    };
    // clang-format on
    for (const auto& row : rows) {
        const double got = getGraphShowTick(row.value, row.tick);
        if (std::isnan(row.expected))
            EXPECT_TRUE(std::isnan(got)) << row.value << ", " << row.tick << " gave " << got;
        else
            EXPECT_EQ(got, row.expected) << "value " << row.value << ", tick " << row.tick;
    }
}

namespace {

QFont cjkFont(int pixelSize)
{
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPixelSize(pixelSize);
    return font;
}

// text followed by the fewest full-width spaces that reach width, as the plain loop finds them.
void expectFewestSpaces(const QString& text, int width, const QFont& font)
{
    SCOPED_TRACE(text.toStdString() + " to " + std::to_string(width) + "px");
    const QString out = enlargeText(text, width, font);
    const int added = out.size() - text.size();
    ASSERT_EQ(out, text + QString(added, QChar(0x3000)));
    const QFontMetrics metrics(font);
    EXPECT_GE(metrics.horizontalAdvance(out), width);
    if (added > 0) {
        EXPECT_LT(metrics.horizontalAdvance(out.chopped(1)), width);
    }
    EXPECT_EQ(out, TC::literal::enlargeText(text, width, font));
}

} // namespace

TEST(EnlargeText, AddsTheFewestFullWidthSpaces)
{
    ASSERT_EQ(QFontInfo(cjkFont(16)).family(), QStringLiteral("WenQuanYi Micro Hei"))
        << "install the CJK font (Debian: fonts-wqy-microhei)";
    QFont halfPixel = cjkFont(16);
    halfPixel.setLetterSpacing(QFont::AbsoluteSpacing, -15.5); // each space adds half a pixel
    for (const char* text : {"", "日线", "Tick 分笔线"}) {
        for (int width = -1; width <= 160; ++width) {
            expectFewestSpaces(QString::fromUtf8(text), width, cjkFont(16));
            expectFewestSpaces(QString::fromUtf8(text), width, cjkFont(13));
        }
        for (int width = 0; width <= 40; ++width)
            expectFewestSpaces(QString::fromUtf8(text), width, halfPixel);
    }
    EXPECT_EQ(enlargeText(QStringLiteral("日线"), 33, cjkFont(16)), QStringLiteral("日线　"));
    EXPECT_EQ(enlargeText(QStringLiteral("日线"), INT_MIN, cjkFont(16)), QStringLiteral("日线"));
}

TEST(EnlargeText, GivesUpWhereNoPaddingCanReachTheWidth)
{
    // Letter spacing cancels the space's advance, or more than cancels it.
    for (const qreal spacing : {-16.0, -20.0}) {
        QFont font = cjkFont(16);
        font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
        ASSERT_LE(QFontMetrics(font).horizontalAdvance(QString(4, QChar(0x3000))), 0);
        EXPECT_EQ(enlargeText(QStringLiteral("abc"), 100, font), QStringLiteral("abc"));
    }
    // Qt measures a text only up to a U+009C.
    const QString cut = QStringLiteral("ab") + QChar(0x9c);
    EXPECT_EQ(enlargeText(cut, 100, cjkFont(16)), cut);

    const int most = kMaxEnlargeSpaces * 16;
    EXPECT_EQ(enlargeText(QString(), most, cjkFont(16)).size(), kMaxEnlargeSpaces);
    EXPECT_EQ(enlargeText(QString(), most + 1, cjkFont(16)), QString());
    EXPECT_EQ(enlargeText(QStringLiteral("日线"), INT_MAX, cjkFont(16)), QStringLiteral("日线"));
}
