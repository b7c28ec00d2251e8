#include <tc/records/instrumentsearch.h>

#include "instrumentsearch_p.h"

#include <tc/host/pinyin.h>
#include <tc/markets/marketcatalogue.h>
#include <tc/markets/marketpredicates_p.h>
#include <tc/parsing/codepage_p.h>

#include <QByteArray>
#include <QHash>
#include <QtAlgorithms>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
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

int symbolOf(char c)
{
    return c >= 'a' && c <= 'z' ? c - 'a' : c >= '0' && c <= '9' ? 26 + (c - '0') : -1;
}

} // namespace

char16_t foldUnit(char16_t u)
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

void appendSpelling(std::string& out, const std::string& every)
{
    if (every.empty()) return;
    out.reserve(out.size() + every.size());
    size_t reading = out.size(); // where the current reading begins
    bool valid = true;
    auto close = [&] {
        if (valid && out.size() > reading) return;
        out.resize(reading);
        out += '?';
    };
    for (const char c : every) {
        if (c == ' ' || c == '/') {
            close();
            out += c;
            reading = out.size();
            valid = true;
        } else if (c >= 'a' && c <= 'z') {
            out += c;
        } else if (out.size() == reading && isAsciiAlnum(static_cast<unsigned char>(c))) {
            out += static_cast<char>(c >= 'A' && c <= 'Z' ? c | 0x20 : c);
        } else {
            valid = false;
        }
    }
    close();
}

void PairFilter::add(char a, char b)
{
    const int sa = symbolOf(a), sb = symbolOf(b);
    if (sa < 0 || sb < 0) return;
    const uint32_t bit = (static_cast<uint32_t>(sa * 36 + sb) * 2654435761u) >> 25;
    bits[bit / 64] |= uint64_t(1) << (bit % 64);
}

PairFilter pairsOf(const Typed& t)
{
    PairFilter f;
    for (int k = 0; k + 1 < t.n; ++k)
        f.add(t.letters[k], t.letters[k + 1]);
    return f;
}

void Postings::Builder::reserve(size_t entries)
{
    if (m_denseKeys)
        m_dense.reserve(entries);
    else
        m_sparse.reserve(entries);
}

void Postings::Builder::beginRow(uint32_t row)
{
    while (m_rowStart.size() <= row)
        m_rowStart.push_back(static_cast<uint32_t>(size()));
    m_row = row;
}

Postings Postings::Builder::finish(const std::vector<uint32_t>& rowOfId)
{
    beginRow(static_cast<uint32_t>(rowOfId.size()));
    return m_denseKeys ? finishDense(rowOfId) : finishSparse(rowOfId);
}

template <typename Entry, typename KeyOf, typename IdOf>
Postings Postings::encode(const std::vector<Entry>& entries, KeyOf keyOf, IdOf idOf)
{
    Postings p;
    p.m_bytes.resize(entries.size() * 5);
    uint8_t* out = p.m_bytes.data();
    for (size_t i = 0; i < entries.size();) {
        const uint64_t key = keyOf(entries[i]);
        p.m_keys.push_back(key);
        p.m_starts.push_back(static_cast<uint32_t>(out - p.m_bytes.data()));
        uint32_t previous = UINT32_MAX;
        while (i < entries.size() && keyOf(entries[i]) == key) {
            const uint32_t id = idOf(entries[i]);
            unsigned flags = 0;
            for (; i < entries.size() && keyOf(entries[i]) == key && idOf(entries[i]) == id; ++i)
                flags |= static_cast<unsigned>(entries[i] & 3);
            uint32_t v = (id - previous - 1) << 2 | flags;
            previous = id;
            for (; v >= 0x80; v >>= 7)
                *out++ = static_cast<uint8_t>(v | 0x80);
            *out++ = static_cast<uint8_t>(v);
        }
    }
    p.m_starts.push_back(static_cast<uint32_t>(out - p.m_bytes.data()));
    p.m_bytes.resize(static_cast<size_t>(out - p.m_bytes.data()));
    p.m_bytes.shrink_to_fit();
    p.m_keys.shrink_to_fit();
    p.m_starts.shrink_to_fit();
    return p;
}

