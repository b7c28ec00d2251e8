#pragma once

// Internal: the local 8-bit code page, in which the client hands texts to the host's pinyin
// functions, names files for the C runtime and the host, and reads and writes text files.
// Header-only: the host stand-in compiles its own copy (as with localclock_p.h), so the library
// and the stand-in convert alike without either exporting it.
//
// Which code page is local:
// - Qt 5: QTextCodec::codecForLocale(), the codec of QString::toLocal8Bit and QFile::encodeName.
//   A program may set it with QTextCodec::setCodecForLocale; Debian's Qt 5 takes it from ICU,
//   which answers UTF-8 in every locale, until a program does.
// - Qt 6 on Windows: the ANSI code page (QStringConverter::System), GBK on a Chinese Windows.
// - Qt 6 elsewhere: the codeset of the C library's current LC_CTYPE locale (nl_langinfo(CODESET)),
//   converted by name with QStringEncoder and QStringDecoder, which reach ICU's code pages: a
//   program selects GBK for the whole process with setlocale(LC_CTYPE, "zh_CN.GBK"). The ASCII of
//   the C and POSIX locales, and a codeset Qt cannot convert, count as UTF-8, Qt 6's own choice
//   (its toLocal8Bit and QFile::encodeName are UTF-8 on Unix whatever the locale).
// The Qt 6 converters are made once per thread and codeset, and made again when it changes.

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <algorithm>
#include <climits>

#if QT_VERSION_MAJOR < 6
#include <QTextCodec>
#else
#include <QStringDecoder>
#include <QStringEncoder>

#include <cstring>
#include <optional>
#include <string>
#ifndef _WIN32
#include <langinfo.h>
#endif
#endif

namespace utils::detail {

#if QT_VERSION_MAJOR >= 6
// The converters of the local code page for the calling thread.
class LocalConverters
{
public:
    static LocalConverters& current()
    {
        thread_local LocalConverters converters;
#ifndef _WIN32
        const char* name = nl_langinfo(CODESET);
        if (converters.m_name != name) converters.follow(name);
#endif
        return converters;
    }

    bool isUtf8() const
    {
        return m_utf8;
    }
    // Reset before each use: every call converts a whole text.
    QStringEncoder& encoder()
    {
        m_encoder->resetState();
        return *m_encoder;
    }
    QStringDecoder& decoder()
    {
        m_decoder->resetState();
        return *m_decoder;
    }
    // A new encoder, after one that met a character the code page lacks: Qt 6.4's resetState
    // leaves such an error set in an ICU converter.
    void renewEncoder()
    {
        make(m_encoder, m_name.c_str(), QStringConverter::Flag::Default);
    }
    // Makes decoder a decoder of its own, for a text that arrives in blocks.
    void makeDecoder(std::optional<QStringDecoder>& decoder) const
    {
        make(decoder, m_name.c_str(), QStringConverter::Flag::Default);
    }

private:
    LocalConverters()
    {
        follow("");
    }

    // Encoding keeps Qt's default state handling: a lone surrogate at the end of a text is left
    // out, as Qt 5's toLocal8Bit leaves it. Decoding is stateless: a sequence cut by the end of
    // the text becomes U+FFFD, as in Qt 5's fromLocal8Bit.
    void follow(const char* name)
    {
        m_name = name;
        make(m_encoder, name, QStringConverter::Flag::Default);
        make(m_decoder, name, QStringConverter::Flag::Stateless);
        m_utf8 = m_encoder->name() && std::strcmp(m_encoder->name(), "UTF-8") == 0;
    }

    // Converters are made in place, never moved: Qt 6.4 hands ICU the address of a converter's
    // state, which a move would leave dangling.
    template <typename Converter>
    static void make(std::optional<Converter>& converter, const char* name,
                     QStringConverter::Flags flags)
    {
#ifdef _WIN32
        (void)name;
        converter.emplace(QStringConverter::System, flags);
#else
        if (*name != '\0' && std::strcmp(name, "ANSI_X3.4-1968") != 0 &&
            std::strcmp(name, "ASCII") != 0 && std::strcmp(name, "US-ASCII") != 0) {
            converter.emplace(name, flags);
            if (converter->isValid()) return;
        }
        converter.emplace(QStringConverter::Utf8, flags);
#endif
    }

