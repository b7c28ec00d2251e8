// tcutil csv: a data file as the client reads it, line by line in constant memory, and where that
// reading differs from what the file says; or, with --exact, the file's own reading.
#include "command.h"
#include "io.h"

#include <tc/files/linereader.h>
#include <tc/parsing/codepage_p.h>
#include <tc/parsing/csvline.h>
#include <tc/parsing/dates.h>
#include <tc/parsing/datetime.h>

#include <QThread>

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <deque>
#include <future>
#include <memory>
#include <string>
#include <vector>

namespace tcutil {
namespace {

// How the client's reading can differ from the text, in the order they are reported.
enum Kind {
    Undecodable,
    TimeDropped,
    DayDropped,
    OtherInstant,
    Wrapped,
    NotADate,
    DateUnread,
    NumberChanged,
    QuotedComma,
    Skipped,
    KindCount
};

const char* const kKindText[KindCount] = {
    "line(s) with bytes that are not %1, read as U+FFFD",
    "date-time(s) whose time the client drops",
    "date-time(s) whose day and time the client drops (read as another day)",
    "date(s) the client reads as another instant",
    "date(s) past 2038 or before 1901 that the client wraps around",
    "text(s) that are no date, read as one",
    "date(s) the client does not read",
    "line(s) with a number in exponent notation rounded to 10 digits or changed",
    "line(s) with commas inside quoted text dropped",
    "line(s) skipped: no fields or no date",
};

constexpr int kLinesShown = 5;
constexpr int kBatchLines = 8192;
constexpr qint64 kSniffBytes = 1 << 20;

// Per kind, a count and the first line numbers.
class Findings
{
public:
    void note(Kind kind, qint64 line)
    {
        Entry& e = m_entries[kind];
        if (e.count < kLinesShown) e.lines[e.count] = line;
        ++e.count;
    }
    void merge(const Findings& other)
    {
        for (int k = 0; k < KindCount; ++k) {
            const Entry& from = other.m_entries[k];
            for (qint64 i = 0; i < std::min<qint64>(from.count, kLinesShown); ++i)
                if (m_entries[k].count + i < kLinesShown)
                    m_entries[k].lines[m_entries[k].count + i] = from.lines[i];
            m_entries[k].count += from.count;
        }
    }
    bool any() const
    {
        for (const Entry& e : m_entries)
            if (e.count > 0) return true;
        return false;
    }
    void report(const QString& name, const QString& encoding) const
    {
        for (int k = 0; k < KindCount; ++k) {
            const Entry& e = m_entries[k];
            if (e.count == 0) continue;
            QStringList lines;
            for (qint64 i = 0; i < std::min<qint64>(e.count, kLinesShown); ++i)
                lines << QString::number(e.lines[i]);
            QString what = QString::fromLatin1(kKindText[k]);
            if (k == Undecodable) what = what.arg(encoding);
            err() << "tcutil: " << name << ": " << e.count << ' ' << what << ": line "
                  << lines.join(QStringLiteral(", ")) << (e.count > kLinesShown ? ", ..." : "")
                  << '\n';
        }
    }

private:
    struct Entry
    {
        qint64 count = 0;
        std::array<qint64, kLinesShown> lines{};
    };
    std::array<Entry, KindCount> m_entries;
};

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool hasDigit(const QString& s)
{
    for (const QChar c : s)
        if (isAsciiDigit(c)) return true;
    return false;
}

// "1,234,567.89": a sign, one to three digits, groups of three after commas, decimals.
bool isGroupedNumber(QStringView s)
{
    int i = 0;
    const int n = static_cast<int>(s.size());
    if (i < n && (s[i] == QLatin1Char('-') || s[i] == QLatin1Char('+'))) ++i;
    int lead = 0;
    while (i < n && isAsciiDigit(s[i]) && lead < 4)
        ++i, ++lead;
    if (lead < 1 || lead > 3) return false;
    int groups = 0;
    while (i + 3 < n && s[i] == QLatin1Char(',') && isAsciiDigit(s[i + 1]) &&
           isAsciiDigit(s[i + 2]) && isAsciiDigit(s[i + 3]))
        i += 4, ++groups;
    if (groups == 0) return false;
    if (i < n && s[i] == QLatin1Char('.')) {
        ++i;
        if (i == n) return false;
        while (i < n && isAsciiDigit(s[i]))
            ++i;
    }
    return i == n;
}

// The whole of s as a number by std::from_chars (blanks around and a leading '+' allowed).
bool exactNumber(QStringView s, double& value)
{
    s = s.trimmed();
    if (!s.isEmpty() && s[0] == QLatin1Char('+')) s = s.mid(1);
    char bytes[64];
    const int n = static_cast<int>(s.size());
    if (n == 0 || n > static_cast<int>(sizeof bytes)) return false;
    for (int i = 0; i < n; ++i) {
        const char16_t c = s[i].unicode();
        // Digits, signs, point and exponent only: from_chars also reads "inf" and "nan".
        if (!((c >= u'0' && c <= u'9') || c == u'.' || c == u'-' || c == u'+' || c == u'e' ||
              c == u'E'))
            return false;
        bytes[i] = static_cast<char>(c);
    }
    const auto [ptr, ec] = std::from_chars(bytes, bytes + n, value);
    return ec == std::errc() && ptr == bytes + n;
}

// A decimal number as its significant digits and the power of ten of the last one: "5.92008E+09"
// and "5920080000" both give 592008 and 4, so equal values compare equal without rounding. False
// for anything else, more than 40 significant digits or an exponent of more than four digits.
struct Decimal
{
    bool negative = false;
    int count = 0;
    int exponent = 0;
    char digits[40] = {};

