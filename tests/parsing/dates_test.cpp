#include <tc/parsing/dates.h>

#include <literal/dates.h>
#include <literal/samples.h>
#include <tc/host/timeseq.h>
#include <tc/host/timeutils.h>

#include "common/datatable.h"
#include "common/printers.h"
#include "common/zoneguard.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <climits>

namespace {

int localMidnight(int year, int month, int day)
{
    return static_cast<int>(QDateTime(QDate(year, month, day), QTime(0, 0)).toSecsSinceEpoch());
}

int hostDate(int year, int month, int day)
{
    return static_cast<int>(utils::timeToSeconds(year, month, day, 0, 0, 0));
}

QString adjusted(const QString& input)
{
    QString output = QStringLiteral("old");
    TC::adjustDateTime(input, output);
    return output;
}

// The compact date-time of every quarter hour from `from` for `days` days.
void expectCompactDateTimesAgree(const QDate& from, int days)
{
    for (int minutes = 0; minutes < days * 24 * 60; minutes += 15) {
        const QDateTime local(from.addDays(minutes / (24 * 60)),
                              QTime(minutes / 60 % 24, minutes % 60, minutes % 60));
        const QString text = local.toString(QStringLiteral("yyyyMMdd hh:mm:ss"));
        ASSERT_EQ(TC::parserDate(text), TC::literal::parserDate(text)) << text.toStdString();
    }
}

} // namespace

TEST(ParserDate, ReadsEveryNotationOfOneDayAlike)
{
    for (const QDate& d : {QDate(2016, 5, 3), QDate(2016, 12, 31), QDate(1991, 9, 15),
                           QDate(2016, 3, 13), QDate(2016, 10, 30)}) {
        const int expected = localMidnight(d.year(), d.month(), d.day());
        for (const char* format :
             {"yyyy-MM-dd", "yyyy-M-d", "yyyy/MM/dd", "yyyy/M/d", "yyyyMMdd", "yyyyMMdd 00:00:00",
              "yyyy-MM-dd'T'09:30:00", "yyyy/MM/dd'T'09:30"})
            EXPECT_EQ(TC::parserDate(d.toString(QLatin1String(format))), expected)
                << d.toString(QLatin1String(format)).toStdString();
    }
    EXPECT_EQ(TC::parserDate(QStringLiteral("2016-05")),
              TC::parserDate(QStringLiteral("2016-05-01")));
    EXPECT_EQ(TC::parserDate(QStringLiteral("2016/5")),
              TC::parserDate(QStringLiteral("2016-05-01")));
    EXPECT_EQ(TC::parserDate(QStringLiteral("20160503 09:30:00")),
              static_cast<int>(QDateTime(QDate(2016, 5, 3), QTime(9, 30)).toSecsSinceEpoch()));
}

TEST(ParserDate, PassesUncheckedPartsToTheHost)
{
    // A blank instead of "T" leaves "03 09:30:00" as the day, which reads as 0.
    EXPECT_EQ(TC::parserDate(QStringLiteral("2016-05-03 09:30:00")), hostDate(2016, 5, 0));
    EXPECT_EQ(TC::parserDate(QStringLiteral("2016-05-x")), hostDate(2016, 5, 0));
    EXPECT_EQ(TC::parserDate(QStringLiteral("2016-05-03t09:30")), hostDate(2016, 5, 0));
    EXPECT_EQ(TC::parserDate(QStringLiteral("2016-13-45")), hostDate(2016, 13, 45));
    EXPECT_EQ(TC::parserDate(QStringLiteral(" 2016 -+5- 3")), hostDate(2016, 5, 3));
    // Eight characters without "-" or "/" are a compact date, read as a number or as 0.
    const int zero = 0;
    EXPECT_EQ(TC::parserDate(QStringLiteral("09:30:00")),
              static_cast<int>(utils::d8_datetimeToSecond(zero, zero)));
    EXPECT_EQ(TC::parserDate(QStringLiteral("abcdefgh")),
              TC::parserDate(QStringLiteral("09:30:00")));
    EXPECT_EQ(TC::parserDate(QStringLiteral("20160532")), hostDate(2016, 6, 1));
}

TEST(ParserDate, RejectsWhatIsNotADate)
{
    for (const char* text :
         {"-5", "2016-", "2016--05", "x-5-3", "2016-x-3", "2016", "", "/5", "2016T05-03",
          "20160503T09:30:00", "2016050309:30", "20160503 09:30:00 x", "20160532 09:30:00",
          "20160503 24:00:00", "19700101 00:00:00 ", "00000101 00:00:00", "2016-99999999999-1",
          "12:00"})
        EXPECT_EQ(TC::parserDate(QString::fromLatin1(text)), -1) << text;
    EXPECT_EQ(TC::parserDate(QString()), -1);
}

