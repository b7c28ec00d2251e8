#include <tc/host/filehelper.h>

#include "common/codecguard.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

std::string bytesOf(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray b = f.readAll();
    return std::string(b.constData(), static_cast<size_t>(b.size()));
}

} // namespace

TEST(SafeUtf82Gbk, ConvertsToTheCodePageOfFileNames)
{
    const std::string utf8 = "D:/数据/行情.csv"; // this source file is UTF-8
    {
        CodecGuard gbk("GBK");
        std::string name = utf8;
        EXPECT_EQ(utils::safeUtf82Gbk(name), 0);
        EXPECT_EQ(name, "D:/\xca\xfd\xbe\xdd/\xd0\xd0\xc7\xe9.csv");
        // Not UTF-8: a lone GBK text, a cut sequence, an encoded surrogate. Left as they are.
        for (std::string bad : {std::string("\xca\xfd\xbe\xdd"), std::string("a\xe6\x95"),
                                std::string("\xed\xa0\x80")}) {
            const std::string before = bad;
            EXPECT_EQ(utils::safeUtf82Gbk(bad), -1);
            EXPECT_EQ(bad, before);
        }
        std::string emoji = "\xf0\x9f\x98\x80.txt"; // no GBK form
        EXPECT_EQ(utils::safeUtf82Gbk(emoji), -2);
        EXPECT_EQ(emoji, "\xf0\x9f\x98\x80.txt");
        std::string empty;
        EXPECT_EQ(utils::safeUtf82Gbk(empty), 0);
        EXPECT_EQ(empty, "");
    }
    CodecGuard utf("UTF-8");
    std::string name = utf8;
    EXPECT_EQ(utils::safeUtf82Gbk(name), 0);
    EXPECT_EQ(name, utf8);
    std::string bad = "\xca\xfd";
    EXPECT_EQ(utils::safeUtf82Gbk(bad), -1);
}

TEST(FileHelper, ReadsEveryByteOfRegularFilesOnly)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string bytes("a\r\nb\0\xff\xfe\r", 9);
    const QString path = dir.filePath("raw.bin");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    std::string content = "old";
    EXPECT_TRUE(utils::FileHelper::open(path.toStdString(), content));
    EXPECT_EQ(content, bytes);
    EXPECT_EQ(content, bytesOf(path));

    QFile(dir.filePath("empty")).open(QIODevice::WriteOnly);
    content = "old";
    EXPECT_TRUE(utils::FileHelper::open(dir.filePath("empty").toStdString(), content));
    EXPECT_EQ(content, "");

    // Files whose size the system reports as 0 are read to their end.
    if (QFile::exists("/proc/self/status")) {
        EXPECT_TRUE(utils::FileHelper::open("/proc/self/status", content));
        EXPECT_NE(content.find("Name:"), std::string::npos);
    }

    const std::string fifo = dir.filePath("fifo").toStdString();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    // Opens that fail, and /proc/self/mem, which opens but cannot be read at its start (tests
    // run as root, for whom no permission bit makes a file unreadable).
    for (const std::string& bad : {dir.filePath("missing").toStdString(), dir.path().toStdString(),
                                   fifo, path.toStdString() + "/x", std::string("raw\0.bin", 8),
                                   std::string(), std::string("/proc/self/mem")}) {
        content = "old";
        EXPECT_FALSE(utils::FileHelper::open(bad, content)) << bad;
        EXPECT_EQ(content, "") << bad;
    }
}
