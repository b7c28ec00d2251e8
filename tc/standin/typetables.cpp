#include <tc/standin/typetables.h>

#include <tc/host/stocktypecenter.h>

#include <QFile>

#include <algorithm>
#include <charconv>
#include <map>
#include <utility>
#include <vector>

namespace standin {
namespace {

// Codes of up to seven bytes are packed into one integer: the length in the top byte, the bytes
// right-aligned below it, big-endian. Within one length the integers order as the texts do, and
// codes of different lengths never fall into each other's ranges.
constexpr std::size_t kMaxPacked = 7;

inline bool packCode(const std::string& code, uint64_t& key)
{
    const std::size_t n = code.size();
    if (n > kMaxPacked) return false;
    uint64_t v = 0;
    for (std::size_t i = 0; i < n; ++i)
        v = (v << 8) | static_cast<unsigned char>(code[i]);
    key = (static_cast<uint64_t>(n) << 56) | v;
    return true;
}

// '#' one ASCII digit, '@' one ASCII letter, '*' any run (possibly empty); the rest literally.
bool matchPattern(const std::string& pattern, const std::string& code)
{
    auto one = [](char p, char c) {
        if (p == '#') return c >= '0' && c <= '9';
        if (p == '@') return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        return p == c;
    };
    std::size_t p = 0, c = 0, star = std::string::npos, resume = 0;
    while (c < code.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = c;
        } else if (p < pattern.size() && one(pattern[p], code[c])) {
            ++p;
            ++c;
        } else if (star != std::string::npos) {
            p = star + 1;
            c = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

bool isPattern(const std::string& codes)
{
    return codes.find_first_of("#@*") != std::string::npos;
}

struct PackedRange
{
    uint64_t first;
    uint64_t last;
};

// The packed form of a market too long to pack; no packed text has this value.
constexpr uint64_t kLongMarket = ~uint64_t(0);

uint64_t marketKey(const std::string& market)
{
    uint64_t key;
    return packCode(market, key) ? key : kLongMarket;
}

// One class of one market.
struct MarketRows
{
    std::string market;
    uint64_t marketKey = kLongMarket;
    std::vector<PackedRange> ranges; // sorted by first, disjoint
    uint64_t lowest = ~uint64_t(0);  // the first code of the first range
    uint64_t highest = 0;            // the last code of the last range
    std::vector<std::pair<std::string, std::string>> longRanges;
    std::vector<std::string> patterns;

    bool contains(const std::string& code) const
    {
        uint64_t key;
        if (packCode(code, key)) {
            // Most questions are about codes far from any row of the class.
            if (key >= lowest && key <= highest) {
                // The last range starting at or before key, searched without branches: codes
                // arrive in random order, so a branchy search mispredicts at every step.
                const PackedRange* base = ranges.data();
                std::size_t n = ranges.size();
                while (n > 1) {
                    const std::size_t half = n / 2;
                    base = base[half].first <= key ? base + half : base;
                    n -= half;
                }
                if (base->first <= key && key <= base->last) return true;
            }
        } else {
            for (const auto& [first, last] : longRanges) {
                if (code.size() == first.size() && first <= code && code <= last) return true;
            }
        }
        for (const std::string& p : patterns) {
            if (matchPattern(p, code)) return true;
        }
        return false;
    }

    // Sorts and merges the ranges after additions, so that contains() finds the one candidate.
    void seal()
    {
        std::sort(ranges.begin(), ranges.end(),
                  [](const PackedRange& a, const PackedRange& b) { return a.first < b.first; });
        std::vector<PackedRange> merged;
        for (const PackedRange& r : ranges) {
            if (!merged.empty() && r.first <= merged.back().last)
                merged.back().last = std::max(merged.back().last, r.last);
            else
                merged.push_back(r);
        }
        ranges = std::move(merged);
        if (!ranges.empty()) {
            lowest = ranges.front().first;
            highest = ranges.back().last;
        }
    }
};

// Every class of one side (stock or option). Additions go to the rows; seal() then readies them
// and the index for questions, once per table rather than once per row.
class ClassSet
{
public:
    ClassSet() = default;
    ClassSet(const ClassSet&) = delete; // the index points into the map
    ClassSet& operator=(const ClassSet&) = delete;

    bool contains(int32_t typeId, const std::string& market, const std::string& code) const
    {
        // The type id, searched without branches: the last id not after typeId.
        if (m_ids.empty()) return false;
        const int32_t* id = m_ids.data();
        std::size_t n = m_ids.size();
        while (n > 1) {
            const std::size_t half = n / 2;
            id = id[half] <= typeId ? id + half : id;
            n -= half;
        }
        if (*id != typeId) return false;
        // Then its markets, usually one to three.
        const std::size_t at = static_cast<std::size_t>(id - m_ids.data());
        const uint64_t key = marketKey(market);
        for (std::size_t e = m_starts[at]; e < m_starts[at + 1]; ++e) {
            const Entry& entry = m_index[e];
            if (entry.marketKey == key && (key != kLongMarket || entry.rows->market == market))
                return entry.rows->contains(code);
        }
        return false;
    }

    void addRange(int32_t typeId, const std::string& market, const std::string& first,
                  const std::string& last)
    {
        uint64_t a, b;
        MarketRows& rows = rowsOf(typeId, market);
        if (packCode(first, a) && packCode(last, b))
            rows.ranges.push_back({a, b});
        else
            rows.longRanges.emplace_back(first, last);
    }

    void addPattern(int32_t typeId, const std::string& market, const std::string& pattern)
    {
        rowsOf(typeId, market).patterns.push_back(pattern);
    }

    void seal()
    {
        m_ids.clear();
        m_starts.clear();
        m_index.clear();
        // The map is ordered by type id, so each id's markets come together.
        for (auto& [id, rows] : m_rows) {
            rows.seal();
            if (m_ids.empty() || m_ids.back() != id.first) {
                m_ids.push_back(id.first);
                m_starts.push_back(m_index.size());
            }
            m_index.push_back(Entry{rows.marketKey, &rows});
        }
        m_starts.push_back(m_index.size());
    }

private:
    struct Entry
    {
        uint64_t marketKey;
        const MarketRows* rows;
    };

    MarketRows& rowsOf(int32_t typeId, const std::string& market)
    {
        auto [it, added] = m_rows.try_emplace({typeId, market});
        if (added) {
            it->second.market = market;
            it->second.marketKey = marketKey(market);
        }
        return it->second;
    }

    std::map<std::pair<int32_t, std::string>, MarketRows> m_rows; // nodes stay put for m_index
    std::vector<int32_t> m_ids;                                   // every type id, ascending
    std::vector<std::size_t> m_starts; // m_index range of m_ids[i]: m_starts[i] to m_starts[i + 1]
    std::vector<Entry> m_index;        // the classes of each id, one per market
};

bool validRange(const std::string& first, const std::string& last)
{
    return first.size() == last.size() && first <= last;
}

std::vector<std::string> splitFields(const std::string& line, std::size_t count)
{
    // The first count fields, split at blanks and tabs; the rest of the line is the note.
    std::vector<std::string> fields;
    std::size_t i = 0;
    while (fields.size() < count) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        if (i == line.size()) break;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        fields.push_back(line.substr(start, i - start));
    }
    return fields;
}

bool parseIds(const std::string& text, std::vector<int32_t>& ids)
{
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(',', start);
        if (end == std::string::npos) end = text.size();
        int32_t id = 0;
        const char* first = text.data() + start;
        const char* last = text.data() + end;
        const auto res = std::from_chars(first, last, id);
        if (first == last || res.ec != std::errc() || res.ptr != last) return false;
        ids.push_back(id);
        start = end + 1;
    }
    return true;
}

} // namespace

struct TypeTables::Tables
{
    ClassSet stock;
    ClassSet option;
};

namespace {

// Parses a whole table into the two sides; on a malformed row fills error and returns false.
bool parseTable(const QByteArray& data, ClassSet& stockSet, ClassSet& optionSet,
                TypeTables::TableError& error)
{
    int lineNo = 0;
    std::size_t pos = 0;
    const std::string text(data.constData(), static_cast<std::size_t>(data.size()));
    // A UTF-8 byte order mark is not part of the first row.
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) pos = 3;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') continue;

