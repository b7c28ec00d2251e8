#include "io.h"

#include "command.h"

#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include <sys/stat.h>
#include <unistd.h>

namespace tcutil {
namespace {

const QString kStdio = QStringLiteral("-");

// Files above this size get a progress bar when stderr is a terminal.
constexpr qint64 kProgressBytes = 4 * 1024 * 1024;

// What stat says of path: false with the reason when it cannot.
bool statPath(const QString& path, struct stat& info, QString& reason)
{
    if (path.isEmpty() || path.contains(QChar(0))) {
        reason = QStringLiteral("No such file or directory");
        return false;
    }
    if (::stat(QFile::encodeName(path).constData(), &info) == 0) return true;
    reason = qt_error_string(errno);
    return false;
}

} // namespace

Input::Input(const QString& path)
{
    if (path == kStdio) {
        m_name = QStringLiteral("standard input");
        if (!m_file.open(STDIN_FILENO, QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
            failed(m_file.errorString());
        return;
    }
    m_name = path;
    struct stat info;
    QString reason;
    if (!statPath(path, info, reason)) failed(reason);
    if (S_ISDIR(info.st_mode)) failed(QStringLiteral("Is a directory"));
    if (S_ISSOCK(info.st_mode)) failed(QStringLiteral("Not a regular file (a socket)"));
    // A FIFO or a device is read in place: opening a FIFO waits for its writer.
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly)) failed(m_file.errorString());
    if (S_ISREG(info.st_mode)) m_size = info.st_size;
}

void Input::failed(const QString& reason) const
{
    fail(ExitBadInput, QStringLiteral("cannot read %1: %2").arg(m_name, reason));
}

Output::Output(const QString& path)
{
    if (path == kStdio) {
        m_name = QStringLiteral("standard output");
        auto file = std::make_unique<QFile>();
        if (!file->open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered,
                        QFileDevice::DontCloseHandle))
            failed(file->errorString());
        m_file = std::move(file);
        return;
    }
    m_name = path;
    struct stat info;
    QString reason;
    const bool exists = statPath(path, info, reason);
    if (exists && S_ISDIR(info.st_mode)) failed(QStringLiteral("Is a directory"));
    if (exists && !S_ISREG(info.st_mode)) {
        // A FIFO, device, socket or terminal is written in place, never replaced.
        auto file = std::make_unique<QFile>(path);
        if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) failed(file->errorString());
        m_file = std::move(file);
        return;
    }
    auto file = std::make_unique<QSaveFile>(path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) failed(file->errorString());
    m_file = std::move(file);
    m_atomic = true;
}

// An uncommitted temporary file is removed by QSaveFile.
Output::~Output() = default;

void Output::failed(const QString& reason)
{
    fail(ExitBadInput, QStringLiteral("cannot write %1: %2").arg(m_name, reason));
}

void Output::write(const char* data, qint64 size)
{
    // Straight to the descriptor: QSaveFile keeps no reason for a failed write ("Unknown error").
    const int fd = m_file->handle();
    while (size > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(std::min<qint64>(size, 1 << 30)));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) failed(n < 0 ? qt_error_string(errno) : QStringLiteral("Nothing written"));
        data += n;
        size -= n;
    }
}

void Output::commit()
{
    if (!m_atomic) {
        if (!m_file->flush()) failed(m_file->errorString());
        m_file->close();
        if (m_file->error() != QFileDevice::NoError) failed(m_file->errorString());
        return;
    }
    // The file system may report a full disk only when the data reach it: before the rename.
    if (::fsync(m_file->handle()) != 0) failed(qt_error_string(errno));
    auto* file = static_cast<QSaveFile*>(m_file.get());
    if (!file->commit()) failed(file->errorString());
}

Progress::Progress(qint64 total)
    : m_total(total), m_enabled(total > kProgressBytes && isatty(fileno(stderr)))
{}

Progress::~Progress()
{
    if (m_enabled) std::fputs("\r\033[K", stderr);
}

void Progress::update(qint64 done)
{
    if (!m_enabled) return;
    const int percent = static_cast<int>(100 * std::min(done, m_total) / m_total);
    if (percent == m_percent) return;
    m_percent = percent;
    const int filled = percent * 40 / 100;
    std::fprintf(stderr, "\r[%.*s%.*s] %3d%%", filled, "########################################",
                 40 - filled, "                                        ", percent);
    std::fflush(stderr);
}

} // namespace tcutil
