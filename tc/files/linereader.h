#pragma once

/// \file
/// Reading a text file one line at a time, in constant memory: the lines QReadFile returns, for
/// files of any size and for standard input.

#include <tc/tcutils_export.h>

#include <QString>

#include <memory>

class QIODevice;

namespace TC {

/// Decodes as QReadFile does: a UTF-8, UTF-16 or UTF-32 byte-order mark at the start chooses the
/// codec (the mark is not part of the text), else the local 8-bit code page (or the one set with
/// setCodec); every CR is dropped; lines end at "\n", the last one whether or not the file ends
/// with a line end. With csv set, each line is passed through parserCsvLine (quotes kept).
/// Memory stays within a block of 16 KiB and the longest line.
///
///     TC::LineReader reader(path, true);
///     QString line;
///     while (reader.readLine(line)) { ... }
///     if (!reader.errorString().isEmpty()) { ... }   // stopped by a read error
class TCUTILS_EXPORT LineReader
{
public:
    /// Opens the file at path. Paths QReadFile refuses (empty, holding U+0000, a directory, a FIFO
    /// or a socket) are not opened; isOpen() then says false and errorString() why.
    explicit LineReader(const QString& path, bool csv = false);
    /// Reads an open device the caller owns and keeps open for the reader's life (standard input,
    /// a pipe), from its current position.
    explicit LineReader(QIODevice* device, bool csv = false);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    /// Whether the file or device was opened for reading.
    bool isOpen() const;
    /// Replaces line by the next line, without its end. False, leaving line as it was, at the end
    /// of the file or when reading fails (errorString() is then not empty).
    bool readLine(QString& line);
    /// Why the file could not be opened or reading stopped, in the system's words ("No such file
    /// or directory", "Permission denied"); empty when neither happened.
    QString errorString() const;
    /// Bytes taken from the file so far; reading runs up to one block ahead of the lines returned.
    qint64 position() const;
    /// The file's size in bytes; -1 for a device without one (a pipe) or a file not open.
    qint64 size() const;
    /// The code page of a file without a byte-order mark, by name ("GBK", "UTF-8"), in place of
    /// the local one; an empty name, or one Qt does not know, restores the local one. Takes effect
    /// only before the first readLine.
    void setCodec(const QByteArray& name);

private:
    friend class LineReaderAccess;
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace TC
