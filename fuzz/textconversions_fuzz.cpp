// ToDBS on any bytes gives what the plain Qt codec steps give.
#include <tc/parsing/textconversions.h>

#include "fuzzinput.h"
#include "literal/textconversions.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    agree(TC::ToDBS(bytes) == TC::literal::ToDBS(bytes));
    return 0;
}
