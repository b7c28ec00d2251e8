#pragma once

/// \file
/// Reading and writing whole files: Unicode text through Qt, raw bytes through the C runtime.

#include <tc/tcutils_export.h>

#include <QList>
#include <QString>

#include <string>

namespace TC {

// Text files. Content is decoded and encoded in the local 8-bit code page, as a Qt 5 QTextStream
// without a codec does, with a UTF-8, UTF-16 or UTF-32 byte-order mark at the start of a file
// taking precedence when reading (the mark is not part of the text). The local code page is Qt's
// locale codec under Qt 5; under Qt 6 the ANSI code page on Windows and the codeset of the C
// library's LC_CTYPE locale elsewhere (GBK after setlocale(LC_CTYPE, "zh_CN.GBK")), which also
// names the file, as it does for stdReadFile and stdWriteFile. Files are opened in text mode, so
// every CR is dropped when reading and lines end in "\n" within the program.
//
// With csv set, each line is passed through parserCsvLine before it is kept; a blank line stays a
// blank line. An empty path, a path holding U+0000, a directory, a FIFO or a socket cannot be
// opened.

/// Replaces content by the file's lines, each followed by "\n" (the last one too, whether or not
/// the file ends with a line end). False, with content empty, when the file cannot be opened.
TCUTILS_EXPORT bool QReadFile(const QString& path, QString& content, bool csv = false);

/// Appends the file's lines to lines, without line ends and with every '"' deleted (after
/// parserCsvLine when csv is set). False, with lines unchanged, when the file cannot be opened.
TCUTILS_EXPORT bool QReadFile(const QString& path, QList<QString>& lines, bool csv = false);

/// Creates or truncates the file and writes content in the local code page, without a byte-order
/// mark ("\n" becomes the platform's line end). False, touching no file, when it cannot be opened;
/// write errors after the opening are not detected.
TCUTILS_EXPORT bool QWriteFile(const QString& path, const QString& content);

// Byte files. path is UTF-8; it is converted with utils::safeUtf82Gbk, so these functions and
// the text functions above name the same file by the same text.

/// Replaces content by the file's bytes, unconverted. False, with content empty, when the file
/// cannot be read (utils::FileHelper::open decides).
TCUTILS_EXPORT bool stdReadFile(std::string path, std::string& content);

/// Opens the file with fopen(path, mode) and writes content's bytes. mode is one of the C
/// standard's: "r", "w" or "a", then optionally "+" and "b" in either order, then for "w" an
/// optional "x" ("wb", "ab", "w+b", "wbx", ...). True when every byte was written; false when
/// mode is not such a mode, the file cannot be opened (nothing written) or a write makes no
/// progress (the bytes written so far stay). Empty content only opens the file, so "wb" creates or
/// truncates it. A FIFO or socket is not opened.
TCUTILS_EXPORT bool stdWriteFile(std::string path, const std::string& content, std::string mode);

} // namespace TC
