#include <tc/serialise/orderparamsetting.h>

#include "common/printers.h"
#include "generators.h"
#include "serialise_plain.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>

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

::testing::AssertionResult same(const COrderParamSetting& a, const COrderParamSetting& b)
{
    if (a.flag == b.flag && a.text1 == b.text1 && a.number1 == b.number1 &&
        a.number2 == b.number2 && a.text2 == b.text2 && a.text3 == b.text3 &&
        a.number3 == b.number3)
        return ::testing::AssertionSuccess();
    COrderParamSetting x = a, y = b;
    return ::testing::AssertionFailure()
           << COrderParamSetting::toString(x) << " vs " << COrderParamSetting::toString(y);
}

std::string write(COrderParamSetting s)
{
    return COrderParamSetting::toString(s);
}

COrderParamSetting read(std::string line)
{
    return COrderParamSetting::toStruct(line);
}

} // namespace

TEST(OrderParamSetting, WritesTheExactLine)
{
    EXPECT_EQ(write(COrderParamSetting()), "0||0|0|||0");
    EXPECT_EQ(write(setting(true, "限价委托", -5, 0, "SH", "600000", INT_MAX)),
              "1|限价委托|-5|0|SH|600000|2147483647");
    EXPECT_EQ(write(setting(false, " a ", INT_MIN, 100, "", "浦发 银行", -0)),
              "0| a |-2147483648|100||浦发 银行|0");

    // Bytes that are not UTF-8 are written as the host decoder reads them.
    EXPECT_EQ(write(setting(false, "a\xFF", 0, 0, "\xE4\xB8", "", 0)),
              "0|a\xEF\xBF\xBD|0|0|\xEF\xBF\xBD\xEF\xBF\xBD||0");
}

TEST(OrderParamSetting, ReadsLinesOfSevenOrMorePieces)
{
    EXPECT_TRUE(same(read("0||0|0|||0"), COrderParamSetting()));
    EXPECT_TRUE(same(read("2|a|1|2|b|d|3"), setting(true, "a", 1, 2, "b", "d", 3)));
    EXPECT_TRUE(same(read("-1|a|1|2|b|d|3"), setting(true, "a", 1, 2, "b", "d", 3)));
    EXPECT_TRUE(same(read("x|a|1|2|b|d|3"), setting(false, "a", 1, 2, "b", "d", 3)));
    EXPECT_TRUE(same(read("1|a||x|b|d|"), setting(true, "a", 0, 0, "b", "d", 0)));
    EXPECT_TRUE(same(read("1|a|1|2|b|d|3|9|more|||"), setting(true, "a", 1, 2, "b", "d", 3)));
    EXPECT_TRUE(same(read("||||||"), COrderParamSetting()));
    EXPECT_TRUE(same(read("||||||||||||"), COrderParamSetting()));
}

TEST(OrderParamSetting, ReadsNumbersAsQtDoes)
{
    // Beyond int, not base 10, or not a number at all: 0.
    EXPECT_TRUE(same(read("1|a|2147483648|-2147483649|b|d|99999999999"),
                     setting(true, "a", 0, 0, "b", "d", 0)));
    EXPECT_TRUE(same(read("1|a|1 2|0x10|b|d|1e3"), setting(true, "a", 0, 0, "b", "d", 0)));
    EXPECT_TRUE(same(read("1|a|１２|--1|b|d|- 1"), setting(true, "a", 0, 0, "b", "d", 0)));
    // Surrounding whitespace, a plus sign and leading zeros are accepted, as QString::toInt does.
    EXPECT_TRUE(same(read(" 1 |a| 7 |\t-8|b|d|+0009"), setting(true, "a", 7, -8, "b", "d", 9)));
    EXPECT_TRUE(same(read("0|a|-2147483648|2147483647|b|d|-0"),
                     setting(false, "a", INT_MIN, INT_MAX, "b", "d", 0)));
    // Texts are taken as they are, spaces and all.
    EXPECT_TRUE(same(read("0| 限价 |0|0| |\t|0"), setting(false, " 限价 ", 0, 0, " ", "\t", 0)));
}

TEST(OrderParamSetting, ShortLinesGiveTheDefaultOrTheFieldsPresent)
{
    for (const char* line : {"", "1", "|", "|||", "1|a|2|3", "1|a|2|"})
        EXPECT_TRUE(same(read(line), COrderParamSetting())) << line;

    // Five or six pieces: the fields whose pieces are there, the rest at their defaults.
    EXPECT_TRUE(same(read("1|a|2|3|b"), setting(true, "a", 2, 3, "b", "", 0)));
    EXPECT_TRUE(same(read("1|a|2|3|b|c"), setting(true, "a", 2, 3, "b", "c", 0)));
    EXPECT_TRUE(same(read("||||"), COrderParamSetting()));
}

