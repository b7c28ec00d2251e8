#pragma once

// Building blocks of InstrumentSearch: text folding, typed letters, the spelling of a name and its
// matcher, the letter-pair filter and compressed postings.

#include <QString>

#include <cstddef>
#include <cstdint>
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
char16_t foldUnit(char16_t u);
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

// Appends the spelling of KD::getPy's every-reading form ("Pu Fa Yin Hang/Xing/Heng") to out;
// readings that are not a letter or digit and lower-case letters spell nothing.
void appendSpelling(std::string& out, const std::string& everyReading);

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

// 128 bits standing for the pairs of letters that follow each other in some typed spelling of a
// name; input holding a pair the name lacks cannot match it.
struct PairFilter
{
    uint64_t bits[2] = {0, 0};

    void add(char a, char b);
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
    // Takes the entries row by row, rows in increasing order (below 2^28); a row may hold a key
    // more than once, its flags are then or-ed. Keys below denseKeys are counted into place;
    // with denseKeys 0 the keys may be anything below 2^34 and are sorted. finish numbers the
    // rows by their ids (rowOfId[id] is the row of id) and lists each key's ids in order.
    class Builder
    {
    public:
        explicit Builder(uint32_t denseKeys = 0) : m_denseKeys(denseKeys) {}
        void reserve(size_t entries);
        // Starts the entries of a row.
        void beginRow(uint32_t row);
        void add(uint64_t key, unsigned flags)
        {
            if (m_denseKeys)
                m_dense.push_back(static_cast<uint32_t>(key) << 2 | flags);
            else
                m_sparse.push_back(key << 30 | uint64_t(m_row) << 2 | flags);
        }
        Postings finish(const std::vector<uint32_t>& rowOfId);

    private:
        Postings finishDense(const std::vector<uint32_t>& rowOfId);
        Postings finishSparse(const std::vector<uint32_t>& rowOfId);
        size_t size() const { return m_denseKeys ? m_dense.size() : m_sparse.size(); }

        uint32_t m_denseKeys;
        uint32_t m_row = 0;
        std::vector<uint64_t> m_sparse;   // key << 30 | row << 2 | flags
        std::vector<uint32_t> m_dense;    // key << 2 | flags
        std::vector<uint32_t> m_rowStart; // per row, where its entries begin
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
    // Writes each key's ids, from sorted entries of id << 2 | flags; keyOf tells an entry's key.
    template <typename Entry, typename KeyOf, typename IdOf>
    static Postings encode(const std::vector<Entry>& entries, KeyOf keyOf, IdOf idOf);

    std::vector<uint64_t> m_keys;
    std::vector<uint32_t> m_starts; // m_keys.size() + 1
    std::vector<uint8_t> m_bytes;
};

} // namespace TC::search
