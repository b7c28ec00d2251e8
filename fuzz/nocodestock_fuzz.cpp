// Code-less instruments from any text: always a new record of its own, market and code without
// '_', a two-unit market when the text has no '_', and the name market followed by code unless the
// cut between them splits a surrogate pair.
#include <tc/markets/nocodestock.h>

#include "fuzzinput.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = fuzzText(data, size);
    const auto detail = TC::getNoCodeStock(text);
    if (!detail || detail.use_count() != 1) std::abort();
    const std::string& market = detail->market;
    const std::string& code = detail->code;
    if (market.find('_') != std::string::npos || code.find('_') != std::string::npos) std::abort();

    const auto cut = text.indexOf(QLatin1Char('_'));
    if (cut < 0) {
        if (QString::fromUtf8(market.data(), static_cast<int>(market.size())).size() > 2)
            std::abort();
        if (detail->name != text.toUtf8().toStdString()) std::abort();
    }
    // The units on either side of the cut: market's last and code's first.
    const auto before = cut < 0 ? 1 : cut - 1;
    const auto after = cut < 0 ? 2 : cut + 1;
    const auto codeEnd = cut < 0 ? text.size() : text.indexOf(QLatin1Char('_'), after);
    const bool cutsPair = before >= 0 && after < (codeEnd < 0 ? text.size() : codeEnd) &&
                          text.at(before).isHighSurrogate() && text.at(after).isLowSurrogate();
    if (!cutsPair && detail->name != market + code) std::abort();
    return 0;
}
