#include <tc/parsing/numberconversions_p.h>

#include <QString>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace TC::detail {

namespace {

bool isAsciiDigit(QChar c)
{
    return static_cast<unsigned>(c.unicode()) - u'0' <= 9u;
}

constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

constexpr uint64_t kTens[] = {1ULL,
                              10ULL,
                              100ULL,
                              1000ULL,
                              10000ULL,
                              100000ULL,
                              1000000ULL,
                              10000000ULL,
                              100000000ULL,
                              1000000000ULL,
                              10000000000ULL,
                              100000000000ULL,
                              1000000000000ULL,
                              10000000000000ULL,
                              100000000000000ULL,
                              1000000000000000ULL,
                              10000000000000000ULL,
                              100000000000000000ULL,
                              1000000000000000000ULL,
                              10000000000000000000ULL};

#ifdef __SIZEOF_INT128__
__extension__ typedef unsigned __int128 Uint128;

// floor(mantissa * 2^binary * 10^decimal) and whether that cut anything off, computed exactly;
// false when it does not fit in 64 bits or the shifts reach too far.
bool scaledExactly(uint64_t mantissa, int binary, int decimal, uint64_t& result, bool& inexact)
{
    if (decimal >= 0) {
        if (decimal > 19 || binary > 10 || binary < -120) return false;
        Uint128 product = static_cast<Uint128>(mantissa) * kTens[decimal];
        if (binary >= 0) {
            product <<= binary;
            inexact = false;
        } else {
            inexact = (product & ((static_cast<Uint128>(1) << -binary) - 1)) != 0;
            product >>= -binary;
        }
        if (product >> 64) return false;
        result = static_cast<uint64_t>(product);
        return true;
    }
    // Dividing: numerator and denominator both stay within 64 bits.
    if (decimal < -19 || binary > 10 || binary < -20) return false;
    if (binary < 0 && kTens[-decimal] > (~uint64_t(0) >> -binary)) return false;
    const uint64_t numerator = binary >= 0 ? mantissa << binary : mantissa;
    const uint64_t denominator = binary >= 0 ? kTens[-decimal] : kTens[-decimal] << -binary;
    result = numerator / denominator;
    inexact = numerator % denominator != 0;
    return true;
}
#endif

// How QString::number rounds a value exactly halfway between two ten-digit ones: away from zero
// with the double-conversion code Qt normally uses, to even through the C library's printf in
// builds without it. Asked of Qt once; Unknown leaves every tie to Qt.
enum class TieRule { AwayFromZero, ToEven, Unknown };

TieRule qtTieRule()
{
    static const TieRule rule = [] {
        // 12345678905 and 12345678925 are exact doubles with a tie at their eleventh digit.
        const QString low = QString::number(12345678905.0, 'g', 10);
        const QString high = QString::number(12345678925.0, 'g', 10);
        if (low == QLatin1String("1.234567891e+10") && high == QLatin1String("1.234567893e+10"))
            return TieRule::AwayFromZero;
        if (low == QLatin1String("1.23456789e+10") && high == QLatin1String("1.234567892e+10"))
            return TieRule::ToEven;
        return TieRule::Unknown;
    }();
    return rule;
}

// Adds one unit of the tenth digit to the ten digits d.ddddddddd times ten to exponent.
void roundUpTen(char* digits, int& exponent)
{
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

// How many of the ten digits at digits count: up to the last that is not '0', at least one.
int significantCount(const char* digits)
{
    int count = 10;
    while (count > 1 && digits[count - 1] == '0')
        --count;
    return count;
}

// Writes the value of digits[0, count) (the first not '0', the last not '0' unless count is 1),
// read as d.ddd, times ten to exponent, as QString::number's 'g' format with ten digits writes
// it; returns the number of characters.
int layOut(const char* digits, int count, int exponent, QChar* out)
{
    int w = 0;

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

} // namespace

int toInt(QStringView text, bool* ok)
{
    int value = 0;
    if (readPlainInt(text.utf16(), static_cast<std::size_t>(text.size()), value)) {
        if (ok) *ok = true;
        return value;
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
        uint64_t digits = 0;
        for (; k < n; ++k) {
            if (isAsciiDigit(p[k])) {
                fractionDigits < 0 ? ++wholeDigits : ++fractionDigits;
                digits = digits * 10 + (p[k].unicode() - u'0');
            } else if (p[k] == QLatin1Char('.') && fractionDigits < 0) {
                fractionDigits = 0;
            } else {
                break;
            }
            ascii[length++] = static_cast<char>(p[k].unicode());
        }
        if (k == n && wholeDigits > 0 && fractionDigits != 0) {
            // Up to 15 digits and 22 decimals: the digits and the power of ten are exact doubles
            // and one correctly rounded division gives the correctly rounded value.
            const int decimals = std::max(fractionDigits, 0);
            if (wholeDigits + decimals <= 15) {
                const double value = static_cast<double>(digits) / kPowersOfTen[decimals];
                return negative ? -value : value;
            }
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

    char digits[11];
    int exponent = 0;
#ifdef __SIZEOF_INT128__
    // Exactly, for most magnitudes: the first eleven digits of the value and whether more follow.
    uint64_t bits = 0;
    std::memcpy(&bits, &magnitude, sizeof bits);
    const int biased = static_cast<int>(bits >> 52);
    if (biased != 0) {
        const uint64_t mantissa = (bits & ((uint64_t(1) << 52) - 1)) | (uint64_t(1) << 52);
        const int binary = biased - 1075;
        // floor(log10(2^(binary + 52))), the decimal exponent or one below it.
        int guess = ((binary + 52) * 78913) >> 18;
        uint64_t eleven = 0;
        bool inexact = false;
        bool exact = false;
        for (int attempt = 0; attempt < 3; ++attempt) {
            if (!scaledExactly(mantissa, binary, 10 - guess, eleven, inexact)) break;
            if (eleven >= kTens[11]) {
                ++guess;
            } else if (eleven < kTens[10]) {
                --guess;
            } else {
                exact = true;
                break;
            }
        }
        if (exact) {
            const unsigned last = static_cast<unsigned>(eleven % 10);
            uint64_t ten = eleven / 10;
            if (last == 5 && !inexact) {
                const TieRule rule = qtTieRule();
                if (rule == TieRule::Unknown) return viaQt();
                if (rule == TieRule::AwayFromZero || ten % 2 == 1) ++ten;
            } else if (last >= 5) {
                ++ten;
            }
            exponent = guess;
            if (ten == kTens[10]) {
                ten = kTens[9];
                ++exponent;
            }
            for (int k = 9; k >= 0; --k, ten /= 10)
                digits[k] = static_cast<char>('0' + ten % 10);
            return w + layOut(digits, significantCount(digits), exponent, out + w);
        }
    }
#endif
    // Eleven correctly rounded significant digits, "d.dddddddddde+XX", give the ten that Qt prints.
    char text[40];
    const auto written =
        std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, 10);
    digits[0] = text[0];
    std::copy_n(text + 2, 10, digits + 1);
    const char* e = text + 13; // the exponent's sign
    for (const char* c = e + 1; c < written.ptr; ++c)
        exponent = exponent * 10 + (*c - '0');
    if (*e == '-') exponent = -exponent;
    // An eleventh digit 5 may be an exact tie, which Qt rounds away from zero and to_chars to
    // even; leave those to Qt.
    if (digits[10] == '5') return viaQt();
    if (digits[10] > '5') roundUpTen(digits, exponent);
    return w + layOut(digits, significantCount(digits), exponent, out + w);
}

int layOutG10(bool negative, const char* digits, int count, int exponent, QChar* out)
{
    char rounded[10];
    if (count > 10) {
        const char* tail = digits + 10;
        const auto at = [&](int k) { return 10 + k < count ? tail[k] : '0'; };
        if ((at(0) == '5' && at(1) == '0' && at(2) == '0' && at(3) == '0') ||
            (at(0) == '4' && at(1) == '9' && at(2) == '9' && at(3) == '9'))
            return -1;
        const bool up = at(0) >= '5';
        std::copy_n(digits, 10, rounded);
        count = 10;
        if (up) roundUpTen(rounded, exponent);
        while (count > 1 && rounded[count - 1] == '0')
            --count;
        digits = rounded;
    }
    int w = 0;
    if (negative) out[w++] = QLatin1Char('-');
    return w + layOut(digits, count, exponent, out + w);
}

} // namespace TC::detail
