#include <tc/records/instrumentsearch.h>

#include "instrumentsearch_p.h"

#include <tc/host/pinyin.h>
#include <tc/markets/marketcatalogue.h>
#include <tc/markets/marketpredicates_p.h>
#include <tc/parsing/codepage_p.h>

#include <QByteArray>
#include <QHash>
#include <QtAlgorithms>

#if defined(_MSC_VER) && !defined(__GNUC__)
#include <xmmintrin.h>
#endif

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <new>
#include <optional>
#include <string_view>
#include <utility>

namespace TC {

namespace search {
namespace {

constexpr char32_t foldFullWidth(char32_t c)
{
    return c >= 0xFF01 && c <= 0xFF5E ? c - 0xFEE0 : c == 0x3000 ? U' ' : c;
}

constexpr bool isAsciiAlnum(char32_t c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Calls f(code point, index, width) for each code point of s; a lone surrogate is one of its own.
template <typename F> void forEachCodePoint(const QString& s, F&& f)
{
    for (int i = 0; i < s.size(); ++i) {
        const int at = i;
        char32_t c = s[i].unicode();
        if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(s[i], s[i + 1]);
            ++i;
        }
        if (!f(c, at, i + 1 - at)) return;
    }
}

// Advances the typed positions reached before a character over one of its readings: bit p of
// reach means the letters [0, p) spell the characters so far. True when the input ends within the
// reading (the last character may be typed in part).
bool step(const char* r, int len, const Typed& t, uint64_t reach, uint64_t& next)
{
    const bool ue = takesUe(r, static_cast<size_t>(len));
    const bool digraph = isDigraph(r, static_cast<size_t>(len));
    for (uint64_t bits = reach; bits; bits &= bits - 1) {
        const int p = static_cast<int>(qCountTrailingZeroBits(quint64(bits)));
        int m = 0;
        while (m < len && p + m < t.n &&
               (r[m] == t.letters[p + m] || (ue && m == 1 && t.letters[p + m] == 'u')))
            ++m;
        if (m == 0) continue;
        if (p + m == t.n) return true;
        // The next character begins after the initial, after zh/ch/sh, or after the syllable.
        next |= uint64_t(1) << (p + 1);
        if (m == len) next |= uint64_t(1) << (p + len);
        if (digraph && m >= 2) next |= uint64_t(1) << (p + 2);
    }
    return false;
}

// Walks the characters of a spelling from s; anywhere lets a match begin at each of them.
bool walk(const char* s, const char* end, const Typed& t, bool natural, bool anywhere)
{
    uint64_t reach = 1;
    while (s < end) {
        uint64_t next = 0;
        for (bool first = true;; first = false) {
            const char* r = s;
            while (s < end && *s != ' ' && *s != '/')
                ++s;
            if ((first || !natural) && step(r, static_cast<int>(s - r), t, reach, next))
                return true;
            if (s == end || *s == ' ') break;
            ++s;
        }
        if (s < end) ++s;
        reach = anywhere ? next | 1 : next;
        if (!reach) return false;
    }
    return false;
}

const char* skipCharacters(const char* s, const char* end, int count)
{
    for (; count > 0 && s < end; --count) {
        s = static_cast<const char*>(std::memchr(s, ' ', static_cast<size_t>(end - s)));
        if (!s) return end;
        ++s;
    }
    return s;
}

// GCC takes a function that only prefetches for one without effects, and drops calls to it that
// it has not inlined yet: the prefetching functions are always inlined.
#if defined(__GNUC__)
#define TC_ALWAYS_INLINE [[gnu::always_inline]] inline
#else
#define TC_ALWAYS_INLINE inline
#endif

// Asks for the cache line of p ahead of its use.
TC_ALWAYS_INLINE void prefetch(const void* p)
{
#if defined(__GNUC__)
    __builtin_prefetch(p);
#elif defined(_MSC_VER)
    _mm_prefetch(static_cast<const char*>(p), _MM_HINT_T0);
#endif
}

} // namespace

char16_t foldOtherUnit(char16_t u)
{
    const char32_t folded = QChar::toCaseFolded(foldFullWidth(u));
    return QChar::requiresSurrogates(folded) ? u : static_cast<char16_t>(folded);
}

int foldedIndexOf(const QString& s, const QString& folded)
{
    const int n = static_cast<int>(s.size()), m = static_cast<int>(folded.size());
    for (int i = 0; i + m <= n; ++i) {
        int j = 0;
        while (j < m && !s[i + j].isSurrogate() && foldUnit(s[i + j].unicode()) == folded[j])
            ++j;
        if (j == m) return i;
        if (j < m && s[i + j].isSurrogate())
            return static_cast<int>(foldText(s).indexOf(folded, i));
    }
    return -1;
}

QString foldText(const QString& s)
{
    QString out = s;
    QChar* d = out.data();
    forEachCodePoint(s, [d](char32_t c, int at, int width) {
        const char32_t folded = QChar::toCaseFolded(foldFullWidth(c));
        if (width == 1) {
            d[at] = QChar(foldUnit(static_cast<char16_t>(c)));
        } else if (QChar::requiresSurrogates(folded)) {
            d[at] = QChar(QChar::highSurrogate(folded));
            d[at + 1] = QChar(QChar::lowSurrogate(folded));
        }
        return true;
    });
    return out;
}

bool readTyped(const QString& typed, Typed& t)
{
    t.n = 0;
    const QByteArray bytes = utils::detail::toLocal8Bit(typed);
    const QString decoded = utils::detail::fromLocal8Bit(bytes.constData(), bytes.size());
    bool ok = true;
    forEachCodePoint(decoded, [&](char32_t c, int, int) {
        c = foldFullWidth(c);
        if (isAsciiAlnum(c) && t.n < kMaxTyped)
            t.letters[t.n++] = static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
        else if (isAsciiAlnum(c) || QChar::isLetterOrNumber(c))
            ok = false;
        return ok;
    });
    return ok && t.n > 0;
}

int unitIndex(const QString& name, int unit, bool localUtf8)
{
    int found = static_cast<int>(name.size());
    forEachCodePoint(name, [&](char32_t c, int at, int width) {
        if (!QChar::isLetterOrNumber(foldFullWidth(c))) return true;
        if (!localUtf8 && c >= 0x80 &&
            !utils::detail::localCanEncode(QStringView(name).mid(at, width)))
            return true;
        if (unit-- > 0) return true;
        found = at;
        return false;
    });
    return found;
}

bool Spelling::spellsFrom(int from, const Typed& t, bool natural) const
{
    return walk(skipCharacters(begin, end, from), end, t, natural, false);
}

bool Spelling::spellsAnywhere(const Typed& t) const
{
    return walk(begin, end, t, false, true);
}

int Spelling::firstMatch(const Typed& t) const
{
    int from = 0;
    for (const char* s = begin; s < end; s = skipCharacters(s, end, 1), ++from)
        if (walk(s, end, t, false, false)) return from;
    return -1;
}

PairFilter pairsOf(const Typed& t)
{
    PairFilter f;
    for (int k = 0; k + 1 < t.n; ++k)
        f.add(t.letters[k], t.letters[k + 1]);
    return f;
}

void Postings::Builder::reserve(size_t entries, uint32_t ids)
{
    if (entries > m_capacity) {
        std::unique_ptr<uint32_t[]> more(new uint32_t[entries]); // written before it is read
        std::copy(m_entries.get(), m_entries.get() + m_size, more.get());
        m_entries = std::move(more);
        m_capacity = entries;
    }
    m_idStart.reserve(size_t(ids) + 1);
}

void Postings::Builder::addFlags(uint32_t key, unsigned flags)
{
    for (size_t i = m_idStart.back(); i < m_size; ++i) {
        if (m_entries[i] >> 2 == key) {
            m_entries[i] |= flags;
            return;
        }
    }
}

void Postings::Builder::grow()
{
    reserve(std::max<size_t>(64, 2 * m_capacity), 0);
}

void Postings::Builder::beginId(uint32_t id)
{
    while (m_idStart.size() <= id)
        m_idStart.push_back(static_cast<uint32_t>(m_size));
    m_id = id;
}

Postings Postings::Builder::finish(const std::vector<uint64_t>& values)
{
    const uint32_t ids = static_cast<uint32_t>(m_idStart.size());
    m_idStart.push_back(static_cast<uint32_t>(m_size));
    std::vector<uint32_t> order;
    for (uint32_t k = 0; k < m_keys.size(); ++k)
        if (m_keys[k].bytes) order.push_back(k);
    if (!values.empty())
        std::sort(order.begin(), order.end(),
                  [&values](uint32_t a, uint32_t b) { return values[a] < values[b]; });

    Postings p;
    p.m_keys.reserve(order.size());
    p.m_starts.reserve(order.size() + 1);
    uint32_t at = 0;
    for (const uint32_t k : order) {
        p.m_keys.push_back(values.empty() ? k : values[k]);
        p.m_starts.push_back(at);
        m_keys[k].last = UINT32_MAX;
        at += std::exchange(m_keys[k].bytes, at);
    }
    p.m_starts.push_back(at);
    p.m_bytes.resize(at);
    // Local pointers: the bytes written may alias anything, the compiler would read the members
    // again after each.
    uint8_t* const out = p.m_bytes.data();
    Key* const keys = m_keys.data();
    const uint32_t* const entries = m_entries.get();
    const uint32_t* const idStart = m_idStart.data();
    for (uint32_t id = 0; id < ids; ++id) {
        for (uint32_t i = idStart[id], end = idStart[id + 1]; i < end; ++i) {
            Key& k = keys[entries[i] >> 2];
            uint32_t v = (id - k.last - 1) << 2 | (entries[i] & 3);
            k.last = id;
            uint32_t next = k.bytes;
            for (; v >= 0x80; v >>= 7)
                out[next++] = static_cast<uint8_t>(v | 0x80);
            out[next++] = static_cast<uint8_t>(v);
            k.bytes = next;
        }
    }
    *this = Builder();
    return p;
}

size_t Postings::slot(uint64_t key) const
{
    const auto it = std::lower_bound(m_keys.begin(), m_keys.end(), key);
    return it != m_keys.end() && *it == key ? static_cast<size_t>(it - m_keys.begin())
                                            : m_keys.size();
}

Postings::Cursor Postings::find(uint64_t key) const
{
    const size_t i = slot(key);
    if (i == m_keys.size()) return {};
    return {m_bytes.data() + m_starts[i], m_bytes.data() + m_starts[i + 1]};
}

size_t Postings::bytes(uint64_t key) const
{
    const size_t i = slot(key);
    return i == m_keys.size() ? 0 : m_starts[i + 1] - m_starts[i];
}

} // namespace search

using namespace search;

namespace {

// Tiers of the ranking, best first; NoTier for no match.
enum Tier : uint8_t {
    ExactCode,
    ProductCode,
    CodePrefix,
    FromStart,
    FromStartOther,
    Inside,
    NoTier
};
constexpr int kTiers = NoTier;

// Flags of the postings. Pinyin: the key is spelled from the name's first character under
// natural readings (kNatural), under any (kStart); neither: inside. Text: kStart when it occurs
// at or before the first character.
constexpr unsigned kNatural = 1;
constexpr unsigned kStart = 2;

// Ids stay below 2^28 (the postings' limit); a longer list is indexed up to there.
constexpr int kMaxInstruments = (1 << 28) - 1;

// Pinyin keys: the first one, two or three letters of a spelling, numbered in that order.
constexpr uint32_t kPinyinKeys = 36 + 36 * 36 + 36 * 36 * 36;
constexpr uint64_t pinyinKey(const char* letters, int length)
{
    uint64_t key = 0, base = 0, span = 1;
    for (int i = 0; i < length; ++i) {
        base += span;
        span *= 36;
        key = key * 36 +
              static_cast<uint64_t>(letters[i] >= 'a' ? letters[i] - 'a' : 26 + (letters[i] - '0'));
    }
    return base - 1 + key;
}

// Text keys: one UTF-16 unit, or two in a row.
constexpr uint64_t unitKey(char16_t c)
{
    return uint64_t(c) << 17;
}
constexpr uint64_t pairKey(char16_t a, char16_t b)
{
    return uint64_t(a) << 17 | uint64_t(b) << 1 | 1;
}

std::u16string_view view(const QString& s)
{
    return {reinterpret_cast<const char16_t*>(s.utf16()), static_cast<size_t>(s.size())};
}

// Appends s folded as foldText folds it.
void appendFolded(std::u16string& out, const QString& s)
{
    const size_t at = out.size();
    out.resize(at + static_cast<size_t>(s.size()));
    bool pairs = false;
    for (int i = 0; i < s.size(); ++i) {
        pairs = pairs || s[i].isSurrogate();
        out[at + static_cast<size_t>(i)] = foldUnit(s[i].unicode());
    }
    if (pairs) {
        const QString f = foldText(s);
        std::copy(f.utf16(), f.utf16() + f.size(), out.begin() + static_cast<ptrdiff_t>(at));
    }
}

// The letters of a futures contract's code ("rb" of rb2601, "IF" of IF2603, "T" of T2603);
// empty for any other code.
QString productOf(const QString& code)
{
    int letters = 0;
    while (letters < code.size() && isAsciiAlnum(code[letters].unicode()) &&
           !code[letters].isDigit())
        ++letters;
    if (letters == 0 || letters == code.size()) return {};
    for (int i = letters; i < code.size(); ++i)
        if (!code[i].isDigit() || code[i].unicode() >= 0x80) return {};
    return code.left(letters);
}

// Codes compare by their UTF-16 units; the first eight, packed into two numbers, decide most
// comparisons.
std::array<uint64_t, 2> codeWords(std::u16string_view s)
{
    std::array<uint64_t, 2> words{};
    for (size_t i = 0; i < 8 && i < s.size(); ++i)
        words[i / 4] |= uint64_t(s[i]) << (48 - 16 * (i % 4));
    return words;
}

// A value and the words it is ordered by, the first the most significant.
struct Keyed
{
    std::array<uint64_t, 3> key;
    uint32_t value;
};

// Sorts items by their keys, equal keys in the order given: a radix sort on bytes that passes
// over the bytes that are the same in every key, through scratch. Then calls order(first, last)
// on each run of equal keys, for what the keys leave open.
template <typename Order>
void sortByKey(std::vector<Keyed>& items, std::vector<Keyed>& scratch, Order order)
{
    if (items.empty()) return;
    constexpr size_t W = std::tuple_size_v<decltype(Keyed::key)>;
    std::array<uint64_t, W> differ{};
    for (const Keyed& item : items)
        for (size_t w = 0; w < W; ++w)
            differ[w] |= item.key[w] ^ items[0].key[w];
    // The bytes that differ, the least significant first, as word and shift, and how many
    // items hold each value of each, counted in one pass.
    std::vector<std::pair<size_t, unsigned>> digits;
    for (size_t b = 0; b < 8 * W; ++b)
        if ((differ[W - 1 - b / 8] >> (8 * (b % 8))) & 0xFF)
            digits.emplace_back(W - 1 - b / 8, static_cast<unsigned>(8 * (b % 8)));
    std::vector<std::array<uint32_t, 256>> next(digits.size());
    for (const Keyed& item : items)
        for (size_t d = 0; d < digits.size(); ++d)
            ++next[d][(item.key[digits[d].first] >> digits[d].second) & 0xFF];
    scratch.resize(items.size());
    for (size_t d = 0; d < digits.size(); ++d) {
        const auto [w, shift] = digits[d];
        uint32_t at = 0;
        for (uint32_t& count : next[d])
            at += std::exchange(count, at);
        for (const Keyed& item : items)
            scratch[next[d][(item.key[w] >> shift) & 0xFF]++] = item;
        items.swap(scratch);
    }
    for (auto first = items.begin(); first != items.end();) {
        auto last = first + 1;
        while (last != items.end() && last->key == first->key)
            ++last;
        if (last - first > 1) order(first, last);
        first = last;
    }
}

} // namespace

struct search::Index
{
    QList<CStockInfo> list;
    uint32_t n = 0;
    std::vector<uint32_t> rowOfId; // ids number the rows in their order within a tier
    int longestName = 0;
    int longestCode = 0;
    int longestMarket = 0;

