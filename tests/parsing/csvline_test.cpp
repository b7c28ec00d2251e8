#include <tc/parsing/csvline.h>

#include <literal/csvline.h>
#include <literal/samples.h>

#include "common/datatable.h"
#include "common/printers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

QString rewritten(QString line)
{
    TC::parserCsvLine(line);
    return line;
}

QString rewrittenLiterally(QString line)
{
    TC::literal::parserCsvLine(line);
    return line;
}

QStringList split(QString line)
{
    QStringList fields{QStringLiteral("left over")};
    TC::parserLineSplit(fields, line);
    return fields;
}

// Lines drawn from the characters that drive the two functions and the ones around them.
QString randomLine(std::mt19937& rng)
{
    static const QString alphabet = QStringLiteral("0123456789.,,,\"\"EE+-+-e |\t:x") +
                                    QChar(0x2212) + QChar(0x4E2D) + QChar(0);
    static const char* const words[] = {
        "E+", "E-", "1.5E+3", "2.5E-3", "inf", "NaN", "1e400", "E+1000", "E-400", "\"1,234\"", "-0",
        " 12 ",
        // Around the shapes read without a double: ten and more significant digits (rounded
        // away from a half, on it and beside it, carried into a new digit), 19 and 20 digits,
        // counts at and past 22, zeros before and after, a point without digits on one side.
        "9.999999999E+09", "1.0000000001E+9", "-126276649.3500E+0", "1234567890.25E+3",
        "1234567890.4999E-2", "1234567890.50001E+1", "-12345678906E-22", "9999999999.7E+0",
        "1234567890123456789E+1", "12345678901234567890E+1", "-00012.50E+03", "7E+22", "7E+23",
        "0.000E+5", "1.E+3", ".5E-2", "+3.25E-22"};
    QString line;
    const int parts = static_cast<int>(rng() % 12);
    for (int i = 0; i < parts; ++i) {
        if (rng() % 3 == 0)
            line += QLatin1String(words[rng() % (sizeof words / sizeof *words)]);
        else
            line += alphabet[static_cast<int>(rng() % alphabet.size())];
    }
    return line;
}

} // namespace

// tests/data/csvline.tsv, through the library and through the plain form.
TEST(ParserCsvLine, RewritesQuotedSeparatorsAndExponents)
{
    for (const testdata::Row& row : testdata::load("csvline.tsv")) {
        EXPECT_EQ(rewritten(row.text(0)), row.text(1)) << "csvline.tsv line " << row.line;
        EXPECT_EQ(rewrittenLiterally(row.text(0)), row.text(1)) << "csvline.tsv line " << row.line;
    }
}

TEST(ParserCsvLine, LeavesCopiesOfTheLineAlone)
{
    for (const char* text : {"\"1,234\",5", "1.5E+3,\"2,0\"", "plain,line"}) {
        const QString original = QString::fromLatin1(text);
        QString line = original;
        TC::parserCsvLine(line);
        EXPECT_EQ(original, QString::fromLatin1(text));
        EXPECT_EQ(line, rewrittenLiterally(original));
    }
}

TEST(ParserCsvLine, SpellsSpecialValuesAsQt)
{
    const QString negativeZero = QString::number(-0.0, 'g', 10);
    EXPECT_EQ(rewritten(QStringLiteral("1E+400,-1E+400")), QStringLiteral("inf,-inf"));
    EXPECT_EQ(rewritten(QStringLiteral("-1E-400")), negativeZero);
    EXPECT_EQ(rewritten(QStringLiteral("-0E+3")), negativeZero);
    EXPECT_EQ(rewritten(QStringLiteral("NaNE+5,INFE-3, 7 E+ 2 ")), QStringLiteral("nan,inf,700"));
    // Ties of the eleventh digit round away from zero, as Qt does.
    EXPECT_EQ(rewritten(QStringLiteral("1234567890.5E+0,12345678905E+0,-1234567890.5E-0")),
              QStringLiteral("1234567891,1.234567891e+10,-1234567891"));
    for (const char* line :
         {"4.9E-324E+0", "9999999999.5E+0", "1E+10", "99999.999995E-9", "0.00001E+0"})
        EXPECT_EQ(rewritten(QLatin1String(line)), rewrittenLiterally(QLatin1String(line))) << line;
}

TEST(ParserCsvLine, StopsRepeatingOnceTheValueSettles)
{
    // A billion steps give what a few thousand give: the value reached infinity or zero.
    EXPECT_EQ(rewritten(QStringLiteral("1E+1000000000,1E-1000000000,-3E+2147483647")),
              QStringLiteral("inf,0,-inf"));
    EXPECT_EQ(rewritten(QStringLiteral("1.7E+2000,2.5E-2000")),
              rewrittenLiterally(QStringLiteral("1.7E+2000,2.5E-2000")));
    // Every step rounds, as in the plain loop.
    EXPECT_EQ(rewritten(QStringLiteral("1.23456789E-300")),
              rewrittenLiterally(QStringLiteral("1.23456789E-300")));
    // A negative count applies no step.
    EXPECT_EQ(rewritten(QStringLiteral("1.5E+-2,2E--3")), QStringLiteral("1.5,2"));
}

