#pragma once

/// \file
/// An instrument with the pinyin forms of its name, for lookup by typed pinyin.

#include <tc/records/stockinfo.h>
#include <tc/tcutils_export.h>

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

namespace TC {

/// A CStockInfo with the pinyin forms of its name as KD::getPy makes them, and five numbers kept
/// for the client. The match numbers are -1 (no match information) and extraInt 0 by default;
/// the library sets and resets them but never reads them.
class TCUTILS_EXPORT CStockInfoWithPy : public CStockInfo
{
public:
    /// Empty texts and list; no pinyin is computed.
    CStockInfoWithPy() = default;
    /// Copies market, code and name, then fills pyList with calcPyInfo().
    CStockInfoWithPy(const CStockInfo& info);
    /// Copies every field.
    CStockInfoWithPy(const CStockInfoWithPy&) = default;
    /// Copies every field.
    CStockInfoWithPy& operator=(const CStockInfoWithPy&) = default;
    /// Moves the texts and pyList, leaving the source's list empty; copies the five numbers.
    CStockInfoWithPy(CStockInfoWithPy&& other) noexcept;
    /// Moves the texts and pyList, as the move constructor.
    CStockInfoWithPy& operator=(CStockInfoWithPy&& other) noexcept;
    ~CStockInfoWithPy() = default;

    /// Hands pyList and name in the local 8-bit code page to KD::getPy, which fills the list.
    void calcPyInfo();
    /// Sets the four match numbers to -1; extraInt, the texts and the list stay.
    void resetMatchInfo();

    std::vector<std::string> pyList; ///< 8-bit pinyin forms of name, as KD::getPy gives them
    int32_t matchInfo1 = -1; ///< match information kept for the client; -1 (none) by default
    int32_t matchInfo2 = -1; ///< match information kept for the client; -1 (none) by default
    int32_t matchInfo3 = -1; ///< match information kept for the client; -1 (none) by default
    int32_t matchInfo4 = -1; ///< match information kept for the client; -1 (none) by default
    int32_t extraInt = 0;    ///< kept for the client; not match information
};

/// Whether input, typed pinyin, matches the pinyin of text (KD::testPy gives 0 or more). Both go
/// to the host in the local 8-bit code page; nothing is kept between calls.
TCUTILS_EXPORT bool isInByPy(QString text, QString input);

} // namespace TC