    // Folded codes one after another, by id. byCode sorts the ids by folded code; byMarketCode
    // by market (folded), then folded code, each market's ids from marketStart[m] on.
    std::u16string codeText;
    std::vector<uint32_t> codeStart; // n + 1
    std::vector<uint32_t> byCode;
    std::vector<uint32_t> byMarketCode;
    std::vector<QString> markets; // folded, sorted, not empty
    std::vector<uint32_t> marketStart;
    QHash<QString, std::vector<uint32_t>> products; // folded product code: its contracts' ids

    std::string spellText;            // each name's spelling one after another, by id
    std::vector<uint32_t> spellStart; // n + 1
    std::vector<PairFilter> filters;  // by id: read in id order by the pinyin passes
    Postings pinyin;                  // spelled prefixes of one to three letters
    Postings text;                    // units and pairs of units of the folded names

    std::u16string_view code(uint32_t id) const
    {
        return std::u16string_view(codeText).substr(codeStart[id],
                                                    codeStart[id + 1] - codeStart[id]);
    }
    Spelling spelling(uint32_t id) const
    {
        return {spellText.data() + spellStart[id], spellText.data() + spellStart[id + 1]};
    }
    const PairFilter& filter(uint32_t id) const { return filters[id]; }
    const QString& name(uint32_t id) const { return list.at(static_cast<int>(rowOfId[id])).name; }
};

namespace {

// Asks for the text of s ahead of its use, without reading s's data.
TC_ALWAYS_INLINE void prefetchText(const QString& s)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    const char* d = reinterpret_cast<const char*>(const_cast<QString&>(s).data_ptr());
#else
    const char* d = reinterpret_cast<const char*>(s.constData());
#endif
    prefetch(d);
    prefetch(d + 64);
}

// In a loop over the instruments at(0) to at(n - 1), which lie apart in memory, asks for those
// a few on ahead of their use: the record, then its texts.
template <typename At> TC_ALWAYS_INLINE void fetchAhead(At at, uint32_t i, uint32_t n)
{
    constexpr uint32_t kAhead = 8;
    if (i + 2 * kAhead < n) prefetch(at(i + 2 * kAhead));
    if (i + kAhead < n) {
        const CStockInfo& ahead = *at(i + kAhead);
        prefetchText(ahead.market);
        prefetchText(ahead.code);
        prefetchText(ahead.name);
    }
}

// The markets of the rows: each different text once, and the one of each row.
struct RowMarkets
{
    std::vector<QString> given;
    std::vector<uint32_t> ofRow;
};

RowMarkets rowMarkets(const QList<CStockInfo>& list, uint32_t n)
{
    RowMarkets m;
    m.ofRow.resize(n);
    QHash<QString, uint32_t> index;
    for (uint32_t row = 0; row < n; ++row) {
        fetchAhead([&list](uint32_t i) { return &list.at(static_cast<int>(i)); }, row, n);
        const QString& market = list.at(static_cast<int>(row)).market;
        // Rows of a market often come together.
        if (row > 0 && market == m.given[m.ofRow[row - 1]]) {
            m.ofRow[row] = m.ofRow[row - 1];
            continue;
        }
        auto it = index.find(market);
        if (it == index.end()) {
            it = index.insert(market, static_cast<uint32_t>(m.given.size()));
            m.given.push_back(market);
        }
        m.ofRow[row] = *it;
    }
    return m;
}

// The ids of rows in their order within a tier: market rank, name length, code, row. The sort
// goes through keyed and scratch, left for the caller to use again.
std::vector<uint32_t> tieOrder(const QList<CStockInfo>& list, uint32_t n, const RowMarkets& markets,
                               std::vector<Keyed>& ties, std::vector<Keyed>& scratch)
{
    // The place of each market's rank among the ranks given, for shorter keys.
    std::vector<uint32_t> ranks;
    for (const QString& market : markets.given)
        ranks.push_back(static_cast<uint32_t>(getMarketOrder(market)));
    std::vector<uint32_t> order = ranks;
    std::sort(order.begin(), order.end());
    for (uint32_t& rank : ranks)
        rank = static_cast<uint32_t>(std::lower_bound(order.begin(), order.end(), rank) -
                                     order.begin());

    ties.clear();
    ties.reserve(n);
    for (uint32_t row = 0; row < n; ++row) {
        fetchAhead([&list](uint32_t i) { return &list.at(static_cast<int>(i)); }, row, n);
        const CStockInfo& info = list.at(static_cast<int>(row));
        const uint64_t rank = ranks[markets.ofRow[row]];
        const std::array<uint64_t, 2> code = codeWords(view(info.code));
        ties.push_back(
            {{rank << 32 | static_cast<uint32_t>(info.name.size()), code[0], code[1]}, row});
    }
    sortByKey(ties, scratch, [&list](auto first, auto last) {
        std::sort(first, last, [&list](const Keyed& a, const Keyed& b) {
            const int c = list.at(static_cast<int>(a.value))
                              .code.compare(list.at(static_cast<int>(b.value)).code);
            return c != 0 ? c < 0 : a.value < b.value;
        });
    });
    std::vector<uint32_t> rows(n);
    for (uint32_t id = 0; id < n; ++id)
        rows[id] = ties[id].value;
    return rows;
}

// The readings of one name: the pinyin keys of its spellings of up to three letters from each
// character, and its letter-pair filter.
class PrefixWalk
{
public:
    // Writes the spelling (see Spelling) of KD::getPy's every-reading form ("Pu Fa Yin
    // Hang/Xing/Heng") to out, which has room for 2 * size + 1 chars; a reading that is not a
    // letter or digit and lower-case letters becomes '?'. Reads its readings and the pairs of
    // letters typed spellings hold: within a reading, and from where a chunk of input may end in
    // one character (initial, zh/ch/sh, whole reading) to the next one's head. Returns the
    // spelling's length.
    size_t read(const std::string& every, char* out)
    {
        m_typed.clear();
        m_chars.clear();
        m_filter = PairFilter();
        Character c;
        char* o = out;
        char* reading = o; // where the current reading begins
        bool valid = true;
        bool natural = true; // the first reading of a character
        // The symbols of the reading's first three letters and of its last; the filter before
        // the reading's own pairs, for a reading that turns out to spell nothing.
        uint32_t symbols[3] = {0, 0, 0};
        uint32_t last = 0;
        PairFilter before;
        auto letter = [&](char lower, uint32_t symbol) {
            const size_t at = static_cast<size_t>(o - reading);
            if (at > 0) m_filter.addSymbols(last, symbol);
            if (at < 3) symbols[at] = symbol;
            last = symbol;
            *o++ = lower;
        };
        auto close = [&] {
            if (valid && o > reading) {
                addReading(reading, static_cast<size_t>(o - reading), natural, symbols, last, c);
                return;
            }
            m_filter = before;
            o = reading;
            *o++ = '?';
        };
        auto nextCharacter = [&] {
            c.lastTyped = static_cast<int>(m_typed.size());
            m_chars.push_back(c);
            c = Character();
            c.firstTyped = static_cast<int>(m_typed.size());
        };
        for (const char ch : every) {
            if (ch >= 'a' && ch <= 'z') {
                letter(ch, static_cast<uint32_t>(ch - 'a'));
            } else if (ch == ' ' || ch == '/') {
                close();
                *o++ = ch;
                reading = o;
                valid = true;
                before = m_filter;
                natural = ch == ' ';
                if (natural) nextCharacter();
            } else if (o == reading && isAsciiAlnum(static_cast<unsigned char>(ch))) {
                const char lower = static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch | 0x20 : ch);
                letter(lower, static_cast<uint32_t>(symbolOf(lower)));
            } else {
                valid = false;
            }
        }
        if (!every.empty()) {
            close();
            nextCharacter();
        }
        for (size_t u = 0; u + 1 < m_chars.size(); ++u)
            for (uint64_t from = m_chars[u].heads | m_chars[u].ends; from; from &= from - 1)
                for (uint64_t to = m_chars[u + 1].heads; to; to &= to - 1)
                    m_filter.addSymbols(lowest(from), lowest(to));
        return static_cast<size_t>(o - out);
    }

