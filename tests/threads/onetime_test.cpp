// Every table built once at first use, and the zone-offset caches of the date conversions, are
// filled safely when several threads ask at the same time. Run under ThreadSanitizer
// (./build.sh tsan) this is the data-race check of those tables.
#include <tc/markets/marketcatalogue.h>
#include <tc/parsing/dates.h>
#include <tc/periods/displaynames.h>
#include <tc/periods/formulaperiod.h>
#include <tc/periods/translation.h>
#include <tc/workspace/navigationtree.h>

#include "common/printers.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

// Everything one thread reads from the one-time tables, in a fixed order.
QStringList readTables()
{
    QStringList seen;
    const QMap<QString, QString> markets = TC::getMarketNameMap();
    seen << QString::number(markets.size()) << TC::getNameByMarket(QStringLiteral("SZ"))
         << TC::getMarketByName(QStringLiteral("能源中心(INE)"));
    for (int i = -1; i < 18; ++i)
        seen << TC::getCycleName(i);
    std::map<int, std::string> periods;
    TC::getAllPeriodInfo(periods);
    for (const auto& [value, name] : periods)
        seen << QString::number(value) + QString::fromStdString(name);
    for (int i = -1; i < 12; ++i)
        seen << TC::getWeightName(i) << TC::getFieldCode(i) << TC::getFieldName(i)
             << TC::getDrName(i);
    // Dates through the host's conversion and through the library's own, one cache each.
    for (int day = 1; day <= 31; ++day) {
        const QString date = QStringLiteral("201603%1").arg(day, 2, 10, QLatin1Char('0'));
        seen << QString::number(TC::parserDate(date))
             << QString::number(TC::parserDate(date + QStringLiteral(" 09:30:00")));
    }
    return seen;
}

} // namespace

TEST(OneTimeTables, AreBuiltOnceWhenManyThreadsAskFirst)
{
    int argc = 1;
    char name[] = "test_threads";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    // Installed before any table is built, so every table holds the English texts.
    const std::unique_ptr<QTranslator> english = TC::getTranslator(QLocale(QLocale::English));
    ASSERT_TRUE(english);
    ASSERT_TRUE(QCoreApplication::installTranslator(english.get()));

    constexpr int kThreads = 8;
    std::atomic<int> ready{0};
    std::vector<QStringList> results(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            ready.fetch_add(1);
            while (ready.load() < kThreads)
                std::this_thread::yield();
            results[t] = readTables();
        });
    }
    for (auto& th : threads)
        th.join();

    ASSERT_FALSE(results[0].isEmpty());
    for (int t = 1; t < kThreads; ++t)
        EXPECT_EQ(results[t], results[0]) << "thread " << t;
    EXPECT_EQ(results[0].at(0), QStringLiteral("15"));
    EXPECT_EQ(results[0], readTables());
    // The translation reached the tables: an English name, not the Chinese source text.
    EXPECT_EQ(TC::getCycleName(0), TC::getCycleName(17));
    EXPECT_FALSE(results[0].contains(QStringLiteral("日线")));
    EXPECT_FALSE(results[0].contains(QStringLiteral("1分钟")));
    QCoreApplication::removeTranslator(english.get());
}
