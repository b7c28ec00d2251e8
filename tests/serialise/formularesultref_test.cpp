#include <tc/serialise/formularesultref.h>

#include "common/printers.h"
#include "generators.h"
#include "serialise_plain.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>

using namespace TC;

namespace {

ComposeFormulaResultRef ref(int id1, int id2, const QString& name, const QString& market,
                            const QString& code, int codeOnly, int id3)
{
    ComposeFormulaResultRef r;
    r.id1 = id1;
    r.id2 = id2;
    r.name = name;
    r.market = market;
    r.code = code;
    r.codeOnly = codeOnly;
    r.id3 = id3;
    return r;
}

// Field by field, the texts' nullness included.
::testing::AssertionResult same(const ComposeFormulaResultRef& a, const ComposeFormulaResultRef& b)
{
    const auto sameText = [](const QString& x, const QString& y) {
        return x == y && x.isNull() == y.isNull();
    };
    if (a.id1 == b.id1 && a.id2 == b.id2 && sameText(a.name, b.name) &&
        sameText(a.market, b.market) && sameText(a.code, b.code) && a.codeOnly == b.codeOnly &&
        a.id3 == b.id3)
        return ::testing::AssertionSuccess();
    ComposeFormulaResultRef x = a, y = b;
    return ::testing::AssertionFailure()
           << x.toString().toStdString() << " vs " << y.toString().toStdString();
}

const ComposeFormulaResultRef kDefault;

} // namespace

TEST(FormulaResultRef, DefaultsAndExactForms)
{
    ComposeFormulaResultRef d;
    EXPECT_EQ(d.id1, -1);
    EXPECT_EQ(d.id2, -1);
    EXPECT_EQ(d.id3, -1);
    EXPECT_EQ(d.codeOnly, 0);
    EXPECT_TRUE(d.name.isEmpty() && !d.name.isNull());
    EXPECT_TRUE(d.market.isEmpty() && !d.market.isNull());
    EXPECT_TRUE(d.code.isEmpty() && !d.code.isNull());
    EXPECT_EQ(d.toString(), QStringLiteral("-1___-1____________0___-1"));
    EXPECT_EQ(d.getKey(), QStringLiteral("-1___-1_________"));
    EXPECT_TRUE(same(ComposeFormulaResultRef::genRef(d.toString()), kDefault));

    ComposeFormulaResultRef r = ref(3, INT_MIN, QStringLiteral("均线"), QStringLiteral("SH"),
                                    QStringLiteral("600000"), 1, INT_MAX);
    EXPECT_EQ(r.toString(),
              QStringLiteral("3___-2147483648___均线___SH___600000___1___2147483647"));
    EXPECT_EQ(r.getKey(), QStringLiteral("3___-2147483648___均线___SH___600000"));
}

TEST(FormulaResultRef, KeyLeavesOutCodeOnlyAndId3)
{
    ComposeFormulaResultRef a =
        ref(1, 2, QStringLiteral("n"), QStringLiteral("SZ"), QStringLiteral("000001"), 0, 5);
    ComposeFormulaResultRef b = a;
    b.id3 = 6;
    b.codeOnly = 1;
    EXPECT_EQ(a.getKey(), b.getKey());
    EXPECT_NE(a.toString(), b.toString());
    b.code = QStringLiteral("000002");
    EXPECT_NE(a.getKey(), b.getKey());
}

TEST(FormulaResultRef, StockJoinsMarketAndCodeUnlessCodeOnly)
{
    ComposeFormulaResultRef r =
        ref(0, 0, QString(), QStringLiteral("SH"), QStringLiteral("600000"), 0, 0);
    EXPECT_EQ(r.getStock(), QStringLiteral("SH600000"));
    for (int flag : {1, -1, INT_MIN}) {
        r.codeOnly = flag;
        EXPECT_EQ(r.getStock(), QStringLiteral("600000"));
    }
    EXPECT_TRUE(ComposeFormulaResultRef().getStock().isEmpty());
}

TEST(FormulaResultRef, ShortTextsSetOnlyTheFirstId)
{
    ComposeFormulaResultRef expected;
    expected.id1 = 0;
    for (const QString& text :
         {QString(), QStringLiteral(""), QStringLiteral("abc"), QStringLiteral("___"),
          QStringLiteral("______"), QStringLiteral("_______________"),
          QStringLiteral("x___1___n___SH___600000"), QStringLiteral("x___1___n___SH___600000___1"),
          QStringLiteral("2147483648"), QStringLiteral("-2147483649___1")})
        EXPECT_TRUE(same(ComposeFormulaResultRef::genRef(text), expected)) << text.toStdString();

    // The key form and a six-piece text: id1 only.
    expected.id1 = 7;
    EXPECT_TRUE(
        same(ComposeFormulaResultRef::genRef(QStringLiteral("7___1___n___SH___600000")), expected));
    EXPECT_TRUE(same(ComposeFormulaResultRef::genRef(QStringLiteral(" 7 ___1___n___SH___6___1")),
                     expected));
    expected.id1 = -1;
    EXPECT_TRUE(same(ComposeFormulaResultRef::genRef(QStringLiteral("-1")), expected));
}

