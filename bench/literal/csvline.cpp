#include <literal/csvline.h>

namespace TC::literal {

void parserCsvLine(QString& line)
{
    QStringList pieces = line.split(QLatin1Char('"'));
    for (int i = 1; i < pieces.size(); i += 2)
        pieces[i].remove(QLatin1Char(','));
    const QString unquoted = pieces.join(QLatin1Char('"'));

    QStringList fields = unquoted.split(QLatin1Char(','));
    for (QString& field : fields) {
        QString marker;
        bool multiply = true;
        if (field.contains(QLatin1String("E+"))) {
            marker = QStringLiteral("E+");
        } else if (field.contains(QLatin1String("E-"))) {
            marker = QStringLiteral("E-");
            multiply = false;
        } else {
            continue;
        }
        const QStringList parts = field.split(marker);
        if (parts.size() != 2) continue;
        const int exponent = parts[1].toInt();
        double mantissa = parts[0].toDouble();
        for (int i = 0; i < exponent; ++i)
            mantissa = multiply ? mantissa * 10.0 : mantissa / 10.0;
        field = QString::number(mantissa, 'g', 10);
    }
    line = fields.join(QLatin1Char(','));
}

void parserLineSplit(QStringList& fields, QString& line)
{
    fields.clear();
    if (line.contains(QLatin1Char(',')))
        fields = line.split(QLatin1Char(','));
    else if (line.contains(QLatin1Char('|')))
        fields = line.split(QLatin1Char('|'));
    else if (line.contains(QLatin1Char('\t')))
        fields = line.split(QLatin1Char('\t'));
    else if (line.contains(QLatin1Char(':')))
        fields = line.split(QLatin1Char(' '));
}

} // namespace TC::literal
