#pragma once

// What the tcutil commands read and write: "-" for standard input and output, FIFOs and devices
// in place (never replaced), regular files written atomically; every failure a Failure with the
// system's reason.

#include <QFile>
#include <QString>

#include <memory>

class QFileDevice;

namespace tcutil {

// A file, FIFO or device opened for reading; "-" is standard input.
class Input
{
public:
    // Throws Failure(ExitBadInput), "cannot read NAME: reason", when it cannot be opened.
    explicit Input(const QString& path);
    QIODevice& device() { return m_file; }
    // The path as given, or "standard input".
    const QString& name() const { return m_name; }
    // The size of a regular file; -1 for anything else.
    qint64 size() const { return m_size; }
    // Throws the failure to read, with the reason given.
    [[noreturn]] void failed(const QString& reason) const;

private:
    QFile m_file;
    QString m_name;
    qint64 m_size = -1;
};

// Where a command's result goes: standard output for "-"; an existing FIFO, device, socket or
// terminal, written in place; otherwise a regular file, written to a temporary file beside it that
// replaces it on commit(), so it is whole or as it was.
class Output
{
public:
    // Throws Failure(ExitBadInput), "cannot write NAME: reason", when it cannot be opened.
    explicit Output(const QString& path);
    ~Output();
    // Throws Failure(ExitBadInput) with the system's reason when a write fails.
    void write(const char* data, qint64 size);
    void write(const QByteArray& bytes) { write(bytes.constData(), bytes.size()); }
    // Flushes and closes, putting a regular file in place; throws like write.
    void commit();
    // The path as given, or "standard output".
    const QString& name() const { return m_name; }

private:
    [[noreturn]] void failed(const QString& reason);

    std::unique_ptr<QFileDevice> m_file;
    QString m_name;
    bool m_atomic = false;
};

// A progress bar on stderr for inputs over 4 MiB, when stderr is a terminal.
class Progress
{
public:
    explicit Progress(qint64 total);
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;
    void update(qint64 done);

private:
    qint64 m_total;
    bool m_enabled;
    int m_percent = -1;
};

} // namespace tcutil
