#include "io.h"

#include "command.h"

#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

// Flushing to the disk and telling a terminal apart have no portable form.
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace tcutil {
namespace {

const QString kStdio = QStringLiteral("-");

// Files above this size get a progress bar when stderr is a terminal.
constexpr qint64 kProgressBytes = 4 * 1024 * 1024;

namespace fs = std::filesystem;

// What kind of file path names: false with the system's reason when it cannot tell.
bool statPath(const QString& path, fs::file_type& type, QString& reason)
{
    if (path.isEmpty() || path.contains(QChar(0))) {
        reason = QStringLiteral("No such file or directory");
        return false;
    }
#ifdef _WIN32
    const fs::path native(path.toStdWString());
#else
    const fs::path native(QFile::encodeName(path).toStdString());
#endif
    std::error_code error;
    type = fs::status(native, error).type();
    if (!error && type != fs::file_type::not_found) return true;
    reason = error ? QString::fromLocal8Bit(error.message().c_str())
                   : QStringLiteral("No such file or directory");
    return false;
}

bool syncToDisk(int handle)
{
#ifdef _WIN32
    return _commit(handle) == 0;
#else
    return ::fsync(handle) == 0;
#endif
}

bool isTerminal(std::FILE* stream)
{
#ifdef _WIN32
    return _isatty(_fileno(stream)) != 0;
#else
    return isatty(fileno(stream)) != 0;
#endif
}

} // namespace

Input::Input(const QString& path)
{
    if (path == kStdio) {
        m_name = QStringLiteral("standard input");
        if (!m_file.open(stdin, QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
            failed(m_file.errorString());
        return;
    }
    m_name = path;
    fs::file_type type;
    QString reason;
    if (!statPath(path, type, reason)) failed(reason);
    if (type == fs::file_type::directory) failed(QStringLiteral("Is a directory"));
    if (type == fs::file_type::socket) failed(QStringLiteral("Not a regular file (a socket)"));
    // A FIFO or a device is read in place: opening a FIFO waits for its writer.
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly)) failed(m_file.errorString());
    if (type == fs::file_type::regular) m_size = m_file.size();
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
        if (!file->open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered,
                        QFileDevice::DontCloseHandle))
            failed(file->errorString());
        m_file = std::move(file);
        return;
    }
    m_name = path;
    fs::file_type type;
    QString reason;
    const bool exists = statPath(path, type, reason);
    if (exists && type == fs::file_type::directory) failed(QStringLiteral("Is a directory"));
    if (exists && type != fs::file_type::regular) {
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
    // The reason is taken at once: QSaveFile forgets it on commit ("Unknown error").
    while (size > 0) {
        const qint64 n = m_file->write(data, std::min<qint64>(size, 1 << 30));
        if (n <= 0) failed(n < 0 ? m_file->errorString() : QStringLiteral("Nothing written"));
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
    if (!syncToDisk(m_file->handle())) failed(qt_error_string(errno));
    auto* file = static_cast<QSaveFile*>(m_file.get());
    if (!file->commit()) failed(file->errorString());
}

Progress::Progress(qint64 total)
    : m_total(total), m_enabled(total > kProgressBytes && isTerminal(stderr))
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
