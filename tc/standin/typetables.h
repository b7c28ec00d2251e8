#pragma once

/// \file
/// The host stand-in's own API, which the real host libraries do not have: the tables its type
/// centre (ttservice::StockTypeCenter) answers from. They start as the shipped table (the Qt
/// resource ":/tcutils/stocktypes.tsv", built from the exchanges' code allocation rules), and a
/// program or a test may replace or edit them:
///
///     auto& tables = standin::typeTables();
///     tables.clear();
///     tables.addRange(100013, "SZ", "159000", "159999");
///     if (!tables.loadTable("types.tsv"))
///         std::cerr << "line " << tables.lastError().line << ": " << tables.lastError().message;
///
/// Table format, one row a line, fields separated by blanks or tabs:
///
///     kind  ids  market  codes  [note ...]
///
/// - kind: "stock" (answered by isTypedStock) or "option" (answered by isTypedOptionStock);
/// - ids: one type id, or several separated by commas, each a signed 32-bit decimal number;
/// - market: the market code, compared exactly and case-sensitively;
/// - codes: "first..last", the codes from first to last inclusive, compared as texts of equal
///   length (first and last must have the same length and first must not come after last); or a
///   pattern when it holds one of '#' (one ASCII digit), '@' (one ASCII letter) or '*' (any run of
///   characters, possibly none), every other character standing for itself; or else one code;
/// - note: free text to the end of the line, saying which public rule the row follows.
///
/// Blank lines and lines whose first non-blank character is '#' are ignored. The file is UTF-8.
///
/// Threads: an edit (clear, add..., load...) must not run while another thread asks the centre.

#include <tc/host/tchost_export.h>

#include <cstdint>
#include <memory>
#include <string>

namespace standin {

/// The editable tables of the stand-in's type centre: stock-side and option classes, each a set
/// of code ranges, patterns and single codes per market. Get the process's own with typeTables().
class TCHOST_EXPORT TypeTables
{
public:
    /// Why the last loadTable or loadDefaults failed: the 1-based line of the file that was wrong,
    /// or 0 when the file as a whole was (it could not be read), and the reason in English. Line 0
    /// and an empty message after a load that succeeded, and before any load failed.
    struct TableError
    {
        int line = 0;        ///< 1-based line of the wrong row; 0 for the whole file or no error
        std::string message; ///< the reason in English; empty when there is no error
    };

    /// Tables with the shipped table loaded.
    TypeTables();
    ~TypeTables();
    TypeTables(const TypeTables&) = delete;
    TypeTables& operator=(const TypeTables&) = delete;

    /// Whether code of market is in the stock-side class typeId. False for every unknown class,
    /// market or code, the empty ones included.
    bool isTypedStock(int32_t typeId, const std::string& market, const std::string& code) const;
    /// The same question for the option classes.
    bool isTypedOptionStock(int32_t typeId, const std::string& market,
                            const std::string& code) const;

    /// Forgets every class, stock and option side.
    void clear();
    /// Puts the codes from firstCode to lastCode inclusive, compared as texts of equal length, into
    /// the stock-side class typeId of market. Ignored when the two differ in length or firstCode
    /// comes after lastCode.
    void addRange(int typeId, const std::string& market, const std::string& firstCode,
                  const std::string& lastCode);
    /// The same for an option class.
    void addOptionRange(int typeId, const std::string& market, const std::string& firstCode,
                        const std::string& lastCode);
    /// Puts every code matching pattern ('#' a digit, '@' a letter, '*' any run, see above) into
    /// the stock-side class typeId of market. Ignored when pattern is empty.
    void addPattern(int typeId, const std::string& market, const std::string& pattern);
    /// The same for an option class.
    void addOptionPattern(int typeId, const std::string& market, const std::string& pattern);

    /// Back to the shipped tables.
    void loadDefaults();
    /// Replaces every table by those of the file at path (UTF-8 path; ":/..." reads a Qt resource).
    /// On a file that cannot be read or has a malformed row, returns false, keeps the tables as
    /// they were and tells why through lastError().
    bool loadTable(const std::string& path);
    /// Why the last load failed; see TableError.
    const TableError& lastError() const;

    /// The Qt resource path of the shipped table.
    static const char* defaultTablePath();

private:
    struct Tables;
    std::unique_ptr<Tables> m_tables;
    TableError m_error;
};

/// The tables the process's type centre answers from, created with the shipped table at the first
/// call.
TCHOST_EXPORT TypeTables& typeTables();

} // namespace standin
