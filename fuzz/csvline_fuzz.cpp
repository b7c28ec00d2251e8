// parserCsvLine and parserLineSplit on any text give exactly what the plain Qt steps give; the
// file readers' one-pass form of parserCsvLine gives what parserCsvLine gives.
#include <tc/parsing/csvline.h>
#include <tc/parsing/csvline_p.h>

#include "fuzzinput.h"
#include "literal/csvline.h"

#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 4096) return 0;
    const QString text = fuzzText(data, size);

    QString fast = text, plain = text;
    TC::parserCsvLine(fast);
    // The plain form multiplies once per count: a count of millions takes it seconds, while the
    // library stops once the value can no longer change. Such lines are checked by the tests.
    static const QRegularExpression hugeCount(QStringLiteral("E[+-]\\s*[+-]?0*[1-9]\\d{6}"));
    if (!text.contains(hugeCount)) {
        TC::literal::parserCsvLine(plain);
        agree(fast == plain);
    }

    // After any text already there, and without the quotes as the line lists keep lines.
    QString appended = QStringLiteral("kept");
    TC::detail::appendCsvLine(text.constData(), static_cast<int>(text.size()), false, appended, 4);
    agree(appended == QStringLiteral("kept") + fast);
    QString unquoted;
    TC::detail::appendCsvLine(text.constData(), static_cast<int>(text.size()), true, unquoted, 0);
    agree(unquoted == QString(fast).remove(QLatin1Char('"')));

    QString line = text;
    QStringList fastFields{QStringLiteral("stale")}, plainFields;
    TC::parserLineSplit(fastFields, line);
    agree(line == text);
    TC::literal::parserLineSplit(plainFields, line);
    agree(fastFields == plainFields);
    return 0;
}
