#include <tc/parsing/textconversions.h>

#include <literal/samples.h>
#include <literal/textconversions.h>

#include "common/datatable.h"
#include "common/printers.h"

#include <gtest/gtest.h>

// tests/data/todbs.tsv, through the library and through the plain form.
TEST(ToDBS, TurnsFullWidthFormsIntoAscii)
{
    for (const testdata::Row& row : testdata::load("todbs.tsv")) {
        EXPECT_EQ(TC::ToDBS(row.fields.at(0)), row.fields.at(1)) << "todbs.tsv line " << row.line;
        EXPECT_EQ(TC::literal::ToDBS(row.fields.at(0)), row.fields.at(1));
    }
}

TEST(ToDBS, AgreesWithThePlainFormOnGeneratedText)
{
    const std::string text = TC::literal::gbkText(1 << 20, 2);
    EXPECT_EQ(TC::ToDBS(text), TC::literal::ToDBS(text));
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
    // Texts under 16 bytes take a path of their own: names, then every text of up to 8 of the
    // bytes that steer the rules, alone and after 7 plain bytes (up to 15 in all).
    for (const std::string& name : TC::literal::gbkNames(2000))
        ASSERT_EQ(TC::ToDBS(name), TC::literal::ToDBS(name));
    const char steering[] = {'\xA1', '\xA3', '\xB0', 'x'};
    for (int length = 0; length <= 8; ++length) {
        for (int code = 0; code < 1 << (2 * length); ++code) {
            std::string s;
            for (int i = 0; i < length; ++i)
                s += steering[(code >> (2 * i)) & 3];
            for (const std::string& t : {s, "1234567" + s})
                ASSERT_EQ(TC::ToDBS(t), TC::literal::ToDBS(t)) << code << ' ' << length;
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