    bool operator==(const Decimal& o) const
    {
        return negative == o.negative && count == o.count && exponent == o.exponent &&
               std::equal(digits, digits + count, o.digits);
    }
};

bool readDecimal(QStringView text, Decimal& d)
{
    const QChar* p = text.data();
    const QChar* end = p + text.size();
    while (p < end && p->isSpace())
        ++p;
    while (end > p && end[-1].isSpace())
        --end;
    d = Decimal();
    if (p < end && (*p == QLatin1Char('-') || *p == QLatin1Char('+')))
        d.negative = *p++ == QLatin1Char('-');
    bool point = false, anyDigit = false;
    for (; p < end; ++p) {
        const char16_t c = p->unicode();
        if (c == u'.' && !point) {
            point = true;
            continue;
        }
        if (c < u'0' || c > u'9') break;
        anyDigit = true;
        d.exponent -= point;
        if (c == u'0' && d.count == 0) continue;
        if (d.count == static_cast<int>(sizeof d.digits)) return false;
        d.digits[d.count++] = static_cast<char>(c);
    }
    if (!anyDigit) return false;
    if (p < end && (*p == QLatin1Char('e') || *p == QLatin1Char('E'))) {
        ++p;
        bool minus = false;
        if (p < end && (*p == QLatin1Char('-') || *p == QLatin1Char('+')))
            minus = *p++ == QLatin1Char('-');
        int exponent = 0, length = 0;
        for (; p < end && p->unicode() >= u'0' && p->unicode() <= u'9'; ++p, ++length)
            exponent = exponent * 10 + (p->unicode() - u'0');
        if (length == 0 || length > 4) return false;
        d.exponent += minus ? -exponent : exponent;
    }
    if (p != end) return false;
    while (d.count > 0 && d.digits[d.count - 1] == '0') {
        --d.count;
        ++d.exponent;
    }
    if (d.count == 0) d = Decimal(); // zero, whatever its sign and exponent
    return true;
}

QString shortest(double value)
{
    char buffer[64];
    const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, static_cast<int>(ptr - buffer));
}

// The text that parserDate leaves out of a date-time: up to the first blank or "T".
QString datePart(const QString& text)
{
    const QString t = text.trimmed();
    for (int i = 0; i < t.size(); ++i)
        if (t[i] == QLatin1Char(' ') || t[i] == QLatin1Char('T')) return t.left(i);
    return t;
}

// RFC 4180 field cutting: a field that starts with '"' runs to the next lone quote ("" inside
// is one quote); what follows a closing quote up to the separator is kept as it stands.
void splitQuoted(const QString& line, QChar separator, QStringList& fields,
                 std::vector<bool>& quoted)
{
    fields.clear();
    quoted.clear();
    const int n = static_cast<int>(line.size());
    int i = 0;
    for (;;) {
        QString field;
        bool isQuoted = false;
        if (i < n && line[i] == QLatin1Char('"')) {
            isQuoted = true;
            for (++i; i < n; ++i) {
                if (line[i] != QLatin1Char('"')) {
                    field += line[i];
                } else if (i + 1 < n && line[i + 1] == QLatin1Char('"')) {
                    field += QLatin1Char('"');
                    ++i;
                } else {
                    ++i;
                    break;
                }
            }
        }
        while (i < n && line[i] != separator)
            field += line[i++];
        fields << field;
        quoted.push_back(isQuoted);
        if (i >= n) return;
        ++i;
    }
}

// The separator of a line read exactly: the first of ',', '|' and tab outside quotes, else a
// blank when it holds ':' (the client's order); a null QChar for a line of one field.
QChar exactSeparator(const QString& line)
{
    bool inQuotes = false;
    bool bar = false, tab = false;
    for (const QChar c : line) {
        if (c == QLatin1Char('"')) inQuotes = !inQuotes;
        if (inQuotes) continue;
        if (c == QLatin1Char(',')) return c;
        bar |= c == QLatin1Char('|');
        tab |= c == QLatin1Char('\t');
    }
    if (bar) return QLatin1Char('|');
    if (tab) return QLatin1Char('\t');
    if (line.contains(QLatin1Char(':'))) return QLatin1Char(' ');
    return QChar();
}

void appendQuoted(QString& out, const QString& field)
{
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')) &&
        !field.contains(QLatin1Char('\n'))) {
        out += field;
        return;
    }
    out += QLatin1Char('"');
    out += QString(field).replace(QLatin1String("\""), QLatin1String("\"\""));
    out += QLatin1Char('"');
}

