#include <tc/parsing/datetime.h>

#include <literal/datetime.h>
#include <literal/samples.h>
#include <tc/parsing/dates.h>

#include "common/printers.h"
#include "common/zoneguard.h"

#include <QFile>

#include <gtest/gtest.h>

TEST(ParseDateTime, ReadsTheTableAsItsPlainFormDoes)
{
    ZoneGuard zone("Asia/Shanghai");
    QFile table(QStringLiteral(TC_TEST_DATA "/datetimes.tsv"));
    ASSERT_TRUE(table.open(QIODevice::ReadOnly));
    int rows = 0;
    while (!table.atEnd()) {
        const QString row = QString::fromUtf8(table.readLine()).chopped(1);
        if (row.startsWith(QLatin1Char('#'))) continue;
        const auto tab = row.lastIndexOf(QLatin1Char('\t'));
        const QString text = row.left(tab).replace(QLatin1String("\\t"), QLatin1String("\t"));
        const QString expected = row.mid(tab + 1);
        SCOPED_TRACE(text.toStdString());
        bool ok = expected == QLatin1String("-");
        const qint64 seconds = TC::parseDateTime(text, &ok);
        EXPECT_EQ(ok, expected != QLatin1String("-"));
        EXPECT_EQ(seconds, ok ? expected.toLongLong() : -1);
        bool plainOk = !ok;
        EXPECT_EQ(TC::literal::parseDateTime(text, &plainOk), seconds);
        EXPECT_EQ(plainOk, ok);
        ++rows;
    }
    EXPECT_GT(rows, 40);
}

TEST(ParseDateTime, AgreesWithTheClientWhereTheClientKeepsEverything)
{
    // Dates without a time, and compact date-times, are read alike in every zone (the tests run
    // again under zones with daylight saving time).
    for (const QString& text : TC::literal::dateTexts(4000, 7)) {
        bool ok = false;
        const qint64 strict = TC::parseDateTime(text, &ok);
        ASSERT_TRUE(ok) << text.toStdString();
        if (!text.contains(QLatin1Char('T'))) {
            ASSERT_EQ(strict, TC::parserDate(text)) << text.toStdString();
        }
    }
    // The host's -1 is a real instant in UTC, and not a failure there.
    ZoneGuard utc("UTC");
    bool ok = false;
    EXPECT_EQ(TC::parseDateTime(QStringLiteral("1969-12-31 23:59:59"), &ok), -1);
    EXPECT_TRUE(ok);
}