    std::string m_name;
    std::optional<QStringEncoder> m_encoder;
    std::optional<QStringDecoder> m_decoder;
    bool m_utf8 = true;
};

#endif

// Whether the local code page is UTF-8, which represents every character (and in which Qt 6 names
// files on Unix).
inline bool localIsUtf8()
{
#if QT_VERSION_MAJOR < 6
    return QTextCodec::codecForLocale()->mibEnum() == 106;
#else
    return LocalConverters::current().isUtf8();
#endif
}

// text in the local code page, as QString::toLocal8Bit gives it under Qt 5. A character the code
// page cannot represent becomes its substitute ('?' in GBK); ok, when given, then becomes false.
inline QByteArray toLocal8Bit(QStringView text, bool* ok = nullptr)
{
#if QT_VERSION_MAJOR < 6
    QTextCodec* codec = QTextCodec::codecForLocale();
    if (!ok) return codec->fromUnicode(text);
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    const QByteArray bytes = codec->fromUnicode(text.data(), static_cast<int>(text.size()), &state);
    *ok = state.invalidChars == 0;
    return bytes;
#else
    LocalConverters& local = LocalConverters::current();
    QStringEncoder& encoder = local.encoder();
    QByteArray bytes = encoder.encode(text);
    const bool failed = encoder.hasError();
    if (failed) local.renewEncoder();
    if (ok) *ok = !failed;
    return bytes;
#endif
}

// The text of bytes in the local code page, as QString::fromLocal8Bit gives it under Qt 5:
// invalid sequences become U+FFFD (or the code page's own replacement), a leading UTF-8
// byte-order mark is dropped.
inline QString fromLocal8Bit(const char* data, qsizetype size)
{
#if QT_VERSION_MAJOR < 6
    const int n = static_cast<int>(std::min<qsizetype>(size, INT_MAX));
    return QTextCodec::codecForLocale()->toUnicode(data, n);
#else
    return LocalConverters::current().decoder().decode(QByteArrayView(data, size));
#endif
}

// Whether the local code page represents every character of text.
inline bool localCanEncode(QStringView text)
{
#if QT_VERSION_MAJOR < 6
    return QTextCodec::codecForLocale()->canEncode(text);
#else
    bool ok = false;
    toLocal8Bit(text, &ok);
    return ok;
#endif
}

// text in the code page of that name ("GBK", "UTF-8"); empty when Qt does not know the name.
inline QByteArray encodeIn(const char* name, QStringView text)
{
#if QT_VERSION_MAJOR < 6
    QTextCodec* codec = QTextCodec::codecForName(name);
    return codec ? codec->fromUnicode(text) : QByteArray();
#else
    QStringEncoder encoder(name);
    return encoder.isValid() ? QByteArray(encoder.encode(text)) : QByteArray();
#endif
}

// Whether data starts with a UTF-8, UTF-16 or UTF-32 byte-order mark.
inline bool startsWithByteOrderMark(const char* data, qsizetype size)
{
#if QT_VERSION_MAJOR < 6
    return QTextCodec::codecForUtfText(QByteArray::fromRawData(data, static_cast<int>(size)),
                                       nullptr) != nullptr;
#else
    return QStringConverter::encodingForData(QByteArrayView(data, size)).has_value();
#endif
}

// Whether data is UTF-8 as far as it goes: no invalid sequence, though the last one may be cut
// off (data being the start of a longer text).
inline bool isUtf8Prefix(const char* data, qsizetype size)
{
#if QT_VERSION_MAJOR < 6
    QTextCodec::ConverterState state;
    QTextCodec::codecForMib(106)->toUnicode(data, static_cast<int>(size), &state);
    return state.invalidChars == 0;
#else
    QStringDecoder decoder(QStringConverter::Utf8);
    // decode() converts only when its result is taken as a QString.
    const QString text = decoder.decode(QByteArrayView(data, size));
    return !decoder.hasError();
#endif
}

// UTF-8 decoded whole: a leading byte-order mark stays a character. ok becomes false when data
// holds an invalid sequence or ends inside one.
inline QString fromUtf8Strictly(const char* data, qsizetype size, bool& ok)
{
#if QT_VERSION_MAJOR < 6
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    const QString text =
        QTextCodec::codecForMib(106)->toUnicode(data, static_cast<int>(size), &state);
    ok = state.invalidChars == 0 && state.remainingChars == 0;
    return text;
#else
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                       QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(QByteArrayView(data, size));
    ok = !decoder.hasError();
    return text;
#endif
}

// Decodes a text that arrives in blocks, as a QTextStream without a codec does under Qt 5: a
// UTF-8, UTF-16 or UTF-32 byte-order mark at the start of the first block chooses the codec (the
// mark is dropped), else the code page named by fallback ("GBK", "UTF-8") or, when that is empty
// or unknown to Qt, the local code page applies; a sequence cut by the end of a block is completed
// by the next one.
class StreamDecoder
{
public:
    explicit StreamDecoder(const QByteArray& fallback = QByteArray()) : m_fallback(fallback) {}
    // Not copied or moved, for the reason given at LocalConverters::make.
    StreamDecoder(const StreamDecoder&) = delete;
    StreamDecoder& operator=(const StreamDecoder&) = delete;

