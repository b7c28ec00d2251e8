#include <tc/periods/displaynames.h>
#include <tc/periods/formulaperiod.h>
#include <tc/periods/translation.h>

#include "common/printers.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

using namespace TC;

TEST(Translation, ShipsEnglishOnly)
{
    const auto english = getTranslator(QLocale(QLocale::English, QLocale::UnitedKingdom));
    ASSERT_TRUE(english);
    EXPECT_EQ(english->language(), QStringLiteral("en"));
    EXPECT_EQ(english->translate("QObject", "日线"), QStringLiteral("Daily"));
    EXPECT_FALSE(getTranslator(QLocale(QLocale::Chinese, QLocale::China)));
    EXPECT_FALSE(getTranslator(QLocale(QLocale::French)));
}

TEST(Translation, InstalledAfterTheFirstCallsChangesNoName)
{
    std::map<int, std::string> info;
    getAllPeriodInfo(info);
    getWeightName(0);
    getFieldCode(0);
    getFieldName(0);

    const auto english = getTranslator(QLocale(QLocale::English));
    ASSERT_TRUE(english);
    ASSERT_TRUE(QCoreApplication::installTranslator(english.get()));
    EXPECT_EQ(QObject::tr("日线"), QStringLiteral("Daily")); // the translator is live

    EXPECT_EQ(getCycleName(7), QStringLiteral("日线"));
    getAllPeriodInfo(info);
    EXPECT_EQ(info[86400], "日线");
    EXPECT_EQ(getWeightName(1), QStringLiteral("自定义"));
    EXPECT_EQ(getFieldName(6), QStringLiteral("成交量"));
    EXPECT_EQ(getFieldCode(6), QStringLiteral("5"));
    QCoreApplication::removeTranslator(english.get());
}