        auto fail = [&](std::string reason) {
            error.line = lineNo;
            error.message = std::move(reason);
            return false;
        };
        const std::vector<std::string> f = splitFields(line, 4);
        if (f.size() < 4) return fail("expected kind, type ids, market and codes");
        ClassSet* set = nullptr;
        if (f[0] == "stock")
            set = &stockSet;
        else if (f[0] == "option")
            set = &optionSet;
        else
            return fail("unknown kind '" + f[0] + "', expected 'stock' or 'option'");
        std::vector<int32_t> ids;
        if (!parseIds(f[1], ids)) return fail("bad type id list '" + f[1] + "'");
        const std::string& market = f[2];
        const std::string& codes = f[3];
        if (isPattern(codes)) {
            for (int32_t id : ids)
                set->addPattern(id, market, codes);
            continue;
        }
        std::string lo = codes, hi = codes;
        const std::size_t dots = codes.find("..");
        if (dots != std::string::npos) {
            lo = codes.substr(0, dots);
            hi = codes.substr(dots + 2);
            if (lo.size() != hi.size())
                return fail("range ends '" + lo + "' and '" + hi + "' differ in length");
            if (hi < lo)
                return fail("range '" + codes + "' is empty: its first code comes after its last");
        }
        for (int32_t id : ids)
            set->addRange(id, market, lo, hi);
    }
    stockSet.seal();
    optionSet.seal();
    error = TypeTables::TableError();
    return true;
}