    const PairFilter& filter() const { return m_filter; }

    // Adds the keys of the spellings from each character to the id begun in keys: one, two or
    // three letters, which a character's reading, its initial or zh/ch/sh may end, the next
    // character's reading going on. Keys from the first character are flagged, natural where
    // each character is read naturally.
    void addKeys(Postings::Builder& keys) const
    {
        const size_t chars = m_chars.size();
        const TypedReading* const t = m_typed.data();
        for (size_t u = 0; u < chars; ++u) {
            const unsigned start = u > 0 ? 0 : kStart;
            const unsigned startNatural = u > 0 ? 0 : kStart | kNatural;
            auto flags = [start, startNatural](bool natural) {
                return natural ? startNatural : start;
            };
            const Character& c = m_chars[u];
            const Character* const next = u + 1 < chars ? &m_chars[u + 1] : nullptr;
            const Character* const after = u + 2 < chars ? &m_chars[u + 2] : nullptr;
            for (int i = c.firstTyped; i < c.lastTyped; ++i) {
                const TypedReading& r = t[i];
                const unsigned own = flags(r.natural);
                keys.add(r.s0, own);
                if (r.length >= 2) keys.add(kTwo + r.s0 * 36 + r.s1, own);
                if (r.length >= 3) keys.add(kThree + (r.s0 * 36 + r.s1) * 36 + r.s2, own);
                if (!r.chunkOfTwo || !next) continue;
                for (uint64_t q = next->heads; q; q &= q - 1)
                    keys.add(kThree + (r.s0 * 36 + r.s1) * 36 + lowest(q),
                             flags(r.natural && next->isNatural(lowest(q))));
            }
            if (!next) continue;
            // After the initial: what the initial alone stands for is its head.
            for (uint64_t h = c.heads; h; h &= h - 1) {
                const uint32_t head = lowest(h);
                const bool natural = c.isNatural(head);
                for (uint64_t q = next->heads; q; q &= q - 1) {
                    const uint32_t two = head * 36 + lowest(q);
                    const bool both = natural && next->isNatural(lowest(q));
                    keys.add(kTwo + two, flags(both));
                    if (!after) continue;
                    for (uint64_t a = after->heads; a; a &= a - 1)
                        keys.add(kThree + two * 36 + lowest(a),
                                 flags(both && after->isNatural(lowest(a))));
                }
                for (int j = next->firstTyped; j < next->lastTyped; ++j)
                    if (t[j].length >= 2)
                        keys.add(kThree + (head * 36 + t[j].s0) * 36 + t[j].s1,
                                 flags(natural && t[j].natural));
            }
        }
    }

private:
    struct Character;

