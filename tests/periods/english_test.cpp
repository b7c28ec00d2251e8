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

TEST(EnglishTranslation, RenamesPeriods)
{
    ASSERT_TRUE(installed);
    const char* const names[17] = {
        "1 min",  "3 min",     "5 min",      "10 min",       "15 min",    "30 min",
        "60 min", "Daily",     "Weekly",     "Monthly",      "Quarterly", "Half-yearly",
        "Yearly", "Multi-day", "Multi-hour", "Multi-minute", "Tick"};
    for (int i = 0; i < 17; ++i)
        EXPECT_EQ(getCycleName(i), QString::fromLatin1(names[i])) << i;
    std::map<int, std::string> info;
    getAllPeriodInfo(info);
    ASSERT_EQ(info.size(), 17u);
    EXPECT_EQ(info[0], "Tick");
    EXPECT_EQ(info[86400], "Daily");
}

TEST(EnglishTranslation, RenamesWeightsAndFieldsButKeepsFieldCodes)
{
    ASSERT_TRUE(installed);
    EXPECT_EQ(getWeightName(0), QStringLiteral("Equal"));
    EXPECT_EQ(getWeightName(1), QStringLiteral("Custom"));
    EXPECT_TRUE(getWeightName(2).isEmpty());
    const char* const names[9] = {"Skip",  "Time",   "Open",     "High",         "Low",
                                  "Close", "Volume", "Turnover", "Open interest"};
    const char* const codes[9] = {"N", "G", "0", "1", "2", "3", "5", "6", "7"};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(getFieldName(i), QString::fromLatin1(names[i])) << i;
        EXPECT_EQ(getFieldCode(i), QString::fromLatin1(codes[i])) << i;
    }
}

TEST(EnglishTranslation, LeavesFixedTextsAlone)
{
    ASSERT_TRUE(installed);
    EXPECT_EQ(getDrName(1), QStringLiteral("前复权"));
}
