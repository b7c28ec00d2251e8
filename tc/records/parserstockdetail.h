#pragma once

/// \file
/// What the client's instrument-list parsers produce for one instrument, and the key of the texts
/// they read.

#include <tc/tcutils_export.h>

#include <tc/host/instrumentdetail.h>

#include <QString>
#include <boost/shared_ptr.hpp>

#include <cstdint>
#include <memory>

namespace TC {

/// A shared host instrument record plus values a parser attaches to it. Defaults: detail and
/// extraRef null, factor 1.0, extraValue and extraNumber 0. Copies share both pointees; moving
/// leaves the source's two pointers null and its numbers unchanged.
class TCUTILS_EXPORT ParserStockDetail
{
public:
    /// A record with the defaults above.
    ParserStockDetail();
    /// Copies every field; the copy shares both pointees.
    ParserStockDetail(const ParserStockDetail& other);
    /// Takes both pointers, leaving the source's null; copies the numbers.
    ParserStockDetail(ParserStockDetail&& other) noexcept;
    /// Copies every field; the record shares both pointees.
    ParserStockDetail& operator=(const ParserStockDetail& other);
    /// Takes both pointers, as the move constructor.
    ParserStockDetail& operator=(ParserStockDetail&& other) noexcept;
    ~ParserStockDetail();

    /// The host key of the instrument (utils::vkStockKey of its market and code), the same key as
    /// CStockInfo::key; an empty, non-null text when detail is null. Does not change the record.
    QString key();

    /// The instrument as the host describes it; null by default.
    std::shared_ptr<ttservice::CInstrumentDetail> detail;
    double factor = 1.0;     ///< a value the parser attaches; 1.0 by default
    double extraValue = 0.0; ///< a value the parser attaches; 0 by default
    int32_t extraNumber = 0; ///< a number the parser attaches; 0 by default
    /// Any object of the client's parser, never dereferenced here; get it back with
    /// boost::static_pointer_cast<T>(extraRef).
    boost::shared_ptr<void> extraRef;
};

/// The host key of an instrument named either by its key or as market "_" code: a text without "_"
/// is returned unchanged; otherwise the text before the first "_" is the market and the text up to
/// the next "_" (or the end) the code, untrimmed and unchecked. "SH_600000" and "SH_600000_X" both
/// give the key of market "SH" and code "600000"; "_600000" keys an empty market.
TCUTILS_EXPORT QString getStockParserKey(QString text);

} // namespace TC
