#include <tc/workspace/navigationtree.h>

#include "common/printers.h"

#include <gtest/gtest.h>

#include <climits>

using namespace TC;

TEST(NavigationTree, HasThreeRootsWithConsecutiveChildren)
{
    const QMap<int, QVector<int>> tree = getNode();
    EXPECT_EQ(tree.keys(), QList<int>({100, 200, 300}));
    EXPECT_EQ(tree.value(100), QVector<int>({101, 102}));
    EXPECT_EQ(tree.value(200), QVector<int>({201, 202}));
    const QVector<int> analysis = tree.value(300);
    ASSERT_EQ(analysis.size(), 13);
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(analysis[i], 301 + i);
    EXPECT_FALSE(tree.contains(0));
}

TEST(NavigationTree, EveryCallBuildsANewTree)
{
    QMap<int, QVector<int>> mine = getNode();
    mine.find(300)->clear();
    mine.find(200)->append(203);
    mine.remove(100);
    const QMap<int, QVector<int>> fresh = getNode();
    EXPECT_EQ(fresh.keys(), QList<int>({100, 200, 300}));
    EXPECT_EQ(fresh.value(200), QVector<int>({201, 202}));
    EXPECT_EQ(fresh.value(300).size(), 13);
}

TEST(NavigationTree, TitlesNameTheRootsAndTheGlobalNode)
{
    EXPECT_EQ(getRootNodeTitle(0), QStringLiteral("全局设置"));
    EXPECT_EQ(getRootNodeTitle(100), QStringLiteral("设置"));
    EXPECT_EQ(getRootNodeTitle(200), QStringLiteral("操作"));
    EXPECT_EQ(getRootNodeTitle(300), QStringLiteral("技术指标分析"));
    for (const int id : {101, 313, 400, -100, 1, INT_MIN, INT_MAX})
        EXPECT_TRUE(getRootNodeTitle(id).isEmpty()) << id;
}
