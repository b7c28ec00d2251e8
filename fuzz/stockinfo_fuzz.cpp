// Identity records built from outside bytes: keys, orderings and night trading never fail, and the
// keys keep their promises.
#include <tc/records/stockinfo.h>

#include "fuzzinput.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto p = fuzzPieces(data, size, 4);
    const TC::CStockInfo a(p[0], p[1], p[2]);
    const TC::CStockDetail d(a.market, a.code, a.name);
    std::string lower = p[0];
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    const TC::CStockDetail e(TC::CStockInfo(lower, p[1], p[3]).market, a.code, QString());

    if (a.key2() != a.market + QLatin1Char('.') + a.code) std::abort();
    if (!a.key().endsWith(a.code) || a.key() != d.key()) std::abort();
    if (!(d == e) || (d < e && e < d)) std::abort();
    if (TC::stockInfoLessThan(a, a) || TC::stockInfoPtrLessThan(&d, &d)) std::abort();
    (void)d.hasNightQuoter();
    return 0;
}
