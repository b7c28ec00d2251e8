#pragma once

/// \file
/// File-name conversion and whole-file reading of the host's utility library.

#include <tc/host/tchost_export.h>

#include <string>

namespace utils {

/// Converts text in place from UTF-8 to the 8-bit code page in which this process names files,
/// the local code page: under Qt 5 Qt's locale codec (QTextCodec::codecForLocale, which
/// QFile::encodeName uses); under Qt 6 the ANSI code page on Windows and the codeset of the C
/// library's LC_CTYPE locale elsewhere. A file named through fopen with the result is the file the
/// library's QReadFile and QWriteFile open under the same QString. That is GBK on a Chinese
/// Windows (and in a zh_CN.GBK locale under Qt 6, or with GBK as Qt 5's locale codec) and UTF-8 on
/// Linux, where text stays as it is. Returns 0 when text now holds the name in that code page; -1
/// and leaves text unchanged when it is not valid UTF-8 (or 2 GiB or longer); -2 and leaves it
/// unchanged when it holds a character the code page cannot represent.
TCHOST_EXPORT int safeUtf82Gbk(std::string& text);

/// The host's whole-file reader.
class TCHOST_EXPORT FileHelper
{
public:
    /// Empties content, then fills it with every byte of the file at path (in the file-name code
    /// page, see safeUtf82Gbk), in binary, in one go. False, with content empty, when the file
    /// cannot be opened or read: a missing file, a directory, a path holding a zero byte. Only
    /// regular files are read: a FIFO, socket or device gives false (opening one could wait, or
    /// never end).
    static bool open(std::string path, std::string& content);
};

} // namespace utils
