#include <tc/host/filehelper.h>

#include "common/codepageguard.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

TEST(SafeUtf82Gbk, ConvertsToTheCodePageOfFileNames)
{
    const std::string utf8 = "D:/数据/行情.csv"; // this source file is UTF-8
    CodePageGuard gbk("zh_CN.GBK");
    ASSERT_TRUE(gbk.ok());
    std::string name = utf8;
    EXPECT_EQ(utils::safeUtf82Gbk(name), 0);
    EXPECT_EQ(name, "D:/\xca\xfd\xbe\xdd/\xd0\xd0\xc7\xe9.csv");
    // Not UTF-8 (GBK already, a cut sequence, an encoded surrogate), or not in GBK: unchanged.
    for (const std::string& bad : {std::string("\xca\xfd"), std::string("a\xe6\x95"),
                                   std::string("\xed\xa0\x80"), std::string("\xf0\x9f\x98\x80")}) {
        name = bad;
        EXPECT_EQ(utils::safeUtf82Gbk(name), bad.size() == 4 ? -2 : -1) << bad;
        EXPECT_EQ(name, bad);
    }
    CodePageGuard utf("C.UTF-8");
    ASSERT_TRUE(utf.ok());
    name = utf8;
    EXPECT_EQ(utils::safeUtf82Gbk(name), 0);
    EXPECT_EQ(name, utf8);
}

TEST(FileHelper, ReadsEveryByteOfRegularFilesOnly)
{
    QTemporaryDir dir;
    const std::string bytes("a\r\nb\0\xff\xfe\r", 9);
    const QString path = dir.filePath("raw.bin");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    f.close();
    std::string content = "old";
    EXPECT_TRUE(utils::FileHelper::open(path.toStdString(), content));
    EXPECT_EQ(content, bytes);
    // A size of 0 reported for a file that holds bytes.
    EXPECT_TRUE(utils::FileHelper::open("/proc/self/status", content));
    EXPECT_NE(content.find("Name:"), std::string::npos);

    // A FIFO is refused without waiting for a writer; /proc/self/mem opens but cannot be read at
    // its start (tests run as root, for whom no permission bit makes a file unreadable).
    const std::string fifo = dir.filePath("fifo").toStdString();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& bad : {fifo, std::string("/proc/self/mem"), dir.path().toStdString()}) {
        content = "old";
        EXPECT_FALSE(utils::FileHelper::open(bad, content)) << bad;
        EXPECT_EQ(content, "");
    }
}
