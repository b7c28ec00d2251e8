#pragma once

// Shared plumbing of the tcutil subcommands: argument parsing, exit statuses, output formats, and
// the host state a client would have (Level-2 markets, type table, instrument list).

#include <tc/host/instrumentdetail.h>

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <QVariantList>

#include <functional>
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

// The options a subcommand takes beyond --help, each only where it serves.
enum SharedOption {
    NoSharedOptions = 0,
    InstrumentsOption = 1, // --instruments FILE
    TypesOption = 2,       // --types FILE (host stand-in only)
    Level2Option = 4,      // --level2 MARKETS (host stand-in only)
    FormatOption = 8,      // --format text|tsv|json
};

enum class Format { Text, Tsv, Json };

// Rows for --format: columns name the values; a null cell is "-" in text, empty in TSV, null in
// JSON; numbers stay numbers in JSON.
struct Table
{
    QStringList columns;
    QVector<QVariantList> rows;
};

// One invocation of a subcommand: its parser with the shared options it takes already added.
class Invocation
{
public:
    Invocation(const QString& command, const QString& description, const QStringList& args,
               int sharedOptions = NoSharedOptions);

    QCommandLineParser& parser() { return m_parser; }
    // Parses the arguments; prints help and returns false for --help; throws Failure(ExitUsage)
    // on unknown options or a positional count outside [minArgs, maxArgs] (maxArgs -1: no limit).
    bool parse(int minArgs, int maxArgs);
    QStringList positional() const { return m_parser.positionalArguments(); }
    QString value(const QString& option) const { return m_parser.value(option); }
    bool isSet(const QString& option) const { return m_parser.isSet(option); }
    Format format() const { return m_format; }

    // The instrument list: --instruments FILE, else the bundled one. Throws Failure on a bad file.
    const std::vector<std::shared_ptr<ttservice::CInstrumentDetail>>& instruments();
    // Whether market is one the client knows: a catalogue code, an exchange's abbreviation the
    // catalogue's names carry ("SHFE"), or a market of the instrument list.
    bool isKnownMarket(const QString& market);

    // Prints table in the chosen format; text calls printText instead.
    void print(const Table& table, const std::function<void()>& printText) const;

private:
    void applyHostState();

    QString m_command;
    QStringList m_args;
    int m_shared;
    Format m_format = Format::Text;
    QCommandLineParser m_parser;
    std::vector<std::shared_ptr<ttservice::CInstrumentDetail>> m_instruments;
    bool m_loaded = false;
};

// Standard output as text, UTF-8; every write is checked when the program ends.
QTextStream& out();
QTextStream& err();
// Flushes standard output; throws Failure(ExitBadInput) with the system's reason when a write
// failed.
void finishOutput();

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
