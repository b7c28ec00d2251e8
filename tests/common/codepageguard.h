#pragma once

// Selects the local 8-bit code page for one test as a program does: through the C library's
// LC_CTYPE locale and, under Qt 5, Qt's locale codec, which Debian's Qt 5 keeps at UTF-8 in every
// locale (the C locale's ASCII included) until a program sets it. Restores both afterwards.
// "zh_CN.GBK" stands for a Chinese Windows, "C.UTF-8" for Linux. The GBK locale is compiled into
// the build tree (cmake/TcTestLocale.cmake) and found there through LOCPATH.

#include <QByteArray>
#include <QtGlobal>

#include <clocale>
#include <cstdlib>
#include <langinfo.h>
#include <string>

#if QT_VERSION_MAJOR < 6
#include <QTextCodec>
#endif

class CodePageGuard
{
public:
    explicit CodePageGuard(const char* locale)
        : m_oldLocale(std::setlocale(LC_CTYPE, nullptr))
#if QT_VERSION_MAJOR < 6
          ,
          m_oldCodec(QTextCodec::codecForLocale())
#endif
    {
        m_ok = select(locale);
    }
    ~CodePageGuard()
    {
        std::setlocale(LC_CTYPE, m_oldLocale.c_str());
#if QT_VERSION_MAJOR < 6
        QTextCodec::setCodecForLocale(m_oldCodec);
#endif
    }
    CodePageGuard(const CodePageGuard&) = delete;
    CodePageGuard& operator=(const CodePageGuard&) = delete;

    // False when the locale could not be selected (the build compiles zh_CN.GBK; C.UTF-8 is the C
    // library's own).
    bool ok() const
    {
        return m_ok;
    }

    // Sets LC_CTYPE to locale and, under Qt 5, Qt's locale codec to the codec of its codeset
    // (UTF-8 for ASCII).
    static bool select(const char* locale)
    {
        const char* oldPath = std::getenv("LOCPATH");
        const std::string savedPath = oldPath ? oldPath : "";
        setenv("LOCPATH", TC_TEST_LOCALE_DIR, 1);
        const bool ok = std::setlocale(LC_CTYPE, locale) != nullptr;
        if (oldPath)
            setenv("LOCPATH", savedPath.c_str(), 1);
        else
            unsetenv("LOCPATH");
#if QT_VERSION_MAJOR < 6
        const QByteArray codeset = nl_langinfo(CODESET);
        if (ok)
            QTextCodec::setCodecForLocale(QTextCodec::codecForName(
                codeset == "ANSI_X3.4-1968" ? QByteArray("UTF-8") : codeset));
#endif
        return ok;
    }

private:
    std::string m_oldLocale;
#if QT_VERSION_MAJOR < 6
    QTextCodec* m_oldCodec;
#endif
    bool m_ok = false;
};
