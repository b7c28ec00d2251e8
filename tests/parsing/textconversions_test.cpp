#include <tc/parsing/textconversions.h>

#include <literal/samples.h>
#include <literal/textconversions.h>

#include "common/printers.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::string bytes(std::initializer_list<int> values)
{
    std::string s;
    for (const int v : values)
        s += static_cast<char>(v);
    return s;
}

} // namespace

TEST(ToDBS, TurnsFullWidthFormsIntoAscii)
{
    const std::pair<std::string, std::string> rows[] = {
        {bytes({0xA3, 0xC1, 0xA3, 0xC2, 0xA3, 0xC3, 0xA3, 0xB1, 0xA3, 0xB2, 0xA3, 0xB3}), "ABC123"},
        {bytes({0xA3, 0xA1}), "!"},
        {bytes({0xA3, 0xA4, 0xA3, 0xFE}), "$~"},
        {bytes({0xD6, 0xD0, 0xCE, 0xC4, 0xA3, 0xC1}), bytes({0xD6, 0xD0, 0xCE, 0xC4, 0x41})},
        {bytes({0x61, 0xA1, 0xA1, 0x62}), "ab"},
        {bytes({0xA1, 0xA2}), bytes({0xA1, 0xA2})},
        {bytes({0xA1, 0xA3, 0xA3, 0xC1}), bytes({0xA1, 0x23, 0xC1})},
        {bytes({0xA1, 0xA3, 0xD6, 0xD0}), bytes({0xA1, 0x56, 0xD0})},
        {bytes({0xA3}), bytes({0x80})},
        {bytes({0x61, 0xB0}), bytes({0x61, 0xB0})},
        {"Hello", "Hello"},
        {"", ""},
        // A Chinese character's trail byte 0xA3 or 0xA1 is never read as a lead byte.
        {bytes({0xB0, 0xA3, 0xB0, 0xA1, 0x41}), bytes({0xB0, 0xA3, 0xB0, 0xA1, 0x41})},
        {bytes({0xA3, 0x00, 0x41}), bytes({0x80, 0x41})},
    };
    for (const auto& [input, output] : rows) {
        EXPECT_EQ(TC::ToDBS(input), output);
        EXPECT_EQ(TC::literal::ToDBS(input), output);
    }
}

TEST(ToDBS, AgreesWithThePlainFormOnGeneratedText)
{
    const std::string text = TC::literal::gbkText(1 << 20, 2);
    EXPECT_EQ(TC::ToDBS(text), TC::literal::ToDBS(text));
    std::mt19937 rng(31);
    const unsigned char alphabet[] = {0x00, 0x41, 0x80, 0x81, 0xA0, 0xA1, 0xA1, 0xA2,
                                      0xA3, 0xA3, 0xA4, 0xB0, 0xC1, 0xFE, 0xFF};
    for (int i = 0; i < 20000; ++i) {
        // Lengths on both sides of the 64-byte blocks the conversion works in.
        std::string s;
        for (int k = static_cast<int>(rng() % (i % 2 ? 10 : 300)); k > 0; --k)
            s += static_cast<char>(alphabet[rng() % sizeof alphabet]);
        ASSERT_EQ(TC::ToDBS(s), TC::literal::ToDBS(s));
    }
    // Long runs of one lead byte: which bytes begin a character alternates along the run.
    for (const int fill : {0xA1, 0xA3, 0xB0}) {
        for (int length = 60; length < 200; ++length) {
            for (const char* tail : {"", "A", "\xA1", "\xA3"}) {
                const std::string s =
                    "x" + std::string(static_cast<size_t>(length), static_cast<char>(fill)) + tail;
                ASSERT_EQ(TC::ToDBS(s), TC::literal::ToDBS(s)) << fill << ' ' << length;
            }
        }
    }
}

TEST(ToStdVec, ReplacesTheTargetWithUtf8Strings)
{
    std::vector<std::string> target{"old", "older"};
    TC::toStdVec({}, target);
    EXPECT_TRUE(target.empty());

    target = {"a", "b", "c"};
    TC::toStdVec({QString(QChar(0x4E2D))}, target);
    EXPECT_EQ(target, std::vector<std::string>{"\xE4\xB8\xAD"});

    const QString withZero = QStringLiteral("ab") + QChar(0) + QStringLiteral("cd");
    TC::toStdVec({withZero, QString(), QStringLiteral("x")}, target);
    EXPECT_EQ(target, (std::vector<std::string>{"ab", "", "x"}));
}
