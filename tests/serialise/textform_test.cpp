#include <tc/serialise/textform_p.h>

#include "common/printers.h"

#include <gtest/gtest.h>

#include <QString>

#include <random>
#include <string>

using namespace TC;

namespace {
bool qtRoundTrips(const std::string& bytes)
{
    const QByteArray back =
        QString::fromUtf8(bytes.data(), static_cast<int>(bytes.size())).toUtf8();
    return back == QByteArray(bytes.data(), static_cast<int>(bytes.size()));
}
} // namespace

TEST(TextForm, LosslessUtf8IsExactlyWhatQtGivesBack)
{
    const std::string cases[] = {"",
                                 "SH600000",
                                 "浦发银行",
                                 "\xF0\x9F\x98\x80",
                                 "\xF4\x8F\xBF\xBF",
                                 "\xEF\xBF\xBF",
                                 std::string("a\0b", 3),
                                 "a\xEF\xBB\xBF",
                                 "\xEF\xBB\xBF",
                                 "\xEF\xBB\xBF"
                                 "abc",
                                 "\xC0\x80",
                                 "\xC1\xBF",
                                 "\xE0\x9F\xBF",
                                 "\xED\xA0\x80",
                                 "\xED\x9F\xBF",
                                 "\xF0\x8F\xBF\xBF",
                                 "\xF4\x90\x80\x80",
                                 "\xF5\x80\x80\x80",
                                 "\xFF",
                                 "\x80",
                                 "\xE4\xB8",
                                 "\xE4|\xB8",
                                 "abcdefg\xE4"};
    for (const std::string& c : cases)
        EXPECT_EQ(textform::isLosslessUtf8(c.data(), c.size()), qtRoundTrips(c))
            << QByteArray::fromStdString(c).toHex().toStdString();

    // Random bytes biased towards UTF-8 lead and tail bytes.
    std::mt19937 rng(7);
    const unsigned char bytes[] = {'a',  '|',  '_',  0x80, 0x9F, 0xA0, 0xBF, 0xC2, 0xDF, 0xE0,
                                   0xE4, 0xED, 0xEF, 0xBB, 0xF0, 0xF4, 0xF5, 0x90, 0x8F, 0x00};
    for (int i = 0; i < 20000; ++i) {
        std::string s(rng() % 12, '\0');
        for (char& ch : s)
            ch = static_cast<char>(bytes[rng() % sizeof(bytes)]);
        ASSERT_EQ(textform::isLosslessUtf8(s.data(), s.size()), qtRoundTrips(s))
            << QByteArray::fromStdString(s).toHex().toStdString();
    }
}

TEST(TextForm, PlainDecimalsReadAsQStringToIntAndTheRestIsLeftToIt)
{
    const char* accepted[] = {"0",          "-0",          "7",          "-7",         "007",
                              "2147483647", "-2147483648", "0000000001", "-1000000000"};
    for (const char* c : accepted) {
        const QString s = QString::fromLatin1(c);
        int v = 12345;
        ASSERT_TRUE(textform::readPlainDecimal(s.utf16(), std::size_t(s.size()), v)) << c;
        EXPECT_EQ(v, s.toInt()) << c;
        const std::string b(c);
        ASSERT_TRUE(textform::readPlainDecimal(reinterpret_cast<const unsigned char*>(b.data()),
                                               b.size(), v));
        EXPECT_EQ(v, s.toInt()) << c;
    }
    const char* deferred[] = {"",           "-",           "+1",          " 1",  "1 ",
                              "2147483648", "-2147483649", "00000000001", "1e3", "0x1",
                              "1-",         "--1",         "１"};
    for (const char* c : deferred) {
        const QString s = QString::fromUtf8(c);
        int v = 12345;
        EXPECT_FALSE(textform::readPlainDecimal(s.utf16(), std::size_t(s.size()), v)) << c;
        EXPECT_EQ(v, 12345);
    }

    char buf[textform::kMaxDecimal];
    for (int v : {0, -1, 42, INT_MIN, INT_MAX})
        EXPECT_EQ(QString::fromLatin1(buf, textform::writeDecimal(v, buf)), QString::number(v));
}
