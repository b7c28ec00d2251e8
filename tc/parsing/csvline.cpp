#include <tc/parsing/csvline.h>

#include <tc/parsing/numberconversions_p.h>
#include <tc/parsing/simd_p.h>

#include <QVarLengthArray>
#include <QtAlgorithms>

#include <algorithm>
#include <cmath>
#include <cstring>

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
// pass, a block at a time.
void findQuoteAndE(const QString& text, int& quote, int& e)
{
    const int n = static_cast<int>(text.size());
    const ushort* p = text.utf16();
    quote = -1;
    e = -1;
    int k = 0;
    for (; k + simd::Utf16Block::kUnits <= n; k += simd::Utf16Block::kUnits) {
        const simd::Utf16Block block(p + k);
        const quint32 q = block.anyOf(u'"');
        const quint32 m = block.anyOf(u'E');
        if (quote < 0 && q != 0) quote = k + static_cast<int>(qCountTrailingZeroBits(q));
        if (e < 0 && m != 0) e = k + static_cast<int>(qCountTrailingZeroBits(m));
        if (quote >= 0 && e >= 0) return;
    }
    for (; k < n; ++k) {
        if (quote < 0 && p[k] == u'"') quote = k;
        if (e < 0 && p[k] == u'E') e = k;
    }
}

// The value of the field line[from, to), written to text (kRoom characters) with its length,
// when the field holds exactly one "E+", else exactly one "E-"; false when the field stays as it
// is.
bool fieldValue(const QChar* line, int from, int to, QChar* text, int& length)
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
    length = detail::formatNumberG10(applyExponent(mantissa, count, multiply), text);
    return true;
}

int indexOf(const QChar* s, int from, int n, QChar c)
{
    for (int i = from; i < n; ++i) {
        if (s[i] == c) return i;
    }
    return -1;
}

// Replaces every field of line (cut at every comma) that holds a single exponent marker by its
// value, in place; firstE is the first upper-case E. Values are written with a lower-case "e",
// so the search for the next marker goes on after them.
void rewriteExponentFields(QString& line, int firstE)
{
    for (int e = firstE; e >= 0;) {
        const QChar* s = line.constData();
        const int n = static_cast<int>(line.size());
        int from = e;
        while (from > 0 && s[from - 1] != QLatin1Char(','))
            --from;
        int to = indexOf(s, e, n, QLatin1Char(','));
        if (to < 0) to = n;
        int next = to;
        QChar text[kRoom];
        int length = 0;
        if (e + 1 < to && fieldValue(s, from, to, text, length)) {
            // Values mostly take as many characters as their exponent form.
            if (length == to - from)
                std::copy_n(text, length, line.data() + from);
            else
                line.replace(from, to - from, text, length);
            next = from + length;
        }
        e = indexOf(line.constData(), next, static_cast<int>(line.size()), QLatin1Char('E'));
    }
}

// std::copy_n of the few characters of a field, without a call: moves of 8 and 16 bytes, the
// last one overlapping the one before.
void copyChars(QChar* to, const QChar* from, int n)
{
    if (n >= 8) {
        int i = 0;
        for (; i + 8 <= n; i += 8)
            std::memcpy(to + i, from + i, 16);
        if (i < n) std::memcpy(to + n - 8, from + n - 8, 16);
    } else if (n >= 4) {
        std::memcpy(to, from, 8);
        std::memcpy(to + n - 4, from + n - 4, 8);
    } else {
        for (int i = 0; i < n; ++i)
            to[i] = from[i];
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
    for (; i + simd::Utf16Block::kUnits <= n; i += simd::Utf16Block::kUnits) {
        for (quint32 m = simd::Utf16Block(s + i).anyOf(cut); m != 0; m &= m - 1)
            ends.append(i + static_cast<int>(qCountTrailingZeroBits(m)));
    }
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
            // The columns of a file keep their widths from line to line.
            const int length = ends[k] - from;
            if (field->size() != length) field->resize(length);
            copyChars(field->data(), text + from, length);
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
