#include <tc/host/stockkey.h>

namespace utils {

std::string vkStockKey(const std::string& market, const std::string& code)
{
    std::string key = std::to_string(market.size());
    key.reserve(key.size() + market.size() + code.size() + 2);
    key += ':';
    key += market;
    key += ':';
    key += code;
    return key;
}

} // namespace utils
