#include <tc/records/parserstockdetail.h>

#include "instrumentkey_p.h"

namespace TC {

ParserStockDetail::ParserStockDetail() = default;
ParserStockDetail::ParserStockDetail(const ParserStockDetail& other) = default;
ParserStockDetail::ParserStockDetail(ParserStockDetail&& other) noexcept = default;
ParserStockDetail& ParserStockDetail::operator=(const ParserStockDetail& other) = default;
ParserStockDetail& ParserStockDetail::operator=(ParserStockDetail&& other) noexcept = default;
ParserStockDetail::~ParserStockDetail() = default;

QString ParserStockDetail::key()
{
    if (!detail) return QStringLiteral("");
    return hostKey(detail->market, detail->code);
}

QString getStockParserKey(QString text)
{
    const QChar underscore = QLatin1Char('_');
    const auto first = text.indexOf(underscore);
    if (first < 0) return text;
    const auto second = text.indexOf(underscore, first + 1);
    const QStringView market = QStringView(text).left(first);
    const QStringView code = second < 0 ? QStringView(text).mid(first + 1)
                                        : QStringView(text).mid(first + 1, second - first - 1);
    return hostKey(market, code);
}

} // namespace TC