    // Takes a reading of the character c: lower-case letters after a letter or digit, the
    // symbols of its first three and of its last.
    void addReading(const char* p, size_t length, bool natural, const uint32_t* symbols,
                    uint32_t last, Character& c)
    {
        TypedReading t;
        t.s0 = symbols[0];
        t.s1 = length >= 2 ? symbols[1] : 0;
        t.s2 = length >= 3 ? symbols[2] : 0;
        t.length = length >= 3 ? 3 : static_cast<int>(length);
        t.natural = natural;
        const bool digraph = isDigraph(p, length);
        t.chunkOfTwo = length == 2 || digraph;
        m_typed.push_back(t);
        c.heads |= uint64_t(1) << t.s0;
        c.ends |= uint64_t(1) << last;
        if (natural) c.naturalHead = static_cast<int>(t.s0);
        if (digraph) c.ends |= uint64_t(1) << kH;
        if (takesUe(p, length)) {
            m_filter.addSymbols(t.s0, kU);
            m_filter.addSymbols(kU, t.s2);
            t.s1 = kU;
            m_typed.push_back(t);
        }
    }

    static constexpr uint32_t kH = 'h' - 'a';
    static constexpr uint32_t kU = 'u' - 'a';

    // Pinyin keys of two and three letters begin after those of one and two (see pinyinKey).
    static constexpr uint32_t kTwo = 36;
    static constexpr uint32_t kThree = 36 + 36 * 36;

