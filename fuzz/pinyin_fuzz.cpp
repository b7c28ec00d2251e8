// Pinyin forms of any name and any typed input, in a UTF-8 or a GBK code page: the forms agree
// with each other, testPy gives what the plain matcher gives, never depends on the filter form,
// finds every name by its own initials and full pinyin, and survives forms the client made up.
// The first byte chooses the code page (bit 0) and whether the typed bytes are taken as they are
// or as a recipe that spells the name's own readings (bit 1), which random bytes rarely do.
#include <tc/host/pinyin.h>
#include <tc/parsing/codepage_p.h>

#include <literal/pinyin.h>

#include "fuzzinput.h"

#include <QStringList>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kMaxTyped = 64;

// The letters and digits of typed input as testPy reads it, lower-case; empty when no name can
// match it (nothing typed, too much typed, or another letter).
std::string typedLetters(const std::string& input)
{
    const QString text = utils::detail::fromLocal8Bit(input.data(), qsizetype(input.size()));
    std::string letters;
    for (uint c : text.toUcs4()) {
        if (c >= 0xFF01 && c <= 0xFF5E) c -= 0xFEE0; // full-width forms
        if (c < 0x80 && QChar::isLetterOrNumber(c))
            letters += static_cast<char>(QChar::toLower(c));
        else if (QChar::isLetterOrNumber(c))
            return {};
    }
    return letters.size() > kMaxTyped ? std::string() : letters;
}

// Typed input that spells characters of the every-reading form: the recipe's first byte picks
// the character to start at, each further byte a reading of the next character and how much of
// it is typed (its initial, two letters, all of it, or a part).
std::string spell(const std::string& every, const std::string& recipe)
{
    const QStringList chars = QString::fromStdString(every).split(QLatin1Char(' '));
    std::string typed;
    if (every.empty() || recipe.empty()) return typed;
    int j = static_cast<unsigned char>(recipe[0]) % chars.size();
    for (size_t i = 1; i < recipe.size() && j < chars.size(); ++i, ++j) {
        const unsigned b = static_cast<unsigned char>(recipe[i]);
        const QStringList readings = chars[j].split(QLatin1Char('/'));
        const std::string r =
            readings[static_cast<int>(b % unsigned(readings.size()))].toLower().toStdString();
        const size_t lengths[] = {1, 2, r.size(), 1 + (b >> 6)};
        typed += r.substr(0, lengths[(b >> 4) & 3]);
    }
    return typed;
}

int units(const std::string& form)
{
    return static_cast<int>(std::count(form.begin(), form.end(), ' ')) + (form.empty() ? 0 : 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    useLocalCodePage(data[0] & 1);
    const auto p = fuzzPieces(data + 1, size - 1, 3);
    const std::string& name = p[0];

    std::vector<std::string> forms{"stale", "forms"};
    KD::getPy(forms, name);
    if (forms.size() != 4 || forms[3].size() != 15) std::abort();
    const std::string& every = forms[2];
    const int n = units(every);
    if (static_cast<int>(forms[0].size()) != n) std::abort();
    // [0] and [1] spell each character's first reading in [2].
    std::string full;
    int unit = 0;
    for (const QString& readings :
         QString::fromStdString(every).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const std::string natural =
            readings.section(QLatin1Char('/'), 0, 0).toLower().toStdString();
        if (natural.empty() || forms[0][static_cast<size_t>(unit++)] != natural[0]) std::abort();
        full += natural;
    }
    if (unit != n || full != forms[1]) std::abort();

    const std::string typed = data[0] & 2 ? spell(every, p[1]) : p[1];
    const int found = KD::testPy(forms, typed);
    if (found < -1 || found >= n) std::abort();
    if (KD::testPy({forms[0], forms[1], forms[2]}, typed) != found) std::abort();
    const std::string letters = typedLetters(typed);
    if (found != (letters.empty() ? -1 : TC::literal::testPy(every, letters))) std::abort();
    // A name is found from its start by its initials and by its full pinyin.
    for (const std::string& own : {forms[0], forms[1]}) {
        if (!own.empty() && own.size() <= kMaxTyped && own.find('?') == std::string::npos &&
            KD::testPy(forms, own) != 0)
            std::abort();
    }

    // Forms the client made up only have to survive.
    const std::string& madeUp = p[2];
    for (const std::vector<std::string>& list : {std::vector<std::string>{"", "", madeUp},
                                                 std::vector<std::string>{"", "", madeUp, name}}) {
        const int r = KD::testPy(list, typed);
        if (r < -1 || r >= std::max(units(madeUp), 1)) std::abort();
    }
    return 0;
}
