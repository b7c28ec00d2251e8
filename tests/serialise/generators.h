#pragma once

// Random records and lines for the text-form tests: Chinese text, characters outside the BMP,
// byte-order marks, NUL, spaces, signs and digits, and the extremes of int.

#include <QString>
#include <QStringList>

#include <climits>
#include <random>
#include <string>

namespace gen {

inline int number(std::mt19937& rng)
{
    static const int extremes[] = {INT_MIN, INT_MAX, INT_MIN + 1, INT_MAX - 1, 0, -1, 1};
    switch (rng() % 4) {
    case 0:
        return extremes[rng() % 7];
    case 1:
        return static_cast<int>(rng() % 2001) - 1000;
    default:
        return static_cast<int>(rng());
    }
}

// Fragments of record texts, no separator among them.
inline const QStringList& textPool()
{
    static const QStringList pool =
        QString::fromUcs4(
            U"a Z 0 9 - + . : _ \t \u3000 浦 发 银行 限价 ＳＨ 𠀀 😀 \uFEFF \uFEFF7 \u2212 "
            U"2147483647 2147483648 -2147483648 99999999999 007")
            .split(QLatin1Char(' ')) +
        QStringList{QStringLiteral(" "), QString(QChar(0))};
    return pool;
}

// Up to maxFragments fragments of pool.
inline QString text(std::mt19937& rng, const QStringList& pool, int maxFragments)
{
    QString out;
    for (int n = static_cast<int>(rng() % unsigned(maxFragments + 1)); n > 0; --n)
        out += pool[static_cast<int>(rng() % unsigned(pool.size()))];
    return out;
}

// A hostile line: 1 to 9 pieces joined by separator, the pieces sometimes holding parts of it.
inline QString line(std::mt19937& rng, const QString& separator)
{
    const QStringList pool = textPool() + QStringList{separator, separator.left(1) + separator};
    QStringList pieces;
    for (int n = 1 + static_cast<int>(rng() % 9); n > 0; --n)
        pieces << text(rng, pool, 3);
    return pieces.join(separator);
}

inline std::string utf8(const QString& s)
{
    return s.toUtf8().toStdString();
}

} // namespace gen
