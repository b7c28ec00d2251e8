#include <tc/periods/graphtick.h>
#include <tc/periods/graphtick_p.h>

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

struct TickCase
{
    double value;
    double tick;
    double expected;
};

void expectTicks(std::initializer_list<TickCase> cases)
{
    for (const TickCase& c : cases) {
        const double got = getGraphShowTick(c.value, c.tick);
        if (std::isnan(c.expected))
            EXPECT_TRUE(std::isnan(got)) << c.value << ", " << c.tick << " gave " << got;
        else
            EXPECT_EQ(got, c.expected) << "value " << c.value << ", tick " << c.tick;
    }
}

// The double just below x.
double below(double x)
{
    return std::nextafter(x, 0.0);
}

} // namespace

TEST(GraphShowTick, ZeroTickBelowTenThousandKeepsTheTick)
{
    expectTicks({{5000, 0, 0},
                 {9999.9, 0, 0},
                 {9999.99998, 0.000005, 0.000005}, // 0.00002 short of 10^4: below
                 {0, -0.00001, -0.00001},
                 {kNaN, 0, 0}});
}

TEST(GraphShowTick, ZeroTickFromTenThousandCountsDownToTheNextBand)
{
    expectTicks({{10000, 0, 3},
                 {12345, 0, 3},
                 {-12345, 0, 3},
                 {9999.999995, 0, 4}, // reaches 10^4 within the tolerance, log10 floors to 3
                 {50000, 0.000005, 3},
                 {50000, 0.00001, 3}, // a tick of exactly the tolerance counts as zero
                 {100000, 0, 2},
                 {10000000, 0, 0},
                 {99999999, 0, 0},
                 {99999999.99998, 0, 0}});
}

TEST(GraphShowTick, ZeroTickFromTenToTheEightRepeatsTheBands)
{
    expectTicks({{1e8, 0, 3},
                 {99999999.999995, 0, 4}, // reaches 10^8 within the tolerance
                 {-1e9, -0.00001, 2},
                 {1e11, 0, 0},
                 {1e12, 0, -1},
                 {1e13, 0, -2},
                 {std::numeric_limits<double>::max(), 0, -297},
                 {-kInf, 0, -297}});
}

TEST(GraphShowTick, PositiveTickFromTenToTheTwelveIsZero)
{
    expectTicks({{2e12, 0.01, 0}, {1e12, 5, 0}, {-1e12, 0.00002, 0}, {kInf, 0.5, 0}});
}

TEST(GraphShowTick, TickUpToOneIsKeptBelowTenToTheTwelve)
{
    expectTicks({{123.45, 0.01, 0.01},
                 {5e7, 1.0, 1.0},
                 {5e11, 0.5, 0.5},
                 {below(1e12), 0.01, 0.01},
                 {50000, 0.0000101, 0.0000101}});
}

TEST(GraphShowTick, TickAboveOneIsKeptBelowTenToTheSeven)
{
    expectTicks({{5e6, 5, 5}, {9999999.99998, 5, 5}, {0, 2, 2}, {kNaN, 5, 5}});
}

TEST(GraphShowTick, TickAboveOneIsOneFromTenToTheSevenToTenToTheEight)
{
    expectTicks({{1e7, 5, 1},
                 {9999999.999995, 5, 1}, // reaches 10^7 within the tolerance
                 {5e7, 5, 1},
                 {-5e7, 1.5, 1},
                 {99999999.99998, 5, 1}});
}

TEST(GraphShowTick, TickAboveOneIsKeptFromTenToTheEightToTenToTheEleven)
{
    // Next to 10^11 doubles lie 0.000015 apart: the one below is beyond the tolerance.
    expectTicks({{1e8, 5, 5}, {99999999.999995, 5, 5}, {5e9, 5, 5}, {below(1e11), 5, 5}});
}

TEST(GraphShowTick, TickAboveOneIsOneFromTenToTheElevenToTenToTheTwelve)
{
    expectTicks({{1e11, 5, 1}, {5e11, 5, 1}, {below(1e12), 5, 1}});
}

