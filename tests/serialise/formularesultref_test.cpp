#include <tc/serialise/formularesultref.h>

#include "common/datatable.h"
#include "common/printers.h"

#include <gtest/gtest.h>

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
} // namespace

TEST(FormulaResultRef, DefaultsExactFormsKeyAndStock)
{
    ComposeFormulaResultRef d;
    EXPECT_FALSE(d.name.isNull() || d.market.isNull() || d.code.isNull());
    EXPECT_EQ(d.toString(), QStringLiteral("-1___-1____________0___-1"));
    EXPECT_EQ(d.getKey(), QStringLiteral("-1___-1_________"));
    EXPECT_TRUE(d.getStock().isEmpty());

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
    for (const testdata::Row& row : testdata::load("formularesultref.tsv")) {
        ComposeFormulaResultRef read = ComposeFormulaResultRef::genRef(row.text(0));
        EXPECT_EQ(read.toString(), row.text(1)) << "formularesultref.tsv line " << row.line;
        EXPECT_FALSE(read.name.isNull() || read.market.isNull() || read.code.isNull());
    }
    // A trailing "_" of a text and the separator after it read as a separator one place earlier.
    ComposeFormulaResultRef r =
        ref(1, 2, QStringLiteral("x_"), QStringLiteral("SH"), QStringLiteral("6"), 0, 3);
    EXPECT_EQ(r.toString(), QStringLiteral("1___2___x____SH___6___0___3"));
    const ComposeFormulaResultRef back = ComposeFormulaResultRef::genRef(r.toString());
    EXPECT_TRUE(back.name == QStringLiteral("x") && back.market == QStringLiteral("_SH"));
}

TEST(FormulaResultRef, MovingLeavesNullTextsAndKeepsNumbers)
{
    ComposeFormulaResultRef src =
        ref(1, 2, QStringLiteral("n"), QStringLiteral("SH"), QStringLiteral("6"), 1, 3);
    const QString written = src.toString();
    ComposeFormulaResultRef moved(std::move(src));
    ComposeFormulaResultRef target = ref(9, 9, QStringLiteral("old"), {}, {}, 9, 9);
    target = std::move(moved);
    EXPECT_EQ(target.toString(), written);
    // NOLINTBEGIN(bugprone-use-after-move)
    for (ComposeFormulaResultRef* from : {&src, &moved}) {
        EXPECT_TRUE(from->name.isNull() && from->market.isNull() && from->code.isNull());
        EXPECT_EQ(from->toString(), QStringLiteral("1___2____________1___3"));
    }
    // NOLINTEND(bugprone-use-after-move)
}