TEST(FormulaResultRef, ReadsSevenPiecesAndIgnoresTheRest)
{
    EXPECT_TRUE(same(
        ComposeFormulaResultRef::genRef(QStringLiteral("1___2___名___SH___600000___1___3___x___y")),
        ref(1, 2, QStringLiteral("名"), QStringLiteral("SH"), QStringLiteral("600000"), 1, 3)));
    EXPECT_TRUE(
        same(ComposeFormulaResultRef::genRef(QStringLiteral("a___b___ ___ ___ ___c___")),
             ref(0, 0, QStringLiteral(" "), QStringLiteral(" "), QStringLiteral(" "), 0, 0)));
    EXPECT_TRUE(
        same(ComposeFormulaResultRef::genRef(
                 QStringLiteral("+1___ 2\t___n___m___c___99999999999___-2147483648")),
             ref(1, 2, QStringLiteral("n"), QStringLiteral("m"), QStringLiteral("c"), 0, INT_MIN)));
    // Empty pieces read as empty, non-null texts.
    EXPECT_TRUE(same(ComposeFormulaResultRef::genRef(QStringLiteral("1___2____________0___3")),
                     ref(1, 2, QStringLiteral(""), QStringLiteral(""), QStringLiteral(""), 0, 3)));
}

TEST(FormulaResultRef, TrailingUnderscoreMovesIntoTheNextPiece)
{
    ComposeFormulaResultRef r =
        ref(1, 2, QStringLiteral("x_"), QStringLiteral("SH"), QStringLiteral("6"), 0, 3);
    EXPECT_EQ(r.toString(), QStringLiteral("1___2___x____SH___6___0___3"));
    EXPECT_TRUE(
        same(ComposeFormulaResultRef::genRef(r.toString()),
             ref(1, 2, QStringLiteral("x"), QStringLiteral("_SH"), QStringLiteral("6"), 0, 3)));
    // A separator inside a text shifts everything after it.
    r.name = QStringLiteral("a___b");
    EXPECT_TRUE(
        same(ComposeFormulaResultRef::genRef(r.toString()),
             ref(1, 2, QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("SH"), 6, 0)));
}

TEST(FormulaResultRef, EveryRecordWithoutSeparatorsComesBack)
{
    std::mt19937 rng(1234);
    const auto text = [&rng] {
        QString t;
        do
            t = gen::text(rng, gen::textPool(), 6);
        while (t.contains(QLatin1String("___")) || t.endsWith(QLatin1Char('_')));
        return t.isNull() ? QStringLiteral("") : t; // a null text reads back as an empty one
    };
    for (int i = 0; i < 20000; ++i) {
        ComposeFormulaResultRef r = ref(gen::number(rng), gen::number(rng), text(), text(), text(),
                                        gen::number(rng), gen::number(rng));
        const QString line = r.toString();
        ASSERT_EQ(line, plain::refToString(r));
        ASSERT_EQ(r.getKey(), plain::refKey(r));
        ASSERT_TRUE(line.startsWith(r.getKey() + QLatin1String("___")));
        ASSERT_TRUE(same(ComposeFormulaResultRef::genRef(line), r)) << line.toStdString();
        ASSERT_TRUE(same(plain::genRef(line), r));
    }
}

TEST(FormulaResultRef, AgreesWithTheSplitJoinFormOnHostileInput)
{
    std::mt19937 rng(4321);
    for (int i = 0; i < 20000; ++i) {
        const QString line = gen::line(rng, QStringLiteral("___"));
        ASSERT_TRUE(same(ComposeFormulaResultRef::genRef(line), plain::genRef(line)))
            << line.toStdString();
        ComposeFormulaResultRef r = ref(gen::number(rng), 0, line, QString(), line.left(3), 0, 0);
        ASSERT_EQ(r.toString(), plain::refToString(r));
        ASSERT_EQ(r.getKey(), plain::refKey(r));
    }
}

TEST(FormulaResultRef, MovingLeavesNullTextsAndKeepsNumbers)
{
    ComposeFormulaResultRef src =
        ref(1, 2, QStringLiteral("n"), QStringLiteral("SH"), QStringLiteral("6"), 1, 3);
    const ComposeFormulaResultRef copy = src;
    ComposeFormulaResultRef moved(std::move(src));
    EXPECT_TRUE(same(moved, copy));
    // NOLINTBEGIN(bugprone-use-after-move)
    EXPECT_TRUE(same(src, ref(1, 2, QString(), QString(), QString(), 1, 3)));
    ComposeFormulaResultRef target;
    target = std::move(moved);
    EXPECT_TRUE(same(target, copy));
    EXPECT_TRUE(same(moved, ref(1, 2, QString(), QString(), QString(), 1, 3)));
    // NOLINTEND(bugprone-use-after-move)
}