TEST(GraphShowTick, NegativeOrNaNTickIsKept)
{
    for (const double value : {0.0, 5000.0, 5e7, 1e12, 1e13, -kInf, kNaN}) {
        expectTicks({{value, -1, -1}, {value, -0.00002, -0.00002}, {value, kNaN, kNaN}});
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
    ASSERT_TRUE(out.startsWith(text));
    const int added = out.size() - text.size();
    EXPECT_EQ(out.mid(text.size()), QString(added, QChar(0x3000)));
    const QFontMetrics metrics(font);
    EXPECT_GE(metrics.horizontalAdvance(out), width);
    if (added > 0) {
        EXPECT_LT(metrics.horizontalAdvance(out.chopped(1)), width);
    }
    EXPECT_EQ(out, enlargeTextPlain(text, width, font));
}

} // namespace

TEST(EnlargeText, RunsOnTheInstalledCjkFont)
{
    ASSERT_EQ(QFontInfo(cjkFont(16)).family(), QStringLiteral("WenQuanYi Micro Hei"))
        << "install the CJK font (Debian: fonts-wqy-microhei)";
    EXPECT_EQ(QFontMetrics(cjkFont(16)).horizontalAdvance(QChar(0x3000)), 16);
}

TEST(EnlargeText, AddsTheFewestFullWidthSpaces)
{
    QFont halfPixel = cjkFont(16);
    halfPixel.setLetterSpacing(QFont::AbsoluteSpacing, -15.5); // each space adds half a pixel
    const QString texts[] = {QString(), QStringLiteral("日线"), QStringLiteral("Tick 分笔线"),
                             QStringLiteral("abc")};
    for (const QString& text : texts) {
        for (int width = -2; width <= 160; ++width) {
            expectFewestSpaces(text, width, cjkFont(16));
            expectFewestSpaces(text, width, cjkFont(13));
        }
        for (int width = 0; width <= 40; ++width)
            expectFewestSpaces(text, width, halfPixel);
    }
    EXPECT_EQ(enlargeText(QString(), 40, cjkFont(16)), QString(3, QChar(0x3000)));
    EXPECT_EQ(enlargeText(QStringLiteral("日线"), 33, cjkFont(16)),
              QStringLiteral("日线") + QChar(0x3000));
}

TEST(EnlargeText, NeverShortensAText)
{
    const QString text = QStringLiteral("技术指标分析");
    for (const int width : {INT_MIN, -1, 0, 1, 96})
        EXPECT_EQ(enlargeText(text, width, cjkFont(16)), text) << width;
    EXPECT_EQ(enlargeText(QString(), 0, cjkFont(16)), QString());
}

TEST(EnlargeText, GivesUpOnASpaceThatDoesNotAdvance)
{
    // Letter spacing cancels the space's advance, or more than cancels it.
    for (const qreal spacing : {-16.0, -20.0}) {
        QFont font = cjkFont(16);
        font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
        ASSERT_LE(QFontMetrics(font).horizontalAdvance(QString(4, QChar(0x3000))), 0);
        EXPECT_EQ(enlargeText(QStringLiteral("abc"), 100, font), QStringLiteral("abc"));
        EXPECT_EQ(enlargeText(QString(), 1, font), QString());
    }
    // Qt measures a text only up to a U+009C: no padding can ever show.
    const QString cut = QStringLiteral("ab") + QChar(0x9c);
    EXPECT_EQ(enlargeText(cut, 100, cjkFont(16)), cut);
}

TEST(EnlargeText, StopsAtTheLongestPadding)
{
    const int most = kMaxEnlargeSpaces * 16;
    const QString longest = enlargeText(QString(), most, cjkFont(16));
    EXPECT_EQ(longest.size(), kMaxEnlargeSpaces);
    EXPECT_EQ(longest.count(QChar(0x3000)), kMaxEnlargeSpaces);
    EXPECT_EQ(enlargeText(QStringLiteral("日"), most + 16, cjkFont(16)).size(),
              kMaxEnlargeSpaces + 1);
    EXPECT_EQ(enlargeText(QString(), most + 1, cjkFont(16)), QString());
    EXPECT_EQ(enlargeText(QStringLiteral("日线"), INT_MAX, cjkFont(16)), QStringLiteral("日线"));
}
