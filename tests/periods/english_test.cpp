// A process that installs the library's English translator before any translated name is built.
#include <tc/periods/displaynames.h>
#include <tc/periods/formulaperiod.h>
#include <tc/periods/translation.h>

#include "common/printers.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

using namespace TC;

namespace {
bool installed = false;
}

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    const auto english = getTranslator(QLocale(QLocale::English, QLocale::UnitedStates));
    installed = english && QCoreApplication::installTranslator(english.get());
    return RUN_ALL_TESTS();
}

TEST(EnglishTranslation, RenamesTheTranslatedNamesOnly)
{
    ASSERT_TRUE(installed);
    const char* const periods[17] = {
        "1 min",  "3 min",     "5 min",      "10 min",       "15 min",    "30 min",
        "60 min", "Daily",     "Weekly",     "Monthly",      "Quarterly", "Half-yearly",
        "Yearly", "Multi-day", "Multi-hour", "Multi-minute", "Tick"};
    for (int i = 0; i < 17; ++i)
        EXPECT_EQ(getCycleName(i), QString::fromLatin1(periods[i])) << i;
    std::map<int, std::string> info;
    getAllPeriodInfo(info);
    EXPECT_EQ(info[86400], "Daily");

    EXPECT_EQ(getWeightName(1), QStringLiteral("Custom"));
    EXPECT_EQ(getFieldName(0), QStringLiteral("Skip"));
    EXPECT_EQ(getFieldName(8), QStringLiteral("Open interest"));
    EXPECT_EQ(getFieldCode(6), QStringLiteral("5"));   // codes are the same in every language
    EXPECT_EQ(getDrName(1), QStringLiteral("前复权")); // never translated
}
