#pragma once

/// \file
/// The lookup box of the client: what a user types (initials, pinyin, a code, part of a name)
/// against every instrument the client holds, ranked, fast enough for each keystroke.

#include <tc/records/stockinfo.h>
#include <tc/tcutils_export.h>

#include <QList>
#include <QMetaType>
#include <QString>

#include <memory>

namespace TC {

namespace search {
struct Index;
}

/// One instrument found: its row in the list given to InstrumentSearch, the first character of
/// its name that matched (an index into name; 0 for a code match) and what matched.
struct InstrumentMatch
{
    /// What matched.
    enum Kind {
        Code,   ///< the code, a market-qualified code or a futures product code
        Pinyin, ///< the pinyin of the name, as KD::testPy takes it (and "ue" for "üe")
        Name    ///< the name's own text
    };
    int row = -1;     ///< row of the instrument in the list given; -1 in a default match
    int position = 0; ///< first matched character of the name; 0 for a code match
    Kind kind = Code; ///< what matched

    /// Equal when row, position and kind are.
    friend bool operator==(const InstrumentMatch& a, const InstrumentMatch& b)
    {
        return a.row == b.row && a.position == b.position && a.kind == b.kind;
    }
};

/// An index over a list of instruments that answers a lookup box. Built once (a few milliseconds
/// per thousand instruments, under the local code page then in force), then immutable: find may
/// run on many threads at once, and copies share the index.
///
///   TC::InstrumentSearch search(instruments);
///   for (const TC::InstrumentMatch& m : search.find(QStringLiteral("zgpa")))
///       show(search.at(m.row));                        // 中国平安 first
///
/// What find matches, case-blind, full-width forms folded to ASCII, blanks around ignored:
/// - codes, exact or by prefix ("600519", "60051", "rb2601", "IF2603"), also qualified by a market
///   of the list ("SH600519", "sh600519", "SH.600519", "SH_600519", "600519.SH");
/// - futures product codes: letters equal to the letters before the digits of a contract's code
///   ("rb" of rb2601, "T" of T2603) in a futures market (SF/SHFE, DF/DCE, ZF/CZCE, IF/CFFEX,
///   INE). They come from the list itself, so a new product needs no table;
/// - the pinyin of the name: all that KD::testPy accepts ("zgpa", "pufa", "zhgpa", "pfyx", u for
///   ü before e after l and n: "celue", "nue"), read from the forms KD::getPy makes (the
///   every-reading form [2] as <tc/host/pinyin.h> lays it out);
/// - the name's own text anywhere in it ("茅台", "300ETF", "*ST").
///
/// Ranking: each instrument once, in the first tier it reaches:
///   1. the code itself (or the market-qualified code);
///   2. a contract of the product named (rb: the rebar contracts, before 瑞贝卡 and 容百);
///   3. a code beginning with what was typed;
///   4. a match from the first character of the name under its natural reading (the one of the
///      natural initials KD::getPy gives: pfyh for 浦发银行), or the name's text from its start;
///   5. a match from the first character under another reading (pfyx);
///   6. a match inside the name.
/// The first character is the first letter, digit or Chinese character (the S of *ST康美).
/// Within a tier: market rank (getMarketOrder), then the shorter name, then the code, then the
/// row. position and kind are the earliest match of the best tier; where pinyin and text match
/// at the same character, kind is Pinyin.
class TCUTILS_EXPORT InstrumentSearch
{
public:
    /// An empty index: size() 0, find() always empty.
    InstrumentSearch();
    /// Indexes the instruments (the list is shared, not copied); rows are in the order given.
    explicit InstrumentSearch(const QList<CStockInfo>& instruments);
    /// A copy sharing the same immutable index.
    InstrumentSearch(const InstrumentSearch&);
    /// Shares other's index.
    InstrumentSearch& operator=(const InstrumentSearch&);
    /// Takes other's index; other is left empty.
    InstrumentSearch(InstrumentSearch&&) noexcept;
    /// Takes other's index; other is left empty.
    InstrumentSearch& operator=(InstrumentSearch&&) noexcept;
    ~InstrumentSearch();

    /// How many instruments were given.
    int size() const;
    /// The instrument of a row; an empty CStockInfo for a row outside [0, size()).
    const CStockInfo& at(int row) const;
    /// The instruments that typed finds, best first, at most limit of them (0 or less: all).
    /// Empty for blank input or input nothing matches; never fails on any text.
    QList<InstrumentMatch> find(const QString& typed, int limit = 20) const;

private:
    std::shared_ptr<const search::Index> d;
};

} // namespace TC

/// \cond
Q_DECLARE_TYPEINFO(TC::InstrumentMatch, Q_PRIMITIVE_TYPE);
/// \endcond
