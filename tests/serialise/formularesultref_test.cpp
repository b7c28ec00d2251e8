#include <tc/serialise/formularesultref.h>

#include "common/printers.h"
#include "serialise_plain.h"

#include <gtest/gtest.h>

#include <climits>

using namespace TC;

namespace {
ComposeFormulaResultRef ref(int id1, int id2, QString name, QString market, QString code,
                            int codeOnly, int id3)
{
    ComposeFormulaResultRef r;
    r.id1 = id1;
    r.id2 = id2;
    r.name = std::move(name);
    r.market = std::move(market);
    r.code = std::move(code);
    r.codeOnly = codeOnly;
    r.id3 = id3;
    return r;
}

// Field by field, whether each text is null included.
::testing::AssertionResult same(ComposeFormulaResultRef a, ComposeFormulaResultRef b)
{
    const auto nulls = [](const ComposeFormulaResultRef& r) {
        return QVector<bool>{r.name.isNull(), r.market.isNull(), r.code.isNull()};
    };
    if (a.toString() == b.toString() && a.name == b.name && a.market == b.market &&
        nulls(a) == nulls(b))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << a.toString().toStdString() << " vs " << b.toString().toStdString();
}

QString reread(const QString& text)
{
    return ComposeFormulaResultRef::genRef(text).toString();
}
} // namespace

TEST(FormulaResultRef, DefaultsExactFormsKeyAndStock)
{
    ComposeFormulaResultRef d;
    EXPECT_FALSE(d.name.isNull() || d.market.isNull() || d.code.isNull());
    EXPECT_EQ(d.toString(), QStringLiteral("-1___-1____________0___-1"));
    EXPECT_EQ(d.getKey(), QStringLiteral("-1___-1_________"));
    EXPECT_TRUE(d.getStock().isEmpty());
    EXPECT_TRUE(same(ComposeFormulaResultRef::genRef(d.toString()), d));

    ComposeFormulaResultRef r = ref(3, INT_MIN, QStringLiteral("均线"), QStringLiteral("SH"),
                                    QStringLiteral("600000"), 0, INT_MAX);
    EXPECT_EQ(r.toString(),
              QStringLiteral("3___-2147483648___均线___SH___600000___0___2147483647"));
    EXPECT_EQ(r.getKey(), QStringLiteral("3___-2147483648___均线___SH___600000"));
    EXPECT_EQ(r.getStock(), QStringLiteral("SH600000"));
    const QString key = r.getKey();
    for (int codeOnly : {1, -1, INT_MIN}) {
        r.codeOnly = codeOnly;
        r.id3 = codeOnly;
        EXPECT_EQ(r.getStock(), QStringLiteral("600000"));
        EXPECT_EQ(r.getKey(), key);
    }
}

TEST(FormulaResultRef, ReadsEveryTextAsDefined)
{
    const QString kOnlyId1Zero = QStringLiteral("0___-1____________0___-1");
    const std::pair<QString, QString> cases[] = {
        // Fewer than 7 pieces: id1 only, 0 when not a number.
        {QString(), kOnlyId1Zero},
        {QStringLiteral(""), kOnlyId1Zero},
        {QStringLiteral("abc"), kOnlyId1Zero},
        {QStringLiteral("2147483648"), kOnlyId1Zero},
        {QStringLiteral("______"), kOnlyId1Zero},
        {QStringLiteral("_______________"), kOnlyId1Zero},
        {QStringLiteral("-1"), QStringLiteral("-1___-1____________0___-1")},
        {QStringLiteral("7___1___n___SH___600000"), QStringLiteral("7___-1____________0___-1")},
        {QStringLiteral(" 7 ___1___n___SH___6___1"), QStringLiteral("7___-1____________0___-1")},
        // Seven or more: seven fields, numbers as QString::toInt reads them.
        {QStringLiteral("1___2___名___SH___600000___1___3___x___y"),
         QStringLiteral("1___2___名___SH___600000___1___3")},
        {QStringLiteral("a___b___ ___ ___ ___c___"), QStringLiteral("0___0___ ___ ___ ___0___0")},
        {QStringLiteral("+1___ 2\t___n___m___c___99999999999___-2147483648"),
         QStringLiteral("1___2___n___m___c___0___-2147483648")},
        {QStringLiteral("__________________"), QStringLiteral("0___0____________0___0")},
        // A separator inside a text shifts everything after it.
        {QStringLiteral("1___2___a___b___SH___6___0___3"),
         QStringLiteral("1___2___a___b___SH___6___0")}};
    for (const auto& [input, expected] : cases) {
        EXPECT_EQ(reread(input), expected) << input.toStdString();
        EXPECT_TRUE(same(ComposeFormulaResultRef::genRef(input), plain::genRef(input)));
    }

    // A trailing "_" of a text and the separator after it read as a separator one place earlier.
    ComposeFormulaResultRef r =
        ref(1, 2, QStringLiteral("x_"), QStringLiteral("SH"), QStringLiteral("6"), 0, 3);
    EXPECT_EQ(r.toString(), QStringLiteral("1___2___x____SH___6___0___3"));
    EXPECT_TRUE(
        same(ComposeFormulaResultRef::genRef(r.toString()),
             ref(1, 2, QStringLiteral("x"), QStringLiteral("_SH"), QStringLiteral("6"), 0, 3)));
}

TEST(FormulaResultRef, MovingLeavesNullTextsAndKeepsNumbers)
{
    const ComposeFormulaResultRef copy =
        ref(1, 2, QStringLiteral("n"), QStringLiteral("SH"), QStringLiteral("6"), 1, 3);
    ComposeFormulaResultRef src = copy;
    ComposeFormulaResultRef moved(std::move(src));
    ComposeFormulaResultRef target;
    target = std::move(moved);
    EXPECT_TRUE(same(target, copy));
    const ComposeFormulaResultRef emptied = ref(1, 2, QString(), QString(), QString(), 1, 3);
    EXPECT_TRUE(same(src, emptied));   // NOLINT(bugprone-use-after-move)
    EXPECT_TRUE(same(moved, emptied)); // NOLINT(bugprone-use-after-move)
}