void appendNumber(QString& out, qint64 value)
{
    char buffer[24];
    const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    out += QLatin1String(buffer, static_cast<int>(ptr - buffer));
}

// The code page for --encoding: auto reads a byte-order mark, else valid UTF-8 in the first MiB,
// else GBK. Empty: the byte-order mark decides.
QByteArray chooseCodec(const QString& encoding, QIODevice& device)
{
    const QByteArray utf8("UTF-8");
    const QByteArray gbk("GBK");
    if (encoding == QLatin1String("utf-8")) return utf8;
    if (encoding == QLatin1String("gbk")) return gbk;
    // peek keeps what it reads for the reader; a pipe gives what it holds, so ask again while it
    // gives more.
    QByteArray head = device.peek(kSniffBytes);
    while (head.size() < kSniffBytes) {
        const QByteArray more = device.peek(kSniffBytes);
        if (more.size() <= head.size()) break;
        head = more;
    }
    if (utils::detail::startsWithByteOrderMark(head.constData(), head.size())) return QByteArray();
    return utils::detail::isUtf8Prefix(head.constData(), head.size()) ? utf8 : gbk;
}

// A run of consecutive lines, read by the main thread and turned into output by one worker.
struct Batch
{
    qint64 firstLine = 0;
    std::vector<QString> lines;
    QByteArray output;
    Findings findings;
    qint64 rows = 0;
};

// The rules applied to each line, with the scratch space one worker reuses.
class LineRules
{
public:
    explicit LineRules(bool exact) : m_exact(exact) {}

    void process(Batch& batch)
    {
        m_chunk.resize(0);
        m_findings = &batch.findings;
        qint64 number = batch.firstLine;
        for (const QString& raw : batch.lines) {
            scan(raw);
            if (m_replacement) m_findings->note(Undecodable, number);
            if (m_exact ? exactLine(raw, number) : clientLine(raw, number)) ++batch.rows;
            ++number;
        }
        batch.output = m_chunk.toUtf8();
    }

private:
    // One pass over the line for what the rules look at: its quotes, an 'E', a U+FFFD.
    void scan(const QString& raw)
    {
        // Qt's searches go through the text many characters at a time.
        m_quotes.clear();
        for (int q = static_cast<int>(raw.indexOf(QLatin1Char('"'))); q >= 0;
             q = static_cast<int>(raw.indexOf(QLatin1Char('"'), q + 1)))
            m_quotes.push_back(q);
        m_exponent = raw.contains(QLatin1Char('E'));
        m_replacement = raw.contains(QChar(QChar::ReplacementCharacter));
    }

