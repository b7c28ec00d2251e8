#pragma once

/// \file
/// One set of order parameters kept by the client, and its one-line text form for files and
/// settings.

#include <tc/tcutils_export.h>

#include <cstdint>
#include <string>

namespace TC {

/// Seven order parameters; their business meaning belongs to the caller. Texts are UTF-8. Defaults:
/// flag false, texts empty, numbers 0. Moving leaves the source's three texts empty and its flag
/// and numbers unchanged.
///
/// Text form: flag "|" text1 "|" number1 "|" number2 "|" text2 "|" text3 "|" number3, the flag as
/// "1" or "0", numbers in decimal, texts unescaped. A default record is "0||0|0|||0". Reading back
/// gives the same record whenever no text contains "|".
///
///     TC::COrderParamSetting s;
///     s.flag = true;
///     s.text1 = "限价";
///     s.number1 = -5;
///     std::string line = TC::COrderParamSetting::toString(s);   // "1|限价|-5|0|||0"
///     TC::COrderParamSetting back = TC::COrderParamSetting::toStruct(line);
class TCUTILS_EXPORT COrderParamSetting
{
public:
    /// A record with the defaults above.
    COrderParamSetting();
    /// Copies every field.
    COrderParamSetting(const COrderParamSetting& other);
    /// Takes the three texts, leaving the source's empty; copies the flag and numbers.
    COrderParamSetting(COrderParamSetting&& other) noexcept;
    /// Copies every field; assigning a record to itself leaves it unchanged.
    COrderParamSetting& operator=(const COrderParamSetting& other);
    /// Takes the three texts, as the move constructor.
    COrderParamSetting& operator=(COrderParamSetting&& other) noexcept;
    ~COrderParamSetting();

    /// The text form of setting as UTF-8. Texts that are not UTF-8 are written as the host's
    /// KD::sToQs decodes them. Does not change setting.
    static std::string toString(COrderParamSetting& setting);
    /// A new record read from a line of the text form (decoded with KD::sToQs). Never fails:
    /// - fewer than 5 pieces (the empty line included): the default record;
    /// - 5 or 6 pieces, as written by clients that kept fewer fields: the fields whose pieces are
    ///   present, the others at their defaults;
    /// - 7 or more: all seven fields, later pieces ignored.
    ///
    /// A number piece is read as QString::toInt reads it (surrounding spaces allowed, 0 for a piece
    /// that is not a base-10 int); flag is true for any non-zero number. Does not change text.
    static COrderParamSetting toStruct(std::string& text);

    bool flag = false;   ///< piece 1 of the text form; false by default
    std::string text1;   ///< UTF-8 text, piece 2; empty by default
    int32_t number1 = 0; ///< piece 3; 0 by default
    int32_t number2 = 0; ///< piece 4; 0 by default
    std::string text2;   ///< UTF-8 text, piece 5; empty by default
    std::string text3;   ///< UTF-8 text, piece 6; empty by default
    int32_t number3 = 0; ///< piece 7; 0 by default
};

} // namespace TC
