#include <tc/serialise/textform_p.h>

#include <gtest/gtest.h>

#include <QString>

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

}
