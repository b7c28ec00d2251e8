#include <tc/parsing/dates.h>

#include <tc/host/timeseq.h>
#include <tc/host/timeutils.h>
#include <tc/parsing/localclock_p.h>
#include <tc/parsing/numberconversions_p.h>
#include <tc/parsing/timet_p.h>

#include <QDate>
#include <QDateTime>
#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <ctime>

namespace TC {

namespace {

using utils::detail::daysFromCivil;
using utils::detail::kSecondsPerDay;
using utils::detail::localDayOf;
using utils::detail::localOffsetAt;
using utils::detail::settledDayOffset;

// The low 32 bits of a host seconds count.
int low32(int64_t seconds)
{
    return static_cast<int>(static_cast<uint32_t>(static_cast<uint64_t>(seconds)));
}

int indexOf(const QChar* p, int from, int end, QChar c)
{
    for (int i = from; i < end; ++i) {
        if (p[i] == c) return i;
    }
    return -1;
}

// Year-month[-day] notations: the date parts of p[0, end) cut at separator.
int parserDateParts(const QChar* p, int end, QChar separator)
{
    const int first = indexOf(p, 0, end, separator);
    if (first < 0) return -1;
    int second = indexOf(p, first + 1, end, separator);
    if (second < 0) second = end;
    bool ok = false;
    const int year = detail::toInt(QStringView(p, first), &ok);
    if (!ok) return -1;
    const int month = detail::toInt(QStringView(p + first + 1, second - first - 1), &ok);
    if (!ok) return -1;
    int day = 1;
    if (second < end) {
        int third = indexOf(p, second + 1, end, separator);
        if (third < 0) third = end;
        day = detail::toInt(QStringView(p + second + 1, third - second - 1));
    }
    return low32(utils::timeToSeconds(year, month, day, 0, 0, 0));
}

int compactDateTimeViaQt(const QString& text)
{
    return static_cast<int>(
        detail::toTimeT(QDateTime::fromString(text, QStringLiteral("yyyyMMdd hh:mm:ss"))));
}

// Whether the offset in force at local wall-clock time `local` (seconds from 1970-01-01 00:00
// local) is the same 36 hours before and after it and at the instant it then names, and that
// offset. Offsets lie within -12 h and +14 h, so `local` then has that one instant, the one
// QDateTime gives.
bool settledOffset(int64_t local, int64_t& offset)
{
    using utils::detail::kSettledDistance;
    // A day with one offset all through, the common case, is remembered once measured.
    if (settledDayOffset(localDayOf(local), offset)) return true;
    int64_t after = 0;
    int64_t atInstant = 0;
    return localOffsetAt(local - kSettledDistance, offset) &&
           localOffsetAt(local + kSettledDistance, after) && after == offset &&
           localOffsetAt(local - offset, atInstant) && atInstant == offset;
}

int twoDigits(const QChar* p)
{
    return (p[0].unicode() - u'0') * 10 + (p[1].unicode() - u'0');
}

// "yyyyMMdd hh:mm:ss" as QDateTime::fromString reads it, local time, then QDateTime::toTime_t as
// an int. Valid date-times of 1971 to 2036 away from any change of the zone's offset are computed
// here; every other text goes to Qt (which reads years from 2038 by the rules of a year before).
int compactDateTime(const QString& text)
{
    static constexpr char kShape[] = "00000000 00:00:00";
    constexpr int kLength = sizeof kShape - 1;
    if (text.size() != kLength) return compactDateTimeViaQt(text);
    const QChar* p = text.constData();
    for (int i = 0; i < kLength; ++i) {
        const bool digitExpected = kShape[i] == '0';
        const bool digit = static_cast<unsigned>(p[i].unicode()) - u'0' <= 9u;
        if (digit != digitExpected || (!digit && p[i] != QLatin1Char(kShape[i])))
            return compactDateTimeViaQt(text);
    }
    const int year = twoDigits(p) * 100 + twoDigits(p + 2);
    const int month = twoDigits(p + 4);
    const int dayOfMonth = twoDigits(p + 6);
    const int hour = twoDigits(p + 9);
    const int minute = twoDigits(p + 12);
    const int second = twoDigits(p + 15);
    if (year < 1971 || year > 2036 || month < 1 || month > 12 || dayOfMonth < 1 ||
        dayOfMonth > QDate(year, month, 1).daysInMonth() || hour > 23 || minute > 59 || second > 59)
        return compactDateTimeViaQt(text);

    const int64_t local = daysFromCivil(year, month, dayOfMonth) * kSecondsPerDay + hour * 3600 +
                          minute * 60 + second;
    int64_t offset = 0;
    if (!settledOffset(local, offset)) return compactDateTimeViaQt(text);
    // Within toTime_t's range, 0 to 0xFFFFFFFE, for these years.
    return static_cast<int>(static_cast<uint32_t>(local - offset));
}

// The value of an ASCII digit, -1 for any other character.
int asciiDigit(QChar c)
{
    const unsigned d = static_cast<unsigned>(c.unicode()) - u'0';
    return d <= 9 ? static_cast<int>(d) : -1;
}

// All characters are digits as the pattern's \d means them: QChar::isDigit, any script.
bool allDigits(QStringView s)
{
    for (const QChar c : s) {
        if (!c.isDigit()) return false;
    }
    return true;
}

// The February 29 alternative of the pattern, year part:
// \d*(0?[048]|[2468][048]|[13579][26])00|\d*(0?[48]|[2468][048]|[13579][26]).
bool isLeapYearText(QStringView y)
{
    const qsizetype n = y.size();
    if (n == 0 || !allDigits(y)) return false;
    const int last = asciiDigit(y[n - 1]);
    const int before = n >= 2 ? asciiDigit(y[n - 2]) : -1;
    // Second branch: ends in 4 or 8, in 2, 4, 6 or 8 then 0, or in an odd digit then 2 or 6.
    if (last == 4 || last == 8 || (before >= 2 && before % 2 == 0 && last == 0) ||
        (before % 2 == 1 && (last == 2 || last == 6)))
        return true;
    // First branch: "00" after a digit 0, 4 or 8, or after an odd digit then 2 or 6.
    if (n < 3 || last != 0 || before != 0) return false;
    const int head = asciiDigit(y[n - 3]);
    const int beforeHead = n >= 4 ? asciiDigit(y[n - 4]) : -1;
    return head == 0 || head == 4 || head == 8 || (beforeHead % 2 == 1 && (head == 2 || head == 6));
}

// The month of the pattern's general alternative, "1" to "12" with one optional leading zero
// before a single digit; 0 for anything else.
int monthOf(QStringView m)
{
    if (m.size() == 1) return std::max(asciiDigit(m[0]), 0);
    if (m.size() != 2) return 0;
    const int tens = asciiDigit(m[0]);
    const int units = asciiDigit(m[1]);
    if (tens == 0 && units >= 1) return units;
    if (tens == 1 && units >= 0 && units <= 2) return 10 + units;
    return 0;
}

// Whether d is a day of the pattern for a month of 31, 30 or 28 days: 0?[1-9], [12]\d, and
// 3[01], 30, or for February 1\d and 2[0-8].
bool isDayOf(QStringView d, int days)
{
    if (d.size() == 1) return asciiDigit(d[0]) >= 1;
    if (d.size() != 2) return false;
    const int units = asciiDigit(d[1]);
    switch (asciiDigit(d[0])) {
    case 0:
        return units >= 1;
    case 1:
        return d[1].isDigit();
    case 2:
        return days == 28 ? units >= 0 && units <= 8 : d[1].isDigit();
    case 3:
        return units == 0 ? days >= 30 : units == 1 && days == 31;
    default:
        return false;
    }
}

} // namespace

int parserDate(QString text)
{
    const int n = static_cast<int>(text.size());
    const QChar* p = text.constData();
    int firstT = -1;
    bool dash = false;
    bool slash = false;
    bool colon = false;
    int spaces = 0;
    for (int i = 0; i < n; ++i) {
        switch (p[i].unicode()) {
        case u'-':
            dash = true;
            break;
        case u'/':
            slash = true;
            break;
        case u'T':
            if (firstT < 0) firstT = i;
            break;
        case u':':
            colon = true;
            break;
        case u' ':
            ++spaces;
            break;
        default:
            break;
        }
    }
    if (dash || slash)
        return parserDateParts(p, firstT < 0 ? n : firstT, QLatin1Char(dash ? '-' : '/'));
    if (n == 8) {
        const int date = detail::toInt(QStringView(p, n));
        const int time = 0;
        return low32(utils::d8_datetimeToSecond(date, time));
    }
    if (colon) return spaces == 1 ? compactDateTime(text) : -1;
    return -1;
}

bool checkDate(QString text)
{
    static constexpr int kDaysInMonth[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    // Both alternatives of the pattern are anchored at both ends and hold exactly two '-'.
    const int n = static_cast<int>(text.size());
    const QChar* p = text.constData();
    const int first = indexOf(p, 0, n, QLatin1Char('-'));
    const int second = first < 0 ? -1 : indexOf(p, first + 1, n, QLatin1Char('-'));
    if (second < 0 || indexOf(p, second + 1, n, QLatin1Char('-')) >= 0) return false;
    const QStringView year(p, first);
    const int month = monthOf(QStringView(p + first + 1, second - first - 1));
    const QStringView day(p + second + 1, n - second - 1);
    if (month == 2 && day.size() == 2 && day[0] == QLatin1Char('2') && day[1] == QLatin1Char('9'))
        return isLeapYearText(year);
    return month != 0 && !year.isEmpty() && asciiDigit(year[0]) >= 1 && allDigits(year) &&
           isDayOf(day, kDaysInMonth[month]);
}

bool isValidDate(int seconds)
{
    if (seconds == -1) return false;
    // QDateTime::fromTime_t is valid for every 32-bit count (1970 to 2106), so the bounds decide.
    const int64_t milliseconds = int64_t(seconds) * 1000;
    return quoter::TimeSeq::TIME_START2.time <= milliseconds &&
           milliseconds <= quoter::TimeSeq::TIME_LASTED.time;
}

void adjustDateTime(const QString& input, QString& output)
{
    const QStringList pieces = input.split(QLatin1Char('-'));
    QString result = pieces.first();
    for (int i = 1; i < pieces.size() && i < 3; ++i) {
        result += QLatin1Char('-');
        if (pieces[i].size() == 1) result += QLatin1Char('0');
        result += pieces[i];
    }
    output = result;
}

} // namespace TC