    static uint32_t lowest(uint64_t symbols)
    {
        return static_cast<uint32_t>(qCountTrailingZeroBits(quint64(symbols)));
    }

    // A reading as typed: its first three letters as symbols (lve and nve also as lue and nue),
    // and whether a chunk of input may end after two of them (the whole reading, zh/ch/sh).
    struct TypedReading
    {
        uint32_t s0, s1, s2;
        int length; // at most 3
        bool natural;
        bool chunkOfTwo;
    };
    // One character: its readings as typed, the symbols they begin with (one bit each), those
    // where a chunk of input may end (last letters, the h of zh/ch/sh), the natural one's head.
    struct Character
    {
        int firstTyped = 0, lastTyped = 0;
        uint64_t heads = 0;
        uint64_t ends = 0;
        int naturalHead = -1;

        bool isNatural(uint32_t head) const { return static_cast<int>(head) == naturalHead; }
    };
    std::vector<TypedReading> m_typed;
    std::vector<Character> m_chars;
    PairFilter m_filter;
};

// Numbers the text keys as they come, for the postings builder: an open-addressed table of
// key + 1 and its number.
class TextKeys
{
public:
    uint32_t of(uint64_t key, Postings::Builder& builder)
    {
        if (2 * values.size() >= m_slots.size()) grow();
        const size_t mask = m_slots.size() - 1;
        for (size_t at = slotOf(key) & mask;; at = (at + 1) & mask) {
            Slot& slot = m_slots[at];
            if (slot.key == key + 1) return slot.number;
            if (slot.key == 0) {
                // Entries hold a key's number in 30 bits: more keys than that are more than
                // the index can hold.
                if (values.size() >= (1u << 30)) throw std::bad_alloc();
                slot = {key + 1, builder.addKey()};
                values.push_back(key);
                return slot.number;
            }
        }
    }

    std::vector<uint64_t> values; // the key of each number

private:
    struct Slot
    {
        uint64_t key;
        uint32_t number;
    };
    static size_t slotOf(uint64_t key) { return (key * 0x9E3779B97F4A7C15u) >> 32; }
    void grow()
    {
        const std::vector<Slot> old = std::exchange(m_slots, {});
        m_slots.assign(std::max<size_t>(4096, 2 * old.size()), Slot{0, 0});
        const size_t mask = m_slots.size() - 1;
        for (const Slot& s : old) {
            if (!s.key) continue;
            size_t at = slotOf(s.key - 1) & mask;
            while (m_slots[at].key)
                at = (at + 1) & mask;
            m_slots[at] = s;
        }
    }

    std::vector<Slot> m_slots;
};

// The name in the local code page as QString::toLocal8Bit writes it, into out. UTF-8 without
// surrogates, the usual case, is written here: no allocation for each name.
void localBytes(const QString& s, bool utf8, std::string& out)
{
    if (utf8) {
        out.resize(3 * static_cast<size_t>(s.size()));
        char* o = out.data();
        bool plain = true;
        for (const QChar q : s) {
            const char16_t u = q.unicode();
            if (u < 0x80) {
                *o++ = static_cast<char>(u);
            } else if (u < 0x800) {
                *o++ = static_cast<char>(0xC0 | u >> 6);
                *o++ = static_cast<char>(0x80 | (u & 0x3F));
            } else if (!q.isSurrogate()) {
                *o++ = static_cast<char>(0xE0 | u >> 12);
                *o++ = static_cast<char>(0x80 | (u >> 6 & 0x3F));
                *o++ = static_cast<char>(0x80 | (u & 0x3F));
            } else {
                plain = false;
                break;
            }
        }
        if (plain) {
            out.resize(static_cast<size_t>(o - out.data()));
            return;
        }
    }
    const QByteArray bytes = utils::detail::toLocal8Bit(s);
    out.assign(bytes.constData(), static_cast<size_t>(bytes.size()));
}

