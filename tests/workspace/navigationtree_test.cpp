#include <tc/workspace/navigationtree.h>

#include "common/printers.h"

#include <gtest/gtest.h>

using namespace TC;

// The titles, the global node 0's included: tests/data/workspace.tsv.
TEST(NavigationTree, HasThreeRootsWithConsecutiveChildren)
{
    QMap<int, QVector<int>> tree = getNode();
    EXPECT_EQ(tree.keys(), QList<int>({100, 200, 300}));
    EXPECT_EQ(tree.value(100), QVector<int>({101, 102}));
    EXPECT_EQ(tree.value(200), QVector<int>({201, 202}));
    EXPECT_EQ(tree.value(300).size(), 13);
    EXPECT_EQ(tree.value(300).front(), 301);
    EXPECT_EQ(tree.value(300).back(), 313);

    // Every call builds a new tree.
    tree.find(300)->clear();
    tree.remove(100);
    EXPECT_EQ(getNode().value(300).size(), 13);
    EXPECT_TRUE(getNode().contains(100));
}
