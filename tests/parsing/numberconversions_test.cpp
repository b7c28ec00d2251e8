#include <tc/parsing/numberconversions_p.h>

#include "common/printers.h"

#include <gtest/gtest.h>

#include <QString>

#include <cmath>
#include <cstring>
#include <limits>
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

TEST(NumberConversions, ReadWholeNumbersAsQStringToInt)
{
    std::vector<QString> texts;
    for (const QString& t : trickyNumbers())
        texts.push_back(t);
    texts.push_back(QChar(0x2212) + QStringLiteral("12"));
    texts.push_back(QString::fromUtf8("１２"));
    texts.push_back(QChar(0x3000) + QStringLiteral("5") + QChar(0x3000));
    texts.push_back(QStringLiteral("5") + QChar(0));
    std::mt19937 rng(5);
    const QString alphabet = QStringLiteral("0123456789+- .e");
    for (int i = 0; i < 20000; ++i) {
        QString t;
        for (int k = static_cast<int>(rng() % 12); k > 0; --k)
            t += alphabet[static_cast<int>(rng() % alphabet.size())];
        texts.push_back(t);
    }
    for (const QString& t : texts) {
        bool ok = false;
        bool expectedOk = true;
        const int expected = t.toInt(&expectedOk);
        EXPECT_EQ(TC::detail::toInt(t, &ok), expected) << t.toStdString();
        EXPECT_EQ(ok, expectedOk) << t.toStdString();
    }
}

TEST(NumberConversions, ReadDoublesAsQStringToDouble)
{
    std::vector<QString> texts;
    for (const QString& t : trickyNumbers())
        texts.push_back(t);
    texts.push_back(QChar(0x2212) + QStringLiteral("1.5"));
    // Beyond the largest double, and more digits than an exact read needs.
    texts.push_back(QString(309, QLatin1Char('9')));
    texts.push_back(QStringLiteral("0.") + QString(800, QLatin1Char('3')));
    std::mt19937 rng(9);
    const QString alphabet = QStringLiteral("0123456789012345678901234567890123456789+-.");
    for (int i = 0; i < 50000; ++i) {
        QString t;
        for (int k = static_cast<int>(1 + rng() % 25); k > 0; --k)
            t += alphabet[static_cast<int>(rng() % alphabet.size())];
        texts.push_back(t);
    }
    for (const QString& t : texts)
        EXPECT_PRED2(sameDouble, TC::detail::toDouble(t), t.toDouble()) << t.toStdString();
}

TEST(NumberConversions, FormatAsQStringNumberG10)
{
    using L = std::numeric_limits<double>;
    std::vector<double> values = {0.0,
                                  -0.0,
                                  1.0,
                                  -1.0,
                                  0.5,
                                  1e9,
                                  1e10,
                                  -1e10,
                                  9999999999.0,
                                  9999999999.4,
                                  9999999999.5,
                                  9999999999.6,
                                  0.0001,
                                  0.00001,
                                  0.000099999999995,
                                  0.00009999999999,
                                  1234567890.5,
                                  12345678905.0,
                                  12345678915.0,
                                  1.5e300,
                                  1e-300,
                                  L::denorm_min(),
                                  L::max(),
                                  L::min(),
                                  L::infinity(),
                                  -L::infinity(),
                                  L::quiet_NaN(),
                                  0.1,
                                  0.11,
                                  3e-7,
                                  1.23456789012e15,
                                  123450000.0,
                                  4503599627370496.5,
                                  9007199254740993.0};
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
