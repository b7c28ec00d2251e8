#include <tc/parsing/datetime.h>

#include <literal/datetime.h>
#include <literal/samples.h>
#include <tc/parsing/dates.h>

#include "common/datatable.h"
#include "common/printers.h"
#include "common/zoneguard.h"

#include <gtest/gtest.h>

TEST(ParseDateTime, ReadsTheTableAsItsPlainFormDoes)
{
    ZoneGuard zone("Asia/Shanghai");
    const std::vector<testdata::Row> rows = testdata::load("datetimes.tsv");
    EXPECT_GT(rows.size(), 40u);
    for (const testdata::Row& row : rows) {
        const QString text = row.text(0), expected = row.text(1);
        SCOPED_TRACE(text.toStdString());
        bool ok = expected == QLatin1String("-");
        const qint64 seconds = TC::parseDateTime(text, &ok);
        EXPECT_EQ(ok, expected != QLatin1String("-"));
        EXPECT_EQ(seconds, ok ? expected.toLongLong() : -1);
        bool plainOk = !ok;
        EXPECT_EQ(TC::literal::parseDateTime(text, &plainOk), seconds);
        EXPECT_EQ(plainOk, ok);
    }
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
