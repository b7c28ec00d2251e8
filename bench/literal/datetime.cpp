#include <literal/datetime.h>

#include <tc/host/timeutils.h>

#include <QDateTime>
#include <QRegularExpression>

namespace TC::literal {

qint64 parseDateTime(const QString& text, bool* ok)
{
    if (ok) *ok = false;
    // \z, not $: $ also matches before a final line end.
    static const QRegularExpression pattern(
        QStringLiteral("^[ \\t]*(?:([0-9]{4})([-/])([0-9]{1,2})(?:\\2([0-9]{1,2}))?"
                       "|([0-9]{4})([0-9]{2})([0-9]{2}))"
                       "(?:[ T]([0-9]{1,2}):([0-9]{2})(?::([0-9]{2}))?)?[ \\t]*\\z"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch()) return -1;
    const bool compact = !m.captured(5).isEmpty();
    const int year = m.captured(compact ? 5 : 1).toInt();
    const int month = m.captured(compact ? 6 : 3).toInt();
    const QString dayText = m.captured(compact ? 7 : 4);
    const QDate date(year, month, dayText.isEmpty() ? 1 : dayText.toInt());
    const QTime time(m.captured(8).toInt(), m.captured(9).toInt(), m.captured(10).toInt());
    if (year < 1 || !date.isValid() || !time.isValid()) return -1;
    const qint64 seconds = utils::timeToSeconds(date.year(), date.month(), date.day(), time.hour(),
                                                time.minute(), time.second());
    if (seconds == -1 && QDateTime::fromSecsSinceEpoch(-1) != QDateTime(date, time)) return -1;
    if (ok) *ok = true;
    return seconds;
}

} // namespace TC::literal