std::shared_ptr<const Index> build(const QList<CStockInfo>& list)
{
    auto x = std::make_shared<Index>();
    x->list = list;
    x->n = static_cast<uint32_t>(std::min<qsizetype>(list.size(), kMaxInstruments));
    const uint32_t n = x->n;
    const RowMarkets given = rowMarkets(list, n);
    std::vector<Keyed> keyed, sortScratch;
    x->rowOfId = tieOrder(list, n, given, keyed, sortScratch);

    // Markets, folded and sorted, and the market of each id.
    std::vector<uint32_t> foldedOf; // by market given: its index, or UINT32_MAX for none
    for (const QString& market : given.given) {
        const QString folded = foldText(market);
        if (!folded.isEmpty()) x->markets.push_back(folded);
    }
    std::sort(x->markets.begin(), x->markets.end());
    x->markets.erase(std::unique(x->markets.begin(), x->markets.end()), x->markets.end());
    for (const QString& market : given.given) {
        const QString folded = foldText(market);
        const auto at = std::lower_bound(x->markets.begin(), x->markets.end(), folded);
        foldedOf.push_back(folded.isEmpty() ? UINT32_MAX
                                            : static_cast<uint32_t>(at - x->markets.begin()));
    }
    std::vector<uint32_t> marketOfId(n);
    for (uint32_t id = 0; id < n; ++id)
        marketOfId[id] = foldedOf[given.ofRow[x->rowOfId[id]]];
    std::vector<const CStockInfo*> infoOfId(n);
    for (uint32_t id = 0; id < n; ++id)
        infoOfId[id] = &list.at(static_cast<int>(x->rowOfId[id]));

    // Ids in order: each key's ids come in order, and the spellings lie in the order the pinyin
    // passes read them. The instruments lie in row order: those a few ids on are fetched ahead.
    const bool localUtf8 = utils::detail::localIsUtf8();
    x->codeStart.reserve(n + 1);
    x->spellStart.reserve(n + 1);
    // About what codes and spellings take (6 and 26 a name in the benchmark's list): the texts
    // are copied to their size at the end only when much is left over.
    x->codeText.reserve(size_t(n) * 7);
    x->spellText.reserve(size_t(n) * 28);
    x->filters.resize(n);
    std::vector<std::string> forms;
    std::string nameBytes, scratch;
    const std::string none;
    std::u16string folded;
    Postings::Builder pinyin(kPinyinKeys), text;
    pinyin.reserve(size_t(n) * 36, n);
    text.reserve(size_t(n) * 10, n);
    TextKeys textKeys;
    PrefixWalk prefixes;
    for (uint32_t id = 0; id < n; ++id) {
        fetchAhead([&infoOfId](uint32_t i) { return infoOfId[i]; }, id, n);
        const CStockInfo& info = *infoOfId[id];
        x->longestName = std::max(x->longestName, static_cast<int>(info.name.size()));
        x->longestCode = std::max(x->longestCode, static_cast<int>(info.code.size()));
        x->longestMarket = std::max(x->longestMarket, static_cast<int>(info.market.size()));

        x->codeStart.push_back(static_cast<uint32_t>(x->codeText.size()));
        appendFolded(x->codeText, info.code);
        const QString product = productOf(info.code);
        if (!product.isEmpty() && isFuturesMarket(info.market.toUtf8().toStdString()))
            x->products[foldText(product)].push_back(id);

        x->spellStart.push_back(static_cast<uint32_t>(x->spellText.size()));
        localBytes(info.name, localUtf8, nameBytes);
        KD::getPy(forms, nameBytes);
        // An empty reading is written '?': each separator may add a letter.
        const std::string& every = forms.size() >= 3 ? forms[2] : none;
        if (scratch.size() < 2 * every.size() + 1) scratch.resize(2 * every.size() + 1);
        x->spellText.append(scratch.data(), prefixes.read(every, scratch.data()));
        pinyin.beginId(id);
        prefixes.addKeys(pinyin);
        x->filters[id] = prefixes.filter();

        // Every unit and pair at the start; inside, runs of ASCII letters and digits are left to
        // the pinyin postings, which find them.
        folded.clear();
        appendFolded(folded, info.name);
        const int first = unitIndex(info.name, 0, localUtf8);
        text.beginId(id);
        for (size_t i = 0; i < folded.size(); ++i) {
            const bool start = i <= static_cast<size_t>(first);
            const unsigned flags = start ? kStart : 0;
            const char16_t u = folded[i];
            if (start || !isAsciiAlnum(u)) text.add(textKeys.of(unitKey(u), text), flags);
            if (i + 1 < folded.size() &&
                (start || !isAsciiAlnum(u) || !isAsciiAlnum(folded[i + 1])))
                text.add(textKeys.of(pairKey(u, folded[i + 1]), text), flags);
        }
    }
    x->codeStart.push_back(static_cast<uint32_t>(x->codeText.size()));
    x->spellStart.push_back(static_cast<uint32_t>(x->spellText.size()));
    auto fit = [](auto& s) {
        if (s.capacity() - s.size() > s.size() / 8) s.shrink_to_fit();
    };
    fit(x->codeText);
    fit(x->spellText);
    x->pinyin = pinyin.finish();
    x->text = text.finish(textKeys.values);

    // Codes, then codes by market: the same order bucketed by market.
    const Index& ix = *x;
    std::vector<Keyed>& codes = keyed;
    for (uint32_t id = 0; id < n; ++id) {
        const std::array<uint64_t, 2> code = codeWords(ix.code(id));
        codes[id] = {{0, code[0], code[1]}, id};
    }
    sortByKey(codes, sortScratch, [&ix](auto first, auto last) {
        std::sort(first, last, [&ix](const Keyed& a, const Keyed& b) {
            const int c = ix.code(a.value).compare(ix.code(b.value));
            return c != 0 ? c < 0 : a.value < b.value;
        });
    });
    x->byCode.reserve(n);
    for (const Keyed& c : codes)
        x->byCode.push_back(c.value);

    x->marketStart.assign(x->markets.size() + 1, 0);
    for (uint32_t id = 0; id < n; ++id)
        if (marketOfId[id] != UINT32_MAX) ++x->marketStart[marketOfId[id] + 1];
    for (size_t m = 1; m < x->marketStart.size(); ++m)
        x->marketStart[m] += x->marketStart[m - 1];
    x->byMarketCode.resize(x->marketStart.back());
    std::vector<uint32_t> next(x->marketStart.begin(), x->marketStart.end() - 1);
    for (const uint32_t id : x->byCode) {
        const uint32_t m = marketOfId[id];
        if (m != UINT32_MAX) x->byMarketCode[next[m]++] = id;
    }
    x->markets.shrink_to_fit();
    return x;
}

// The matches of one find, tier by tier, and the instruments already placed.
class Collector
{
public:
    Collector(const Index& index, size_t wanted)
        : m_index(index), m_wanted(wanted), m_taken((index.n + 63) / 64)
    {}

    bool taken(uint32_t id) const { return (m_taken[id / 64] >> (id % 64)) & 1; }
    // Room left after the code tiers placed so far.
    size_t room() const { return m_wanted - m_placed; }

    // Places code matches of one tier: the ids in any order, repeats allowed.
    void placeCodes(Tier tier, std::vector<uint32_t>& ids)
    {
        std::sort(ids.begin(), ids.end());
        ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
        for (const uint32_t id : ids) {
            if (taken(id)) continue;
            if (room() == 0) return;
            m_taken[id / 64] |= uint64_t(1) << (id % 64);
            m_tiers[tier].push_back({id, 0, InstrumentMatch::Code});
            ++m_placed;
        }
    }