TEST(OrderParamSetting, ATextWithTheSeparatorShiftsTheLaterFields)
{
    const std::string line = write(setting(true, "a|b", 1, 2, "c", "d", 3));
    EXPECT_EQ(line, "1|a|b|1|2|c|d|3");
    EXPECT_TRUE(same(read(line), setting(true, "a", 0, 1, "2", "c", 0)));
}

TEST(OrderParamSetting, BadBytesAreReadAsTheHostDecodesThem)
{
    EXPECT_TRUE(same(read("1|\xFF|2|3|b\xE4|c|4"),
                     setting(true, "\xEF\xBF\xBD", 2, 3, "b\xEF\xBF\xBD", "c", 4)));
    const std::string withNul("1|a\0b|2|3|b|c|4", 15);
    EXPECT_TRUE(same(read(withNul), setting(true, std::string("a\0b", 3), 2, 3, "b", "c", 4)));
    // A leading byte-order mark is part of the flag piece, which is then not a number.
    EXPECT_TRUE(same(read("\xEF\xBB\xBF"
                          "1|a|2|3|b|c|4"),
                     setting(false, "a", 2, 3, "b", "c", 4)));
    EXPECT_TRUE(same(read("1|a|\xEF\xBB\xBF"
                          "2|3|b|c|4"),
                     setting(true, "a", 0, 3, "b", "c", 4)));
}

TEST(OrderParamSetting, EveryRecordWithoutTheSeparatorComesBack)
{
    std::mt19937 rng(20240521);
    for (int i = 0; i < 20000; ++i) {
        const QStringList& pool = gen::textPool();
        COrderParamSetting s =
            setting(rng() % 2, gen::utf8(gen::text(rng, pool, 6)), gen::number(rng),
                    gen::number(rng), gen::utf8(gen::text(rng, pool, 6)),
                    gen::utf8(gen::text(rng, pool, 6)), gen::number(rng));
        std::string line = COrderParamSetting::toString(s);
        ASSERT_EQ(line, plain::orderToString(s));
        ASSERT_TRUE(same(COrderParamSetting::toStruct(line), s)) << line;
        ASSERT_TRUE(same(plain::orderToStruct(line), s)) << line;
    }
}

TEST(OrderParamSetting, AgreesWithTheSplitJoinFormOnHostileInput)
{
    std::mt19937 rng(99);
    const unsigned char badBytes[] = {0xFF, 0x80, 0xE4, 0xED, 0xEF, 0xBB, 0xBF, 0xF4};
    for (int i = 0; i < 20000; ++i) {
        std::string line = gen::utf8(gen::line(rng, QStringLiteral("|")));
        if (rng() % 4 == 0 && !line.empty())
            line[rng() % line.size()] = static_cast<char>(badBytes[rng() % sizeof(badBytes)]);
        ASSERT_TRUE(same(COrderParamSetting::toStruct(line), plain::orderToStruct(line)))
            << QByteArray::fromStdString(line).toHex().toStdString();

        COrderParamSetting s = setting(false, line, 0, 0, line.substr(0, line.size() / 2), "", 1);
        ASSERT_EQ(COrderParamSetting::toString(s), plain::orderToString(s));
    }
}

TEST(OrderParamSetting, MovingEmptiesTheSourceTextsAndKeepsItsNumbers)
{
    COrderParamSetting src =
        setting(true, "a long text that does not fit inline", 1, 2, "b", "c", 3);
    const COrderParamSetting copy = src;
    EXPECT_TRUE(same(copy, src));

    COrderParamSetting moved(std::move(src));
    EXPECT_TRUE(same(moved, copy));
    // NOLINTBEGIN(bugprone-use-after-move)
    EXPECT_TRUE(same(src, setting(true, "", 1, 2, "", "", 3)));

    COrderParamSetting target = setting(false, "old", 9, 9, "old", "old", 9);
    target = std::move(moved);
    EXPECT_TRUE(same(target, copy));
    EXPECT_TRUE(same(moved, setting(true, "", 1, 2, "", "", 3)));
    // NOLINTEND(bugprone-use-after-move)

    COrderParamSetting& alias = target;
    target = alias;
    EXPECT_TRUE(same(target, copy));
    target = std::move(alias);
    EXPECT_TRUE(same(target, copy));
}
