// Parser keys from any text: a text without '_' comes back unchanged, any other gives what
// splitting at every '_' and keying the first two parts gives, and the key holds the market's
// byte length, the market and the code.
#include <tc/host/stockkey.h>
#include <tc/host/textcodec.h>
#include <tc/records/parserstockdetail.h>

#include "fuzzinput.h"

#include <QStringList>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = fuzzText(data, size);
    const QString key = TC::getStockParserKey(text);
    if (!text.contains(QLatin1Char('_'))) {
        if (key != text || key.isNull() != text.isNull()) std::abort();
        return 0;
    }
    const QStringList parts = text.split(QLatin1Char('_'));
    const std::string market = parts.at(0).toUtf8().toStdString();
    const std::string code = parts.at(1).toUtf8().toStdString();
    if (key != KD::sToQs(utils::vkStockKey(market, code))) std::abort();
    const std::string bytes = key.toUtf8().toStdString();
    const std::string head = std::to_string(market.size()) + ':' + market + ':';
    if (bytes.compare(0, head.size(), head) != 0 || bytes.substr(head.size()) != code) std::abort();
    return 0;
}
