#include <tc/workspace/dockids.h>
#include <tc/workspace/navigationtree.h>

#include "common/printers.h"

#include <gtest/gtest.h>

#include <QSet>

#include <climits>
#include <iterator>

using namespace TC;

TEST(DockID, NamesEveryChildOfTheNavigationTree)
{
    // An unknown id first: the lookup must not spoil the table it fills.
    EXPECT_TRUE(getDockID(314).isEmpty());
    EXPECT_EQ(getDockID(311), QStringLiteral("F7index"));
    EXPECT_EQ(getDockID(101), QStringLiteral("handleFee"));
    EXPECT_EQ(getDockID(102), QStringLiteral("productBaseInfo"));
    EXPECT_EQ(getDockID(201), QStringLiteral("productTableSet"));
    EXPECT_EQ(getDockID(202), QStringLiteral("productNetValueImp"));
    EXPECT_EQ(getDockID(301), QStringLiteral("positionPanel"));
    EXPECT_EQ(getDockID(305), QStringLiteral("allowSellListPanel"));
    EXPECT_EQ(getDockID(308), QStringLiteral("historySectorSummarizingPanel"));
    EXPECT_EQ(getDockID(313), QStringLiteral("brinsonIndustryPanel"));

    QSet<QString> docks;
    const auto tree = getNode();
    for (auto it = tree.cbegin(); it != tree.cend(); ++it) {
        EXPECT_TRUE(getDockID(it.key()).isEmpty()) << it.key();
        for (const int child : it.value()) {
            EXPECT_FALSE(getDockID(child).isEmpty()) << child;
            docks.insert(getDockID(child));
        }
    }
    EXPECT_EQ(docks.size(), 17);
    for (const int id : {0, 100, 200, 300, 103, 203, 314, -1, INT_MIN, INT_MAX})
        EXPECT_TRUE(getDockID(id).isEmpty()) << id;
    EXPECT_EQ(getDockID(311), QStringLiteral("F7index"));
}

TEST(PanelNames, HoldThirtySixIdentifiersWithOneRepeated)
{
    ASSERT_EQ(std::size(g_panelNames), 36u);
    EXPECT_EQ(g_panelNames[0], QStringLiteral("indexMainPanel"));
    EXPECT_EQ(g_panelNames[1], QStringLiteral("positionPanel"));
    EXPECT_EQ(g_panelNames[24], QStringLiteral("positionPanel"));
    EXPECT_EQ(g_panelNames[31], QStringLiteral("dataISet"));
    EXPECT_EQ(g_panelNames[35], QStringLiteral("productNetValueImp"));
    const QSet<QString> names(std::begin(g_panelNames), std::end(g_panelNames));
    EXPECT_EQ(names.size(), 35);

    // Nine identifiers are docks of the navigation tree as well.
    int shared = 0;
    for (int id = 0; id < 400; ++id)
        shared += names.contains(getDockID(id)) ? 1 : 0;
    EXPECT_EQ(shared, 9);
}
