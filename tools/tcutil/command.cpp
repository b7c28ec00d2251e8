#include "command.h"

#include <tc/files/fileio.h>
#include <tc/markets/nocodestock.h>
#include <tc/parsing/csvline.h>
#ifdef TCUTIL_WITH_STANDIN
#include <tc/standin/typetables.h>
#include <tc/standin/usersession.h>
#endif

#include <cstdio>

namespace tcutil {
namespace {

const QString kLevel2 = QStringLiteral("level2");
const QString kTypes = QStringLiteral("types");
const QString kInstruments = QStringLiteral("instruments");
const QString kBundledInstruments = QStringLiteral(":/tcutil/instruments.csv");

} // namespace

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

void fail(ExitStatus status, const QString& message)
{
    throw Failure{status, message};
}

Invocation::Invocation(const QString& command, const QString& description, const QStringList& args)
    : m_command(command), m_args(args)
{
    m_parser.setApplicationDescription(description);
    m_parser.addHelpOption();
    m_parser.addOption({kLevel2, QStringLiteral("The user's Level-2 markets, e.g. SH,SZ."),
                        QStringLiteral("markets")});
    m_parser.addOption(
        {kTypes, QStringLiteral("Type table replacing the shipped one."), QStringLiteral("file")});
    m_parser.addOption({kInstruments,
                        QStringLiteral("Instrument list (market,code,name lines) replacing the "
                                       "bundled one."),
                        QStringLiteral("file")});
}

bool Invocation::parse(int minArgs, int maxArgs)
{
    QStringList args = m_args;
    args.prepend(QStringLiteral("tcutil"));
    if (!m_parser.parse(args)) fail(ExitUsage, m_parser.errorText());
    if (m_parser.isSet(QStringLiteral("help"))) {
        // Qt names the program by its path; the user typed "tcutil <command>".
        QString help = m_parser.helpText();
        const auto start = help.indexOf(QLatin1String(": ")) + 2;
        const auto end = help.indexOf(QLatin1Char(' '), start);
        if (start >= 2 && end > start)
            help.replace(start, end - start, QStringLiteral("tcutil ") + m_command);
        out() << help;
        out().flush();
        return false;
    }
    const auto n = positional().size();
    if (n < minArgs || (maxArgs >= 0 && n > maxArgs))
        fail(ExitUsage,
             QStringLiteral("wrong number of arguments (see tcutil %1 --help)").arg(m_command));
    applyHostState();
    return true;
}

void Invocation::applyHostState()
{
#ifdef TCUTIL_WITH_STANDIN
    if (isSet(kLevel2)) {
        std::vector<std::string> markets;
        for (const QString& m : value(kLevel2).split(QLatin1Char(','), Qt::SkipEmptyParts))
            markets.push_back(m.trimmed().toStdString());
        standin::signIn(markets);
    }
    if (isSet(kTypes)) {
        auto& tables = standin::typeTables();
        if (!tables.loadTable(value(kTypes).toUtf8().toStdString())) {
            const auto& e = tables.lastError();
            fail(ExitBadInput, QStringLiteral("%1:%2: %3")
                                   .arg(value(kTypes))
                                   .arg(e.line)
                                   .arg(QString::fromStdString(e.message)));
        }
    }
#else
    // The real host libraries sign the user in and own the type tables.
    for (const QString& option : {kLevel2, kTypes}) {
        if (isSet(option))
            fail(ExitUsage,
                 QStringLiteral("--%1 needs tcutil built with the host stand-in").arg(option));
    }
#endif
}

const std::vector<std::shared_ptr<ttservice::CInstrumentDetail>>& Invocation::instruments()
{
    if (m_loaded) return m_instruments;
    QString path = isSet(kInstruments) ? value(kInstruments) : kBundledInstruments;
    QList<QString> lines;
    if (!TC::QReadFile(path, lines, false))
        fail(ExitBadInput, QStringLiteral("cannot read instrument list %1").arg(path));
    QStringList fields;
    int number = 0;
    for (QString& line : lines) {
        ++number;
        if (line.isEmpty() || (number == 1 && line.startsWith(QLatin1String("market")))) continue;
        TC::parserLineSplit(fields, line);
        if (fields.size() != 3 || fields[0].isEmpty() || fields[1].isEmpty())
            fail(ExitBadInput,
                 QStringLiteral("%1:%2: expected market,code,name").arg(path).arg(number));
        auto detail = TC::getNoCodeStock(fields[0] + QLatin1Char('_') + fields[1]);
        detail->name = fields[2].toUtf8().toStdString();
        m_instruments.push_back(std::move(detail));
    }
    m_loaded = true;
    return m_instruments;
}

} // namespace tcutil