    // Places a name match (ids in increasing order within a tier); the instrument is taken, so
    // that a later pass skips it. position -1: work it out if the match is shown.
    void placeName(uint32_t id, Tier tier, int position, InstrumentMatch::Kind kind)
    {
        if (tier == NoTier) return;
        std::vector<Found>& found = m_tiers[tier];
        if (found.size() < room()) found.push_back({id, position, kind});
        m_taken[id / 64] |= uint64_t(1) << (id % 64);
    }
    // After the pass over matches from the first character: whether nothing else can be shown.
    bool startsFill() const { return m_tiers[FromStart].size() >= room(); }
    // After that pass: whether no later match inside a name can be shown.
    bool namesFill() const
    {
        return m_tiers[FromStart].size() + m_tiers[FromStartOther].size() +
                   m_tiers[Inside].size() >=
               room();
    }

    // The matches best first, positions worked out by position(id, tier, kind).
    template <typename Position> QList<InstrumentMatch> result(Position position)
    {
        QList<InstrumentMatch> out;
        for (int tier = 0; tier < kTiers; ++tier) {
            for (const Found& f : m_tiers[tier]) {
                if (static_cast<size_t>(out.size()) == m_wanted) return out;
                const int at =
                    f.position >= 0 ? f.position : position(f.id, static_cast<Tier>(tier), f.kind);
                out.append({static_cast<int>(m_index.rowOfId[f.id]), at, f.kind});
            }
        }
        return out;
    }

private:
    struct Found
    {
        uint32_t id;
        int position;
        InstrumentMatch::Kind kind;
    };

    const Index& m_index;
    size_t m_wanted;
    size_t m_placed = 0;
    std::vector<uint64_t> m_taken;
    std::vector<Found> m_tiers[kTiers];
};

// Where in one code index the codes begin with a prefix, those equal to it first.
struct CodeRange
{
    const std::vector<uint32_t>* ids;
    size_t first, exactEnd, last;
};

CodeRange codeRange(const Index& x, const std::vector<uint32_t>& ids, size_t from, size_t to,
                    std::u16string_view prefix)
{
    const auto begin = ids.begin() + static_cast<ptrdiff_t>(from);
    const auto end = ids.begin() + static_cast<ptrdiff_t>(to);
    const auto first =
        std::partition_point(begin, end, [&](uint32_t id) { return x.code(id) < prefix; });
    const auto exactEnd =
        std::partition_point(first, end, [&](uint32_t id) { return x.code(id) == prefix; });
    const auto last = std::partition_point(
        exactEnd, end, [&](uint32_t id) { return x.code(id).substr(0, prefix.size()) == prefix; });
    auto index = [&ids](auto it) { return static_cast<size_t>(it - ids.begin()); };
    return {&ids, index(first), index(exactEnd), index(last)};
}

// Tiers 1 to 3: the code, the product code, the code prefix, each also qualified by a market.
void findCodes(const Index& x, const QString& t, Collector& c)
{
    const std::u16string_view typed = view(t);
    if (typed.size() > static_cast<size_t>(x.longestCode + x.longestMarket + 1)) return;
    std::vector<CodeRange> ranges{codeRange(x, x.byCode, 0, x.n, typed)};
    auto qualified = [&](size_t m, std::u16string_view code) {
        if (!code.empty())
            ranges.push_back(
                codeRange(x, x.byMarketCode, x.marketStart[m], x.marketStart[m + 1], code));
    };
    for (size_t m = 0; m < x.markets.size(); ++m) {
        const std::u16string_view market = view(x.markets[m]);
        if (typed.size() <= market.size()) continue;
        if (typed.substr(0, market.size()) == market) {
            const std::u16string_view rest = typed.substr(market.size());
            qualified(m, rest);
            if (rest[0] == u'.' || rest[0] == u'_') qualified(m, rest.substr(1));
        }
        const size_t cut = typed.size() - market.size();
        if (typed.substr(cut) == market && typed[cut - 1] == u'.')
            qualified(m, typed.substr(0, cut - 1));
    }

    std::vector<uint32_t> ids;
    for (const CodeRange& r : ranges)
        ids.insert(ids.end(), r.ids->begin() + static_cast<ptrdiff_t>(r.first),
                   r.ids->begin() + static_cast<ptrdiff_t>(r.exactEnd));
    c.placeCodes(ExactCode, ids);

    const bool letters =
        std::all_of(typed.begin(), typed.end(), [](char16_t u) { return u >= u'a' && u <= u'z'; });
    const auto product = letters ? x.products.constFind(t) : x.products.constEnd();
    if (product != x.products.constEnd() && c.room() > 0) {
        ids = *product;
        c.placeCodes(ProductCode, ids);
    }

    // The smallest ids of each range, at most room() of them (a max-heap); their union holds
    // the smallest of all.
    ids.clear();
    const size_t room = c.room();
    for (const CodeRange& r : ranges) {
        const size_t before = ids.size();
        for (size_t i = r.exactEnd; i < r.last && room > 0; ++i) {
            const uint32_t id = (*r.ids)[i];
            if (c.taken(id)) continue;
            if (ids.size() - before < room) {
                ids.push_back(id);
                std::push_heap(ids.begin() + static_cast<ptrdiff_t>(before), ids.end());
            } else if (id < ids[before]) {
                std::pop_heap(ids.begin() + static_cast<ptrdiff_t>(before), ids.end());
                ids.back() = id;
                std::push_heap(ids.begin() + static_cast<ptrdiff_t>(before), ids.end());
            }
        }
    }
    c.placeCodes(CodePrefix, ids);
}

// The name's own text: where t (folded) occurs in it, and the tier that gives.
std::pair<Tier, int> textMatch(const QString& name, const QString& t, bool localUtf8)
{
    const int at = foldedIndexOf(name, t);
    if (at < 0) return {NoTier, -1};
    return {at <= unitIndex(name, 0, localUtf8) ? FromStart : Inside, at};
}

