#include <tc/host/pinyin.h>
#include <tc/records/stockinfowithpy.h>

#include "common/printers.h"

#include <gtest/gtest.h>

#include <QTextCodec>

#include <type_traits>
#include <utility>

using namespace TC;

namespace {

std::vector<std::string> hostForms(const QString& name)
{
    const QByteArray local = name.toLocal8Bit();
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

void expectNumbers(const CStockInfoWithPy& s, int m1, int m2, int m3, int m4, int extra)
{
    EXPECT_EQ(s.matchInfo1, m1);
    EXPECT_EQ(s.matchInfo2, m2);
    EXPECT_EQ(s.matchInfo3, m3);
    EXPECT_EQ(s.matchInfo4, m4);
    EXPECT_EQ(s.extraInt, extra);
}

} // namespace

TEST(StockInfoWithPy, DefaultHasNoPinyinAndNoMatchInformation)
{
    const CStockInfoWithPy s;
    EXPECT_TRUE(s.market.isNull() && s.code.isNull() && s.name.isNull());
    EXPECT_TRUE(s.pyList.empty());
    expectNumbers(s, -1, -1, -1, -1, 0);
    static_assert(std::is_base_of_v<CStockInfo, CStockInfoWithPy>);
}

TEST(StockInfoWithPy, BuiltFromAStockInfoHoldsTheHostFormsOfItsName)
{
    const CStockInfo info(QStringLiteral("SZ"), QStringLiteral("000002"), QStringLiteral("万科Ａ"));
    const CStockInfoWithPy s(info);
    EXPECT_EQ(s.market, info.market);
    EXPECT_EQ(s.code, info.code);
    EXPECT_EQ(s.name, info.name);
    EXPECT_EQ(s.pyList, hostForms(info.name));
    EXPECT_EQ(s.pyList.at(0), "wka");
    expectNumbers(s, -1, -1, -1, -1, 0);

    // The name goes to the host in the local code page, whatever that is.
    QTextCodec* const saved = QTextCodec::codecForLocale();
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("GBK"));
    const CStockInfoWithPy gbk(CStockInfo(QString(), QString(), QStringLiteral("浦发银行")));
    QTextCodec::setCodecForLocale(saved);
    ASSERT_FALSE(gbk.pyList.empty());
    EXPECT_EQ(gbk.pyList[0], "pfyh");

    // Computing again after a rename replaces the forms.
    CStockInfoWithPy renamed(info);
    renamed.name = QStringLiteral("浦发银行");
    renamed.calcPyInfo();
    EXPECT_EQ(renamed.pyList, hostForms(QStringLiteral("浦发银行")));
}

TEST(StockInfoWithPy, CopiesEveryFieldAndMovesTextsAndList)
{
    const CStockInfoWithPy original = withNumbers("长江证券");
    CStockInfoWithPy copy(original);
    EXPECT_EQ(copy.name, original.name);
    EXPECT_EQ(copy.pyList, original.pyList);
    expectNumbers(copy, 1, 2, 3, 4, 5);
    CStockInfoWithPy assigned;
    assigned = original;
    EXPECT_EQ(assigned.pyList, original.pyList);
    expectNumbers(assigned, 1, 2, 3, 4, 5);

    CStockInfoWithPy source = withNumbers("长江证券");
    CStockInfoWithPy moved(std::move(source));
    EXPECT_EQ(moved.name, QStringLiteral("长江证券"));
    EXPECT_EQ(moved.pyList, original.pyList);
    expectNumbers(moved, 1, 2, 3, 4, 5);
    EXPECT_TRUE(source.pyList.empty());
    expectNumbers(source, 1, 2, 3, 4, 5);

    CStockInfoWithPy target = withNumbers("浦发银行");
    target.extraInt = 9;
    CStockInfoWithPy from = withNumbers("长江证券");
    from.matchInfo2 = 7;
    target = std::move(from);
    EXPECT_EQ(target.name, QStringLiteral("长江证券"));
    EXPECT_EQ(target.pyList, original.pyList);
    expectNumbers(target, 1, 7, 3, 4, 5);
    EXPECT_TRUE(from.pyList.empty());
    expectNumbers(from, 1, 7, 3, 4, 5);
    static_assert(std::is_nothrow_move_constructible_v<CStockInfoWithPy>);
    static_assert(std::is_nothrow_move_assignable_v<CStockInfoWithPy>);
}

TEST(StockInfoWithPy, ResetMatchInfoKeepsExtraIntTextsAndList)
{
    CStockInfoWithPy s = withNumbers("沪铜");
    const auto forms = s.pyList;
    s.resetMatchInfo();
    expectNumbers(s, -1, -1, -1, -1, 5);
    EXPECT_EQ(s.name, QStringLiteral("沪铜"));
    EXPECT_EQ(s.pyList, forms);
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
