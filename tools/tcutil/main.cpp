// tcutil: what the library answers, from the command line.
#include "command.h"

#include <QCoreApplication>

#include <functional>

using namespace tcutil;

namespace {

struct Subcommand
{
    const char* name;
    const char* summary;
    std::function<int(const QStringList&)> run;
};

const Subcommand kSubcommands[] = {
    {"search", "Find instruments by pinyin or code", runSearch},
    {"info", "Keys, market, security type and features of one instrument", runInfo},
    {"list", "The instruments in display order, with their labels", runList},
    {"markets", "The market catalogue", runMarkets},
    {"periods", "The chart periods", runPeriods},
    {"csv", "Clean a data file with the CSV and date rules", runCsv},
    {"date", "Seconds and local date-time of date texts", runDate},
    {"encrypt", "Encrypt a file", [](const QStringList& a) { return runCrypt(a, true); }},
    {"decrypt", "Decrypt a file", [](const QStringList& a) { return runCrypt(a, false); }},
};

void printOverview()
{
    out() << "Usage: tcutil <command> [options] [arguments]\n\n"
             "What the tcutils library answers: instruments, markets, periods, data files.\n\n"
             "Commands:\n";
    for (const auto& c : kSubcommands)
        out() << "  " << QString::fromLatin1(c.name).leftJustified(9) << c.summary << '\n';
    out() << "\nRun 'tcutil <command> --help' for the options of one command, 'tcutil --version' "
             "for the version.\n"
             "Exit status: 0 on success, 1 on bad input or a failed read or write (one line on "
             "stderr), 2 on bad usage.\n";
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tcutil"));
#if QT_VERSION_MAJOR < 6
    // Qt 6's text streams write UTF-8 already.
    out().setCodec("UTF-8");
    err().setCodec("UTF-8");
#endif

    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    int status = ExitOk;
    try {
        if (args.isEmpty()) fail(ExitUsage, QStringLiteral("missing command (see tcutil --help)"));
        const QString name = args.takeFirst();
        if (name == QLatin1String("--help") || name == QLatin1String("-h") ||
            name == QLatin1String("help")) {
            printOverview();
        } else if (name == QLatin1String("--version")) {
            out() << "tcutil " << TCUTIL_VERSION << '\n';
        } else {
            const Subcommand* found = nullptr;
            for (const auto& c : kSubcommands)
                if (name == QLatin1String(c.name)) found = &c;
            if (!found)
                fail(ExitUsage,
                     QStringLiteral("unknown command '%1' (see tcutil --help)").arg(name));
            status = found->run(args);
        }
        finishOutput();
    } catch (const Failure& f) {
        out().flush();
        err() << "tcutil: " << f.message << '\n';
        status = f.status;
    }
    err().flush();
    return status;
}
