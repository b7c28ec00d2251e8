#include <tc/parsing/csvline.h>
#include <tc/parsing/csvline_p.h>

#include <tc/parsing/numberconversions_p.h>
#include <tc/parsing/simd_p.h>

#include <QVarLengthArray>
#include <QtAlgorithms>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <functional>

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

// Where the first double quote and the first upper-case E of text stand, -1 when absent; one
// pass, a block at a time. The full blocks are a loop of their own rather than blockMasks
// calls: with that test per block, parserCsvLine on bar lines took a quarter longer.
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
    if (k < n && n >= simd::Utf16Block::kUnits) {
        // The last units, read as the block that ends the text, without those already seen.
        const int over = k - (n - simd::Utf16Block::kUnits);
        const simd::Utf16Block block(p + n - simd::Utf16Block::kUnits);
        const quint32 q = block.anyOf(u'"') >> over;
        const quint32 m = block.anyOf(u'E') >> over;
        if (quote < 0 && q != 0) quote = k + static_cast<int>(qCountTrailingZeroBits(q));
        if (e < 0 && m != 0) e = k + static_cast<int>(qCountTrailingZeroBits(m));
        return;
    }
    for (; k < n; ++k) {
        if (quote < 0 && p[k] == u'"') quote = k;
        if (e < 0 && p[k] == u'E') e = k;
    }
}

// The value of a field of the usual shape, as fieldValue writes it: a sign or none, digits with
// a point between two of them or none, "E+" or "E-" and one or two digits, at most 19 digits and
// a count up to 22. Stepping by 10.0 from the nearest double loses less than 3e-15 of the
// field's exact decimal value, so the printed digits are those of that value, rounded at the
// eleventh unless it sits too close to a half (see layOutG10). False for those and any other
// field, which take the general path.
bool plainExponentValue(const QChar* line, int from, int to, QChar* text, int& length)
{
    const int e = to - from >= 4 && line[to - 3] == QLatin1Char('E')   ? to - 3
                  : to - from >= 5 && line[to - 4] == QLatin1Char('E') ? to - 4
                                                                       : -1;
    if (e < 0) return false;
    const char16_t sign = line[e + 1].unicode();
    if (sign != u'+' && sign != u'-') return false;
    int count = 0;
    for (int k = e + 2; k < to; ++k) {
        const unsigned digit = line[k].unicode() - unsigned(u'0');
        if (digit > 9) return false;
        count = count * 10 + static_cast<int>(digit);
    }
    if (count > 22) return false;
    int i = from;
    const bool negative = line[i] == QLatin1Char('-');
    if (negative || line[i] == QLatin1Char('+')) ++i;
    char digits[32]; // room for the 19 digits taken; more wrap around and are refused below
    int read = 0;
    int point = -1; // digits read before the point
    for (; i < e; ++i) {
        const char16_t c = line[i].unicode();
        if (c >= u'0' && c <= u'9') {
            digits[read++ & 31] = static_cast<char>(c);
        } else if (c == u'.' && point < 0) {
            point = read;
        } else {
            return false;
        }
    }
    if (read == 0 || read > 19 || point == 0 || point == read) return false;
    int first = 0;
    while (first < read && digits[first] == '0')
        ++first;
    if (first == read) return false;
    int last = read;
    while (digits[last - 1] == '0')
        --last;
    // The decimal exponent of the first significant digit.
    const int exponent = (point < 0 ? read : point) - first - 1 + (sign == u'+' ? count : -count);
    length = detail::layOutG10(negative, digits + first, last - first, exponent, text);
    return length >= 0;
}

// The value of the field line[from, to), written to text (kRoom characters) with its length,
// when the field holds exactly one "E+", else exactly one "E-"; false when the field stays as it
// is.
bool fieldValue(const QChar* line, int from, int to, QChar* text, int& length)
{
    if (plainExponentValue(line, from, to, text, length)) return true;
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

} // namespace

void parserCsvLine(QString& line)
{
    // Two steps, each only for lines with a quote or an upper-case E; most lines have neither.
    int firstQuote = -1;
    int firstE = -1;
    findQuoteAndE(line, firstQuote, firstE);
    if (firstQuote >= 0) {
        const int n = static_cast<int>(line.size());
        const int kept = detail::dropQuoted(line.constData(), n, firstQuote, false, false,
                                            [&line] { return line.data(); });
        if (kept != n) line.truncate(kept);
        if (firstE > firstQuote)
            firstE = static_cast<int>(line.indexOf(QLatin1Char('E'), firstQuote));
    }
    if (firstE >= 0) rewriteExponentFields(line, firstE);
}

