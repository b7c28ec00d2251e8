#include "command.h"

#include <tc/files/linereader.h>
#include <tc/markets/marketcatalogue.h>
#include <tc/markets/nocodestock.h>
#include <tc/parsing/csvline.h>
#ifdef TCUTIL_WITH_STANDIN
#include <tc/standin/typetables.h>
#include <tc/standin/usersession.h>
#endif

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace tcutil {
namespace {

const QString kLevel2 = QStringLiteral("level2");
const QString kTypes = QStringLiteral("types");
const QString kInstruments = QStringLiteral("instruments");
const QString kFormat = QStringLiteral("format");
const QString kBundledInstruments = QStringLiteral(":/tcutil/instruments.csv");

QFile& stdoutFile()
{
    static QFile file;
    if (!file.isOpen())
        file.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered,
                  QFileDevice::DontCloseHandle);
    return file;
}

// A TSV cell: tabs and line ends would cut the row.
QString tsvCell(const QVariant& v)
{
    QString s = v.toString();
    for (QChar& c : s)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    return s;
}

} // namespace

QTextStream& out()
{
    static QTextStream stream(&stdoutFile());
    return stream;
}

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

void finishOutput()
{
    out().flush();
    if (out().status() != QTextStream::Ok)
        fail(ExitBadInput,
             QStringLiteral("cannot write standard output: %1").arg(stdoutFile().errorString()));
}

void fail(ExitStatus status, const QString& message)
{
    throw Failure{status, message};
}

Invocation::Invocation(const QString& command, const QString& description, const QStringList& args,
                       int sharedOptions)
    : m_command(command), m_args(args), m_shared(sharedOptions)
{
    m_parser.setApplicationDescription(description);
    m_parser.addHelpOption();
    if (m_shared & FormatOption)
        m_parser.addOption({kFormat, QStringLiteral("Output as text (default), tsv or json."),
                            QStringLiteral("text|tsv|json"), QStringLiteral("text")});
    if (m_shared & InstrumentsOption)
        m_parser.addOption({kInstruments,
                            QStringLiteral("Instrument list (market,code,name lines) replacing the "
                                           "bundled one."),
                            QStringLiteral("file")});
#ifdef TCUTIL_WITH_STANDIN
    // The real host libraries sign the user in and own the type tables: these exist only with
    // the host stand-in.
    if (m_shared & Level2Option)
        m_parser.addOption({kLevel2, QStringLiteral("The user's Level-2 markets, e.g. SH,SZ."),
                            QStringLiteral("markets")});
    if (m_shared & TypesOption)
        m_parser.addOption({kTypes, QStringLiteral("Type table replacing the shipped one."),
                            QStringLiteral("file")});
#endif
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
        return false;
    }
    const auto n = positional().size();
    if (n < minArgs || (maxArgs >= 0 && n > maxArgs))
        fail(ExitUsage,
             QStringLiteral("wrong number of arguments (see tcutil %1 --help)").arg(m_command));
    if (m_shared & FormatOption) {
        const QString f = value(kFormat).toLower();
        if (f == QLatin1String("tsv"))
            m_format = Format::Tsv;
        else if (f == QLatin1String("json"))
            m_format = Format::Json;
        else if (f != QLatin1String("text"))
            fail(ExitUsage, QStringLiteral("--format takes text, tsv or json"));
    }
    applyHostState();
    return true;
}

void Invocation::applyHostState()
{
#ifdef TCUTIL_WITH_STANDIN
    if ((m_shared & Level2Option) && isSet(kLevel2)) {
        std::vector<std::string> markets;
        for (const QString& m : value(kLevel2).split(QLatin1Char(','), Qt::SkipEmptyParts))
            markets.push_back(m.trimmed().toUpper().toStdString());
        standin::signIn(markets);
    }
    if ((m_shared & TypesOption) && isSet(kTypes)) {
        auto& tables = standin::typeTables();
        if (!tables.loadTable(value(kTypes).toUtf8().toStdString())) {
            const auto& e = tables.lastError();
            fail(ExitBadInput, QStringLiteral("%1:%2: %3")
                                   .arg(value(kTypes))
                                   .arg(e.line)
                                   .arg(QString::fromStdString(e.message)));
        }
    }
#endif
}

const std::vector<std::shared_ptr<ttservice::CInstrumentDetail>>& Invocation::instruments()
{
    if (m_loaded) return m_instruments;
    const bool given = (m_shared & InstrumentsOption) && isSet(kInstruments);
    const QString path = given ? value(kInstruments) : kBundledInstruments;
    TC::LineReader reader(path);
    if (!reader.isOpen())
        fail(ExitBadInput,
             QStringLiteral("cannot read instrument list %1: %2").arg(path, reader.errorString()));
    QStringList fields;
    int number = 0;
    QString line;
    while (reader.readLine(line)) {
        ++number;
        line.remove(QLatin1Char('"'));
        if (line.isEmpty() || (number == 1 && line.startsWith(QLatin1String("market")))) continue;
        TC::parserLineSplit(fields, line);
        if (fields.size() != 3 || fields[0].isEmpty() || fields[1].isEmpty())
            fail(ExitBadInput,
                 QStringLiteral("%1:%2: expected market,code,name").arg(path).arg(number));
        auto detail = TC::getNoCodeStock(fields[0] + QLatin1Char('_') + fields[1]);
        detail->name = fields[2].toUtf8().toStdString();
        m_instruments.push_back(std::move(detail));
    }
    if (!reader.errorString().isEmpty())
        fail(ExitBadInput,
             QStringLiteral("cannot read instrument list %1: %2").arg(path, reader.errorString()));
    m_loaded = true;
    return m_instruments;
}

bool Invocation::isKnownMarket(const QString& market)
{
    if (market.isEmpty()) return false;
    if (!TC::getNameByMarket(market).isEmpty()) return true;
    // The catalogue's names end in the exchange's abbreviation: "上海期货交易所(SHFE)".
    const QString suffix = QLatin1Char('(') + market + QLatin1Char(')');
    for (const QString& name : TC::getMarketNameMap())
        if (name.endsWith(suffix)) return true;
    const std::string m = market.toUtf8().toStdString();
    for (const auto& d : instruments())
        if (d->market == m) return true;
    return false;
}

void Invocation::print(const Table& table, const std::function<void()>& printText) const
{
    switch (m_format) {
    case Format::Text:
        printText();
        return;
    case Format::Tsv:
        out() << table.columns.join(QLatin1Char('\t')) << '\n';
        for (const QVariantList& row : table.rows) {
            QStringList cells;
            for (const QVariant& v : row)
                cells << tsvCell(v);
            out() << cells.join(QLatin1Char('\t')) << '\n';
        }
        return;
    case Format::Json: {
        QJsonArray rows;
        for (const QVariantList& row : table.rows) {
            QJsonObject object;
            for (int i = 0; i < table.columns.size() && i < row.size(); ++i)
                object.insert(table.columns[i], QJsonValue::fromVariant(row[i]));
            rows.append(object);
        }
        out() << QString::fromUtf8(QJsonDocument(rows).toJson(QJsonDocument::Indented));
        return;
    }
    }
}

} // namespace tcutil
