#include <tc/parsing/textconversions.h>

#include <QByteArray>

#include <cstring>

namespace TC {

std::string ToDBS(std::string text)
{
    // Every rule writes no more bytes than it reads, so the text is rewritten in place.
    const size_t n = text.size();
    unsigned char* p = reinterpret_cast<unsigned char*>(&text[0]);
    size_t r = 0;
    // Up to the first full-width form or space nothing moves.
    while (r < n) {
        const unsigned char b = p[r];
        if (b > 0xA3)
            r += 2;
        else if (b == 0xA3 || (b == 0xA1 && r + 1 < n && p[r + 1] == 0xA1))
            break;
        else
            ++r;
    }
    if (r >= n) return text;
    size_t w = r;
    while (r < n) {
        const unsigned char b = p[r];
        const unsigned char next = r + 1 < n ? p[r + 1] : 0;
        if (b == 0xA3) {
            p[w++] = static_cast<unsigned char>(next + 0x80);
            r += 2;
        } else if (b > 0xA3) {
            p[w++] = b;
            if (r + 1 < n) p[w++] = next;
            r += 2;
        } else if (b == 0xA1 && next == 0xA1) {
            r += 2;
        } else {
            p[w++] = b;
            ++r;
        }
    }
    text.resize(w);
    return text;
}

void toStdVec(QVector<QString> source, std::vector<std::string>& target)
{
    target.resize(static_cast<size_t>(source.size()));
    for (int i = 0; i < source.size(); ++i) {
        const QByteArray utf8 = source[i].toUtf8();
        target[static_cast<size_t>(i)].assign(utf8.constData(), qstrlen(utf8.constData()));
    }
}

} // namespace TC
