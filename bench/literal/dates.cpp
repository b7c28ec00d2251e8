#include <literal/dates.h>

#include <tc/host/timeseq.h>
#include <tc/host/timeutils.h>
#include <tc/parsing/timet_p.h>

#include <QDateTime>
#include <QRegExp>
#include <QStringList>

#include <cstdint>

namespace TC::literal {

int parserDate(QString text)
{
    QStringList parts;
    if (text.contains(QLatin1Char('-'))) {
        const QString date =
            text.contains(QLatin1Char('T')) ? text.split(QLatin1Char('T')).first() : text;
        parts = date.split(QLatin1Char('-'));
    } else if (text.contains(QLatin1Char('/'))) {
        const QString date =
            text.contains(QLatin1Char('T')) ? text.split(QLatin1Char('T')).first() : text;
        parts = date.split(QLatin1Char('/'));
    } else if (text.length() == 8) {
        const int date = text.toInt();
        const int time = 0;
        return static_cast<int>(utils::d8_datetimeToSecond(date, time));
    } else if (text.contains(QLatin1Char(':'))) {
        if (text.split(QLatin1Char(' ')).size() != 2) return -1;
        const QDateTime dateTime = QDateTime::fromString(text, QStringLiteral("yyyyMMdd hh:mm:ss"));
        return static_cast<int>(detail::toTimeT(dateTime));
    } else {
        return -1;
    }

    if (parts.size() < 2) return -1;
    bool ok = false;
    const int year = parts[0].toInt(&ok);
    if (!ok) return -1;
    const int month = parts[1].toInt(&ok);
    if (!ok) return -1;
    const int day = parts.size() > 2 ? parts[2].toInt() : 1;
    return static_cast<int>(utils::timeToSeconds(year, month, day, 0, 0, 0));
}

bool checkDate(QString text)
{
    const QRegExp pattern(
        QStringLiteral("^((\\d*(0?[048]|[2468][048]|[13579][26])00|\\d*(0?[48]|[2468][048]|"
                       "[13579][26]))-0?2-29)$|^[1-9]\\d*-((0?[13578]|10|12)-(3[01]|[12]\\d|0?[1-"
                       "9])|(0?[469]|11)-(30|[12]\\d|0?[1-9])|(0?2)-(2[0-8]|1\\d|0?[1-9]))$"),
        Qt::CaseSensitive, QRegExp::RegExp);
    return pattern.indexIn(text, 0) != -1;
}

bool isValidDate(int seconds)
{
    if (seconds == -1) return false;
    const QDateTime dateTime = QDateTime::fromSecsSinceEpoch(static_cast<uint>(seconds));
    if (!dateTime.isValid()) return false;
    const int64_t milliseconds = int64_t(seconds) * 1000;
    return quoter::TimeSeq::TIME_START2.time <= milliseconds &&
           milliseconds <= quoter::TimeSeq::TIME_LASTED.time;
}

void adjustDateTime(const QString& input, QString& output)
{
    const QStringList pieces = input.split(QLatin1Char('-'));
    QString result = pieces[0];
    if (pieces.size() > 1)
        result += QLatin1Char('-') + (pieces[1].length() == 1 ? QStringLiteral("0") : QString()) +
                  pieces[1];
    if (pieces.size() > 2)
        result += QLatin1Char('-') + (pieces[2].length() == 1 ? QStringLiteral("0") : QString()) +
                  pieces[2];
    output = result;
}

} // namespace TC::literal
