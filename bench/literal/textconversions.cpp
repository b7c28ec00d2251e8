#include <literal/textconversions.h>

#include <QByteArray>

namespace TC::literal {

std::string ToDBS(std::string text)
{
    std::string result;
    const size_t n = text.size();
    size_t i = 0;
    while (i < n) {
        const unsigned char b = static_cast<unsigned char>(text[i]);
        // text[n] is the terminating zero.
        const unsigned char next = static_cast<unsigned char>(text[i + 1]);
        if (b == 0xA3) {
            result += static_cast<char>(static_cast<unsigned char>(next + 0x80));
            i += 2;
        } else if (b > 0xA3) {
            result += static_cast<char>(b);
            if (i + 1 < n) result += static_cast<char>(next);
            i += 2;
        } else if (b == 0xA1 && next == 0xA1) {
            i += 2;
        } else {
            result += static_cast<char>(b);
            i += 1;
        }
    }
    return result;
}

void toStdVec(QVector<QString> source, std::vector<std::string>& target)
{
    target.resize(static_cast<size_t>(source.size()));
    for (int i = 0; i < source.size(); ++i)
        target[static_cast<size_t>(i)] = source[i].toUtf8().constData();
}

} // namespace TC::literal
