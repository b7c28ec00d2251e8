#include <literal/orderparamsetting.h>

#include <tc/host/textcodec.h>

#include <QString>
#include <QStringList>

namespace TC::literal {

std::string orderToString(const COrderParamSetting& s)
{
    QStringList pieces;
    pieces << (s.flag ? QStringLiteral("1") : QStringLiteral("0")) << KD::sToQs(s.text1)
           << QString::number(s.number1, 10) << QString::number(s.number2, 10) << KD::sToQs(s.text2)
           << KD::sToQs(s.text3) << QString::number(s.number3, 10);
    return pieces.join(QLatin1Char('|')).toUtf8().toStdString();
}

COrderParamSetting orderToStruct(const std::string& text)
{
    COrderParamSetting s;
    const QStringList pieces =
        KD::sToQs(text).split(QLatin1Char('|'), Qt::KeepEmptyParts, Qt::CaseSensitive);
    if (pieces.size() < 5) return s;
    s.flag = pieces[0].toInt(nullptr, 10) != 0;
    s.text1 = pieces[1].toUtf8().toStdString();
    s.number1 = pieces[2].toInt(nullptr, 10);
    s.number2 = pieces[3].toInt(nullptr, 10);
    s.text2 = pieces[4].toUtf8().toStdString();
    if (pieces.size() > 5) s.text3 = pieces[5].toUtf8().toStdString();
    if (pieces.size() > 6) s.number3 = pieces[6].toInt(nullptr, 10);
    return s;
}

} // namespace TC::literal