namespace detail {

int appendCsvLine(const QChar* in, int length, bool dropQuotes, QString& out, int at, bool trim)
{
    // The line is copied whole, then mended where its commas, quotes and Es stand: o[w...)
    // still holds in[r...) as copied while w - at == r, and is caught up from in once a dropped
    // comma or a rewritten field has moved it. What is written plus what is left to read always
    // fits: a value longer than its field makes room first.
    int capacity = at + length + kRoom;
    // A string without room gets exactly this much (resize would round it up); one with room, as
    // a whole file's text reserved ahead, keeps it.
    if (at == 0 && out.capacity() < capacity)
        out = QString(capacity, Qt::Uninitialized);
    else if (out.size() < capacity)
        out.resize(capacity);
    QChar* o = out.data();
    std::memcpy(o + at, in, sizeof(QChar) * static_cast<size_t>(length));
    int w = at;
    int r = 0;
    // Once moved, the copy is not trusted again, even where w - at comes back to r: a longer
    // value may have written over it.
    bool copied = true;
    const auto catchUp = [&](int k) {
        copied = copied && w - at == r;
        if (!copied) detail::copyChars(o + w, in + r, k - r);
        w += k - r;
        r = k;
    };
    int fieldStart = at;
    bool fieldE = false;
    bool fieldQuote = false;
    bool quoted = false;
    // Ends the field out[fieldStart, w), which in[k] follows.
    const auto endField = [&](int k) {
        char16_t value[kRoom]; // as QChar, which would be cleared first
        int valueLength = 0;
        if (fieldE && fieldValue(o, fieldStart, w, reinterpret_cast<QChar*>(value), valueLength)) {
            if (fieldStart + valueLength + (length - k) > capacity) {
                capacity = fieldStart + valueLength + (length - k) + kRoom;
                out.resize(capacity);
                o = out.data();
            }
            // Exactly the value: what follows it may still be the line as copied.
            detail::copyChars(o + fieldStart, reinterpret_cast<const QChar*>(value), valueLength);
            w = fieldStart + valueLength;
        } else if (dropQuotes && fieldQuote) {
            w = static_cast<int>(std::remove(o + fieldStart, o + w, QLatin1Char('"')) - o);
        }
        fieldE = false;
        fieldQuote = false;
    };
    const ushort* units = reinterpret_cast<const ushort*>(in);
    for (int base = 0; base < length; base += ChunkMasks::kUnits) {
        const ChunkMasks masks(units, length, base);
        uint64_t commas = masks.commas;
        const uint64_t quotes = masks.quotes;
        const uint64_t es = masks.es;
        // The commas before the chunk's first quote or E, while the line so far is the copy and
        // no field is open with one, cut fields that stay as copied: passed over at once.
        const uint64_t marked = quotes | es;
        const uint64_t plain = commas & (marked != 0 ? (marked & (~marked + 1)) - 1 : ~uint64_t(0));
        if (plain != 0 && copied && w - at == r && !quoted && !fieldE && !fieldQuote) {
            r = base + 64 - static_cast<int>(qCountLeadingZeroBits(plain));
            w = at + r;
            fieldStart = w;
            commas &= ~plain;
        }
        for (uint64_t m = commas | quotes | es; m != 0; m &= m - 1) {
            const uint64_t bit = m & (~m + 1);
            const int k = base + static_cast<int>(qCountTrailingZeroBits(m));
            if (bit & commas) {
                catchUp(k);
                r = k + 1;
                // A quoted comma goes; the others cut the fields.
                if (quoted) continue;
                endField(k);
                o[w++] = QLatin1Char(',');
                fieldStart = w;
            } else if (bit & quotes) {
                quoted = !quoted;
                fieldQuote = true;
            } else {
                fieldE = true;
            }
        }
    }
    catchUp(length);
    endField(length);
    if (trim) out.resize(w);
    return w;
}

} // namespace detail

void parserLineSplit(QStringList& fields, QString& line)
{
    const int n = static_cast<int>(line.size());
    const ushort* s = line.utf16();
    constexpr int kUnits = simd::Utf16Block::kUnits;
    // A comma anywhere cuts at commas; else a bar, a tab, a colon (cutting at spaces), in that
    // order.
    quint32 any[4] = {};
    for (int i = 0; i < n && any[0] == 0; i += kUnits) {
        const auto m = detail::blockMasks(s, n, i, u',', u'|', u'\t', u':');
        for (int k = 0; k < 4; ++k)
            any[k] |= m[k];
    }
    const ushort cut = any[0] ? u',' : any[1] ? u'|' : any[2] ? u'\t' : any[3] ? u' ' : 0;
    if (cut == 0) {
        fields.clear();
        return;
    }

    // Where the pieces end, the line's end last; room for a block's worth more is made before
    // each block.
    QVarLengthArray<int, 256> ends(256);
    int pieces = 0;
    const auto makeRoom = [&] {
        if (ends.size() - pieces <= kUnits) ends.resize(ends.size() * 2);
    };
    for (int i = 0; i < n; i += kUnits) {
        makeRoom();
        for (quint32 m = detail::blockMasks(s, n, i, cut)[0]; m != 0; m &= m - 1)
            ends[pieces++] = i + static_cast<int>(qCountTrailingZeroBits(m));
    }
    makeRoom();
    ends[pieces++] = n;

    const int held = static_cast<int>(fields.size());
    // line may be one of the strings in fields, which lie side by side: a shallow copy then
    // keeps its text alive.
    QString keep;
    if (held > 0) {
        const QString* first = &fields.at(0);
        if (!std::less<const QString*>()(&line, first) &&
            std::less<const QString*>()(&line, first + held))
            keep = line;
    }
    const QChar* text = line.constData();
    const int reused = std::min(held, pieces);
    if (reused > 0) {
        auto field = fields.begin();
        for (int k = 0, from = 0; k < reused; from = ends[k] + 1, ++k, ++field) {
            // The columns of a file keep their widths from line to line.
            const int length = ends[k] - from;
            if (field->size() != length) field->resize(length);
            detail::copyChars(field->data(), text + from, length);
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
