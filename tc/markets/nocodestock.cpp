#include <tc/markets/nocodestock.h>

#include <QStringList>

namespace TC {

std::shared_ptr<ttservice::CInstrumentDetail> getNoCodeStock(const QString& text)
{
    auto detail = std::make_shared<ttservice::CInstrumentDetail>();
    QString market, code, name;
    if (text.contains(QLatin1Char('_'))) {
        const QStringList parts = text.split(QLatin1Char('_'));
        market = parts.at(0);
        code = parts.at(1);
        name = market + code;
    } else {
        market = text.left(2);
        code = text.mid(2);
        name = text;
    }
    detail->market = market.toUtf8().toStdString();
    detail->code = code.toUtf8().toStdString();
    detail->name = name.toUtf8().toStdString();
    return detail;
}

} // namespace TC
