#pragma once

// Random records and lines for the text-form tests: Chinese text, characters outside the BMP,
// byte-order marks, spaces, signs and digits, and the extremes of int.

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
        return extremes[rng() % (sizeof(extremes) / sizeof(extremes[0]))];
    case 1:
        return static_cast<int>(rng() % 2001) - 1000;
    default:
        return static_cast<int>(static_cast<unsigned>(rng()));
    }
}

// A text of up to maxFragments fragments drawn from the given pool.
inline QString text(std::mt19937& rng, const QStringList& pool, int maxFragments)
{
    QString out;
    const int n = static_cast<int>(rng() % static_cast<unsigned>(maxFragments + 1));
    for (int i = 0; i < n; ++i)
        out += pool[static_cast<int>(rng() % static_cast<unsigned>(pool.size()))];
    return out;
}

// Fragments of record texts, without any separator.
inline const QStringList& textPool()
{
    static const QStringList pool = {
        QStringLiteral("a"),      QStringLiteral("Z"),     QStringLiteral("0"),
        QStringLiteral("9"),      QStringLiteral("-"),     QStringLiteral("+"),
        QStringLiteral(" "),      QStringLiteral("\t"),    QStringLiteral("."),
        QStringLiteral(":"),      QStringLiteral("浦"),    QStringLiteral("发"),
        QStringLiteral("银行"),   QStringLiteral("限价"),  QStringLiteral("ＳＨ"),
        QString::fromUcs4(U"𠀀"), QString::fromUcs4(U"😀"), QString(QChar(0xFEFF)),
        QString(QChar(0)),        QStringLiteral("_"),     QStringLiteral("\u3000")};
    return pool;
}

// Fragments of hostile lines: the pieces of text forms, separators and their parts included.
inline const QStringList& linePool()
{
    static QStringList pool =
        textPool() + QStringList{QStringLiteral("|"),           QStringLiteral("___"),
                                 QStringLiteral("__"),          QStringLiteral("2147483647"),
                                 QStringLiteral("2147483648"),  QStringLiteral("-2147483648"),
                                 QStringLiteral("99999999999"), QStringLiteral("007"),
                                 QStringLiteral("\u2212"),      QStringLiteral("\uFEFF7")};
    return pool;
}

// A hostile line: 1 to 9 hostile pieces joined by separator.
inline QString line(std::mt19937& rng, const QString& separator)
{
    QStringList pieces;
    const int n = 1 + static_cast<int>(rng() % 9);
    for (int i = 0; i < n; ++i)
        pieces << text(rng, linePool(), 3);
    return pieces.join(separator);
}

inline std::string utf8(const QString& s)
{
    return s.toUtf8().toStdString();
}

} // namespace gen
