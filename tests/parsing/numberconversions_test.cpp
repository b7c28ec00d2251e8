#include <tc/parsing/numberconversions_p.h>

#include "common/printers.h"

#include <gtest/gtest.h>

#include <QString>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>

namespace {

QString formatted(double value)
{
    QChar out[TC::detail::kNumberG10Capacity];
    return QString(out, TC::detail::formatNumberG10(value, out));
}

bool sameDouble(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b));
}

// Texts that Qt reads in its own ways: blanks, signs, overflow, exponents, inf and nan.
QStringList trickyNumbers()
{
    return QString::fromLatin1(
               "| |0|-0|+0|7|-7|+7| 12 |\t12\n|1 2|+-1|-|+|123456789|-123456789|1234567890|"
               "2147483647|2147483648|-2147483648|-2147483649|99999999999999999999|0000000005|"
               "12a|0x1F|1e3|1.0|1.|.5|+.5|-.5|.|1.5|-1.5|1,5|1.5e3|1.5E3|1.5e|1e+|inf|INF|+inf|"
               "-inf|Inf|nan|NaN|-nan|+nan|infinity|1e400|-1e400|1e-400|4.9e-324|2.4e-324|"
               "1.7976931348623157e308|"
               "0.1000000000000000055511151231257827021181583404541015625|00012|1_0|%|1;2|\"3\"|"
               "3\"")
        .split(QLatin1Char('|'));
}

} // namespace

TEST(NumberConversions, ReadNumbersAsQStringToIntAndToDouble)
{
    QStringList texts = trickyNumbers();
    // Other minus signs, full-width digits and blanks, a zero character.
    texts << QChar(0x2212) + QStringLiteral("12") << QChar(0x2212) + QStringLiteral("1.5")
          << QString::fromUtf8("１２") << QChar(0x3000) + QStringLiteral("5") + QChar(0x3000)
          << QStringLiteral("5") + QChar(0);
    // Beyond the largest double, and more digits than an exact read needs.
    texts << QString(309, QLatin1Char('9'))
          << QStringLiteral("0.") + QString(800, QLatin1Char('3'));
    // Short texts of every character Qt treats apart, and long ones of digits to round.
    const QString alphabets[] = {QStringLiteral("0123456789+- .e"),
                                 QStringLiteral("0123456789012345678901234567890123456789+-.")};
    std::mt19937 rng(5);
    for (int i = 0; i < 100000; ++i) {
        QString t;
        for (int k = static_cast<int>(i % 2 ? 1 + rng() % 25 : rng() % 12); k > 0; --k)
            t += alphabets[i % 2][static_cast<int>(rng() % alphabets[i % 2].size())];
        texts << t;
    }
    for (const QString& t : texts) {
        bool ok = false;
        bool expectedOk = true;
        const int expected = t.toInt(&expectedOk);
        EXPECT_EQ(TC::detail::toInt(t, &ok), expected) << t.toStdString();
        EXPECT_EQ(ok, expectedOk) << t.toStdString();
        EXPECT_PRED2(sameDouble, TC::detail::toDouble(t), t.toDouble()) << t.toStdString();
    }
}

TEST(NumberConversions, FormatAsQStringNumberG10)
{
    // Zeros, the edges of ten digits and of the fixed notation, ties of the eleventh digit, the
    // extremes of double (denormals included), inf and nan, beyond 2^52 and 2^53.
    std::vector<double> values;
    for (const QString& v :
         QStringLiteral("0 -0 1 -1 0.5 1e9 1e10 -1e10 9999999999 9999999999.4 9999999999.5 "
                        "9999999999.6 0.0001 0.00001 0.000099999999995 0.00009999999999 "
                        "1234567890.5 12345678905 12345678915 1.5e300 1e-300 4.9e-324 "
                        "1.7976931348623157e308 2.2250738585072014e-308 inf -inf nan 0.1 0.11 3e-7 "
                        "1.23456789012e15 123450000 4503599627370496.5 9007199254740993")
             .split(QLatin1Char(' ')))
        values.push_back(std::strtod(v.toLatin1().constData(), nullptr));
    std::mt19937_64 rng(13);
    for (int i = 0; i < 100000; ++i) {
        // Random bit patterns cover every magnitude; short decimals cover the usual prices.
        const uint64_t bits = rng();
        double d = 0;
        std::memcpy(&d, &bits, sizeof d);
        values.push_back(d);
        values.push_back(static_cast<double>(rng() % 100000000) / 100.0 *
                         std::pow(10.0, static_cast<int>(rng() % 30) - 15));
        // Every magnitude the exact digit path covers, and its edges.
        values.push_back(
            std::ldexp(static_cast<double>(rng() >> 11), static_cast<int>(rng() % 140) - 100));
        // Eleven-digit numbers ending in 5 sit on or beside the rounding ties.
        values.push_back((static_cast<double>(rng() % 10000000000ULL) * 10 + 5) *
                         std::pow(10.0, static_cast<int>(rng() % 24) - 15));
    }
    for (const double v : values)
        ASSERT_EQ(formatted(v), QString::number(v, 'g', 10)) << v;
}