Postings Postings::Builder::finishDense(const std::vector<uint32_t>& rowOfId)
{
    // Counts the entries of each key, then puts them in their keys' places with their ids,
    // taking the rows in id order: each key's ids come out in order.
    std::vector<uint32_t> next(m_denseKeys + 1, 0);
    for (const uint32_t e : m_dense)
        ++next[(e >> 2) + 1];
    for (size_t k = 1; k < next.size(); ++k)
        next[k] += next[k - 1];
    std::vector<uint64_t> placed(m_dense.size());
    for (uint32_t id = 0; id < rowOfId.size(); ++id) {
        const uint32_t row = rowOfId[id];
        for (uint32_t i = m_rowStart[row]; i < m_rowStart[row + 1]; ++i)
            placed[next[m_dense[i] >> 2]++] =
                uint64_t(m_dense[i] >> 2) << 30 | id << 2 | (m_dense[i] & 3);
    }
    m_dense = {};
    return encode(
        placed, [](uint64_t e) { return e >> 30; },
        [](uint64_t e) { return static_cast<uint32_t>(e >> 2) & ((1u << 28) - 1); });
}

Postings Postings::Builder::finishSparse(const std::vector<uint32_t>& rowOfId)
{
    // The entries in id order, then a stable radix sort by key, which keeps each key's ids in
    // order.
    std::vector<uint64_t> sorted;
    sorted.reserve(m_sparse.size());
    uint64_t maxKey = 0;
    for (uint32_t id = 0; id < rowOfId.size(); ++id) {
        const uint32_t row = rowOfId[id];
        for (uint32_t i = m_rowStart[row]; i < m_rowStart[row + 1]; ++i) {
            const uint64_t e = m_sparse[i];
            maxKey = std::max(maxKey, e >> 30);
            sorted.push_back((e >> 30) << 30 | uint64_t(id) << 2 | (e & 3));
        }
    }
    m_sparse.swap(sorted);
    constexpr int kDigit = 11;
    for (int shift = 30; shift == 30 || (maxKey >> (shift - 30)) != 0; shift += kDigit) {
        std::array<size_t, (1 << kDigit) + 1> counts{};
        for (const uint64_t e : m_sparse)
            ++counts[((e >> shift) & ((1 << kDigit) - 1)) + 1];
        for (size_t i = 1; i < counts.size(); ++i)
            counts[i] += counts[i - 1];
        for (const uint64_t e : m_sparse)
            sorted[counts[(e >> shift) & ((1 << kDigit) - 1)]++] = e;
        m_sparse.swap(sorted);
    }
    sorted = {};
    const Postings p = encode(
        m_sparse, [](uint64_t e) { return e >> 30; },
        [](uint64_t e) { return static_cast<uint32_t>(e >> 2) & ((1u << 28) - 1); });
    m_sparse = {};
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
struct CodeOrder
{
    uint64_t high = 0;
    uint64_t low = 0;

    explicit CodeOrder(std::u16string_view s)
    {
        for (size_t i = 0; i < 8; ++i) {
            const uint64_t unit = i < s.size() ? s[i] : 0;
            (i < 4 ? high : low) |= unit << (48 - 16 * (i % 4));
        }
    }
    bool operator<(const CodeOrder& o) const
    {
        return high != o.high ? high < o.high : low < o.low;
    }
    bool operator==(const CodeOrder& o) const { return high == o.high && low == o.low; }
};

} // namespace

struct search::Index
{
    QList<CStockInfo> list;
    uint32_t n = 0;
    std::vector<uint32_t> rowOfId; // ids number the rows in their order within a tier
    int longestName = 0;
    int longestCode = 0;
    int longestMarket = 0;

    // Folded codes one after another, by row. byCode sorts the ids by folded code; byMarketCode
    // by market (folded), then folded code, each market's ids from marketStart[m] on.
    std::u16string codeText;
    std::vector<uint32_t> codeStart; // n + 1
    std::vector<uint32_t> byCode;
    std::vector<uint32_t> byMarketCode;
    std::vector<QString> markets; // folded, sorted, not empty
    std::vector<uint32_t> marketStart;
    QHash<QString, std::vector<uint32_t>> products; // folded product code: its contracts' ids

    std::string spellText;            // each name's spelling one after another
    std::vector<uint32_t> spellStart; // n + 1
    std::vector<PairFilter> filters;  // by id: read in id order by the pinyin passes
    Postings pinyin;                  // spelled prefixes of one to three letters
    Postings text;                    // units and pairs of units of the folded names