TEST(ParserDate, AgreesWithThePlainForm)
{
    for (const QString& text : TC::literal::dateTexts(20000, 5))
        ASSERT_EQ(TC::parserDate(text), TC::literal::parserDate(text)) << text.toStdString();

    // Compact date-times of every shape's neighbours: wrong fields, the edges of 1970, 1971 to 2036
    // and 2106.
    for (const char* text :
         {"20160503 09:30:00", "2016053 09:30:00",  "20160503 9:30:00",  "+0160503 09:30:00",
          "20160229 12:00:00", "20150229 12:00:00", "20161301 00:00:00", "20160431 00:00:00",
          "20160503 23:59:59", "20160503 23:60:00", "20160503 12:00:60", "19700101 00:00:00",
          "19700101 08:00:00", "19691231 23:59:59", "19700102 00:00:00", "21060207 06:28:14",
          "21060207 06:28:15", "21051231 23:59:59", "20380119 03:14:07", "20380119 11:14:08",
          "20991231 23:59:59", "٢٠١٦0503 09:30:00", "20160503 09:30:00", "19701231 23:59:59",
          "19710101 00:00:00", "20361231 23:59:59", "20370101 00:00:00", "20370701 12:00:00"})
        EXPECT_EQ(TC::parserDate(QString::fromUtf8(text)),
                  TC::literal::parserDate(QString::fromUtf8(text)))
            << text;
}

TEST(ParserDate, AgreesWithThePlainFormAcrossZoneChanges)
{
    // The days around the changes of the zone this run uses, then three zones in turn.
    expectCompactDateTimesAgree(QDate(2016, 3, 11), 4);
    expectCompactDateTimesAgree(QDate(2016, 10, 28), 11);
    for (const char* zone : {"America/New_York", "Europe/Berlin", "Asia/Shanghai"}) {
        ZoneGuard guard(zone);
        expectCompactDateTimesAgree(QDate(2016, 3, 11), 4);
        expectCompactDateTimesAgree(QDate(2016, 3, 25), 4);
        expectCompactDateTimesAgree(QDate(2016, 10, 28), 11);
        expectCompactDateTimesAgree(QDate(1986, 5, 2), 4);
        expectCompactDateTimesAgree(QDate(1991, 9, 13), 4);
        expectCompactDateTimesAgree(QDate(1970, 1, 1), 2);
        for (QDate d(2015, 1, 1); d.year() < 2017; d = d.addDays(1)) {
            const QString text = d.toString(QStringLiteral("yyyyMMdd 09:30:00"));
            ASSERT_EQ(TC::parserDate(text), TC::literal::parserDate(text)) << zone;
            const QString date = d.toString(QStringLiteral("yyyy-M-d"));
            ASSERT_EQ(TC::parserDate(date), localMidnight(d.year(), d.month(), d.day())) << zone;
        }
    }
}

// tests/data/dates.tsv: checkDate, and adjustDateTime, which may write over its input.
TEST(CheckDate, AcceptsExactlyTheDatesOfThePatternAndAdjustDateTimePads)
{
    for (const testdata::Row& row : testdata::load("dates.tsv")) {
        SCOPED_TRACE("dates.tsv line " + std::to_string(row.line));
        if (row.fields.at(0) == "checkDate") {
            EXPECT_EQ(TC::checkDate(row.text(1)), row.fields.at(2) == "1");
            continue;
        }
        EXPECT_EQ(adjusted(row.text(1)), row.text(2));
        QString literal, same = row.text(1);
        TC::literal::adjustDateTime(row.text(1), literal);
        EXPECT_EQ(literal, row.text(2));
        TC::adjustDateTime(same, same);
        EXPECT_EQ(same, row.text(2));
    }
}

TEST(CheckDate, AgreesWithThePerCallQRegExp)
{
    // Every combination of the pieces that the pattern treats differently.
    const char* const years[] = {"2016", "2000", "1900", "2013", "12",   "0012", "0",  "00",
                                 "000",  "400",  "1600", "1700", "2400", "0400", "96", "1996",
                                 "04",   "4",    "8",    "20",   "10",   "٢٠١٦", "2٠", "٠",
                                 "32",   "1٣00", "2600", "",     "x"};
    const char* const months[] = {"0",  "00", "1",  "01", "2",   "02", "3", "4",  "04", "6", "9",
                                  "10", "11", "12", "13", "010", "٢",  "5", "07", "08", "",  " 2"};
    const char* const days[] = {"0",  "00", "1",  "01", "9",  "09", "10", "19", "1٩",  "20", "28",
                                "29", "30", "31", "32", "3١", "2٨", "2٩", "",   "001", "39", "٩"};
    for (const char* y : years) {
        for (const char* m : months) {
            for (const char* d : days) {
                const QString text =
                    QString::fromUtf8(y) + '-' + QString::fromUtf8(m) + '-' + QString::fromUtf8(d);
                ASSERT_EQ(TC::checkDate(text), TC::literal::checkDate(text)) << text.toStdString();
            }
        }
    }
}

TEST(IsValidDate, AcceptsTheHostRangeInclusively)
{
    const int first = static_cast<int>(quoter::TimeSeq::TIME_START2.time / 1000);
    EXPECT_TRUE(TC::isValidDate(first));
    EXPECT_FALSE(TC::isValidDate(first - 1));
    EXPECT_TRUE(TC::isValidDate(INT_MAX));
    EXPECT_TRUE(TC::isValidDate(localMidnight(2016, 5, 3)));
    EXPECT_FALSE(TC::isValidDate(-1));
    EXPECT_FALSE(TC::isValidDate(0));
    EXPECT_FALSE(TC::isValidDate(INT_MIN));
}
