// parseDateTime on any text agrees with its plain Qt form, value and ok alike; a failure is -1.
#include <tc/parsing/datetime.h>

#include "fuzzinput.h"
#include "literal/datetime.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 256) return 0;
    const QString text = fuzzText(data, size);
    bool fastOk = true, plainOk = true;
    const qint64 fast = TC::parseDateTime(text, &fastOk);
    const qint64 plain = TC::literal::parseDateTime(text, &plainOk);
    agree(fast == plain && fastOk == plainOk);
    agree(fastOk || fast == -1);
    agree(TC::parseDateTime(text) == fast);
    return 0;
}