    // What QReadFile with its CSV flag makes of the line, checked against the text. True for a
    // data row.
    bool clientLine(const QString& raw, qint64 number)
    {
        m_line.setUnicode(raw.constData(), raw.size()); // in m_line's own buffer, not shared
        const bool quote = !m_quotes.empty();
        const bool exponent = m_exponent;
        if (quote || exponent) TC::parserCsvLine(m_line);
        if (quote) removeQuotedCommas(raw, number);
        if (exponent) checkExponents(quote ? m_base : raw, number);
        if (quote) m_line.remove(QLatin1Char('"'));
        TC::parserLineSplit(m_fields, m_line);
        if (m_fields.isEmpty()) {
            m_findings->note(Skipped, number);
            return false;
        }
        const bool header = number == 1 && !hasDigit(m_fields.front());
        const int seconds = header ? 0 : TC::parserDate(m_fields.front());
        if (!header) checkDate(m_fields.front(), seconds, number);
        if (!startRow(header, seconds != -1, seconds, number)) return false;
        const int first = static_cast<int>(m_fields.front().size());
        if (m_fields.size() > 1 && m_line.at(first) == QLatin1Char(',')) {
            // Cut at commas: the rest of the line after the first field is the rest of the row.
            m_chunk.append(m_line.constData() + first, m_line.size() - first);
        } else {
            for (int i = 1; i < m_fields.size(); ++i) {
                m_chunk += QLatin1Char(',');
                m_chunk += m_fields[i];
            }
        }
        m_chunk += QLatin1Char('\n');
        return !header;
    }

    // Starts the row: "seconds" for a header, else the seconds count; false, the line skipped,
    // when it is neither.
    bool startRow(bool header, bool hasDate, qint64 seconds, qint64 number)
    {
        if (!header && !hasDate) {
            m_findings->note(Skipped, number);
            return false;
        }
        if (header)
            m_chunk += QLatin1String("seconds");
        else
            appendNumber(m_chunk, seconds);
        return true;
    }

    // The file's own reading of the line. True for a data row.
    bool exactLine(const QString& raw, qint64 number)
    {
        if (raw.trimmed().isEmpty()) {
            m_findings->note(Skipped, number);
            return false;
        }
        const QChar separator = exactSeparator(raw);
        if (separator.isNull()) {
            m_fields = QStringList{raw};
            m_quoted = {false};
        } else {
            splitQuoted(raw, separator, m_fields, m_quoted);
        }
        bool isDate = false;
        const qint64 seconds = TC::parseDateTime(m_fields.front(), &isDate);
        const bool header = number == 1 && !hasDigit(m_fields.front());
        if (!startRow(header, isDate, seconds, number)) return false;
        for (int i = 1; i < m_fields.size(); ++i) {
            m_chunk += QLatin1Char(',');
            QString field = m_fields[i];
            if (m_quoted[i] && isGroupedNumber(QStringView(field).trimmed()))
                field = field.trimmed().remove(QLatin1Char(','));
            double value = 0;
            if (!header && field.contains(QLatin1Char('e'), Qt::CaseInsensitive) &&
                exactNumber(field, value))
                field = shortest(value);
            appendQuoted(m_chunk, field);
        }
        m_chunk += QLatin1Char('\n');
        return !header;
    }

    // The exponent rule rewrote the comma pieces that hold an 'E' and differ: was the value kept?
    // base: the line as parserCsvLine cuts it, without the commas inside quotes.
    void checkExponents(const QString& base, qint64 number)
    {
        // Pieces before a rewritten one are the same on both sides; delta is how much longer the
        // rewritten ones made the line.
        int delta = 0;
        for (int e = static_cast<int>(base.indexOf(QLatin1Char('E'))); e >= 0;) {
            const int start = static_cast<int>(base.lastIndexOf(QLatin1Char(','), e)) + 1;
            int end = static_cast<int>(base.indexOf(QLatin1Char(','), e));
            if (end < 0) end = static_cast<int>(base.size());
            int clientEnd = static_cast<int>(m_line.indexOf(QLatin1Char(','), start + delta));
            if (clientEnd < 0) clientEnd = static_cast<int>(m_line.size());
            const QStringView before = QStringView(base).mid(start, end - start);
            const QStringView after =
                QStringView(m_line).mid(start + delta, clientEnd - start - delta);
            if (before != after) {
                QStringView text = before.trimmed();
                if (text.size() >= 2 && text.front() == QLatin1Char('"') &&
                    text.back() == QLatin1Char('"'))
                    text = text.mid(1, text.size() - 2);
                Decimal exact, client;
                if (!readDecimal(text, exact) || !readDecimal(after, client) ||
                    !(exact == client)) {
                    m_findings->note(NumberChanged, number);
                    return;
                }
            }
            delta += static_cast<int>(after.size() - before.size());
            e = end < base.size() ? static_cast<int>(base.indexOf(QLatin1Char('E'), end)) : -1;
        }
    }

