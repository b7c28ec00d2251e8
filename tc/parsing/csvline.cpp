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

// Deletes in place the commas between a quote and the next one, firstQuote being the first quote.
// A line is copied (detached) only when it loses a comma.
void removeQuotedCommas(QString& line, int firstQuote)
{
    const int n = static_cast<int>(line.size());
    const QChar* in = line.constData();
    QChar* out = nullptr;
    int w = 0;
    bool quoted = false;
    for (int r = firstQuote; r < n; ++r) {
        const QChar c = in[r];
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (quoted && c == QLatin1Char(',')) {
            if (!out) {
                out = line.data();
                in = out;
                w = r;
            }
            continue;
        }
        if (out) out[w++] = c;
    }
    if (out) line.truncate(w);
}

// Where the first double quote and the first upper-case E of text stand, -1 when absent; one
// pass, eight characters at a time where SSE2 is there.
void findQuoteAndE(const QString& text, int& quote, int& e)
{
    const int n = static_cast<int>(text.size());
    const ushort* p = text.utf16();
    quote = -1;
    e = -1;
    int k = 0;
#ifdef __SSE2__
    const __m128i quotes = _mm_set1_epi16(u'"');
    const __m128i es = _mm_set1_epi16(u'E');
    for (; k + 8 <= n; k += 8) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + k));
        const unsigned q = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(v, quotes)));
        const unsigned m = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(v, es)));
        if (quote < 0 && q != 0) quote = k + __builtin_ctz(q) / 2;
        if (e < 0 && m != 0) e = k + __builtin_ctz(m) / 2;
        if (quote >= 0 && e >= 0) return;
    }
#endif
    for (; k < n; ++k) {
        if (quote < 0 && p[k] == u'"') quote = k;
        if (e < 0 && p[k] == u'E') e = k;
    }
}

// Appends the value of the field line[from, to) to out when the field holds exactly one "E+",
// else exactly one "E-"; false when the field stays as it is.
bool rewriteField(const QChar* line, int from, int to, QVarLengthArray<QChar, 512>& out)
{
    int plusCount = 0;
    int plusAt = -1;
    int minusCount = 0;
    int minusAt = -1;
    for (int i = from; i + 1 < to; ++i) {
        if (line[i] != QLatin1Char('E')) continue;
        if (line[i + 1] == QLatin1Char('+') && plusCount++ == 0)
            plusAt = i;
        else if (line[i + 1] == QLatin1Char('-') && minusCount++ == 0)
            minusAt = i;
    }
    const bool multiply = plusCount > 0;
    if (multiply ? plusCount != 1 : minusCount != 1) return false;
    const int at = multiply ? plusAt : minusAt;
    const int count = detail::toInt(QStringView(line + at + 2, to - at - 2));
    const double mantissa = detail::toDouble(QStringView(line + from, at - from));
    QChar text[kRoom];
    out.append(text, detail::formatNumberG10(applyExponent(mantissa, count, multiply), text));
    return true;
}

// Replaces every field of line (cut at every comma) that holds a single exponent marker by its
// value; firstE is the first upper-case E. The new line is built on the stack and copied back
// into the line's own storage when that is large enough.
void rewriteExponentFields(QString& line, int firstE)
{
    const int n = static_cast<int>(line.size());
    const QChar* s = line.constData();
    QVarLengthArray<QChar, 512> out;
    int copied = 0; // line[copied, n) is still to be appended to out
    for (int e = firstE; e >= 0;) {
        int from = e;
        while (from > 0 && s[from - 1] != QLatin1Char(','))
            --from;
        int to = static_cast<int>(line.indexOf(QLatin1Char(','), e));
        if (to < 0) to = n;
        if (e + 1 < to) {
            const int kept = static_cast<int>(out.size());
            out.append(s + copied, from - copied);
            if (rewriteField(s, from, to, out))
                copied = to;
            else
                out.resize(kept);
        }
        e = to < n ? static_cast<int>(line.indexOf(QLatin1Char('E'), to)) : -1;
    }
    if (copied == 0) return;
    out.append(s + copied, n - copied);
    const int w = static_cast<int>(out.size());
    if (line.isDetached() && line.capacity() >= w) {
        line.resize(w);
        std::copy_n(out.constData(), w, line.data());
    } else {
        line = QString(out.constData(), w);
    }
}

} // namespace

void parserCsvLine(QString& line)
{
    // Two steps, each only for lines with a quote or an upper-case E; most lines have neither.
    int firstQuote = -1;
    int firstE = -1;
    findQuoteAndE(line, firstQuote, firstE);
    if (firstQuote >= 0) {
        removeQuotedCommas(line, firstQuote);
        if (firstE > firstQuote)
            firstE = static_cast<int>(line.indexOf(QLatin1Char('E'), firstQuote));
    }
    if (firstE >= 0) rewriteExponentFields(line, firstE);
}

void parserLineSplit(QStringList& fields, QString& line)
{
    const int n = static_cast<int>(line.size());
    const ushort* s = line.utf16();
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

    // Where the pieces end, the line's end last.
    QVarLengthArray<int, 64> ends;
    int i = 0;
#ifdef __SSE2__
    const __m128i cuts = _mm_set1_epi16(static_cast<short>(cut));
    for (; i + 8 <= n; i += 8) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        // Two mask bits per character.
        for (unsigned m = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(v, cuts)));
             m != 0; m &= m - 1, m &= m - 1)
            ends.append(i + __builtin_ctz(m) / 2);
    }
#endif
    for (; i < n; ++i) {
        if (s[i] == cut) ends.append(i);
    }
    ends.append(n);

    const int held = static_cast<int>(fields.size());
    // line may be one of the strings in fields: a shallow copy then keeps its text alive.
    QString keep;
    for (int k = 0; k < held; ++k) {
        if (&fields.at(k) == &line) keep = line;
    }
    const QChar* text = line.constData();
    const int pieces = static_cast<int>(ends.size());
    const int reused = std::min(held, pieces);
    if (reused > 0) {
        auto field = fields.begin();
        for (int k = 0, from = 0; k < reused; from = ends[k] + 1, ++k, ++field) {
            field->resize(ends[k] - from);
            std::copy_n(text + from, ends[k] - from, field->data());
        }
    }
    if (pieces > held) {
        fields.reserve(pieces);
        for (int k = held; k < pieces; ++k) {
            const int from = k == 0 ? 0 : ends[k - 1] + 1;
            fields.append(QString(text + from, ends[k] - from));
        }
    } else if (pieces < held) {
        fields.erase(fields.begin() + pieces, fields.end());
    }
}

} // namespace TC