    std::u16string_view code(uint32_t id) const
    {
        const uint32_t row = rowOfId[id];
        return std::u16string_view(codeText).substr(codeStart[row],
                                                    codeStart[row + 1] - codeStart[row]);
    }
    Spelling spelling(uint32_t id) const
    {
        const uint32_t row = rowOfId[id];
        return {spellText.data() + spellStart[row], spellText.data() + spellStart[row + 1]};
    }
    const PairFilter& filter(uint32_t id) const { return filters[id]; }
    const QString& name(uint32_t id) const { return list.at(static_cast<int>(rowOfId[id])).name; }
};

namespace {

// The ids of rows in their order within a tier: market rank, name length, code, row.
std::vector<uint32_t> tieOrder(const QList<CStockInfo>& list, uint32_t n)
{
    struct Tie
    {
        uint64_t rankAndLength; // market rank, then name length
        CodeOrder code;
        uint32_t row;
    };
    QHash<QString, int> ranks;
    std::vector<Tie> ties;
    ties.reserve(n);
    for (uint32_t row = 0; row < n; ++row) {
        const CStockInfo& info = list.at(static_cast<int>(row));
        auto rank = ranks.find(info.market);
        if (rank == ranks.end()) rank = ranks.insert(info.market, getMarketOrder(info.market));
        ties.push_back(
            {uint64_t(static_cast<uint32_t>(*rank)) << 32 | static_cast<uint32_t>(info.name.size()),
             CodeOrder(view(info.code)), row});
    }
    std::sort(ties.begin(), ties.end(), [&list](const Tie& a, const Tie& b) {
        if (a.rankAndLength != b.rankAndLength) return a.rankAndLength < b.rankAndLength;
        if (!(a.code == b.code)) return a.code < b.code;
        const int c =
            list.at(static_cast<int>(a.row)).code.compare(list.at(static_cast<int>(b.row)).code);
        return c != 0 ? c < 0 : a.row < b.row;
    });
    std::vector<uint32_t> rows(n);
    for (uint32_t id = 0; id < n; ++id)
        rows[id] = ties[id].row;
    return rows;
}

// The readings of one name: the pinyin keys of its spellings of up to three letters from each
// character, and its letter-pair filter.
struct PrefixWalk
{
    struct Reading
    {
        const char* s;
        int length;
        bool natural;
    };
    std::vector<Reading> readings;
    std::vector<int> firstReading; // per character, into readings; one more at the end
    // The keys of one name, each once: an open-addressed table of (key + 1) << 2 | flags, and
    // the list of their slots.
    std::vector<uint32_t> table;
    std::vector<uint32_t> used;

    void add(uint32_t key, unsigned flags)
    {
        if (2 * used.size() >= table.size()) grow();
        const uint32_t mask = static_cast<uint32_t>(table.size() - 1);
        for (uint32_t at = (key * 2654435761u) >> 16 & mask;; at = (at + 1) & mask) {
            if (table[at] == 0) {
                table[at] = (key + 1) << 2 | flags;
                used.push_back(at);
                return;
            }
            if (table[at] >> 2 == key + 1) {
                table[at] |= flags;
                return;
            }
        }
    }

    void grow()
    {
        std::vector<uint32_t> entries;
        for (const uint32_t at : used)
            entries.push_back(table[at]);
        table.assign(table.size() * 2, 0);
        used.clear();
        for (const uint32_t e : entries)
            add((e >> 2) - 1, e & 3);
    }

    void parse(const Spelling& s)
    {
        readings.clear();
        firstReading.clear();
        bool natural = true;
        firstReading.push_back(0);
        for (const char* p = s.begin; p < s.end;) {
            const char* stop = p;
            while (stop < s.end && *stop != ' ' && *stop != '/')
                ++stop;
            if (*p != '?') readings.push_back({p, static_cast<int>(stop - p), natural});
            natural = stop < s.end && *stop == ' ';
            if (stop == s.end || *stop == ' ')
                firstReading.push_back(static_cast<int>(readings.size()));
            p = stop + 1;
        }
    }

