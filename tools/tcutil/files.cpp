// tcutil csv, date, encrypt, decrypt: data files and buffers through the library's rules.
#include "command.h"

#include <tc/files/encryption.h>
#include <tc/files/fileio.h>
#include <tc/parsing/csvline.h>
#include <tc/parsing/dates.h>

#include <QDateTime>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <cstdio>
#include <unistd.h>

namespace tcutil {
namespace {

// Files above this size get a progress bar when stderr is a terminal.
constexpr qint64 kProgressBytes = 4 * 1024 * 1024;

class Progress
{
public:
    Progress(qint64 fileSize, int total)
        : m_total(total), m_enabled(fileSize > kProgressBytes && isatty(fileno(stderr)))
    {}
    ~Progress()
    {
        if (m_enabled) std::fputs("\r\033[K", stderr);
    }
    void update(int done)
    {
        if (!m_enabled || m_total <= 0) return;
        const int percent = static_cast<int>(100LL * done / m_total);
        if (percent == m_percent) return;
        m_percent = percent;
        const int filled = percent * 40 / 100;
        std::fprintf(stderr, "\r[%.*s%.*s] %3d%%", filled,
                     "########################################", 40 - filled,
                     "                                        ", percent);
        std::fflush(stderr);
    }

private:
    int m_total;
    bool m_enabled;
    int m_percent = -1;
};

// Writes through a temporary file renamed into place, so OUT is either whole or untouched.
void writeAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        fail(ExitBadInput, QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
}

QString localTime(int seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace

int runCsv(const QStringList& args)
{
    Invocation inv(QStringLiteral("csv"),
                   QStringLiteral("Reads a data file with the CSV rules (thousands separators in "
                                  "quotes, exponent fields), splits each line by the separator its "
                                  "content selects, turns the first field into a seconds count and "
                                  "writes clean comma-separated rows."),
                   args);
    inv.parser().addPositionalArgument(QStringLiteral("file"), QStringLiteral("The data file."));
    inv.parser().addOption({QStringLiteral("out"),
                            QStringLiteral("Write the rows to this file (atomically) instead of "
                                           "standard output."),
                            QStringLiteral("file")});
    if (!inv.parse(1, 1)) return ExitOk;
    QString path = inv.positional().front();
    QList<QString> lines;
    if (!TC::QReadFile(path, lines, true))
        fail(ExitBadInput, QStringLiteral("cannot read %1").arg(path));

    Progress progress(QFileInfo(path).size(), static_cast<int>(lines.size()));
    QString rows;
    QStringList fields;
    int skipped = 0;
    for (int i = 0; i < lines.size(); ++i) {
        progress.update(i);
        TC::parserLineSplit(fields, lines[i]);
        if (fields.isEmpty()) {
            ++skipped;
            continue;
        }
        // A first line whose date field has no digit is a header: name the converted column.
        if (i == 0 && !fields.front().contains(QRegularExpression(QStringLiteral("[0-9]")))) {
            fields.front() = QStringLiteral("seconds");
            rows += fields.join(QLatin1Char(',')) + QLatin1Char('\n');
            continue;
        }
        const int seconds = TC::parserDate(fields.front());
        if (seconds == -1) {
            ++skipped;
            continue;
        }
        fields.front() = QString::number(seconds);
        rows += fields.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    progress.update(static_cast<int>(lines.size()));

    if (inv.isSet(QStringLiteral("out")))
        writeAtomically(inv.value(QStringLiteral("out")), rows.toUtf8());
    else
        out() << rows;
    if (skipped > 0)
        err() << "tcutil: skipped " << skipped << " line(s) without fields or a date\n";
    return ExitOk;
}

int runDate(const QStringList& args)
{
    Invocation inv(QStringLiteral("date"),
                   QStringLiteral("For each text: the seconds count the library reads from it, the "
                                  "local date-time, whether it passes the strict date pattern and "
                                  "whether it lies in the host's time range."),
                   args);
    inv.parser().addPositionalArgument(QStringLiteral("text"),
                                       QStringLiteral("2016-05-03, 2016/5/3, 20160503, "
                                                      "\"20160503 09:30:00\", ..."),
                                       QStringLiteral("text..."));
    if (!inv.parse(1, -1)) return ExitOk;
    int status = ExitOk;
    for (const QString& text : inv.positional()) {
        const int seconds = TC::parserDate(text);
        if (seconds == -1) {
            out() << text
                  << ": not a date (no notation of year-month-day, year/month/day, "
                     "yyyymmdd or \"yyyymmdd hh:mm:ss\" reads it)\n";
            status = ExitBadInput;
            continue;
        }
        out() << text << ": " << seconds << "  " << localTime(seconds) << "  pattern "
              << (TC::checkDate(text) ? "yes" : "no") << "  in range "
              << (TC::isValidDate(seconds) ? "yes" : "no") << '\n';
    }
    return status;
}

int runCrypt(const QStringList& args, bool encrypting)
{
    const QString name = encrypting ? QStringLiteral("encrypt") : QStringLiteral("decrypt");
    Invocation inv(name,
                   encrypting ? QStringLiteral("Encrypts IN into OUT with the key text.")
                              : QStringLiteral("Decrypts IN into OUT with the key text."),
                   args);
    inv.parser().addOption(
        {QStringLiteral("key"), QStringLiteral("The key text."), QStringLiteral("text")});
    inv.parser().addPositionalArgument(QStringLiteral("in"), QStringLiteral("Input file."));
    inv.parser().addPositionalArgument(
        QStringLiteral("out"), QStringLiteral("Output file, replaced whole or not at all."));
    if (!inv.parse(2, 2)) return ExitOk;
    if (!inv.isSet(QStringLiteral("key"))) fail(ExitUsage, QStringLiteral("--key is required"));
    const std::string key = inv.value(QStringLiteral("key")).toUtf8().toStdString();
    std::string data;
    if (!TC::stdReadFile(inv.positional()[0].toUtf8().toStdString(), data))
        fail(ExitBadInput, QStringLiteral("cannot read %1").arg(inv.positional()[0]));
    std::string result;
    const bool ok = encrypting ? TC::encrypt(data.data(), data.size(), key, result)
                               : TC::decrypt(data.data(), data.size(), key, result);
    if (!ok) fail(ExitBadInput, QStringLiteral("the cipher refused %1").arg(inv.positional()[0]));
    writeAtomically(inv.positional()[1], QByteArray(result.data(), int(result.size())));
    return ExitOk;
}

} // namespace tcutil