    // m_base becomes raw with the commas inside quotes deleted, as parserCsvLine deletes them
    // first; quoted text other than a number's thousands separators loses its commas there.
    void removeQuotedCommas(const QString& raw, qint64 number)
    {
        m_base.resize(0);
        int from = 0;
        bool dropped = false;
        for (size_t q = 0; q < m_quotes.size(); q += 2) {
            const int open = m_quotes[q];
            const int close =
                q + 1 < m_quotes.size() ? m_quotes[q + 1] : static_cast<int>(raw.size());
            m_base.append(raw.constData() + from, open - from);
            const int kept = static_cast<int>(m_base.size());
            for (int i = open; i < close; ++i)
                if (raw[i] != QLatin1Char(',')) m_base += raw[i];
            if (!dropped && m_base.size() - kept < close - open &&
                !isGroupedNumber(QStringView(raw).mid(open + 1, close - open - 1))) {
                m_findings->note(QuotedComma, number);
                dropped = true;
            }
            from = close;
        }
        m_base.append(raw.constData() + from, raw.size() - from);
    }

    void checkDate(const QString& text, int client, qint64 number)
    {
        bool ok = false;
        const qint64 strict = TC::parseDateTime(text, &ok);
        if (!ok) {
            if (client != -1) m_findings->note(NotADate, number);
            return;
        }
        if (client == -1) {
            m_findings->note(DateUnread, number);
        } else if (strict < INT_MIN || strict > INT_MAX) {
            m_findings->note(Wrapped, number);
        } else if (strict != client) {
            const QString date = datePart(text);
            if (date.size() == text.trimmed().size())
                m_findings->note(OtherInstant, number);
            else
                m_findings->note(TC::parseDateTime(date) == client ? TimeDropped : DayDropped,
                                 number);
        }
    }

    bool m_exact;
    Findings* m_findings = nullptr;
    QString m_chunk;
    QString m_line;
    QString m_base;
    QStringList m_fields;
    std::vector<int> m_quotes;
    bool m_exponent = false;
    bool m_replacement = false;
    std::vector<bool> m_quoted;
};

// Reads the lines in batches, each turned into rows on a thread of its own, two batches per
// processor at once; the rows are written in the file's order. Memory: those batches.
qint64 convert(TC::LineReader& reader, Input& input, Output& output, Findings& findings, bool exact)
{
    struct Work
    {
        explicit Work(bool exact) : rules(exact) {}
        Batch batch;
        LineRules rules;
    };
    const size_t depth = 2 * static_cast<size_t>(std::max(1, QThread::idealThreadCount()));
    std::vector<std::unique_ptr<Work>> spare;
    // Declared before the tasks, so that a failure waits for them before freeing their work.
    std::deque<std::unique_ptr<Work>> queued;
    std::deque<std::future<void>> tasks;
    Progress progress(input.size());
    qint64 next = 1;
    qint64 rows = 0;
    for (bool more = true; more || !queued.empty();) {
        if (more && queued.size() < depth) {
            std::unique_ptr<Work> work;
            if (spare.empty()) {
                work = std::make_unique<Work>(exact);
            } else {
                work = std::move(spare.back());
                spare.pop_back();
            }
            Batch& batch = work->batch;
            batch.firstLine = next;
            batch.lines.resize(kBatchLines);
            size_t n = 0;
            while (n < batch.lines.size() && (more = reader.readLine(batch.lines[n])))
                ++n;
            batch.lines.resize(n);
            next += static_cast<qint64>(n);
            progress.update(reader.position());
            if (n == 0) {
                spare.push_back(std::move(work));
                continue;
            }
            Work* w = work.get();
            tasks.push_back(std::async(std::launch::async, [w] { w->rules.process(w->batch); }));
            queued.push_back(std::move(work));
            continue;
        }
        tasks.front().get();
        tasks.pop_front();
        Batch& batch = queued.front()->batch;
        output.write(batch.output);
        findings.merge(batch.findings);
        rows += batch.rows;
        batch.findings = Findings();
        batch.rows = 0;
        spare.push_back(std::move(queued.front()));
        queued.pop_front();
    }
    if (!reader.errorString().isEmpty()) input.failed(reader.errorString());
    return rows;
}

} // namespace