bool readFile(const std::string& path, QByteArray& data)
{
    QFile file(QString::fromUtf8(path.data(), static_cast<int>(path.size())));
    if (!file.open(QIODevice::ReadOnly)) return false;
    data = file.readAll();
    return file.error() == QFileDevice::NoError;
}

} // namespace

TypeTables::TypeTables() : m_tables(new Tables)
{
    loadDefaults();
}

TypeTables::~TypeTables() = default;

bool TypeTables::isTypedStock(int32_t typeId, const std::string& market,
                              const std::string& code) const
{
    return m_tables->stock.contains(typeId, market, code);
}

bool TypeTables::isTypedOptionStock(int32_t typeId, const std::string& market,
                                    const std::string& code) const
{
    return m_tables->option.contains(typeId, market, code);
}

void TypeTables::clear()
{
    m_tables.reset(new Tables);
}

void TypeTables::addRange(int typeId, const std::string& market, const std::string& firstCode,
                          const std::string& lastCode)
{
    if (!validRange(firstCode, lastCode)) return;
    m_tables->stock.addRange(typeId, market, firstCode, lastCode);
    m_tables->stock.seal();
}

void TypeTables::addOptionRange(int typeId, const std::string& market, const std::string& firstCode,
                                const std::string& lastCode)
{
    if (!validRange(firstCode, lastCode)) return;
    m_tables->option.addRange(typeId, market, firstCode, lastCode);
    m_tables->option.seal();
}

void TypeTables::addPattern(int typeId, const std::string& market, const std::string& pattern)
{
    if (pattern.empty()) return;
    m_tables->stock.addPattern(typeId, market, pattern);
    m_tables->stock.seal();
}

void TypeTables::addOptionPattern(int typeId, const std::string& market, const std::string& pattern)
{
    if (pattern.empty()) return;
    m_tables->option.addPattern(typeId, market, pattern);
    m_tables->option.seal();
}

void TypeTables::loadDefaults()
{
    // The shipped table is part of the library; should it ever fail, the centre knows nothing
    // rather than half a table, and lastError says why.
    if (!loadTable(defaultTablePath())) clear();
}

bool TypeTables::loadTable(const std::string& path)
{
    QByteArray data;
    if (!readFile(path, data)) {
        m_error.line = 0;
        m_error.message = "cannot read '" + path + "'";
        return false;
    }
    auto fresh = std::make_unique<Tables>();
    if (!parseTable(data, fresh->stock, fresh->option, m_error)) return false;
    m_tables = std::move(fresh);
    return true;
}

const TypeTables::TableError& TypeTables::lastError() const
{
    return m_error;
}

const char* TypeTables::defaultTablePath()
{
    return ":/tcutils/stocktypes.tsv";
}

TypeTables& typeTables()
{
    static TypeTables tables;
    return tables;
}

} // namespace standin

namespace ttservice {

bool StockTypeCenter::isTypedStock(int32_t typeId, const std::string& market,
                                   const std::string& code) const
{
    return standin::typeTables().isTypedStock(typeId, market, code);
}

bool StockTypeCenter::isTypedOptionStock(int32_t typeId, const std::string& market,
                                         const std::string& code) const
{
    return standin::typeTables().isTypedOptionStock(typeId, market, code);
}

} // namespace ttservice

namespace utils {

template <> ttservice::StockTypeCenter* CSingletonT<ttservice::StockTypeCenter>::instance()
{
    static ttservice::StockTypeCenter centre;
    return &centre;
}

} // namespace utils
