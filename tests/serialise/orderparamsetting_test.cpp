#include <tc/serialise/orderparamsetting.h>

#include "common/datatable.h"

#include <gtest/gtest.h>

#include <climits>

using namespace TC;

namespace {
// Records compare through their written form, which holds every field.
std::string line(COrderParamSetting s)
{
    return COrderParamSetting::toString(s);
}

COrderParamSetting read(std::string text)
{
    return COrderParamSetting::toStruct(text);
}
} // namespace

// Each line of tests/data/orderparamsetting.tsv read, then written: numbers, flags and texts.
TEST(OrderParamSetting, ReadsEveryLineAsDefined)
{
    for (const testdata::Row& row : testdata::load("orderparamsetting.tsv"))
        EXPECT_EQ(line(read(row.fields.at(0))), row.fields.at(1))
            << "orderparamsetting.tsv line " << row.line;
}

TEST(OrderParamSetting, WritesTextsUnescapedAndAsTheHostDecodesThem)
{
    COrderParamSetting s;
    EXPECT_EQ(line(s), "0||0|0|||0");
    s.text2 = "a|b";
    EXPECT_EQ(line(s), "0||0|0|a|b||0");
    s.text1 = "a\xFF";
    s.text2 = "\xE4\xB8";
    EXPECT_EQ(line(s), "0|a\xEF\xBF\xBD|0|0|\xEF\xBF\xBD\xEF\xBF\xBD||0");
}

TEST(OrderParamSetting, MovingEmptiesTheSourceTextsAndKeepsItsNumbers)
{
    const std::string written = "1|a text too long to be stored inline|1|2|b|c|3";
    COrderParamSetting src = read(written);
    COrderParamSetting moved(std::move(src));
    EXPECT_EQ(line(moved), written);
    EXPECT_EQ(line(src), "1||1|2|||3"); // NOLINT(bugprone-use-after-move)

    COrderParamSetting target = read("0|old|9|9|old|old|9");
    target = std::move(moved);
    EXPECT_EQ(line(moved), "1||1|2|||3"); // NOLINT(bugprone-use-after-move)

    COrderParamSetting& alias = target;
    target = alias;
    target = std::move(alias);
    EXPECT_EQ(line(target), written);
}
