#pragma once

// Internal market predicates. Each compares the whole 8-bit market code exactly and
// case-sensitively, and accepts the client's short code and the exchange's abbreviation.

#include <string>

namespace TC {

inline bool isDceMarket(const std::string& m)
{
    return m == "DF" || m == "DCE";
}
inline bool isCzceMarket(const std::string& m)
{
    return m == "ZF" || m == "CZCE";
}
inline bool isShfeMarket(const std::string& m)
{
    return m == "SF" || m == "SHFE";
}
inline bool isCffexMarket(const std::string& m)
{
    return m == "IF" || m == "CFFEX";
}
inline bool isIneMarket(const std::string& m)
{
    return m == "INE";
}

inline bool isFuturesMarket(const std::string& m)
{
    return isDceMarket(m) || isCzceMarket(m) || isShfeMarket(m) || isCffexMarket(m) ||
           isIneMarket(m);
}

inline bool isHgtMarket(const std::string& m)
{
    return m == "HGT" || m == "SSEHKEX";
}
inline bool isSgtMarket(const std::string& m)
{
    return m == "SGT" || m == "SZSEHKEX";
}
inline bool isHkMarket(const std::string& m)
{
    return m == "HK";
}
inline bool isStockOptionMarket(const std::string& m)
{
    return m == "SHO" || m == "SZO";
}

} // namespace TC
