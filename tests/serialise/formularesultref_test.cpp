#include <tc/serialise/formularesultref.h>

#include "common/datatable.h"
#include "common/printers.h"

#include <gtest/gtest.h>

#include <climits>

using namespace TC;

namespace {
ComposeFormulaResultRef read(const char* text)
{
    return ComposeFormulaResultRef::genRef(QString::fromUtf8(text));
}
} // namespace

// Each text of tests/data/formularesultref.tsv read, then written back.
TEST(FormulaResultRef, ReadsEveryTextAsDefined)
{
    for (const testdata::Row& row : testdata::load("formularesultref.tsv")) {
        ComposeFormulaResultRef r = ComposeFormulaResultRef::genRef(row.text(0));
        EXPECT_EQ(r.toString(), row.text(1)) << "formularesultref.tsv line " << row.line;
        EXPECT_FALSE(r.name.isNull() || r.market.isNull() || r.code.isNull());
    }
}

TEST(FormulaResultRef, DefaultsKeyStockAndTheTrailingUnderscore)
{
    ComposeFormulaResultRef d;
    EXPECT_FALSE(d.name.isNull() || d.market.isNull() || d.code.isNull());
    EXPECT_EQ(d.toString(), QStringLiteral("-1___-1____________0___-1"));
    EXPECT_EQ(d.getKey(), QStringLiteral("-1___-1_________"));
    EXPECT_TRUE(d.getStock().isEmpty());

    ComposeFormulaResultRef r = read("3___-2147483648___均线___SH___600000___0___2147483647");
    const QString key = QStringLiteral("3___-2147483648___均线___SH___600000");
    EXPECT_EQ(r.getKey(), key);
    EXPECT_EQ(r.getStock(), QStringLiteral("SH600000"));
    for (int codeOnly : {1, -1, INT_MIN}) {
        r.codeOnly = codeOnly;
        r.id3 = codeOnly;
        EXPECT_EQ(r.getStock(), QStringLiteral("600000"));
        EXPECT_EQ(r.getKey(), key);
    }

    // A trailing "_" of a text and the separator after it read as a separator one place earlier.
    r = read("1___2___x___SH___6___0___3");
    r.name = QStringLiteral("x_");
    EXPECT_EQ(r.toString(), QStringLiteral("1___2___x____SH___6___0___3"));
    const ComposeFormulaResultRef back = ComposeFormulaResultRef::genRef(r.toString());
    EXPECT_TRUE(back.name == QStringLiteral("x") && back.market == QStringLiteral("_SH"));
}

TEST(FormulaResultRef, MovingLeavesNullTextsAndKeepsNumbers)
{
    ComposeFormulaResultRef src = read("1___2___n___SH___6___1___3");
    ComposeFormulaResultRef moved(std::move(src));
    ComposeFormulaResultRef target = read("9___9___old___old___old___9___9");
    target = std::move(moved);
    EXPECT_EQ(target.toString(), QStringLiteral("1___2___n___SH___6___1___3"));
    // NOLINTBEGIN(bugprone-use-after-move)
    for (ComposeFormulaResultRef* from : {&src, &moved}) {
        EXPECT_TRUE(from->name.isNull() && from->market.isNull() && from->code.isNull());
        EXPECT_EQ(from->toString(), QStringLiteral("1___2____________1___3"));
    }
    // NOLINTEND(bugprone-use-after-move)
}
