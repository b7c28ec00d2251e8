#include <literal/graphtick.h>

#include <QFontMetrics>

namespace TC::literal {

QString enlargeText(QString text, int width, const QFont& font)
{
    const QFontMetrics metrics(font);
    while (metrics.horizontalAdvance(text) < width)
        text.append(QChar(0x3000));
    return text;
}

} // namespace TC::literal
