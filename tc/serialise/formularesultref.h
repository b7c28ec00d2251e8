#pragma once

/// \file
/// A reference to one result of a composed formula for one stock, with its one-line text form.

#include <tc/tcutils_export.h>

#include <QString>

#include <cstdint>

namespace TC {

/// One result of a composed formula for one stock. Defaults: ids -1, texts empty (not null),
/// codeOnly 0. Copies and moves go member by member; a moved-from record keeps its numbers and
/// holds null texts.
///
/// Full form: id1 "___" id2 "___" name "___" market "___" code "___" codeOnly "___" id3, numbers in
/// decimal, texts unescaped; a default record is "-1___-1____________0___-1". Reading back gives
/// the same record whenever no text contains "___" or ends with "_".
///
///     TC::ComposeFormulaResultRef ref;
///     ref.id1 = 3; ref.id2 = 0; ref.name = "MA5"; ref.market = "SH"; ref.code = "600000";
///     ref.toString();   // "3___0___MA5___SH___600000___0___-1"
///     ref.getKey();     // "3___0___MA5___SH___600000"
///     ref.getStock();   // "SH600000"
class TCUTILS_EXPORT ComposeFormulaResultRef
{
public:
    /// A record with the defaults above.
    ComposeFormulaResultRef();
    /// Copies every field.
    ComposeFormulaResultRef(const ComposeFormulaResultRef& other);
    /// Takes the texts, leaving the source's null; copies the numbers.
    ComposeFormulaResultRef(ComposeFormulaResultRef&& other) noexcept;
    /// Copies every field.
    ComposeFormulaResultRef& operator=(const ComposeFormulaResultRef& other);
    /// Takes the texts, leaving the source's null; copies the numbers.
    ComposeFormulaResultRef& operator=(ComposeFormulaResultRef&& other) noexcept;
    ~ComposeFormulaResultRef();

    /// A record read from the full form. Never fails: the text is cut at every "___" from the left
    /// (so "____" is a separator and then "_"); id1 always comes from the first piece, the other
    /// fields only when there are 7 or more pieces (later ones ignored), else they keep their
    /// defaults. Numbers are read as QString::toInt reads them: 0 for a piece that is not a base-10
    /// int, so an empty text gives id1 0.
    static ComposeFormulaResultRef genRef(const QString& text);

    /// The full form, seven pieces. Does not change the record.
    QString toString();
    /// The lookup key: the first five pieces (without codeOnly and id3). Records that differ only
    /// in codeOnly or id3 share it. It cannot be read back into a record. Does not change the
    /// record.
    QString getKey();
    /// code alone when codeOnly is non-zero, else market followed directly by code ("SH600000").
    QString getStock();

    int32_t id1 = -1;     ///< piece 1 of both forms; -1 by default
    int32_t id2 = -1;     ///< piece 2 of both forms; -1 by default
    QString name;         ///< the result's name ("MA5"), piece 3; empty by default
    QString market;       ///< market of the stock, piece 4; empty by default
    QString code;         ///< code of the stock, piece 5; empty by default
    int32_t codeOnly = 0; ///< non-zero when code alone names the stock, piece 6; 0 by default
    int32_t id3 = -1;     ///< piece 7 of the full form only; -1 by default
};

} // namespace TC
