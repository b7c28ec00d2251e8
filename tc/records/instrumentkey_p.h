#pragma once

// The keys of an instrument built from its market and code, made in one place: the host key
// (utils::vkStockKey, whose format is the host's and never taken apart) and the dotted key.

#include <tc/host/stockkey.h>
#include <tc/host/textcodec.h>

#include <QString>
#include <QStringView>

#include <string>

namespace TC {

// The host key of market and code, as the host gives it.
inline std::string hostKeyBytes(const std::string& market, const std::string& code)
{
    return utils::vkStockKey(market, code);
}

// The host key of market and code as text (KD::sToQs).
inline QString hostKey(const std::string& market, const std::string& code)
{
    return KD::sToQs(hostKeyBytes(market, code));
}

// The host key of market and code given as texts, handed to the host as UTF-8.
inline QString hostKey(QStringView market, QStringView code)
{
    return hostKey(market.toUtf8().toStdString(), code.toUtf8().toStdString());
}

// market "." code, unchanged: text (QString) or bytes (std::string).
template <class Text> Text dottedKey(const Text& market, const Text& code)
{
    Text key;
    key.reserve(market.size() + code.size() + 1);
    key += market;
    key += typename Text::value_type(u'.');
    key += code;
    return key;
}

} // namespace TC
