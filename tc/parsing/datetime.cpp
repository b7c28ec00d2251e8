#include <tc/parsing/datetime.h>

#include <tc/host/timeutils.h>

#include <QDate>
#include <QDateTime>

namespace TC {

namespace {

// Reads from min to max ASCII digits at p[i]; false when fewer than min are there.
bool readDigits(const QChar* p, int end, int& i, int min, int max, int& value)
{
    value = 0;
    int count = 0;
    for (; i < end && count < max; ++i, ++count) {
        const unsigned d = static_cast<unsigned>(p[i].unicode()) - u'0';
        if (d > 9) break;
        value = value * 10 + static_cast<int>(d);
    }
    return count >= min;
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool at(const QChar* p, int end, int i, char c)
{
    return i < end && p[i] == QLatin1Char(c);
}

} // namespace

qint64 parseDateTime(const QString& text, bool* ok)
{
    if (ok) *ok = false;
    const QChar* p = text.constData();
    int i = 0;
    int end = static_cast<int>(text.size());
    while (i < end && isBlank(p[i]))
        ++i;
    while (end > i && isBlank(p[end - 1]))
        --end;

    int year = 0, month = 0, day = 1;
    const int start = i;
    if (!readDigits(p, end, i, 4, 8, year)) return -1;
    if (i - start == 8) { // compact yyyymmdd
        day = year % 100;
        month = year / 100 % 100;
        year /= 10000;
    } else {
        if (i - start != 4 || !(at(p, end, i, '-') || at(p, end, i, '/'))) return -1;
        const QChar separator = p[i++];
        if (!readDigits(p, end, i, 1, 2, month)) return -1;
        if (i < end && p[i] == separator && (++i, !readDigits(p, end, i, 1, 2, day))) return -1;
    }

    int hour = 0, minute = 0, second = 0;
    if (i < end) {
        if (!(at(p, end, i, ' ') || at(p, end, i, 'T'))) return -1;
        ++i;
        if (!readDigits(p, end, i, 1, 2, hour) || !at(p, end, i++, ':') ||
            !readDigits(p, end, i, 2, 2, minute))
            return -1;
        if (at(p, end, i, ':') && (++i, !readDigits(p, end, i, 2, 2, second))) return -1;
        if (i != end) return -1;
    }
    if (year < 1 || !QDate::isValid(year, month, day) || hour > 23 || minute > 59 || second > 59)
        return -1;

    const qint64 seconds = utils::timeToSeconds(year, month, day, hour, minute, second);
    // The host's -1 is also its failure: keep it only when it is that instant's local reading.
    if (seconds == -1 && QDateTime::fromSecsSinceEpoch(-1) !=
                             QDateTime(QDate(year, month, day), QTime(hour, minute, second)))
        return -1;
    if (ok) *ok = true;
    return seconds;
}

} // namespace TC
