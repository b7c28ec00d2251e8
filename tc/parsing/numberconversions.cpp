#include <tc/parsing/numberconversions_p.h>

#include <QString>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace TC::detail {

namespace {

bool isAsciiDigit(QChar c)
{
    return static_cast<unsigned>(c.unicode()) - u'0' <= 9u;
}

} // namespace

int toInt(QStringView text, bool* ok)
{
    const qsizetype n = text.size();
    const QChar* p = text.data();
    const qsizetype start = n > 0 && (p[0] == QLatin1Char('-') || p[0] == QLatin1Char('+')) ? 1 : 0;
    // A sign and up to nine ASCII digits cannot overflow; every other text takes Qt's own path.
    if (n > start && n - start <= 9) {
        int value = 0;
        qsizetype k = start;
        for (; k < n && isAsciiDigit(p[k]); ++k)
            value = value * 10 + (p[k].unicode() - u'0');
        if (k == n) {
            if (ok) *ok = true;
            return p[0] == QLatin1Char('-') ? -value : value;
        }
    }
    return text.toString().toInt(ok);
}

double toDouble(QStringView text)
{
    // Plain decimals, a sign, digits and an optional point followed by digits, are read here: Qt
    // and from_chars both round them correctly. Blanks, exponents, "inf", "nan" and the rest take
    // Qt's own path.
    constexpr qsizetype kMaxPlain = 64;
    const qsizetype n = text.size();
    const QChar* p = text.data();
    if (n > 0 && n <= kMaxPlain) {
        char ascii[kMaxPlain];
        const bool negative = p[0] == QLatin1Char('-');
        qsizetype k = negative || p[0] == QLatin1Char('+') ? 1 : 0;
        int length = 0;
        int wholeDigits = 0;
        int fractionDigits = -1;
        for (; k < n; ++k) {
            if (isAsciiDigit(p[k])) {
                fractionDigits < 0 ? ++wholeDigits : ++fractionDigits;
            } else if (p[k] == QLatin1Char('.') && fractionDigits < 0) {
                fractionDigits = 0;
            } else {
                break;
            }
            ascii[length++] = static_cast<char>(p[k].unicode());
        }
        if (k == n && wholeDigits > 0 && fractionDigits != 0) {
            double value = 0.0;
            const auto [end, ec] =
                std::from_chars(ascii, ascii + length, value, std::chars_format::fixed);
            if (ec == std::errc() && end == ascii + length) return negative ? -value : value;
        }
    }
    return text.toString().toDouble();
}

int formatNumberG10(double value, QChar* out)
{
    const auto viaQt = [&] {
        const QString text = QString::number(value, 'g', 10);
        const int length = qMin(static_cast<int>(text.size()), kNumberG10Capacity);
        std::copy_n(text.constData(), length, out);
        return length;
    };
    if (value == 0.0 && !std::signbit(value)) {
        out[0] = QLatin1Char('0');
        return 1;
    }
    // Negative zero, infinities and NaN keep Qt's own spelling.
    if (value == 0.0 || !std::isfinite(value)) return viaQt();

    int w = 0;
    const double magnitude = std::fabs(value);
    if (value < 0) out[w++] = QLatin1Char('-');

    // Whole numbers of up to ten digits are printed as they are.
    if (magnitude < 1e10 && magnitude == std::floor(magnitude)) {
        char digits[10];
        int count = 0;
        for (uint64_t v = static_cast<uint64_t>(magnitude); v != 0 || count == 0; v /= 10)
            digits[count++] = static_cast<char>('0' + v % 10);
        while (count > 0)
            out[w++] = QLatin1Char(digits[--count]);
        return w;
    }

    // Eleven correctly rounded significant digits, "d.dddddddddde+XX", give the ten that Qt prints.
    char text[40];
    const auto written =
        std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, 10);
    char digits[11];
    digits[0] = text[0];
    std::copy_n(text + 2, 10, digits + 1);
    const char* e = text + 13; // the exponent's sign
    int exponent = 0;
    for (const char* c = e + 1; c < written.ptr; ++c)
        exponent = exponent * 10 + (*c - '0');
    if (*e == '-') exponent = -exponent;
    // An eleventh digit 5 may be an exact tie, which Qt rounds away from zero and to_chars to
    // even; leave those to Qt.
    if (digits[10] == '5') return viaQt();
    if (digits[10] > '5') {
        int k = 9;
        for (; k >= 0 && digits[k] == '9'; --k)
            digits[k] = '0';
        if (k >= 0) {
            ++digits[k];
        } else {
            digits[0] = '1';
            ++exponent;
        }
    }
    int count = 10;
    while (count > 1 && digits[count - 1] == '0')
        --count;

    if (exponent < -4 || exponent >= 10) {
        out[w++] = QLatin1Char(digits[0]);
        if (count > 1) out[w++] = QLatin1Char('.');
        for (int k = 1; k < count; ++k)
            out[w++] = QLatin1Char(digits[k]);
        out[w++] = QLatin1Char('e');
        out[w++] = QLatin1Char(exponent < 0 ? '-' : '+');
        const int shown = std::abs(exponent);
        if (shown >= 100) out[w++] = QLatin1Char(static_cast<char>('0' + shown / 100));
        out[w++] = QLatin1Char(static_cast<char>('0' + shown / 10 % 10));
        out[w++] = QLatin1Char(static_cast<char>('0' + shown % 10));
    } else if (exponent >= 0) {
        for (int k = 0; k <= exponent; ++k)
            out[w++] = QLatin1Char(k < count ? digits[k] : '0');
        if (count > exponent + 1) out[w++] = QLatin1Char('.');
        for (int k = exponent + 1; k < count; ++k)
            out[w++] = QLatin1Char(digits[k]);
    } else {
        out[w++] = QLatin1Char('0');
        out[w++] = QLatin1Char('.');
        for (int k = 1; k < -exponent; ++k)
            out[w++] = QLatin1Char('0');
        for (int k = 0; k < count; ++k)
            out[w++] = QLatin1Char(digits[k]);
    }
    return w;
}

} // namespace TC::detail
