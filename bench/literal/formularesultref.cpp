#include <literal/formularesultref.h>

#include <QStringList>

namespace TC::literal {

QString refToString(const ComposeFormulaResultRef& r)
{
    QStringList pieces;
    pieces << QString::number(r.id1, 10) << QString::number(r.id2, 10) << r.name << r.market
           << r.code << QString::number(r.codeOnly, 10) << QString::number(r.id3, 10);
    return pieces.join(QStringLiteral("___"));
}

QString refKey(const ComposeFormulaResultRef& r)
{
    QStringList pieces;
    pieces << QString::number(r.id1, 10) << QString::number(r.id2, 10) << r.name << r.market
           << r.code;
    return pieces.join(QStringLiteral("___"));
}

ComposeFormulaResultRef genRef(const QString& text)
{
    ComposeFormulaResultRef r;
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

} // namespace TC::literal
