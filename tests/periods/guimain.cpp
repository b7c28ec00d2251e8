// Entry point of the periods suite: QFontMetrics needs a QGuiApplication, headless by default
// (test discovery runs the suite without ctest's environment).
#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: Qt 5's offscreen platform loses its screen objects when the application
    // is torn down, which LeakSanitizer would report against every test.
    static int appArgc = argc;
    static QGuiApplication* const app = new QGuiApplication(appArgc, argv);
    Q_UNUSED(app)
    return RUN_ALL_TESTS();
}

#if defined(__GNUC__)
// Read by LeakSanitizer in sanitizer builds: fontconfig, under QFontMetrics, keeps a few
// allocations of its own past exit.
extern "C" __attribute__((visibility("default"))) const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
#endif