    // Adds the keys of the spellings that go on from character u, after length letters whose
    // key value (base 36) is value.
    void from(size_t u, int length, uint32_t value, bool natural, unsigned startFlags)
    {
        static constexpr uint32_t kBase[] = {0, 36, 36 + 36 * 36};
        for (int i = firstReading[u]; i < firstReading[u + 1]; ++i) {
            const Reading& r = readings[static_cast<size_t>(i)];
            const bool nat = natural && r.natural;
            const unsigned flags = startFlags ? (nat ? kNatural | kStart : kStart) : 0;
            const bool ue = takesUe(r.s, static_cast<size_t>(r.length));
            const bool digraph = isDigraph(r.s, static_cast<size_t>(r.length));
            for (int variant = 0; variant < (ue ? 2 : 1); ++variant) {
                uint32_t v = value;
                for (int k = 0; k < r.length && length + k < 3; ++k) {
                    v = v * 36 + static_cast<uint32_t>(symbolOf(variant && k == 1 ? 'u' : r.s[k]));
                    add(kBase[length + k] + v, flags);
                    const int chunk = k + 1;
                    const bool ends = chunk == 1 || chunk == r.length || (chunk == 2 && digraph);
                    if (ends && length + chunk < 3 && u + 2 < firstReading.size())
                        from(u + 1, length + chunk, v, nat, startFlags);
                }
            }
        }
    }

    // The pairs of letters typed spellings hold: within a reading, and from where a chunk of
    // input may end in one character (initial, zh/ch/sh, whole reading) to the next one's head.
    PairFilter filter() const
    {
        PairFilter f;
        for (size_t u = 0; u + 1 < firstReading.size(); ++u) {
            for (int i = firstReading[u]; i < firstReading[u + 1]; ++i) {
                const Reading& r = readings[static_cast<size_t>(i)];
                const size_t len = static_cast<size_t>(r.length);
                for (size_t k = 0; k + 1 < len; ++k)
                    f.add(r.s[k], r.s[k + 1]);
                if (takesUe(r.s, len)) {
                    f.add(r.s[0], 'u');
                    f.add('u', r.s[2]);
                }
                if (u + 2 >= firstReading.size()) continue;
                for (int j = firstReading[u + 1]; j < firstReading[u + 2]; ++j) {
                    const char head = readings[static_cast<size_t>(j)].s[0];
                    f.add(r.s[0], head);
                    f.add(r.s[len - 1], head);
                    if (isDigraph(r.s, len)) f.add('h', head);
                }
            }
        }
        return f;
    }

