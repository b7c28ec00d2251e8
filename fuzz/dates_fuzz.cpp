// parserDate, checkDate, isValidDate and adjustDateTime on any text agree with the plain Qt forms.
#include <tc/parsing/dates.h>

#include "fuzzinput.h"
#include "literal/dates.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 256) return 0;
    const QString text = fuzzText(data, size);

    const int seconds = TC::parserDate(text);
    agree(seconds == TC::literal::parserDate(text));
    agree(TC::isValidDate(seconds) == TC::literal::isValidDate(seconds));
    agree(TC::checkDate(text) == TC::literal::checkDate(text));

    QString fast = QStringLiteral("stale"), plain;
    TC::adjustDateTime(text, fast);
    TC::literal::adjustDateTime(text, plain);
    agree(fast == plain);
    return 0;
}
