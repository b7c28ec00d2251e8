#include <tc/host/filehelper.h>

#include <tc/parsing/codepage_p.h>

#include <QByteArray>
#include <QString>

#include <climits>
#include <cstdio>
#include <memory>

#ifndef _WIN32
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace utils {

namespace {

#ifndef _WIN32
class FileDescriptor
{
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0) ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// Reads fd to its end into content, which holds one byte more than the reported size on entry, so
// that a file of that size ends on the second read.
bool readToEnd(int fd, std::string& content)
{
    size_t filled = 0;
    for (;;) {
        if (filled == content.size()) content.resize(content.size() * 2);
        const ssize_t n = ::read(fd, &content[filled], content.size() - filled);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) break;
        filled += static_cast<size_t>(n);
    }
    content.resize(filled);
    return true;
}
#endif

// Replaces content by the bytes of the file at path. content is not emptied first: a string that
// already holds as many bytes as the file is overwritten without being cleared or grown.
bool readWhole(const std::string& path, std::string& content)
{
    if (path.find('\0') != std::string::npos) return false;
#ifndef _WIN32
    // O_NONBLOCK: opening a FIFO must not wait for a writer; it is refused below anyway.
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) return false;
    struct stat info;
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    content.resize(static_cast<size_t>(info.st_size) + 1);
    return readToEnd(fd.get(), content);
#else
    struct CloseFile
    {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    const std::unique_ptr<std::FILE, CloseFile> file(std::fopen(path.c_str(), "rb"));
    if (!file) return false;
    content.clear();
    char buffer[65536];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        content.append(buffer, n);
    return std::ferror(file.get()) == 0;
#endif
}

} // namespace

int safeUtf82Gbk(std::string& text)
{
    if (text.size() >= static_cast<size_t>(INT_MAX)) return -1;
    bool ok = false;
    const QString name = detail::fromUtf8Strictly(text.data(), qsizetype(text.size()), ok);
    if (!ok) return -1;
    const QByteArray converted = detail::toLocal8Bit(name, &ok);
    if (!ok) return -2;
    text.assign(converted.constData(), static_cast<size_t>(converted.size()));
    return 0;
}

bool FileHelper::open(std::string path, std::string& content)
{
    if (readWhole(path, content)) return true;
    content.clear();
    return false;
}

} // namespace utils
