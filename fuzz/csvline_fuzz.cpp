// parserCsvLine and parserLineSplit on any text give exactly what the plain Qt steps give.
#include <tc/parsing/csvline.h>

#include "literal/csvline.h"
#include "parsing_fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 4096) return 0;
    const QString text = fuzzText(data, size);

    QString fast = text, plain = text;
    TC::parserCsvLine(fast);
    TC::literal::parserCsvLine(plain);
    agree(fast == plain);

    QString line = text;
    QStringList fastFields{QStringLiteral("stale")}, plainFields;
    TC::parserLineSplit(fastFields, line);
    agree(line == text);
    TC::literal::parserLineSplit(plainFields, line);
    agree(fastFields == plainFields);
    return 0;
}
