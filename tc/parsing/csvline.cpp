#include <tc/parsing/csvline.h>

#include <tc/parsing/numberconversions_p.h>

#include <QVarLengthArray>

#include <algorithm>
#include <cmath>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

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

// Copies the characters of in[0, n) up to the first at or below '-' (the comma, the quote and the
// signs are there) to out; returns how many. May store up to eight characters more than it
// copies.
int copyPlain(const ushort* in, int n, ushort* out)
{
    int k = 0;
#ifdef __SSE2__
    const __m128i dash = _mm_set1_epi16(u'-');
    for (; k + 8 <= n; k += 8) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + k));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + k), v);
        // Lanes at or below '-' saturate to zero.
        const int low =
            _mm_movemask_epi8(_mm_cmpeq_epi16(_mm_subs_epu16(v, dash), _mm_setzero_si128()));
        if (low != 0) return k + __builtin_ctz(static_cast<unsigned>(low)) / 2;
    }
#endif
    for (; k < n && in[k] > u'-'; ++k)
        out[k] = in[k];
    return k;
}

// Rewrites the field out[start, end) when it holds a single marker; returns the field's new end.
// out has room for kRoom characters from start.
int rewriteField(ushort* out, int start, int end, const Markers& markers)
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
    QChar* text = reinterpret_cast<QChar*>(out);
    const int count = detail::toInt(QStringView(text + at + 2, end - at - 2));
    const double mantissa = detail::toDouble(QStringView(text + start, at - start));
    return start + detail::formatNumberG10(applyExponent(mantissa, count, multiply), text + start);
}

// Deletes in place the commas between a quote and the next one, firstQuote being the first quote.
void removeQuotedCommas(QString& line, int firstQuote)
{
    const int n = line.size();
    const QChar* s = line.constData();
    // Up to the first comma inside quotes nothing changes; most quoted numbers have one.
    int first = -1;
    for (int open = firstQuote; open >= 0 && first < 0;) {
        const int close = line.indexOf(QLatin1Char('"'), open + 1);
        const int end = close < 0 ? n : close;
        for (int i = open + 1; i < end && first < 0; ++i) {
            if (s[i] == QLatin1Char(',')) first = i;
        }
        open = close < 0 ? -1 : line.indexOf(QLatin1Char('"'), close + 1);
    }
    if (first < 0) return;
    QChar* p = line.data();
    int w = first;
    bool quoted = true;
    for (int r = first + 1; r < n; ++r) {
        const QChar c = p[r];
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (quoted && c == QLatin1Char(','))
            continue;
        p[w++] = c;
    }
    line.truncate(w);
}

} // namespace

void parserCsvLine(QString& line)
{
    // Without an upper-case E no field is rewritten: most lines stay as they are, the others
    // only lose the commas inside their quotes.
    if (!line.contains(QLatin1Char('E'))) {
        const int firstQuote = line.indexOf(QLatin1Char('"'));
        if (firstQuote >= 0) removeQuotedCommas(line, firstQuote);
        return;
    }

    // Invariant at the top of the loop: capacity >= w + (characters left to read) + kRoom, so a
    // field rewritten in place always has room, as do the eight characters copyPlain may store.
    // The line is built in a buffer on the stack, then copied back into the line's own storage
    // when that is large enough.
    const int n = line.size();
    const ushort* in = line.utf16();
    QVarLengthArray<ushort, 512> result(n + 2 * kRoom);
    int capacity = result.size();
    ushort* out = result.data();
    int w = 0;
    int fieldStart = 0;
    bool quoted = false;
    Markers markers;
    for (int k = 0; k < n;) {
        const int copied = copyPlain(in + k, n - k, out + w);
        k += copied;
        w += copied;
        if (k == n) break;
        const ushort c = in[k++];
        if (c == u',') {
            if (quoted) continue;
            w = rewriteField(out, fieldStart, w, markers);
            const int needed = w + (n - k) + 1 + kRoom;
            if (needed > capacity) {
                capacity = std::max(needed, 2 * capacity);
                result.resize(capacity);
                out = result.data();
            }
            out[w++] = u',';
            fieldStart = w;
            markers = Markers();
            continue;
        }
        if (c == u'"') {
            quoted = !quoted;
        } else if ((c == u'+' || c == u'-') && w > fieldStart && out[w - 1] == u'E') {
            if (c == u'+' && markers.plusCount++ == 0)
                markers.plusAt = w - 1;
            else if (c == u'-' && markers.minusCount++ == 0)
                markers.minusAt = w - 1;
        }
        out[w++] = c;
    }
    w = rewriteField(out, fieldStart, w, markers);
    if (line.isDetached() && line.capacity() >= w) {
        line.resize(w);
        std::copy_n(out, w, reinterpret_cast<ushort*>(line.data()));
    } else {
        line = QString(reinterpret_cast<const QChar*>(out), w);
    }
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
    int pieces = 1;
    for (int i = 0; i < n; ++i)
        pieces += s[i] == cut;
    if (pieces > held) fields.reserve(pieces);
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
