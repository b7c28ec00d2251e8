#include <tc/parsing/csvline.h>

#include <tc/parsing/numberconversions_p.h>

#include <algorithm>
#include <cmath>

namespace TC {

namespace {

constexpr int kRoom = detail::kNumberG10Capacity;

// mantissa multiplied (divided) by 10.0 count times, each step rounded as a plain loop rounds
// it. Zero, infinities and NaN no longer change, and every other double reaches one of them
// within about 650 steps, so the loop ends there with the same result whatever the count.
double applyExponent(double mantissa, int count, bool multiply)
{
    for (int i = 0; i < count; ++i) {
        const double next = multiply ? mantissa * 10.0 : mantissa / 10.0;
        if (next == mantissa || std::isnan(next)) break;
        mantissa = next;
    }
    return mantissa;
}

// Where the exponent markers of one field stand.
struct Markers
{
    int plusCount = 0;
    int plusAt = -1;
    int minusCount = 0;
    int minusAt = -1;
};

// Rewrites the field out[start, end) when it holds a single marker; returns the field's new end.
// out has room for kRoom characters from start.
int rewriteField(QChar* out, int start, int end, const Markers& markers)
{
    int at = -1;
    bool multiply = true;
    if (markers.plusCount > 0) {
        if (markers.plusCount != 1) return end;
        at = markers.plusAt;
    } else if (markers.minusCount == 1) {
        at = markers.minusAt;
        multiply = false;
    } else {
        return end;
    }
    const int count = detail::toInt(QStringView(out + at + 2, end - at - 2));
    const double mantissa = detail::toDouble(QStringView(out + start, at - start));
    return start + detail::formatNumberG10(applyExponent(mantissa, count, multiply), out + start);
}

} // namespace

void parserCsvLine(QString& line)
{
    const int n = line.size();
    const ushort* in = line.utf16();
    // Most lines hold neither a quote nor an upper-case E, and stay as they are.
    int first = 0;
    while (first < n && in[first] != u'"' && in[first] != u'E')
        ++first;
    if (first == n) return;

    // Invariant at the top of the loop: capacity >= w + (characters left to read) + kRoom, so a
    // field rewritten in place always has room.
    QString result(n + 2 * kRoom, Qt::Uninitialized);
    int capacity = result.size();
    QChar* out = result.data();
    int w = 0;
    int fieldStart = 0;
    bool quoted = false;
    Markers markers;
    for (int k = 0; k < n; ++k) {
        const ushort c = in[k];
        if (c == u',') {
            if (quoted) continue;
            w = rewriteField(out, fieldStart, w, markers);
            const int needed = w + (n - k) + kRoom;
            if (needed > capacity) {
                capacity = std::max(needed, 2 * capacity);
                result.resize(capacity);
                out = result.data();
            }
            out[w++] = QLatin1Char(',');
            fieldStart = w;
            markers = Markers();
            continue;
        }
        if (c == u'"') {
            quoted = !quoted;
        } else if ((c == u'+' || c == u'-') && w > fieldStart && out[w - 1] == QLatin1Char('E')) {
            if (c == u'+' && markers.plusCount++ == 0)
                markers.plusAt = w - 1;
            else if (c == u'-' && markers.minusCount++ == 0)
                markers.minusAt = w - 1;
        }
        out[w++] = QChar(c);
    }
    w = rewriteField(out, fieldStart, w, markers);
    result.resize(w);
    line = std::move(result);
}

void parserLineSplit(QStringList& fields, QString& line)
{
    // A shallow copy keeps the text alive should line be one of the strings in fields.
    const QString text = line;
    const int n = text.size();
    const ushort* s = text.utf16();
    ushort cut = 0;
    bool bar = false;
    bool tab = false;
    bool colon = false;
    for (int i = 0; i < n && cut == 0; ++i) {
        switch (s[i]) {
        case u',':
            cut = u',';
            break;
        case u'|':
            bar = true;
            break;
        case u'\t':
            tab = true;
            break;
        case u':':
            colon = true;
            break;
        default:
            break;
        }
    }
    if (cut == 0) cut = bar ? u'|' : tab ? u'\t' : colon ? u' ' : 0;
    if (cut == 0) {
        fields.clear();
        return;
    }

    const int held = fields.size();
    int count = 0;
    const auto put = [&](int from, int to) {
        const int length = to - from;
        if (count < held) {
            QString& field = fields[count];
            field.resize(length);
            std::copy_n(text.constData() + from, length, field.data());
        } else {
            fields.append(QString(text.constData() + from, length));
        }
        ++count;
    };
    int from = 0;
    for (int i = 0; i < n; ++i) {
        if (s[i] == cut) {
            put(from, i);
            from = i + 1;
        }
    }
    put(from, n);
    if (count < held) fields.erase(fields.begin() + count, fields.end());
}

} // namespace TC
