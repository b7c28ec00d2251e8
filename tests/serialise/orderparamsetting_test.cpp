#include <tc/serialise/orderparamsetting.h>

#include "common/printers.h"
#include "serialise_plain.h"

#include <gtest/gtest.h>

#include <climits>

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
    const std::string kDefault = "0||0|0|||0";
    const std::pair<std::string, std::string> cases[] = {
        // Fewer than 5 pieces: nothing is taken.
        {"", kDefault},
        {"1", kDefault},
        {"|||", kDefault},
        {"1|a|2|3", kDefault},
        // 5 or 6 pieces: the fields present.
        {"1|a|2|3|b", "1|a|2|3|b||0"},
        {"1|a|2|3|b|c", "1|a|2|3|b|c|0"},
        {"||||", kDefault},
        // 7 or more: seven fields, the rest ignored; any non-zero flag is true.
        {"2|a|1|2|b|d|3", "1|a|1|2|b|d|3"},
        {"-1|a|1|2|b|d|3|9|x||", "1|a|1|2|b|d|3"},
        {"x|a|1|2|b|d|3", "0|a|1|2|b|d|3"},
        {"||||||||||||", kDefault},
        {"1|a|b|1|2|c|d|3", "1|a|0|1|2|c|0"}, // a text that held the separator shifts the rest
        // Numbers as QString::toInt reads them: 0 unless a base-10 int, spaces and "+" allowed.
        {"1|a||x|b|d|", "1|a|0|0|b|d|0"},
        {"1|a|2147483648|-2147483649|b|d|99999999999", "1|a|0|0|b|d|0"},
        {"1|a|1 2|0x10|b|d|1e3", "1|a|0|0|b|d|0"},
        {"1|a|１２|--1|b|d|- 1", "1|a|0|0|b|d|0"},
        {" 1 |a| 7 |\t-8|b|d|+0009", "1|a|7|-8|b|d|9"},
        {"0|a|-2147483648|2147483647|b|d|-0", "0|a|-2147483648|2147483647|b|d|0"},
        {"0| 限价 |0|0| |\t|0", "0| 限价 |0|0| |\t|0"},
        // Bytes as the host decodes them; a byte-order mark is a character like any other.
        {"1|\xFF|2|3|b\xE4|c|4", "1|\xEF\xBF\xBD|2|3|b\xEF\xBF\xBD|c|4"},
        {std::string("1|a\0b|2|3|b|c|4", 15), std::string("1|a\0b|2|3|b|c|4", 15)},
        {"\xEF\xBB\xBF"
         "1|a|2|3|b|c|4",
         "0|a|2|3|b|c|4"},
        {"1|a|\xEF\xBB\xBF"
         "2|3|b|c|4",
         "1|a|0|3|b|c|4"}};
    for (const auto& [input, expected] : cases) {
        EXPECT_EQ(reread(input), expected) << input;
        EXPECT_EQ(line(plain::orderToStruct(input)), expected) << input;
    }
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
