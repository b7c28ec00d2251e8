#pragma once

// Building blocks of InstrumentSearch: text folding, typed letters, the spelling of a name and its
// matcher, the letter-pair filter and compressed postings.

#include <QString>
#include <QtAlgorithms>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace TC::search {

// KD::testPy reads at most 64 letters and digits.
constexpr int kMaxTyped = 64;

// Text as the lookup box compares it: full-width forms folded to ASCII, the ideographic space to
// a space, every code point case-folded. A code point stays one code point of the same width, so
// an index into the folded text is an index into the original.
QString foldText(const QString& s);
// One UTF-16 unit (not a surrogate) as foldText folds it.
char16_t foldOtherUnit(char16_t u);
inline char16_t foldUnit(char16_t u)
{
    // ASCII and the CJK ideographs, most of every name, need no table.
    if (u < 0x80) return u >= u'A' && u <= u'Z' ? u + (u'a' - u'A') : u;
    if (u >= 0x4E00 && u <= 0x9FFF) return u;
    return foldOtherUnit(u);
}
// Where folded (a folded text) first occurs in s once folded; -1 for nowhere.
int foldedIndexOf(const QString& s, const QString& folded);

// The letters and digits of typed input as KD::testPy reads it (through the local code page),
// lower-case. False when no name can match it by pinyin: nothing typed, more than 64, or another
// letter such as a Chinese character.
struct Typed
{
    char letters[kMaxTyped];
    int n = 0;
};
bool readTyped(const QString& typed, Typed& t);

// Index in name of character number unit as KD::testPy counts them (letters, digits and Chinese
// characters that the local code page carries; all of them when localUtf8, the local code page
// being UTF-8); name.size() when the name has fewer.
int unitIndex(const QString& name, int unit, bool localUtf8);

// The readings of one name as the lookup box spells them: characters separated by ' ', their
// readings by '/', natural first, each lower-case letters after a letter or digit; "?" for a
// character no input spells.
struct Spelling
{
    const char* begin;
    const char* end;

    // Whether t spells consecutive characters from character `from` on, under the natural
    // readings only when natural is set.
    bool spellsFrom(int from, const Typed& t, bool natural) const;
    // Whether t spells consecutive characters from any character on.
    bool spellsAnywhere(const Typed& t) const;
    // The first character t spells from; -1 for none.
    int firstMatch(const Typed& t) const;
};

// Whether a reading (lower-case) is lve or nve, which may be typed lue and nue.
inline bool takesUe(const char* r, size_t len)
{
    return len >= 3 && (r[0] == 'l' || r[0] == 'n') && r[1] == 'v' && r[2] == 'e';
}

// Whether the first two letters of a reading are the initial zh, ch or sh.
inline bool isDigraph(const char* r, size_t len)
{
    return len >= 2 && r[1] == 'h' && (r[0] == 'z' || r[0] == 'c' || r[0] == 's');
}

// A letter or digit as one of 36 symbols (a to z, 0 to 9); -1 for anything else.
inline int symbolOf(char c)
{
    return c >= 'a' && c <= 'z' ? c - 'a' : c >= '0' && c <= '9' ? 26 + (c - '0') : -1;
}

// 128 bits standing for the pairs of letters that follow each other in some typed spelling of a
// name; input holding a pair the name lacks cannot match it.
struct PairFilter
{
    uint64_t bits[2] = {0, 0};

    void add(char a, char b)
    {
        const int sa = symbolOf(a), sb = symbolOf(b);
        if (sa >= 0 && sb >= 0) addSymbols(static_cast<uint32_t>(sa), static_cast<uint32_t>(sb));
    }
    void addSymbols(uint32_t a, uint32_t b)
    {
        const uint32_t bit = ((a * 36 + b) * 2654435761u) >> 25;
        bits[bit / 64] |= uint64_t(1) << (bit % 64);
    }
    bool holds(const PairFilter& need) const
    {
        return (bits[0] & need.bits[0]) == need.bits[0] && (bits[1] & need.bits[1]) == need.bits[1];
    }
};
PairFilter pairsOf(const Typed& t);

// For each key, the ids that hold it, in increasing order, each with two flag bits; stored as
// variable-length gaps, a byte or two an entry.
class Postings
{
public:
    // Takes the entries id by id, ids in increasing order (below 2^28), keys numbered from 0;
    // an id may hold a key more than once, its flags are then or-ed. Each entry is kept once, in
    // four bytes, and the bytes of each key's gaps are counted as they come: finish writes every
    // list in its place in one pass, with no sort.
    class Builder
    {
    public:
        explicit Builder(uint32_t keys = 0) : m_keys(keys) {}
        void reserve(size_t entries, uint32_t ids);
        // A new key number.
        uint32_t addKey()
        {
            m_keys.emplace_back();
            return static_cast<uint32_t>(m_keys.size() - 1);
        }
        // Starts the entries of an id.
        void beginId(uint32_t id);
        void add(uint32_t key, unsigned flags)
        {
            Key& k = m_keys[key];
            if (k.last == m_id) {
                if (flags) addFlags(key, flags);
                return;
            }
            // The gap and the flags take 7 bits a byte.
            const uint32_t bits = 32 - qCountLeadingZeroBits(quint32((m_id - k.last - 1) << 2 | 1));
            k.bytes += (bits + 6) / 7;
            k.last = m_id;
            if (m_size == m_capacity) grow();
            m_entries[m_size++] = key << 2 | flags;
        }
        // The postings of the keys numbered, each number standing for values[number], or for
        // itself when values is empty (values: all different).
        Postings finish(const std::vector<uint64_t>& values = {});

    private:
        struct Key
        {
            uint32_t last = UINT32_MAX; // the id of its last entry (the first gap counts from -1)
            uint32_t bytes = 0;         // the bytes of its gaps; in finish, where the next goes
        };
        void grow();
        void addFlags(uint32_t key, unsigned flags);

        std::vector<Key> m_keys;
        std::unique_ptr<uint32_t[]> m_entries; // key << 2 | flags, id by id
        size_t m_size = 0;
        size_t m_capacity = 0;
        std::vector<uint32_t> m_idStart; // per id, where its entries begin
        uint32_t m_id = UINT32_MAX;
    };

    class Cursor
    {
    public:
        Cursor() = default;
        Cursor(const uint8_t* p, const uint8_t* end) : m_p(p), m_end(end) {}
        bool next(uint32_t& id, unsigned& flags)
        {
            if (m_p == m_end) return false;
            uint32_t v = 0;
            for (int shift = 0;; shift += 7) {
                const uint8_t b = *m_p++;
                v |= uint32_t(b & 0x7F) << shift;
                if (!(b & 0x80)) break;
            }
            m_id += 1 + (v >> 2);
            id = m_id;
            flags = v & 3;
            return true;
        }

    private:
        const uint8_t* m_p = nullptr;
        const uint8_t* m_end = nullptr;
        uint32_t m_id = UINT32_MAX; // the first gap counts from -1
    };

    Cursor find(uint64_t key) const;
    // Bytes the key's entries take: 0 for a key no id holds.
    size_t bytes(uint64_t key) const;

private:
    size_t slot(uint64_t key) const;

    std::vector<uint64_t> m_keys;
    std::vector<uint32_t> m_starts; // m_keys.size() + 1
    std::vector<uint8_t> m_bytes;
};

} // namespace TC::search
