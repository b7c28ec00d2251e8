// tcutil date, encrypt, decrypt: date texts and buffers through the library's rules.
#include "command.h"
#include "io.h"

#include <tc/files/encryption.h>
#include <tc/parsing/dates.h>
#include <tc/parsing/datetime.h>

#include <QDateTime>

#include <climits>

namespace tcutil {
namespace {

// The most bytes encrypt and decrypt take: the host cipher's limit, 2 GiB less one byte.
constexpr qint64 kCryptLimit = INT_MAX;
constexpr qint64 kCryptBlock = 1 << 20;
constexpr int kKeyBytes = 8;

QString localTime(qint64 seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString yesNo(bool b)
{
    return b ? QStringLiteral("yes") : QStringLiteral("no");
}

} // namespace

int runDate(const QStringList& args)
{
    Invocation inv(QStringLiteral("date"),
                   QStringLiteral("For each text: the seconds count the client reads from it and "
                                  "its local date-time, the text's own reading where it differs "
                                  "(strict: its time kept, ranges checked, no 2038 limit), whether "
                                  "it passes the client's date pattern and whether it lies in the "
                                  "host's time range. A text the client reads as no date is "
                                  "reported on stderr, and the exit status is then 1."),
                   args, FormatOption);
    inv.parser().addPositionalArgument(QStringLiteral("text"),
                                       QStringLiteral("2016-05-03, 2016/5/3, 20160503, "
                                                      "\"20160503 09:30:00\", ..."),
                                       QStringLiteral("text..."));
    if (!inv.parse(1, -1)) return ExitOk;
    int status = ExitOk;
    Table table{
        {"text", "seconds", "local", "strict_seconds", "strict_local", "pattern", "in_range"}, {}};
    for (const QString& text : inv.positional()) {
        const int seconds = TC::parserDate(text);
        if (seconds == -1) {
            err() << "tcutil: " << text
                  << ": not a date (no notation of year-month-day, year/month/day, yyyymmdd or "
                     "\"yyyymmdd hh:mm:ss\" reads it)\n";
            status = ExitBadInput;
            continue;
        }
        bool ok = false;
        const qint64 strict = TC::parseDateTime(text, &ok);
        table.rows.append({text, seconds, localTime(seconds), ok ? QVariant(strict) : QVariant(),
                           ok ? QVariant(localTime(strict)) : QVariant(), TC::checkDate(text),
                           TC::isValidDate(seconds)});
    }
    inv.print(table, [&] {
        for (const QVariantList& row : table.rows) {
            out() << row[0].toString() << ": " << row[1].toString() << "  " << row[2].toString()
                  << "  pattern " << yesNo(row[5].toBool()) << "  in range "
                  << yesNo(row[6].toBool());
            if (row[3].isNull())
                out() << "  strict: not a date";
            else if (row[3].toLongLong() != row[1].toLongLong())
                out() << "  strict: " << row[3].toString() << "  " << row[4].toString();
            out() << '\n';
        }
    });
    return status;
}

int runCrypt(const QStringList& args, bool encrypting)
{
    const QString name = encrypting ? QStringLiteral("encrypt") : QStringLiteral("decrypt");
    Invocation inv(
        name,
        QStringLiteral("%1 IN into OUT with the key text, through the host's AES cipher, whole "
                       "files in memory (at most 2 GiB less one byte). Only the first 8 bytes of "
                       "the key count, so a longer key is refused, as is an empty one. Equal "
                       "inputs with equal keys give equal outputs, and nothing detects a wrong "
                       "key: decrypting with another key succeeds and gives other bytes. OUT is "
                       "replaced whole or not at all.")
            .arg(encrypting ? QStringLiteral("Encrypts") : QStringLiteral("Decrypts")),
        args);
    inv.parser().addOption({QStringLiteral("key"), QStringLiteral("The key text, 1 to 8 bytes."),
                            QStringLiteral("text")});
    inv.parser().addPositionalArgument(QStringLiteral("in"),
                                       QStringLiteral("Input file; - for standard input."));
    inv.parser().addPositionalArgument(QStringLiteral("out"),
                                       QStringLiteral("Output file; - for standard output."));
    if (!inv.parse(2, 2)) return ExitOk;
    if (!inv.isSet(QStringLiteral("key"))) fail(ExitUsage, QStringLiteral("--key is required"));
    const QByteArray key = inv.value(QStringLiteral("key")).toUtf8();
    if (key.isEmpty())
        fail(ExitUsage, QStringLiteral("--key is empty: it would leave the cipher's fixed base "
                                       "key alone"));
    if (key.size() > kKeyBytes)
        fail(ExitUsage, QStringLiteral("--key has %1 bytes, but only the first 8 count: give at "
                                       "most 8")
                            .arg(key.size()));

    Input input(inv.positional()[0]);
    const QString tooBig =
        QStringLiteral("over the %1 bytes (2 GiB less one) the cipher takes").arg(kCryptLimit);
    if (input.size() > kCryptLimit)
        input.failed(QStringLiteral("%1 bytes, %2").arg(input.size()).arg(tooBig));
    Progress progress(input.size() < 0 ? -1 : 2 * input.size());
    std::string data;
    if (input.size() > 0) data.reserve(static_cast<size_t>(input.size()));
    for (;;) {
        const size_t filled = data.size();
        data.resize(filled + kCryptBlock);
        const qint64 n = input.device().read(&data[filled], kCryptBlock);
        data.resize(filled + static_cast<size_t>(std::max<qint64>(n, 0)));
        if (n < 0) input.failed(input.device().errorString());
        if (n == 0) break;
        if (static_cast<qint64>(data.size()) > kCryptLimit) input.failed(tooBig);
        progress.update(static_cast<qint64>(data.size()));
    }

    std::string result;
    const bool ok = encrypting ? TC::encrypt(data.data(), data.size(), key.toStdString(), result)
                               : TC::decrypt(data.data(), data.size(), key.toStdString(), result);
    if (!ok) fail(ExitBadInput, QStringLiteral("the cipher refused %1").arg(input.name()));
    const qint64 read = static_cast<qint64>(data.size());
    std::string().swap(data);
    Output output(inv.positional()[1]);
    for (size_t done = 0; done < result.size(); done += kCryptBlock) {
        output.write(result.data() + done,
                     static_cast<qint64>(std::min<size_t>(kCryptBlock, result.size() - done)));
        progress.update(read + static_cast<qint64>(done));
    }
    output.commit();
    return ExitOk;
}

} // namespace tcutil
