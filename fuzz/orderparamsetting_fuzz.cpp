// Order settings read from any line: the library gives exactly what the plain split/join form
// gives, leaves the line as it was, and a record whose texts hold no '|' comes back from its
// written line.
#include <tc/host/textcodec.h>
#include <tc/serialise/orderparamsetting.h>

#include <literal/orderparamsetting.h>

#include "fuzzinput.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

bool same(const TC::COrderParamSetting& a, const TC::COrderParamSetting& b)
{
    return a.flag == b.flag && a.text1 == b.text1 && a.number1 == b.number1 &&
           a.number2 == b.number2 && a.text2 == b.text2 && a.text3 == b.text3 &&
           a.number3 == b.number3;
}

// A text as the written line holds it: bytes that are not UTF-8 as the host decodes them.
std::string written(const std::string& text)
{
    return KD::sToQs(text).toUtf8().toStdString();
}

std::string withoutSeparator(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), '|'), text.end());
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The whole input as a line.
    std::string line(reinterpret_cast<const char*>(data), size);
    const std::string before = line;
    TC::COrderParamSetting read = TC::COrderParamSetting::toStruct(line);
    if (line != before) std::abort();
    const TC::COrderParamSetting plainRead = TC::literal::orderToStruct(line);
    if (!same(read, plainRead)) std::abort();
    std::string out = TC::COrderParamSetting::toString(read);
    if (out != TC::literal::orderToString(read)) std::abort();
    if (!same(TC::COrderParamSetting::toStruct(out), read)) std::abort();

    // The same bytes as a record: three texts between NULs, numbers from the first bytes.
    const auto p = fuzzPieces(data, size, 3);
    TC::COrderParamSetting s;
    int32_t numbers[3] = {};
    std::memcpy(numbers, data, std::min(size, sizeof numbers));
    s.flag = size > 0 && (data[size - 1] & 1);
    s.text1 = withoutSeparator(p[0]);
    s.number1 = numbers[0];
    s.number2 = numbers[1];
    s.text2 = withoutSeparator(p[1]);
    s.text3 = withoutSeparator(p[2]);
    s.number3 = numbers[2];
    out = TC::COrderParamSetting::toString(s);
    if (out != TC::literal::orderToString(s)) std::abort();
    TC::COrderParamSetting expected = s;
    expected.text1 = written(s.text1);
    expected.text2 = written(s.text2);
    expected.text3 = written(s.text3);
    if (!same(TC::COrderParamSetting::toStruct(out), expected)) std::abort();
    return 0;
}
