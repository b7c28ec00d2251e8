#include <tc/serialise/orderparamsetting.h>

#include "common/datatable.h"
#include "common/printers.h"

#include <gtest/gtest.h>

using namespace TC;

namespace {
COrderParamSetting setting(bool flag, std::string t1, int n1, int n2, std::string t2,
                           std::string t3, int n3)
{
    COrderParamSetting s;
    s.flag = flag;
    s.text1 = std::move(t1);
    s.number1 = n1;
    s.number2 = n2;
    s.text2 = std::move(t2);
    s.text3 = std::move(t3);
    s.number3 = n3;
    return s;
}

// Records compare through their written form, which holds every field.
std::string line(COrderParamSetting s)
{
    return COrderParamSetting::toString(s);
}

std::string reread(std::string text)
{
    return line(COrderParamSetting::toStruct(text));
}
} // namespace

TEST(OrderParamSetting, WritesTheExactLine)
{
    EXPECT_EQ(line(COrderParamSetting()), "0||0|0|||0");
    EXPECT_EQ(line(setting(true, "限价", -5, 0, "SH", "", INT_MAX)), "1|限价|-5|0|SH||2147483647");
    EXPECT_EQ(line(setting(false, " a ", INT_MIN, 1, "a|b", "", 0)), "0| a |-2147483648|1|a|b||0");
    // Bytes that are not UTF-8 are written as the host decoder reads them.
    EXPECT_EQ(line(setting(false, "a\xFF", 0, 0, "\xE4\xB8", "", 0)),
              "0|a\xEF\xBF\xBD|0|0|\xEF\xBF\xBD\xEF\xBF\xBD||0");
}

TEST(OrderParamSetting, ReadsEveryLineAsDefined)
{
    for (const testdata::Row& row : testdata::load("orderparamsetting.tsv"))
        EXPECT_EQ(reread(row.fields.at(0)), row.fields.at(1))
            << "orderparamsetting.tsv line " << row.line;
}

TEST(OrderParamSetting, MovingEmptiesTheSourceTextsAndKeepsItsNumbers)
{
    COrderParamSetting src =
        setting(true, "a text too long to be stored inline", 1, 2, "b", "c", 3);
    const std::string written = line(src);
    COrderParamSetting moved(std::move(src));
    EXPECT_EQ(line(moved), written);
    EXPECT_EQ(line(src), "1||1|2|||3"); // NOLINT(bugprone-use-after-move)

    COrderParamSetting target = setting(false, "old", 9, 9, "old", "old", 9);
    target = std::move(moved);
    EXPECT_EQ(line(moved), "1||1|2|||3"); // NOLINT(bugprone-use-after-move)

    COrderParamSetting& alias = target;
    target = alias;
    target = std::move(alias);
    EXPECT_EQ(line(target), written);
}
