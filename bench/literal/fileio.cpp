#include <literal/fileio.h>

#include <literal/csvline.h>

#include <QFile>
#include <QTextStream>

namespace TC::literal {

bool QReadFile(const QString& path, QString& content, bool csv)
{
    content.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
    QTextStream stream(&file);
    while (!stream.atEnd()) {
        QString line = stream.readLine();
        if (csv) parserCsvLine(line);
        content += line + QLatin1Char('\n');
    }
    file.close();
    return true;
}

bool QReadFile(const QString& path, QList<QString>& lines, bool csv)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
    QTextStream stream(&file);
    while (!stream.atEnd()) {
        QString line = stream.readLine();
        if (csv) parserCsvLine(line);
        line.remove(QLatin1Char('"'));
        lines.append(line);
    }
    file.close();
    return true;
}

} // namespace TC::literal
