#pragma once

// GoogleTest printers so failing comparisons show text rather than bytes (lists of texts print
// element by element through the QString one).

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os)
{
    if (s.isNull())
        *os << "QString(null)";
    else
        *os << '"' << s.toStdString() << '"';
}

inline void PrintTo(const QByteArray& b, std::ostream* os)
{
    *os << "QByteArray(\"" << b.toHex().toStdString() << "\")";
}

QT_END_NAMESPACE