    void addAll(const Spelling& s, uint32_t row, Postings::Builder& builder)
    {
        parse(s);
        // Up to about eight keys a character; a table mostly at most half full.
        size_t size = 32;
        while (size < 16 * firstReading.size())
            size *= 2;
        table.assign(size, 0);
        used.clear();
        for (size_t u = 0; u + 1 < firstReading.size(); ++u)
            from(u, 0, 0, true, u == 0 ? kStart : 0);
        builder.beginRow(row);
        for (const uint32_t at : used)
            builder.add((table[at] >> 2) - 1, table[at] & 3);
    }
};

std::shared_ptr<const Index> build(const QList<CStockInfo>& list)
{
    auto x = std::make_shared<Index>();
    x->list = list;
    x->n = static_cast<uint32_t>(std::min<qsizetype>(list.size(), kMaxInstruments));
    const uint32_t n = x->n;
    x->rowOfId = tieOrder(list, n);
    std::vector<uint32_t> idOfRow(n);
    for (uint32_t id = 0; id < n; ++id)
        idOfRow[x->rowOfId[id]] = id;

    // Markets, folded and sorted, and the market of each row.
    QHash<QString, uint32_t> marketOf; // the market as given: its index, or UINT32_MAX for none
    for (uint32_t row = 0; row < n; ++row) {
        const QString& market = list.at(static_cast<int>(row)).market;
        if (!marketOf.contains(market)) {
            marketOf.insert(market, 0);
            const QString folded = foldText(market);
            if (!folded.isEmpty()) x->markets.push_back(folded);
        }
    }
    std::sort(x->markets.begin(), x->markets.end());
    x->markets.erase(std::unique(x->markets.begin(), x->markets.end()), x->markets.end());
    for (auto it = marketOf.begin(); it != marketOf.end(); ++it) {
        const QString folded = foldText(it.key());
        const auto at = std::lower_bound(x->markets.begin(), x->markets.end(), folded);
        it.value() = folded.isEmpty() ? UINT32_MAX : static_cast<uint32_t>(at - x->markets.begin());
    }
    std::vector<uint32_t> marketOfRow(n);

    // Rows in their own order, which keeps the instruments' memory in order.
    const bool localUtf8 = utils::detail::localIsUtf8();
    x->codeStart.reserve(n + 1);
    x->spellStart.reserve(n + 1);
    x->codeText.reserve(size_t(n) * 8);
    x->spellText.reserve(size_t(n) * 40);
    x->filters.resize(n);
    std::vector<std::string> forms;
    std::string nameBytes;
    std::u16string folded;
    Postings::Builder pinyin(kPinyinKeys), text;
    pinyin.reserve(size_t(n) * 32);
    text.reserve(size_t(n) * 12);
    PrefixWalk prefixes;
    for (uint32_t row = 0; row < n; ++row) {
        const CStockInfo& info = list.at(static_cast<int>(row));
        x->longestName = std::max(x->longestName, static_cast<int>(info.name.size()));
        x->longestCode = std::max(x->longestCode, static_cast<int>(info.code.size()));
        x->longestMarket = std::max(x->longestMarket, static_cast<int>(info.market.size()));
        marketOfRow[row] = marketOf.value(info.market);

        x->codeStart.push_back(static_cast<uint32_t>(x->codeText.size()));
        appendFolded(x->codeText, info.code);
        const QString product = productOf(info.code);
        if (!product.isEmpty() && isFuturesMarket(info.market.toUtf8().toStdString()))
            x->products[foldText(product)].push_back(idOfRow[row]);

        x->spellStart.push_back(static_cast<uint32_t>(x->spellText.size()));
        const QByteArray local = utils::detail::toLocal8Bit(info.name);
        nameBytes.assign(local.constData(), static_cast<size_t>(local.size()));
        KD::getPy(forms, nameBytes);
        if (forms.size() >= 3) appendSpelling(x->spellText, forms[2]);
        const Spelling spelling{x->spellText.data() + x->spellStart[row],
                                x->spellText.data() + x->spellText.size()};
        prefixes.addAll(spelling, row, pinyin);
        x->filters[idOfRow[row]] = prefixes.filter();

        // Every unit and pair at the start; inside, runs of ASCII letters and digits are left to
        // the pinyin postings, which find them.
        folded.clear();
        appendFolded(folded, info.name);
        const int first = unitIndex(info.name, 0, localUtf8);
        text.beginRow(row);
        for (size_t i = 0; i < folded.size(); ++i) {
            const bool start = i <= static_cast<size_t>(first);
            const unsigned flags = start ? kStart : 0;
            const char16_t u = folded[i];
            if (start || !isAsciiAlnum(u)) text.add(unitKey(u), flags);
            if (i + 1 < folded.size() &&
                (start || !isAsciiAlnum(u) || !isAsciiAlnum(folded[i + 1])))
                text.add(pairKey(u, folded[i + 1]), flags);
        }
    }
    x->codeStart.push_back(static_cast<uint32_t>(x->codeText.size()));
    x->spellStart.push_back(static_cast<uint32_t>(x->spellText.size()));
    x->codeText.shrink_to_fit();
    x->spellText.shrink_to_fit();
    x->pinyin = pinyin.finish(x->rowOfId);
    x->text = text.finish(x->rowOfId);
    for (auto& contracts : x->products)
        std::sort(contracts.begin(), contracts.end());

    // Codes, then codes by market: the same order bucketed by market.
    const Index& ix = *x;
    std::vector<std::pair<CodeOrder, uint32_t>> codes;
    codes.reserve(n);
    for (uint32_t id = 0; id < n; ++id)
        codes.emplace_back(CodeOrder(ix.code(id)), id);
    std::sort(codes.begin(), codes.end(), [&ix](const auto& a, const auto& b) {
        if (!(a.first == b.first)) return a.first < b.first;
        const int c = ix.code(a.second).compare(ix.code(b.second));
        return c != 0 ? c < 0 : a.second < b.second;
    });
    x->byCode.reserve(n);
    for (const auto& c : codes)
        x->byCode.push_back(c.second);

    x->marketStart.assign(x->markets.size() + 1, 0);
    for (uint32_t row = 0; row < n; ++row)
        if (marketOfRow[row] != UINT32_MAX) ++x->marketStart[marketOfRow[row] + 1];
    for (size_t m = 1; m < x->marketStart.size(); ++m)
        x->marketStart[m] += x->marketStart[m - 1];
    x->byMarketCode.resize(x->marketStart.back());
    std::vector<uint32_t> next(x->marketStart.begin(), x->marketStart.end() - 1);
    for (const uint32_t id : x->byCode) {
        const uint32_t m = marketOfRow[x->rowOfId[id]];
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
