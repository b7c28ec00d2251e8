#pragma once

// Shared plumbing of the tcutil subcommands: argument parsing, exit statuses, output, and the host
// state a client would have (Level-2 markets, type table, instrument list).

#include <tc/host/instrumentdetail.h>

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <memory>
#include <vector>

namespace tcutil {

enum ExitStatus { ExitOk = 0, ExitBadInput = 1, ExitUsage = 2 };

// Thrown by subcommands to end with a one-line message on stderr and the given status.
struct Failure
{
    ExitStatus status;
    QString message;
};

// One invocation of a subcommand: its parser with the shared host options already added.
class Invocation
{
public:
    Invocation(const QString& command, const QString& description, const QStringList& args);

    QCommandLineParser& parser() { return m_parser; }
    // Parses the arguments; prints help and returns false for --help; throws Failure(ExitUsage)
    // on unknown options or a positional count outside [minArgs, maxArgs] (maxArgs -1: no limit).
    bool parse(int minArgs, int maxArgs);
    QStringList positional() const { return m_parser.positionalArguments(); }
    QString value(const QString& option) const { return m_parser.value(option); }
    bool isSet(const QString& option) const { return m_parser.isSet(option); }

    // Applies --level2 and --types to the host stand-in; throws Failure(ExitBadInput) on a bad
    // table, Failure(ExitUsage) when tcutil is built against the real host libraries.
    void applyHostState();
    // The instrument list: --instruments FILE, else the bundled one. Throws Failure on a bad file.
    const std::vector<std::shared_ptr<ttservice::CInstrumentDetail>>& instruments();

private:
    QString m_command;
    QStringList m_args;
    QCommandLineParser m_parser;
    std::vector<std::shared_ptr<ttservice::CInstrumentDetail>> m_instruments;
    bool m_loaded = false;
};

QTextStream& out();
QTextStream& err();

[[noreturn]] void fail(ExitStatus status, const QString& message);

int runMarkets(const QStringList& args);
int runPeriods(const QStringList& args);
int runSearch(const QStringList& args);
int runInfo(const QStringList& args);
int runList(const QStringList& args);
int runCsv(const QStringList& args);
int runDate(const QStringList& args);
int runCrypt(const QStringList& args, bool encrypt);

} // namespace tcutil
