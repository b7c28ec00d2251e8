#include <tc/periods/graphtick.h>
#include <tc/periods/graphtick_p.h>

#include "common/datatable.h"
#include <literal/graphtick.h>
#include "common/printers.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

using namespace TC;

// Each group of tests/data/graphtick.tsv is one row of the rule's band table.
TEST(GraphShowTick, FollowsEveryRowOfTheBandTable)
{
    const auto number = [](const std::string& f) {
        if (f.rfind('<', 0) == 0) return std::nextafter(std::strtod(f.c_str() + 1, nullptr), 0.0);
        return std::strtod(f.c_str(), nullptr);
    };
    for (const testdata::Row& row : testdata::load("graphtick.tsv")) {
        const double value = number(row.fields.at(0)), tick = number(row.fields.at(1));
        const double expected = number(row.fields.at(2));
        const double got = getGraphShowTick(value, tick);
        if (std::isnan(expected))
            EXPECT_TRUE(std::isnan(got)) << "line " << row.line << " gave " << got;
        else
            EXPECT_EQ(got, expected) << "line " << row.line;
    }
}

namespace {

QFont cjkFont(int pixelSize)
{
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPixelSize(pixelSize);
    return font;
}

// text followed by the fewest full-width spaces that reach width: what the plain loop gives.
void expectFewestSpaces(const QString& text, int width, const QFont& font)
{
    EXPECT_EQ(enlargeText(text, width, font), TC::literal::enlargeText(text, width, font))
        << text.toStdString() << " to " << width << "px";
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
