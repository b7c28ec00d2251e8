#include <tc/host/timeseq.h>
#include <tc/host/timeutils.h>

#include "common/printers.h"
#include "common/zoneguard.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <climits>
#include <ctime>
#include <random>

namespace {

// Seconds of a local date-time as QDateTime gives them; -1 when Qt finds no such local time.
int64_t qtSeconds(const QDate& date, const QTime& time)
{
    const QDateTime local(date, time, Qt::LocalTime);
    return local.isValid() ? local.toMSecsSinceEpoch() / 1000 : -1;
}

int64_t hostSeconds(const QDate& date, const QTime& time)
{
    return utils::timeToSeconds(date.year(), date.month(), date.day(), time.hour(), time.minute(),
                                time.second());
}

// The days of `year` on which the zone's offset changes.
std::vector<QDate> changeDays(int year)
{
    std::vector<QDate> days;
    for (QDate d(year, 1, 1); d.year() == year; d = d.addDays(1)) {
        if (qtSeconds(d.addDays(1), QTime(12, 0)) - qtSeconds(d, QTime(12, 0)) != 86400)
            days.push_back(d);
    }
    return days;
}

} // namespace

TEST(TimeToSeconds, ReadsDatesAsQtLocalTime)
{
    for (const auto& [from, to] : {std::pair{QDate(1969, 12, 25), QDate(1993, 1, 10)},
                                   std::pair{QDate(2014, 1, 1), QDate(2019, 1, 1)},
                                   std::pair{QDate(2037, 12, 1), QDate(2038, 2, 1)}}) {
        for (QDate d = from; d < to; d = d.addDays(1)) {
            for (const QTime& t : {QTime(0, 0), QTime(9, 30, 15)}) {
                const int64_t expected = qtSeconds(d, t);
                if (expected != -1) {
                    ASSERT_EQ(hostSeconds(d, t), expected) << d.toString(Qt::ISODate).toStdString();
                }
            }
        }
    }
}

TEST(TimeToSeconds, FollowsDaylightSavingChangesAsQt)
{
    const std::pair<const char*, std::vector<int>> zones[] = {
        {"America/New_York", {2016, 2007}},
        {"Europe/Berlin", {2016, 1980}},
        {"Asia/Shanghai", {1986, 1991, 1940}}};
    for (const auto& [zone, years] : zones) {
        ZoneGuard guard(zone);
        int changes = 0;
        for (const int year : years) {
            for (const QDate& day : changeDays(year)) {
                ++changes;
                for (int minutes = 0; minutes < 2 * 24 * 60; minutes += 15) {
                    const QDate date = day.addDays(minutes / (24 * 60));
                    const QTime time(minutes / 60 % 24, minutes % 60);
                    const int64_t expected = qtSeconds(date, time);
                    const int64_t got = hostSeconds(date, time);
                    if (expected != -1) {
                        EXPECT_EQ(got, expected)
                            << zone << ' ' << date.year() << '-' << date.month() << '-'
                            << date.day() << ' ' << minutes % (24 * 60);
                    } else {
                        // Skipped by the clocks: read with the offset before the change, so one
                        // hour later on the clock is the same instant.
                        EXPECT_EQ(got, hostSeconds(date, time.addSecs(3600))) << zone;
                    }
                }
            }
        }
        EXPECT_GE(changes, 2) << zone;
    }
}

TEST(TimeToSeconds, NormalisesFieldsAsMktime)
{
    // Months 13 and below 1, day 0, hour 24 and the like, against the C library itself, where no
    // zone change makes mktime's choice ambiguous.
    ZoneGuard guard("Asia/Shanghai");
    std::mt19937 rng(3);
    for (int i = 0; i < 20000; ++i) {
        const int f[6] = {
            1995 + static_cast<int>(rng() % 100), static_cast<int>(rng() % 60) - 20,
            static_cast<int>(rng() % 200) - 80,   static_cast<int>(rng() % 100) - 40,
            static_cast<int>(rng() % 300) - 100,  static_cast<int>(rng() % 9000) - 3000};
        struct tm fields = {};
        fields.tm_year = f[0] - 1900;
        fields.tm_mon = f[1] - 1;
        fields.tm_mday = f[2];
        fields.tm_hour = f[3];
        fields.tm_min = f[4];
        fields.tm_sec = f[5];
        fields.tm_isdst = -1;
        ASSERT_EQ(utils::timeToSeconds(f[0], f[1], f[2], f[3], f[4], f[5]), mktime(&fields));
    }
}

TEST(TimeToSeconds, SurvivesExtremeFields)
{
    EXPECT_EQ(utils::timeToSeconds(INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX), -1);
    EXPECT_EQ(utils::timeToSeconds(INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN), -1);
    EXPECT_NE(utils::d8_datetimeToSecond(INT_MAX, INT_MAX), 0);
    EXPECT_NE(utils::d8_datetimeToSecond(INT_MIN, INT_MIN), 0);
    // Year 0 and the rest normalised, as with any other fields.
    EXPECT_EQ(utils::timeToSeconds(0, 0, 0, 0, 0, 0), utils::timeToSeconds(-1, 11, 30, 0, 0, 0));
}

TEST(D8DatetimeToSecond, SplitsDateAndTimeNumbers)
{
    EXPECT_EQ(utils::d8_datetimeToSecond(20160503, 0), utils::timeToSeconds(2016, 5, 3, 0, 0, 0));
    EXPECT_EQ(utils::d8_datetimeToSecond(20160503, 93015),
              utils::timeToSeconds(2016, 5, 3, 9, 30, 15));
    EXPECT_EQ(utils::d8_datetimeToSecond(0, 0), utils::timeToSeconds(-1, 11, 30, 0, 0, 0));
    EXPECT_EQ(utils::d8_datetimeToSecond(20160532, 0), utils::timeToSeconds(2016, 6, 1, 0, 0, 0));
}

TEST(TimeSeq, BoundsAreTheShanghaiOpeningAndTheLast32BitSecond)
{
    const QDateTime opening(QDate(1990, 12, 19), QTime(0, 0), Qt::OffsetFromUTC, 8 * 3600);
    EXPECT_EQ(quoter::TimeSeq::TIME_START2.time, opening.toMSecsSinceEpoch());
    EXPECT_EQ(quoter::TimeSeq::TIME_START2.time, 661536000000);
    EXPECT_EQ(quoter::TimeSeq::TIME_LASTED.time, int64_t(INT_MAX) * 1000);
}