// Tiers 4 to 6 by pinyin, and by text where the input holds more than letters and digits (text
// found holds the letters typed in a row, so pinyin finds those names too). Two passes over the
// postings of the first letters typed: matches from the first character, then inside.
void findPinyin(const Index& x, const Typed& letters, const QString& t, Collector& c)
{
    const bool withText =
        std::any_of(t.begin(), t.end(), [](QChar q) { return !isAsciiAlnum(q.unicode()); });
    const bool localUtf8 = utils::detail::localIsUtf8();
    const bool exact = letters.n <= 3; // the key is the input: its flags are the answer
    const PairFilter need = pairsOf(letters);
    const Postings::Cursor list = x.pinyin.find(pinyinKey(letters.letters, std::min(letters.n, 3)));

    // The text's tier where it beats the pinyin's.
    auto place = [&](uint32_t id, Tier tier) {
        int position = -1;
        InstrumentMatch::Kind kind = InstrumentMatch::Pinyin;
        if (withText && tier != NoTier) {
            const QString& name = x.name(id);
            position =
                unitIndex(name, tier == Inside ? x.spelling(id).firstMatch(letters) : 0, localUtf8);
            const auto [textTier, at] = textMatch(name, t, localUtf8);
            if (std::make_pair(textTier, at) < std::make_pair(tier, position)) {
                tier = textTier;
                position = at;
                kind = InstrumentMatch::Name;
            }
        }
        c.placeName(id, tier, position, kind);
    };

    Postings::Cursor entries = list;
    uint32_t id;
    unsigned flags;
    while (!c.startsFill() && entries.next(id, flags)) {
        if (!(flags & kStart) || c.taken(id)) continue;
        Tier tier = NoTier;
        if (exact) {
            tier = flags & kNatural ? FromStart : FromStartOther;
        } else if (x.filter(id).holds(need)) {
            const Spelling s = x.spelling(id);
            if ((flags & kNatural) && s.spellsFrom(0, letters, true))
                tier = FromStart;
            else if (s.spellsFrom(0, letters, false))
                tier = FromStartOther;
        }
        place(id, tier);
    }
    entries = list;
    while (!c.namesFill() && entries.next(id, flags)) {
        if (c.taken(id)) continue;
        if (exact || (x.filter(id).holds(need) && x.spelling(id).spellsAnywhere(letters)))
            place(id, Inside);
    }
}

// The ids of one key's postings, asked about in increasing order.
class Follower
{
public:
    explicit Follower(Postings::Cursor entries) : m_entries(entries) { advance(); }
    bool holds(uint32_t id)
    {
        while (m_live && m_id < id)
            advance();
        return m_live && m_id == id;
    }

private:
    void advance()
    {
        unsigned flags;
        m_live = m_entries.next(m_id, flags);
    }

    Postings::Cursor m_entries;
    uint32_t m_id = 0;
    bool m_live = false;
};

// Tiers 4 and 6 by text alone, for input pinyin cannot match. Matches from the first character
// through the postings of the input's first pair of units (or its one unit), which hold every
// pair at the start of a name; matches inside through the postings of its rarest pair that holds
// something other than ASCII letters and digits (runs of those are left to pinyin). A name is
// read only when the postings of a second pair hold it too. Input of ASCII letters and digits
// alone (more than 64 of them) goes through every name.
void findText(const Index& x, const QString& t, Collector& c)
{
    if (t.size() > x.longestName) return;
    const bool localUtf8 = utils::detail::localIsUtf8();
    const bool exact = t.size() <= 2;
    auto keyAt = [&t](int i) {
        return i + 1 < t.size() ? pairKey(t[i].unicode(), t[i + 1].unicode())
                                : unitKey(t[i].unicode());
    };
    // The indexed keys of the input, rarest first.
    std::vector<std::pair<size_t, uint64_t>> keys;
    for (int i = 0; i == 0 || i + 1 < t.size(); ++i) {
        const bool plain =
            isAsciiAlnum(t[i].unicode()) && (i + 1 == t.size() || isAsciiAlnum(t[i + 1].unicode()));
        if (!plain) keys.emplace_back(x.text.bytes(keyAt(i)), keyAt(i));
    }
    std::sort(keys.begin(), keys.end());

    auto scan = [&](uint64_t key, const uint64_t* also, bool starts) {
        const Tier want = starts ? FromStart : Inside;
        Postings::Cursor entries = x.text.find(key);
        std::optional<Follower> other;
        if (also) other.emplace(x.text.find(*also));
        uint32_t id;
        unsigned flags;
        while (!(starts ? c.startsFill() : c.namesFill()) && entries.next(id, flags)) {
            if (c.taken(id) || (starts && !(flags & kStart)) || (other && !other->holds(id)))
                continue;
            const auto [tier, at] =
                exact ? std::make_pair(want, -1) : textMatch(x.name(id), t, localUtf8);
            if (tier == want) c.placeName(id, tier, at, InstrumentMatch::Name);
        }
    };
    auto otherThan = [&keys](uint64_t key) -> const uint64_t* {
        for (const auto& k : keys)
            if (k.second != key) return &k.second;
        return nullptr;
    };

    scan(keyAt(0), exact ? nullptr : otherThan(keyAt(0)), true);
    if (!keys.empty()) {
        scan(keys[0].second, exact ? nullptr : otherThan(keys[0].second), false);
        return;
    }
    for (uint32_t id = 0; id < x.n && !c.namesFill(); ++id) {
        if (c.taken(id)) continue;
        const auto [tier, at] = textMatch(x.name(id), t, localUtf8);
        if (tier == Inside) c.placeName(id, tier, at, InstrumentMatch::Name);
    }
}

} // namespace

InstrumentSearch::InstrumentSearch() = default;
InstrumentSearch::InstrumentSearch(const QList<CStockInfo>& instruments) : d(build(instruments)) {}
InstrumentSearch::InstrumentSearch(const InstrumentSearch&) = default;
InstrumentSearch& InstrumentSearch::operator=(const InstrumentSearch&) = default;
InstrumentSearch::InstrumentSearch(InstrumentSearch&&) noexcept = default;
InstrumentSearch& InstrumentSearch::operator=(InstrumentSearch&&) noexcept = default;
InstrumentSearch::~InstrumentSearch() = default;

int InstrumentSearch::size() const
{
    return d ? static_cast<int>(d->n) : 0;
}

const CStockInfo& InstrumentSearch::at(int row) const
{
    static const CStockInfo none;
    return row >= 0 && row < size() ? d->list.at(row) : none;
}

QList<InstrumentMatch> InstrumentSearch::find(const QString& typed, int limit) const
{
    if (!d || d->n == 0) return {};
    const QString t = foldText(typed).trimmed();
    if (t.isEmpty()) return {};
    Collector c(*d, limit > 0 ? static_cast<size_t>(limit) : SIZE_MAX);
    findCodes(*d, t, c);
    Typed letters;
    const bool pinyin = readTyped(typed, letters);
    if (c.room() > 0) {
        if (pinyin)
            findPinyin(*d, letters, t, c);
        else
            findText(*d, t, c);
    }
    const bool localUtf8 = utils::detail::localIsUtf8();
    return c.result([&](uint32_t id, Tier tier, InstrumentMatch::Kind kind) {
        const QString& name = d->name(id);
        if (kind == InstrumentMatch::Name) return static_cast<int>(foldText(name).indexOf(t));
        return unitIndex(name, tier == Inside ? d->spelling(id).firstMatch(letters) : 0, localUtf8);
    });
}

} // namespace TC
