#include <tc/periods/translation.h>

#include "periods/displaytexts.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

TEST(Translation, ShipsEnglishOnly)
{
    const auto english = TC::getTranslator(QLocale(QLocale::English, QLocale::UnitedKingdom));
    ASSERT_TRUE(english);
    EXPECT_EQ(english->language(), QStringLiteral("en"));
    EXPECT_FALSE(TC::getTranslator(QLocale(QLocale::Chinese, QLocale::China)));
    EXPECT_FALSE(TC::getTranslator(QLocale(QLocale::French)));
}

// The English tables, built with the translator installed first: tests/threads.
TEST(Translation, InstalledAfterTheTablesAreBuiltChangesNoText)
{
    expectDisplayTexts(2); // without a translator: the source texts
    const auto english = TC::getTranslator(QLocale(QLocale::English));
    ASSERT_TRUE(english);
    ASSERT_TRUE(QCoreApplication::installTranslator(english.get()));
    EXPECT_EQ(QObject::tr("日线"), QStringLiteral("Daily")); // the translator is live
    expectDisplayTexts(2);
    QCoreApplication::removeTranslator(english.get());
}
