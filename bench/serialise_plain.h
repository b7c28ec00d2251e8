#pragma once

// The text forms written the plain way, with QString::split, QStringList::join and
// QString::toInt, step by step as the forms are defined. The benchmark measures the library
// against them and the tests check that both give the same output.

#include <tc/host/textcodec.h>
#include <tc/serialise/formularesultref.h>
#include <tc/serialise/orderparamsetting.h>

#include <QString>
#include <QStringList>

#include <string>

namespace plain {

inline std::string orderToString(const TC::COrderParamSetting& s)
{
    QStringList pieces;
    pieces << (s.flag ? QStringLiteral("1") : QStringLiteral("0")) << KD::sToQs(s.text1)
           << QString::number(s.number1, 10) << QString::number(s.number2, 10) << KD::sToQs(s.text2)
           << KD::sToQs(s.text3) << QString::number(s.number3, 10);
    return pieces.join(QLatin1Char('|')).toUtf8().toStdString();
}

inline TC::COrderParamSetting orderToStruct(const std::string& text)
{
    TC::COrderParamSetting s;
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

inline QString refToString(const TC::ComposeFormulaResultRef& r)
{
    QStringList pieces;
    pieces << QString::number(r.id1, 10) << QString::number(r.id2, 10) << r.name << r.market
           << r.code << QString::number(r.codeOnly, 10) << QString::number(r.id3, 10);
    return pieces.join(QStringLiteral("___"));
}

inline QString refKey(const TC::ComposeFormulaResultRef& r)
{
    QStringList pieces;
    pieces << QString::number(r.id1, 10) << QString::number(r.id2, 10) << r.name << r.market
           << r.code;
    return pieces.join(QStringLiteral("___"));
}

inline TC::ComposeFormulaResultRef genRef(const QString& text)
{
    TC::ComposeFormulaResultRef r;
    const QStringList pieces =
        text.split(QStringLiteral("___"), Qt::KeepEmptyParts, Qt::CaseSensitive);
    r.id1 = pieces[0].toInt(nullptr, 10);
    if (pieces.size() < 7) return r;
    r.id2 = pieces[1].toInt(nullptr, 10);
    r.name = pieces[2];
    r.market = pieces[3];
    r.code = pieces[4];
    r.codeOnly = pieces[5].toInt(nullptr, 10);
    r.id3 = pieces[6].toInt(nullptr, 10);
    return r;
}

} // namespace plain
