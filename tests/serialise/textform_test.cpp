#include <tc/serialise/textform_p.h>

#include <gtest/gtest.h>

#include <QString>

#include <random>
#include <string>

TEST(TextForm, LosslessUtf8IsExactlyWhatSurvivesQtsDecoder)
{
    const auto qtKeeps = [](const std::string& b) {
        const QByteArray bytes = QByteArray::fromStdString(b);
        return QString::fromUtf8(bytes.constData(), bytes.size()).toUtf8() == bytes;
    };
    const std::string cases[] = {"",
                                 "浦发",
                                 "\xF4\x8F\xBF\xBF",
                                 "\xEF\xBF\xBF",
                                 "a\xEF\xBB\xBF",
                                 "\xEF\xBB\xBF"
                                 "a",
                                 "\xC0\x80",
                                 "\xE0\x9F\xBF",
                                 "\xED\xA0\x80",
                                 "\xF0\x8F\xBF\xBF",
                                 "\xF4\x90\x80\x80",
                                 "\xF5\x80\x80\x80",
                                 "abcdefg\xE4",
                                 std::string("\0\x80", 2)};
    for (const std::string& c : cases)
        EXPECT_EQ(TC::textform::isLosslessUtf8(c.data(), c.size()), qtKeeps(c)) << c;

    std::mt19937 rng(7);
    const unsigned char bytes[] = {'a',  0x80, 0x9F, 0xA0, 0xBF, 0xC2, 0xDF, 0xE0, 0xE4,
                                   0xED, 0xEF, 0xBB, 0xF0, 0xF4, 0xF5, 0x90, 0x8F, 0x00};
    for (int i = 0; i < 20000; ++i) {
        std::string s(rng() % 12, '\0');
        for (char& ch : s)
            ch = static_cast<char>(bytes[rng() % sizeof(bytes)]);
        ASSERT_EQ(TC::textform::isLosslessUtf8(s.data(), s.size()), qtKeeps(s))
            << QByteArray::fromStdString(s).toHex().toStdString();
    }
}