    // decode's result in text, whose memory is kept from block to block where it can be.
    void decodeInto(QString& text, const char* data, qsizetype size)
    {
        // In UTF-8, a block of ASCII bytes that follows a complete sequence decodes to its bytes
        // as they are: data files mostly are such blocks, widened here without the converter.
        // The first block always goes through it, which settles the byte-order mark.
        // The bytes are widened as they are checked; a block found not to be ASCII is decoded
        // over them.
        if (m_utf8 && m_cleanEnd) {
            text.resize(static_cast<int>(size));
            char16_t* out = reinterpret_cast<char16_t*>(text.data());
            unsigned char any = 0;
            for (qsizetype i = 0; i < size; ++i) {
                const auto byte = static_cast<unsigned char>(data[i]);
                out[i] = byte;
                any |= byte;
            }
            if (any < 0x80) return;
        }
        text = decode(data, size);
    }

    QString decode(const char* data, qsizetype size)
    {
        m_cleanEnd = size > 0 && static_cast<unsigned char>(data[size - 1]) < 0x80;
#if QT_VERSION_MAJOR < 6
        if (!m_codec) {
            QTextCodec* fallback =
                m_fallback.isEmpty() ? nullptr : QTextCodec::codecForName(m_fallback);
            m_codec =
                QTextCodec::codecForUtfText(QByteArray::fromRawData(data, static_cast<int>(size)),
                                            fallback ? fallback : QTextCodec::codecForLocale());
            m_utf8 = m_codec->mibEnum() == 106;
        }
        return m_codec->toUnicode(data, static_cast<int>(size), &m_state);
#else
        const QByteArrayView bytes(data, size);
        if (!m_decoder) {
            const auto marked = QStringConverter::encodingForData(bytes);
            if (marked)
                m_decoder.emplace(*marked);
            else if (!m_fallback.isEmpty())
                m_decoder.emplace(m_fallback.constData());
            if (!m_decoder || !m_decoder->isValid())
                LocalConverters::current().makeDecoder(m_decoder);
            m_utf8 = m_decoder->isValid() && qstricmp(m_decoder->name(), "UTF-8") == 0;
        }
        return m_decoder->decode(bytes);
#endif
    }

private:
    QByteArray m_fallback;
    bool m_utf8 = false;     // the converter is UTF-8's
    bool m_cleanEnd = false; // the last block ended on an ASCII byte, so no sequence is open
#if QT_VERSION_MAJOR < 6
    QTextCodec* m_codec = nullptr;
    QTextCodec::ConverterState m_state;
#else
    std::optional<QStringDecoder> m_decoder;
#endif
};

} // namespace utils::detail
