// Padding texts to a pixel width, against the plain one-space-at-a-time loop, and the graph tick.
#include <tc/periods/graphtick.h>

#include <literal/graphtick.h>

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

// QFontMetrics needs a QGuiApplication; headless unless the caller chose a platform.
QFont benchFont()
{
    static int argc = 1;
    static char name[] = "bench_periods";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* const app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    Q_UNUSED(app)
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPixelSize(16);
    return font;
}

template <QString (*Enlarge)(QString, int, QFont)> void enlargeBench(benchmark::State& state)
{
    const QFont font = benchFont();
    const QString text = QStringLiteral("沪深300指数2406");
    const int width = static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(Enlarge(text, width, font));
    state.SetItemsProcessed(state.iterations());
}

QString plain(QString text, int width, QFont font)
{
    return TC::literal::enlargeText(text, width, font);
}

void BM_EnlargeText_Label(benchmark::State& state)
{
    enlargeBench<TC::enlargeText>(state);
}
BENCHMARK(BM_EnlargeText_Label)->Arg(200)->Arg(2000);

void BM_EnlargeTextPlain_Label(benchmark::State& state)
{
    enlargeBench<plain>(state);
}
BENCHMARK(BM_EnlargeTextPlain_Label)->Arg(200)->Arg(2000);

void BM_GetGraphShowTick_Sweep(benchmark::State& state)
{
    const double ticks[] = {0.0, 0.01, 5.0, -1.0};
    for (auto _ : state) {
        double sum = 0;
        for (double value = 1; value < 1e13; value *= 3.7)
            for (const double tick : ticks)
                sum += TC::getGraphShowTick(value, tick);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * 23 * 4);
}
BENCHMARK(BM_GetGraphShowTick_Sweep);

} // namespace
