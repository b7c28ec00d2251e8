// Every table built once at first use, and the zone-offset caches of the date conversions, are
// filled safely when several threads ask at the same time, in the language installed before: this
// process installs the English translator first. Run under ThreadSanitizer (./build.sh tsan) this
// is the data-race check of those tables.
#include <tc/markets/marketcatalogue.h>
#include <tc/parsing/dates.h>
#include <tc/periods/translation.h>

#include "periods/displaytexts.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

// Everything one thread reads from the one-time tables.
QStringList readTables()
{
    QStringList seen = TC::getMarketNameMap().values();
    std::map<int, std::string> periods;
    TC::getAllPeriodInfo(periods);
    for (const auto& [value, name] : periods)
        seen << QString::fromStdString(name);
    for (int i = -1; i < 10; ++i)
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

TEST(OneTimeTables, AreBuiltOnceInTheInstalledLanguageWhenManyThreadsAskFirst)
{
    int argc = 1;
    char name[] = "test_threads";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
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

    for (int t = 0; t < kThreads; ++t)
        EXPECT_EQ(results[t], readTables()) << "thread " << t;
    expectDisplayTexts(3);
    QCoreApplication::removeTranslator(english.get());
}