int runCsv(const QStringList& args)
{
    Invocation inv(
        QStringLiteral("csv"),
        QStringLiteral(
            "Reads a data file as the client does: each line through the CSV rule (commas inside "
            "quotes deleted, numbers in exponent notation rewritten with 10 significant digits, "
            "quotes deleted), split at the separator its content selects (comma, else bar, else "
            "tab, else blanks when it holds a colon); the first field becomes a seconds count by "
            "the client's date rule. Writes the rows comma-separated, in UTF-8.\n"
            "The first line is a header when its first field holds no digit; that field becomes "
            "\"seconds\". Lines without fields or without a date the client reads are skipped.\n"
            "Where the client's reading differs from the text, stderr says how, with a count and "
            "the first line numbers: date-times whose time or day is dropped, texts that are no "
            "date but read as one, dates past 2038, numbers rounded, commas in quoted text "
            "dropped, lines skipped, bytes not valid in the encoding.\n"
            "Exit status 1 when no data row is left, or with --strict when the reading differs; "
            "a failed run leaves an --out file as it was."),
        args);
    inv.parser().addPositionalArgument(QStringLiteral("file"),
                                       QStringLiteral("The data file; - for standard input."));
    inv.parser().addOption({QStringLiteral("out"),
                            QStringLiteral("Write the rows here instead of standard output (- is "
                                           "standard output). A regular file is replaced whole "
                                           "or not at all; a FIFO or device is written in place."),
                            QStringLiteral("file")});
    inv.parser().addOption({QStringLiteral("strict"),
                            QStringLiteral("Exit with status 1 when the client's reading differs "
                                           "from the text anywhere.")});
    inv.parser().addOption(
        {QStringLiteral("exact"),
         QStringLiteral(
             "Write the file's own reading instead: dates and date-times read strictly "
             "(their time kept, 64-bit seconds), numbers at full precision, fields cut "
             "and quoted as RFC 4180 has them. Lines without such a date are skipped.")});
    inv.parser().addOption(
        {QStringLiteral("encoding"),
         QStringLiteral("The encoding of a file without a byte-order mark: utf-8, gbk, or auto "
                        "(default: UTF-8 when its first MiB is valid UTF-8, else GBK)."),
         QStringLiteral("utf-8|gbk|auto"), QStringLiteral("auto")});
    if (!inv.parse(1, 1)) return ExitOk;
    const QString encoding = inv.value(QStringLiteral("encoding")).toLower();
    if (encoding != QLatin1String("utf-8") && encoding != QLatin1String("gbk") &&
        encoding != QLatin1String("auto"))
        fail(ExitUsage, QStringLiteral("--encoding takes utf-8, gbk or auto"));

    Input input(inv.positional().front());
    const QByteArray codec = chooseCodec(encoding, input.device());
    Output output(inv.isSet(QStringLiteral("out")) ? inv.value(QStringLiteral("out"))
                                                   : QStringLiteral("-"));
    TC::LineReader reader(&input.device(), false);
    reader.setCodec(codec);
    Findings findings;
    const qint64 rows =
        convert(reader, input, output, findings, inv.isSet(QStringLiteral("exact")));

    findings.report(input.name(), !codec.isEmpty()
                                      ? QString::fromLatin1(codec)
                                      : QStringLiteral("valid in the file's encoding"));
    if (rows == 0) fail(ExitBadInput, QStringLiteral("%1: no data row").arg(input.name()));
    if (inv.isSet(QStringLiteral("strict")) && findings.any())
        fail(ExitBadInput, QStringLiteral("%1: the client's reading differs from the text "
                                          "(--strict)")
                               .arg(input.name()));
    output.commit();
    return ExitOk;
}

} // namespace tcutil
