#include <tc/host/pinyin.h>
#include <tc/parsing/codepage_p.h>
#include <tc/records/stockinfowithpy.h>

#include "common/codepageguard.h"
#include "common/printers.h"

#include <gtest/gtest.h>

#include <array>
#include <type_traits>
#include <utility>

using namespace TC;

namespace {

std::vector<std::string> hostForms(const QString& name)
{
    const QByteArray local = utils::detail::toLocal8Bit(name);
    std::vector<std::string> forms;
    KD::getPy(forms, std::string(local.constData(), static_cast<size_t>(local.size())));
    return forms;
}

CStockInfoWithPy withNumbers(const char* name)
{
    CStockInfoWithPy s(
        CStockInfo(QStringLiteral("SH"), QStringLiteral("600000"), QString::fromUtf8(name)));
    s.matchInfo1 = 1;
    s.matchInfo2 = 2;
    s.matchInfo3 = 3;
    s.matchInfo4 = 4;
    s.extraInt = 5;
    return s;
}

std::array<int, 5> numbers(const CStockInfoWithPy& s)
{
    return {s.matchInfo1, s.matchInfo2, s.matchInfo3, s.matchInfo4, s.extraInt};
}

using Numbers = std::array<int, 5>;
const Numbers kUnmatched{-1, -1, -1, -1, 0};
const Numbers kSet{1, 2, 3, 4, 5};

} // namespace

TEST(StockInfoWithPy, BuiltFromAStockInfoHoldsTheHostFormsOfItsName)
{
    const CStockInfoWithPy none;
    EXPECT_TRUE(none.name.isNull() && none.pyList.empty());
    EXPECT_EQ(numbers(none), kUnmatched);

    const CStockInfo info(QStringLiteral("SZ"), QStringLiteral("000002"), QStringLiteral("万科Ａ"));
    const CStockInfoWithPy s(info);
    EXPECT_TRUE(s.market == info.market && s.code == info.code && s.name == info.name);
    EXPECT_EQ(s.pyList, hostForms(info.name));
    EXPECT_EQ(s.pyList.at(0), "wka");
    EXPECT_EQ(numbers(s), kUnmatched);

    // The name goes to the host in the local code page, whatever that is.
    {
        CodePageGuard guard("zh_CN.GBK");
        ASSERT_TRUE(guard.ok());
        const CStockInfoWithPy gbk(CStockInfo(QString(), QString(), QStringLiteral("浦发银行")));
        ASSERT_FALSE(gbk.pyList.empty());
        EXPECT_EQ(gbk.pyList[0], "pfyh");
        EXPECT_TRUE(isInByPy(QStringLiteral("浦发银行"), QStringLiteral("ｐｆｙｈ")));
    }

    // Computing again after a rename replaces the forms.
    CStockInfoWithPy renamed(info);
    renamed.name = QStringLiteral("浦发银行");
    renamed.calcPyInfo();
    EXPECT_EQ(renamed.pyList, hostForms(QStringLiteral("浦发银行")));
}

TEST(StockInfoWithPy, CopiesEveryFieldMovesTextsAndListAndResetKeepsExtraInt)
{
    const CStockInfoWithPy original = withNumbers("长江证券");
    CStockInfoWithPy assigned;
    assigned = original;
    for (const CStockInfoWithPy& copy : {CStockInfoWithPy(original), assigned}) {
        EXPECT_TRUE(copy.name == original.name && copy.pyList == original.pyList);
        EXPECT_EQ(numbers(copy), kSet);
    }

    CStockInfoWithPy source = withNumbers("长江证券");
    CStockInfoWithPy target = withNumbers("浦发银行");
    target.extraInt = 9;
    CStockInfoWithPy moved(std::move(source));
    moved.matchInfo2 = 7;
    target = std::move(moved);
    EXPECT_EQ(target.name, QStringLiteral("长江证券"));
    EXPECT_EQ(target.pyList, original.pyList);
    EXPECT_EQ(numbers(target), (Numbers{1, 7, 3, 4, 5}));
    // NOLINTBEGIN(bugprone-use-after-move)
    EXPECT_TRUE(source.pyList.empty() && moved.pyList.empty());
    EXPECT_EQ(numbers(source), kSet);
    EXPECT_EQ(numbers(moved), (Numbers{1, 7, 3, 4, 5}));
    // NOLINTEND(bugprone-use-after-move)
    static_assert(std::is_nothrow_move_constructible_v<CStockInfoWithPy>);
    static_assert(std::is_nothrow_move_assignable_v<CStockInfoWithPy>);

    target.resetMatchInfo();
    EXPECT_EQ(numbers(target), (Numbers{-1, -1, -1, -1, 5}));
    EXPECT_EQ(target.name, QStringLiteral("长江证券"));
    EXPECT_EQ(target.pyList, original.pyList);
}

TEST(IsInByPy, IsTrueExactlyWhenTheHostFindsAMatch)
{
    EXPECT_TRUE(isInByPy(QStringLiteral("浦发银行"), QStringLiteral("pfyh"))); // at 0
    EXPECT_TRUE(isInByPy(QStringLiteral("浦发银行"), QStringLiteral("yinhang")));
    EXPECT_TRUE(isInByPy(QStringLiteral("浦发银行"), QStringLiteral("ＰＦＹＸ")));
    EXPECT_FALSE(isInByPy(QStringLiteral("浦发银行"), QStringLiteral("pfh")));
    EXPECT_FALSE(isInByPy(QStringLiteral("浦发银行"), QString()));
    EXPECT_FALSE(isInByPy(QString(), QStringLiteral("p")));
    EXPECT_TRUE(isInByPy(QStringLiteral("TCL科技"), QStringLiteral("tclkj")));
    EXPECT_FALSE(isInByPy(QStringLiteral("浦发银行"), QStringLiteral("浦发")));
}
