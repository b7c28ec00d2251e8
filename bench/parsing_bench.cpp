// The parsing functions against their plain Qt forms on generated data files: a million lines of
// one-minute bars, a mix of every date notation, a MiB of GBK text and short names.
#include <tc/parsing/codepage_p.h>
#include <tc/parsing/csvline.h>
#include <tc/parsing/dates.h>
#include <tc/parsing/textconversions.h>

#include <literal/csvline.h>
#include <literal/dates.h>
#include <literal/samples.h>
#include <literal/textconversions.h>

#include <benchmark/benchmark.h>

#include <QFile>

#include <algorithm>

namespace {

constexpr int kBarLines = 1000000;
constexpr int kDateTexts = 80000;

const QStringList& barLines()
{
    static const QStringList lines = TC::literal::barCsvLines(kBarLines);
    return lines;
}

// The bar lines as a reader hands them on: rewritten by parserCsvLine, quotes deleted.
const QStringList& readerLines()
{
    static const QStringList lines = [] {
        QStringList out = barLines();
        for (QString& line : out) {
            TC::parserCsvLine(line);
            line.remove(QLatin1Char('"'));
        }
        return out;
    }();
    return lines;
}

// Which of the generated date texts a case reads.
enum class Dates {
    Mix,             // every notation
    DateOnly,        // all but "20160503 09:30:00"
    IsoDate,         // only "2016-05-03"
    CompactDateTime, // only "20160503 09:30:00"
};

QStringList dateTexts(Dates which)
{
    QStringList texts = TC::literal::dateTexts(kDateTexts);
    const auto compactDateTime = [](const QString& t) {
        return t.contains(QLatin1Char(':')) && !t.contains(QLatin1Char('T'));
    };
    const auto isoDate = [](const QString& t) {
        return t.size() == 10 && t[4] == QLatin1Char('-') && t[7] == QLatin1Char('-');
    };
    const auto dropped = [&](const QString& t) {
        switch (which) {
        case Dates::DateOnly:
            return compactDateTime(t);
        case Dates::IsoDate:
            return !isoDate(t);
        case Dates::CompactDateTime:
            return !compactDateTime(t);
        default:
            return false;
        }
    };
    texts.erase(std::remove_if(texts.begin(), texts.end(), dropped), texts.end());
    return texts;
}

// Year-month-day texts as users type them: valid dates, February 29ths, wrong days and months.
QStringList checkDateTexts()
{
    QStringList texts;
    const QStringList all = TC::literal::dateTexts(kDateTexts);
    for (int i = 0; i < all.size(); i += 8) {
        texts.append(all[i]);
        texts.append(all[i + 1]);
        texts.append(all[i].left(5) + QStringLiteral("02-29"));
        texts.append(all[i].left(8) + QStringLiteral("31"));
    }
    return texts;
}

// Runs body on every line of file. A reader hands each line on right after reading it, so the
// lines are copied afresh, a chunk at a time outside the timing, and the timed loop finds them
// in the cache as a reader's loop would.
template <typename Body>
void forEachFreshLine(benchmark::State& state, const QStringList& file, Body body)
{
    constexpr int kChunk = 4096;
    QStringList chunk;
    for (auto _ : state) {
        for (int from = 0; from < file.size(); from += kChunk) {
            state.PauseTiming();
            chunk.clear();
            for (int i = from; i < std::min(from + kChunk, static_cast<int>(file.size())); ++i)
                chunk.append(QString(file[i].constData(), file[i].size()));
            state.ResumeTiming();
            for (QString& line : chunk)
                body(line);
        }
    }
    state.SetItemsProcessed(state.iterations() * file.size());
}

template <void (*Parse)(QString&)> void parseBarFile(benchmark::State& state)
{
    forEachFreshLine(state, barLines(), [](QString& line) {
        Parse(line);
        benchmark::DoNotOptimize(line.constData());
    });
}

void BM_parserCsvLine_BarFile(benchmark::State& state)
{
    parseBarFile<TC::parserCsvLine>(state);
}
BENCHMARK(BM_parserCsvLine_BarFile)->Unit(benchmark::kMillisecond);

void BM_parserCsvLine_BarFilePlainQt(benchmark::State& state)
{
    parseBarFile<TC::literal::parserCsvLine>(state);
}
BENCHMARK(BM_parserCsvLine_BarFilePlainQt)->Unit(benchmark::kMillisecond);

template <void (*Split)(QStringList&, QString&)>
void splitBarFile(benchmark::State& state, bool freshList)
{
    QStringList fields;
    forEachFreshLine(state, readerLines(), [&](QString& line) {
        if (freshList) fields = QStringList();
        Split(fields, line);
        benchmark::DoNotOptimize(fields);
    });
}

// A reader's loop: one list for the whole file.
void BM_parserLineSplit_BarFile(benchmark::State& state)
{
    splitBarFile<TC::parserLineSplit>(state, false);
}
BENCHMARK(BM_parserLineSplit_BarFile)->Unit(benchmark::kMillisecond);

void BM_parserLineSplit_BarFilePlainQt(benchmark::State& state)
{
    splitBarFile<TC::literal::parserLineSplit>(state, false);
}
BENCHMARK(BM_parserLineSplit_BarFilePlainQt)->Unit(benchmark::kMillisecond);

// A new, empty list for every line.
void BM_parserLineSplit_BarFileFreshList(benchmark::State& state)
{
    splitBarFile<TC::parserLineSplit>(state, true);
}
BENCHMARK(BM_parserLineSplit_BarFileFreshList)->Unit(benchmark::kMillisecond);

void BM_parserLineSplit_BarFileFreshListPlainQt(benchmark::State& state)
{
    splitBarFile<TC::literal::parserLineSplit>(state, true);
}
BENCHMARK(BM_parserLineSplit_BarFileFreshListPlainQt)->Unit(benchmark::kMillisecond);

template <int (*Parse)(QString)> void parseDates(benchmark::State& state, Dates which)
{
    const QStringList texts = dateTexts(which);
    for (auto _ : state) {
        for (const QString& text : texts)
            benchmark::DoNotOptimize(Parse(text));
    }
    state.SetItemsProcessed(state.iterations() * texts.size());
}

void BM_parserDate_Mix(benchmark::State& state)
{
    parseDates<TC::parserDate>(state, Dates::Mix);
}
BENCHMARK(BM_parserDate_Mix)->Unit(benchmark::kMillisecond);

void BM_parserDate_MixPlainQt(benchmark::State& state)
{
    parseDates<TC::literal::parserDate>(state, Dates::Mix);
}
BENCHMARK(BM_parserDate_MixPlainQt)->Unit(benchmark::kMillisecond);

// The seven notations that go to the host conversions, without the compact date-time.
void BM_parserDate_DateOnly(benchmark::State& state)
{
    parseDates<TC::parserDate>(state, Dates::DateOnly);
}
BENCHMARK(BM_parserDate_DateOnly)->Unit(benchmark::kMillisecond);

void BM_parserDate_DateOnlyPlainQt(benchmark::State& state)
{
    parseDates<TC::literal::parserDate>(state, Dates::DateOnly);
}
BENCHMARK(BM_parserDate_DateOnlyPlainQt)->Unit(benchmark::kMillisecond);

void BM_parserDate_IsoDate(benchmark::State& state)
{
    parseDates<TC::parserDate>(state, Dates::IsoDate);
}
BENCHMARK(BM_parserDate_IsoDate)->Unit(benchmark::kMillisecond);

void BM_parserDate_IsoDatePlainQt(benchmark::State& state)
{
    parseDates<TC::literal::parserDate>(state, Dates::IsoDate);
}
BENCHMARK(BM_parserDate_IsoDatePlainQt)->Unit(benchmark::kMillisecond);

void BM_parserDate_CompactDateTime(benchmark::State& state)
{
    parseDates<TC::parserDate>(state, Dates::CompactDateTime);
}
BENCHMARK(BM_parserDate_CompactDateTime)->Unit(benchmark::kMillisecond);

void BM_parserDate_CompactDateTimePlainQt(benchmark::State& state)
{
    parseDates<TC::literal::parserDate>(state, Dates::CompactDateTime);
}
BENCHMARK(BM_parserDate_CompactDateTimePlainQt)->Unit(benchmark::kMillisecond);

template <bool (*Check)(QString)> void checkDates(benchmark::State& state)
{
    const QStringList texts = checkDateTexts();
    for (auto _ : state) {
        for (const QString& text : texts)
            benchmark::DoNotOptimize(Check(text));
    }
    state.SetItemsProcessed(state.iterations() * texts.size());
}

void BM_checkDate_Mix(benchmark::State& state)
{
    checkDates<TC::checkDate>(state);
}
BENCHMARK(BM_checkDate_Mix)->Unit(benchmark::kMillisecond);

void BM_checkDate_MixPlainQt(benchmark::State& state)
{
    checkDates<TC::literal::checkDate>(state);
}
BENCHMARK(BM_checkDate_MixPlainQt)->Unit(benchmark::kMillisecond);

template <std::string (*Convert)(std::string)> void convertGbk(benchmark::State& state)
{
    const std::string text = TC::literal::gbkText(1 << 20);
    for (auto _ : state)
        benchmark::DoNotOptimize(Convert(text).size());
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

void BM_ToDBS_Gbk1MiB(benchmark::State& state)
{
    convertGbk<TC::ToDBS>(state);
}
BENCHMARK(BM_ToDBS_Gbk1MiB)->Unit(benchmark::kMicrosecond);

void BM_ToDBS_Gbk1MiBPlainQt(benchmark::State& state)
{
    convertGbk<TC::literal::ToDBS>(state);
}
BENCHMARK(BM_ToDBS_Gbk1MiBPlainQt)->Unit(benchmark::kMicrosecond);

// One call per instrument name: what a call costs beyond its bytes.
template <std::string (*Convert)(std::string)>
void convertGbkNames(benchmark::State& state, const std::vector<std::string>& names)
{
    for (auto _ : state) {
        for (const std::string& name : names)
            benchmark::DoNotOptimize(Convert(name).size());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(names.size()));
}

void BM_ToDBS_ShortNames(benchmark::State& state)
{
    convertGbkNames<TC::ToDBS>(state, TC::literal::gbkNames(20000));
}
BENCHMARK(BM_ToDBS_ShortNames)->Unit(benchmark::kMicrosecond);

void BM_ToDBS_ShortNamesPlainQt(benchmark::State& state)
{
    convertGbkNames<TC::literal::ToDBS>(state, TC::literal::gbkNames(20000));
}
BENCHMARK(BM_ToDBS_ShortNamesPlainQt)->Unit(benchmark::kMicrosecond);

// A function of ToDBS's signature that returns its argument: what each call costs both forms
// before any work, the argument's copy and the returned string.
std::string returnArgument(std::string text)
{
    benchmark::DoNotOptimize(text.data());
    return text;
}

void BM_ToDBS_ShortNamesCallFloor(benchmark::State& state)
{
    convertGbkNames<returnArgument>(state, TC::literal::gbkNames(20000));
}
BENCHMARK(BM_ToDBS_ShortNamesCallFloor)->Unit(benchmark::kMicrosecond);

// 20,000 names of the bundled instrument list (4,177, in turn) in GBK: real names, which hold no
// full-width forms.
std::vector<std::string> instrumentNames()
{
    QFile file(QStringLiteral(TC_BUNDLED_INSTRUMENTS));
    std::vector<std::string> names;
    if (!file.open(QIODevice::ReadOnly)) return names;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (int i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> fields = lines[i].split(',');
        if (fields.size() > 2)
            names.push_back(
                utils::detail::encodeIn("GBK", QString::fromUtf8(fields[2])).toStdString());
    }
    std::vector<std::string> out;
    for (size_t i = 0; !names.empty() && out.size() < 20000; ++i)
        out.push_back(names[i % names.size()]);
    return out;
}

void BM_ToDBS_InstrumentNames(benchmark::State& state)
{
    convertGbkNames<TC::ToDBS>(state, instrumentNames());
}
BENCHMARK(BM_ToDBS_InstrumentNames)->Unit(benchmark::kMicrosecond);

void BM_ToDBS_InstrumentNamesPlainQt(benchmark::State& state)
{
    convertGbkNames<TC::literal::ToDBS>(state, instrumentNames());
}
BENCHMARK(BM_ToDBS_InstrumentNamesPlainQt)->Unit(benchmark::kMicrosecond);

} // namespace
