#include <tc/host/pinyin.h>

#include <tc/parsing/codepage_p.h>

#include "pinyintable_p.h"

#include <QChar>
#include <QString>
#include <QtAlgorithms>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

namespace KD {
namespace {

namespace table = pinyintable;

// Typed inputs are matched with one bit per input position.
constexpr int kMaxTyped = 64;

// One character of a name as the forms spell it: a Chinese character with its readings, or an
// ASCII letter or digit, or '?' for a letter that has no reading.
struct Unit
{
    char32_t code = 0;
    const uint16_t* readings = nullptr; // syllable indices, natural first
    int count = 0;                      // 0 for letters and digits
    int natural = 0;                    // syllable index of the natural reading
    char letter = 0;
};

// The length of each syllable of the table.
struct SyllableLengths
{
    uint8_t of[std::size(table::kSyllables)] = {};

    constexpr SyllableLengths()
    {
        for (size_t i = 0; i < std::size(table::kSyllables); ++i)
            while (table::kSyllables[i][of[i]])
                ++of[i];
    }
};
constexpr SyllableLengths kSyllableLengths;

constexpr char32_t foldFullWidth(char32_t c)
{
    return c >= 0xFF01 && c <= 0xFF5E ? c - 0xFEE0 : c;
}

constexpr bool isAsciiAlnum(char32_t c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

constexpr char asciiLower(char32_t c)
{
    return static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
}

constexpr char asciiUpper(char32_t c)
{
    return static_cast<char>(c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c);
}

// Index of a Chinese character in table::kReading, -1 when it has no reading.
int charIndex(char32_t c)
{
    constexpr int blockSize = static_cast<int>(table::kBlockLast - table::kBlockFirst) + 1;
    int index = -1;
    if (c >= table::kBlockFirst && c <= table::kBlockLast) {
        index = static_cast<int>(c - table::kBlockFirst);
    } else {
        const uint16_t* end = std::end(table::kOtherChars);
        const uint16_t* it = std::lower_bound(std::begin(table::kOtherChars), end, c);
        if (it != end && *it == c)
            index = blockSize + static_cast<int>(it - std::begin(table::kOtherChars));
    }
    return index >= 0 && table::kReading[index] != table::kNoReading ? index : -1;
}

// Decodes the local code page, in which the library encodes what it hands over.
QString fromLocal8Bit(const std::string& bytes)
{
    return utils::detail::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// Whether the local code page is UTF-8.
bool isUtf8Local()
{
    return utils::detail::localIsUtf8();
}

template <typename F> void forEachCodePoint(const QString& s, F&& f)
{
    for (int i = 0; i < s.size(); ++i) {
        char32_t c = s[i].unicode();
        if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(s[i], s[i + 1]);
            ++i;
        }
        if (!f(c)) return;
    }
}

// Adds the unit of one code point of a name, if it is one.
void addUnit(std::vector<Unit>& units, char32_t c)
{
    Unit u;
    u.code = foldFullWidth(c);
    const int index = charIndex(u.code);
    if (isAsciiAlnum(u.code)) {
        u.letter = asciiLower(u.code);
    } else if (index >= 0) {
        const uint16_t reading = table::kReading[index];
        if (reading & 0x8000) {
            const int k = reading & 0x7FFF;
            u.readings = table::kMultiReadings + table::kMultiFirst[k];
            u.count = table::kMultiFirst[k + 1] - table::kMultiFirst[k];
        } else {
            u.readings = &table::kReading[index];
            u.count = 1;
        }
        u.natural = u.readings[0];
    } else if (QChar::isLetterOrNumber(u.code)) {
        u.letter = '?';
    } else {
        return;
    }
    units.push_back(u);
}

// The units of well-formed UTF-8 text, decoded here rather than through a QString; false, and
// units left for the codec to fill, for any byte sequence whose decoding is not plain (a
// malformed or cut sequence, a surrogate, a noncharacter, a byte-order mark at the start).
bool unitsOfUtf8(const std::string& text, std::vector<Unit>& units)
{
    const auto* const begin = reinterpret_cast<const unsigned char*>(text.data());
    const auto* const end = begin + text.size();
    const auto* s = begin;
    auto continuation = [&end](const unsigned char* p, int count) {
        for (int k = 0; k < count; ++k)
            if (p + k == end || (p[k] & 0xC0) != 0x80) return false;
        return true;
    };
    while (s < end) {
        char32_t c = *s;
        int more = 0;
        if (c < 0x80) {
            addUnit(units, c);
            ++s;
            continue;
        }
        if (c >= 0xC2 && c <= 0xDF) {
            c &= 0x1F;
            more = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            c &= 0x0F;
            more = 2;
        } else if (c >= 0xF0 && c <= 0xF4) {
            c &= 0x07;
            more = 3;
        } else {
            return false;
        }
        if (!continuation(s + 1, more)) return false;
        for (int k = 1; k <= more; ++k)
            c = c << 6 | (s[k] & 0x3F);
        constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
        if (c < kLeast[more] || c > 0x10FFFF || QChar::isSurrogate(c) || QChar::isNonCharacter(c) ||
            (c == 0xFEFF && s == begin))
            return false;
        addUnit(units, c);
        s += more + 1;
    }
    return true;
}

std::vector<Unit> unitsOf(const std::string& text)
{
    std::vector<Unit> units;
    units.reserve(text.size());
    if (isUtf8Local() && unitsOfUtf8(text, units)) return units;
    units.clear();
    forEachCodePoint(fromLocal8Bit(text), [&units](char32_t c) {
        addUnit(units, c);
        return true;
    });
    return units;
}

// A filter of the characters phrases begin with, one bit per character's hash: most characters
// begin none, and skip the search.
struct PhraseHeads
{
    uint64_t bits[16] = {};

    static constexpr unsigned bitOf(char32_t c) { return (c * 2654435761u) >> 22; }
    constexpr PhraseHeads()
    {
        for (const table::Phrase& p : table::kPhrases)
            bits[bitOf(p.text[0]) / 64] |= uint64_t(1) << (bitOf(p.text[0]) % 64);
    }
    constexpr bool mayBegin(char32_t c) const
    {
        return (bits[bitOf(c) / 64] >> (bitOf(c) % 64)) & 1;
    }
};
constexpr PhraseHeads kPhraseHeads;

// Sets the natural readings that words of instrument names ask for, longest word first, left to
// right.
void applyPhrases(std::vector<Unit>& units)
{
    const table::Phrase* begin = std::begin(table::kPhrases);
    const table::Phrase* end = std::end(table::kPhrases);
    for (size_t i = 0; i < units.size();) {
        const char32_t code = units[i].code;
        if (!kPhraseHeads.mayBegin(code)) {
            ++i;
            continue;
        }
        const table::Phrase* best = nullptr;
        auto it = std::lower_bound(
            begin, end, code, [](const table::Phrase& p, char32_t c) { return p.text[0] < c; });
        for (; it != end && it->text[0] == code; ++it) {
            if (static_cast<size_t>(it->length) > units.size() - i ||
                (best && best->length >= it->length))
                continue;
            bool same = true;
            for (int k = 1; k < it->length && same; ++k)
                same = units[i + static_cast<size_t>(k)].code == it->text[k];
            if (same) best = it;
        }
        if (!best) {
            ++i;
            continue;
        }
        for (int k = 0; k < best->length; ++k, ++i)
            units[i].natural = best->syllables[k];
    }
}

// The letters and digits typed, lower-case: the input itself when it is nothing else, else a
// copy in buffer.
struct Typed
{
    const char* letters = nullptr;
    int n = 0;
    char buffer[kMaxTyped];
};

// The every-reading form begins each reading with an upper-case letter or a digit.
constexpr char readingHead(char letter)
{
    return asciiUpper(static_cast<unsigned char>(letter));
}

// Whether the head of a reading is the typed letter or digit: setting bit 5 lower-cases an
// upper-case letter and leaves digits as they are.
constexpr bool headIs(char head, char typed)
{
    return (head | 0x20) == typed;
}

// Whether a reading is lve or nve, which keyboards also take typed as lue and nue. Only after
// l and n, and only before e: lu and nu are syllables of their own, not lv and nv.
constexpr bool takesUe(const char* reading)
{
    const char head = static_cast<char>(reading[0] | 0x20);
    return (head == 'l' || head == 'n') && reading[1] == 'v' && reading[2] == 'e';
}

// Whether the typed input spells consecutive characters of the every-reading form, from the
// reading at s on. Bit p of reach is set when the typed letters [0, p) spell the
// characters passed so far. A reading is its head and the lower-case letters after it; the
// terminating NUL of the form ends the last one.
bool spellsFrom(const char* s, const char* end, const Typed& t)
{
    uint64_t reach = 1;
    while (s < end) {
        uint64_t next = 0;
        do {
            const char* r = s++;
            while (static_cast<unsigned char>(*s) >= 'a')
                ++s;
            const int len = static_cast<int>(s - r);
            for (uint64_t bits = reach; bits; bits &= bits - 1) {
                const int p = static_cast<int>(qCountTrailingZeroBits(quint64(bits)));
                if (!headIs(r[0], t.letters[p])) continue;
                // Stops at the end of the reading at the latest: no typed letter is a separator
                // or the form's terminating NUL.
                const bool ue = takesUe(r);
                int m = 1;
                while (p + m < t.n &&
                       (r[m] == t.letters[p + m] || (ue && m == 1 && t.letters[p + m] == 'u')))
                    ++m;
                if (p + m == t.n) return true; // typed in full, the last syllable possibly in part
                next |= uint64_t(1) << (p + 1);
                if (m == len) next |= uint64_t(1) << (p + len);
                if (m >= 2 && r[1] == 'h' && (r[0] == 'Z' || r[0] == 'C' || r[0] == 'S'))
                    next |= uint64_t(1) << (p + 2);
            }
            if (s < end && *s == '/') ++s;
        } while (s < end && *s != ' ');
        if (!next) return false;
        reach = next;
        ++s;
    }
    return false;
}

// The fourth form lets testPy pass over most names without reading the every-reading form: a
// Bloom filter of the two letters a match can begin with, the first two of a reading or the
// heads of two characters in a row. Its 90 bits are written six to a character from '0', so that
// the form fits within a std::string's own buffer.
constexpr int kFilterChars = 15;
constexpr int kFilterBits = kFilterChars * 6;
constexpr int kSymbols = 36; // a to z, 0 to 9

// A letter or digit of either case as a filter symbol, -1 for anything else.
constexpr int symbolOf(char c)
{
    return c >= 'a' && c <= 'z'   ? c - 'a'
           : c >= 'A' && c <= 'Z' ? c - 'A'
           : c >= '0' && c <= '9' ? 26 + (c - '0')
                                  : -1;
}

struct FilterBits
{
    int first;
    int second;
};

constexpr FilterBits filterBits(int symbol, int next)
{
    const uint32_t pair = static_cast<uint32_t>(symbol * kSymbols + next);
    return {static_cast<int>((pair * 2654435761u) >> 20) % kFilterBits,
            static_cast<int>((pair * 0x85EBCA6Bu) >> 21) % kFilterBits};
}

// The bits of every pair of symbols.
struct PairBits
{
    unsigned char first[kSymbols * kSymbols] = {};
    unsigned char second[kSymbols * kSymbols] = {};

    constexpr PairBits()
    {
        for (int pair = 0; pair < kSymbols * kSymbols; ++pair) {
            const FilterBits b = filterBits(pair / kSymbols, pair % kSymbols);
            first[pair] = static_cast<unsigned char>(b.first);
            second[pair] = static_cast<unsigned char>(b.second);
        }
    }
};
constexpr PairBits kPairBits;

struct Filter
{
    uint64_t bits[2] = {}; // the filter's bits in order

    void add(int symbol, int next)
    {
        if (symbol < 0 || next < 0) return;
        const int pair = symbol * kSymbols + next;
        set(kPairBits.first[pair]);
        set(kPairBits.second[pair]);
    }
    void set(int bit) { bits[bit / 64] |= uint64_t(1) << (bit % 64); }

    void writeTo(std::string& out) const
    {
        out.assign(kFilterChars, '0');
        for (int i = 0; i < kFilterChars; ++i) {
            const int at = 6 * i;
            uint64_t six = bits[at / 64] >> (at % 64);
            if (at % 64 > 64 - 6) six |= bits[at / 64 + 1] << (64 - at % 64);
            out[static_cast<size_t>(i)] = static_cast<char>('0' + (six & 63));
        }
    }
};

// Whether the filter form may hold the pair; true for a form that is not a filter.
bool mayBegin(const std::string& filter, const FilterBits& b)
{
    if (filter.size() != kFilterChars) return true;
    auto bit = [&filter](int i) {
        return (static_cast<unsigned char>(filter[static_cast<size_t>(i / 6)] - '0') >> (i % 6)) &
               1u;
    };
    return bit(b.first) && bit(b.second);
}

// What each byte of typed ASCII input counts as: its lower-case form for letters and digits,
// 0 for ignored punctuation and spaces, -1 for a byte that needs decoding; and whether it is a
// lower-case letter or a digit already.
struct ByteFold
{
    signed char fold[256];
    unsigned char plain[256];

    constexpr ByteFold() : fold(), plain()
    {
        for (int b = 0; b < 256; ++b) {
            const char32_t c = static_cast<char32_t>(b);
            fold[b] = b >= 0x80         ? -1
                      : isAsciiAlnum(c) ? static_cast<signed char>(asciiLower(c))
                                        : 0;
            plain[b] = isAsciiAlnum(c) && asciiLower(c) == static_cast<char>(c);
        }
    }
};
constexpr ByteFold kByteFold;

// The letters and digits of the typed input; false when the input cannot match anything.
bool readTyped(const std::string& input, Typed& t)
{
    if (!input.empty() && input.size() <= kMaxTyped) {
        // Lower-case letters and digits, the usual input, are used as they are.
        unsigned plain = 1;
        for (const char b : input)
            plain &= kByteFold.plain[static_cast<unsigned char>(b)];
        if (plain) {
            t.letters = input.data();
            t.n = static_cast<int>(input.size());
            return true;
        }
    }
    t.letters = t.buffer;
    t.n = 0;
    bool ascii = true;
    for (const char b : input) {
        const signed char f = kByteFold.fold[static_cast<unsigned char>(b)];
        if (f < 0) {
            ascii = false;
            break;
        }
        if (f > 0) {
            if (t.n == kMaxTyped) return false;
            t.buffer[t.n++] = static_cast<char>(f);
        }
    }
    if (ascii) return t.n > 0;
    t.n = 0;
    bool ok = true;
    forEachCodePoint(fromLocal8Bit(input), [&](char32_t c) {
        c = foldFullWidth(c);
        if (isAsciiAlnum(c) && t.n < kMaxTyped)
            t.buffer[t.n++] = asciiLower(c);
        else if (isAsciiAlnum(c) || QChar::isLetterOrNumber(c))
            ok = false;
        return ok;
    });
    return ok && t.n > 0;
}

} // namespace

void getPy(std::vector<std::string>& pyList, const std::string& text)
{
    std::vector<Unit> units = unitsOf(text);
    applyPhrases(units);

    // The forms are written in place, each made to its exact length first: a fresh list holds no
    // spare capacity, and a list given again keeps its strings' buffers.
    auto others = [](const Unit& u, auto&& f) { // the readings after the natural one
        for (int k = 0; k < u.count; ++k)
            if (u.readings[k] != u.natural) f(u.readings[k]);
    };
    size_t fullLength = 0, everyLength = units.empty() ? 0 : units.size() - 1;
    for (const Unit& u : units) {
        const size_t natural = u.count ? kSyllableLengths.of[u.natural] : 1;
        fullLength += natural;
        everyLength += natural;
        others(u, [&everyLength](int r) { everyLength += 1 + kSyllableLengths.of[r]; });
    }
    pyList.resize(4);
    auto fresh = [](std::string& form, size_t length) -> char* {
        // reserve may round up; a string made to the length holds exactly it.
        if (form.capacity() < length)
            form = std::string(length, '\0');
        else
            form.resize(length);
        return form.data();
    };
    char* initials = fresh(pyList[0], units.size());
    char* full = fresh(pyList[1], fullLength);
    char* every = fresh(pyList[2], everyLength);
    Filter filter;
    uint64_t heads = 0; // symbols the current character's readings begin with
    uint64_t previousHeads = 0;
    auto addReading = [&](const char* syllable, size_t length) {
        *every++ = asciiUpper(static_cast<unsigned char>(syllable[0]));
        std::memcpy(every, syllable + 1, length - 1);
        every += length - 1;
        const int head = symbolOf(syllable[0]);
        if (head < 0) return;
        heads |= uint64_t(1) << head;
        if (syllable[1]) filter.add(head, symbolOf(syllable[1]));
        if (takesUe(syllable)) filter.add(head, symbolOf('u'));
    };
    for (size_t i = 0; i < units.size(); ++i) {
        const Unit& u = units[i];
        if (i > 0) *every++ = ' ';
        heads = 0;
        if (u.count == 0) {
            const char letter[] = {u.letter, 0, 0}; // room for takesUe to look two on
            *initials++ = u.letter;
            *full++ = u.letter;
            addReading(letter, 1);
        } else {
            const char* natural = table::kSyllables[u.natural];
            const size_t length = kSyllableLengths.of[u.natural];
            *initials++ = natural[0];
            std::memcpy(full, natural, length);
            full += length;
            addReading(natural, length);
            others(u, [&](int r) {
                *every++ = '/';
                addReading(table::kSyllables[r], kSyllableLengths.of[r]);
            });
        }
        for (uint64_t h = heads; h; h &= h - 1) {
            for (uint64_t p = previousHeads; p; p &= p - 1)
                filter.add(static_cast<int>(qCountTrailingZeroBits(quint64(p))),
                           static_cast<int>(qCountTrailingZeroBits(quint64(h))));
        }
        previousHeads = heads;
    }
    filter.writeTo(pyList[3]);
}

int testPy(const std::vector<std::string>& pyList, const std::string& input)
{
    Typed t;
    if (pyList.size() < 3 || !readTyped(input, t)) return -1;
    const std::string& every = pyList[2];
    const char* begin = every.data();
    const char* end = begin + every.size();
    // Readings begin with an upper-case letter or a digit, so one search finds the characters
    // a match may start at; most names have none.
    const char head = readingHead(t.letters[0]);
    if (t.n == 1) {
        // One letter matches at the first character with a reading that begins with it.
        const char* at = static_cast<const char*>(std::memchr(begin, head, every.size()));
        return at ? static_cast<int>(std::count(begin, at, ' ')) : -1;
    }
    // The filter tells the names a match cannot begin in; input that begins with zh, ch or sh
    // would pass it in most names, so that input goes without.
    const bool digraph = t.letters[1] == 'h' && (head == 'Z' || head == 'C' || head == 'S');
    if (!digraph && pyList.size() > 3 &&
        !mayBegin(pyList[3], filterBits(symbolOf(t.letters[0]), symbolOf(t.letters[1]))))
        return -1;
    // A reading of the same character before the one found does not begin with the head, or the
    // search would have found it first; so a match may start at the reading found.
    for (const char* at = begin; at < end; ++at) {
        at = static_cast<const char*>(std::memchr(at, head, static_cast<size_t>(end - at)));
        if (!at) return -1;
        if (spellsFrom(at, end, t)) return static_cast<int>(std::count(begin, at, ' '));
    }
    return -1;
}

} // namespace KD
