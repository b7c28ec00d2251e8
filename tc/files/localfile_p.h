#pragma once

// Internal: opening a QFile by its name in the local 8-bit code page (tc/parsing/codepage_p.h),
// the name under which the C runtime and the host's file functions find it. Qt 5, and Qt 6 on
// Windows, name files so already. Qt 6 on Unix names them in UTF-8 whatever the locale, so there,
// in a locale of another code page, the file is opened through a descriptor of its own.

#include <tc/parsing/codepage_p.h>

#include <QFile>

#if QT_VERSION_MAJOR >= 6 && !defined(_WIN32)
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace TC::detail {

// Opens file at path, read-only or write-only (creating or truncating it), with or without
// QIODevice::Text. False when it cannot be opened or is a directory; error, when given, then says
// why in the system's words.
inline bool openLocalFile(QFile& file, const QString& path, QIODevice::OpenMode mode,
                          QString* error = nullptr)
{
#if QT_VERSION_MAJOR >= 6 && !defined(_WIN32)
    if (!utils::detail::localIsUtf8()) {
        const QByteArray name = utils::detail::toLocal8Bit(path);
        const int access = mode & QIODevice::WriteOnly ? O_WRONLY | O_CREAT | O_TRUNC : O_RDONLY;
        const int fd = ::open(name.constData(), access | O_CLOEXEC, 0666);
        int why = fd < 0 ? errno : 0;
        struct stat info;
        if (why == 0 && ::fstat(fd, &info) != 0)
            why = errno;
        else if (why == 0 && S_ISDIR(info.st_mode))
            why = EISDIR;
        if (why == 0 && file.open(fd, mode, QFileDevice::AutoCloseHandle)) return true;
        if (fd >= 0) ::close(fd);
        if (error) *error = why != 0 ? qt_error_string(why) : file.errorString();
        return false;
    }
#endif
    file.setFileName(path);
    if (file.open(mode)) return true;
    if (error) *error = file.errorString();
    return false;
}

} // namespace TC::detail