TEST(ParserLineSplit, ChoosesTheSeparatorByContent)
{
    const QString tab(QLatin1Char('\t'));
    EXPECT_EQ(split(QStringLiteral("a,b|c")), (QStringList{"a", "b|c"}));
    EXPECT_EQ(split("a|b" + tab + "c"), (QStringList{"a", "b" + tab + "c"}));
    EXPECT_EQ(split("a" + tab + "b c"), (QStringList{"a", "b c"}));
    EXPECT_EQ(split(QStringLiteral("09:30 10.5 200")), (QStringList{"09:30", "10.5", "200"}));
    EXPECT_EQ(split(QStringLiteral("12:00  x")), (QStringList{"12:00", "", "x"}));
    EXPECT_EQ(split(QStringLiteral("12:00")), QStringList{"12:00"});
    EXPECT_EQ(split(QStringLiteral("a,,b,")), (QStringList{"a", "", "b", ""}));
    EXPECT_EQ(split(QStringLiteral(",")), (QStringList{"", ""}));
    EXPECT_TRUE(split(QStringLiteral("a b c")).isEmpty());
    EXPECT_TRUE(split(QString()).isEmpty());
    EXPECT_TRUE(split(QStringLiteral("")).isEmpty());
    // Separators in a long line's last, overlapping block only; more pieces than a line
    // usually has.
    EXPECT_EQ(split(QString(20, QLatin1Char('x')) + "|y:z"),
              (QStringList{QString(20, QLatin1Char('x')), "y:z"}));
    const QStringList pieces = split(QString(1000, QLatin1Char(',')));
    EXPECT_EQ(pieces.size(), 1001);
    EXPECT_TRUE(
        std::all_of(pieces.begin(), pieces.end(), [](const QString& p) { return p.isEmpty(); }));
}

TEST(ParserLineSplit, ReplacesWhatTheListHeldWithoutTouchingItsCopies)
{
    QStringList fields{QStringLiteral("a long field that was here"), QStringLiteral("x"),
                       QStringLiteral("y"), QStringLiteral("z")};
    const QStringList copy = fields;
    const QString first = fields[0];
    QString line = QStringLiteral("1,22");
    TC::parserLineSplit(fields, line);
    EXPECT_EQ(fields, (QStringList{"1", "22"}));
    EXPECT_EQ(line, QStringLiteral("1,22"));
    EXPECT_EQ(copy[0], QStringLiteral("a long field that was here"));
    EXPECT_EQ(first, QStringLiteral("a long field that was here"));

    // The line may be one of the list's own strings.
    fields = QStringList{QStringLiteral("p|q|r"), QStringLiteral("s")};
    TC::parserLineSplit(fields, fields[0]);
    EXPECT_EQ(fields, (QStringList{"p", "q", "r"}));
}

TEST(CsvLine, BothFunctionsAgreeWithTheirPlainFormsOnGeneratedLines)
{
    std::mt19937 rng(7);
    const QStringList bars = TC::literal::barCsvLines(50000, 3);
    QStringList reused;
    for (int i = 0; i < 150000; ++i) {
        QString line = i < 100000 ? randomLine(rng) : bars[i - 100000];
        ASSERT_EQ(rewritten(line), rewrittenLiterally(line)) << line.toStdString();
        QStringList expected{QStringLiteral("old")};
        TC::literal::parserLineSplit(expected, line);
        TC::parserLineSplit(reused, line);
        ASSERT_EQ(reused, expected) << line.toStdString();
        for (int k = 0; k < expected.size(); ++k)
            ASSERT_EQ(reused[k].isNull(), expected[k].isNull()) << line.toStdString();
    }
}

// Exponent fields of many significant digits: the rounding at the tenth digit, beside a half and
// far from it, must be the one the plain form's double gives.
TEST(ParserCsvLine, RoundsLongExponentFieldsAsTheirDoubles)
{
    std::mt19937 rng(11);
    static const char* const tails[] = {"5",    "50", "5001", "50000001", "4999", "49999999",
                                        "4998", "9",  "1",    "25",       "75",   ""};
    for (int i = 0; i < 100000; ++i) {
        QString digits;
        const int count = 1 + static_cast<int>(rng() % 12);
        for (int k = 0; k < count; ++k)
            digits += QLatin1Char(static_cast<char>('0' + rng() % 10));
        if (rng() % 4 == 0) digits.fill(QLatin1Char('9'));
        digits += QLatin1String(tails[rng() % (sizeof tails / sizeof *tails)]);
        const int point = static_cast<int>(rng() % (digits.size() + 1));
        if (point > 0 && point < digits.size()) digits.insert(point, QLatin1Char('.'));
        const QString line = QLatin1String(rng() % 2 ? "-" : "") + digits +
                             QLatin1String(rng() % 2 ? "E+" : "E-") + QString::number(rng() % 24) +
                             QLatin1String(",x");
        ASSERT_EQ(rewritten(line), rewrittenLiterally(line)) << line.toStdString();
    }
}
