#include <tc/workspace/dockids.h>
#include <tc/workspace/navigationtree.h>

#include "common/printers.h"

#include <gtest/gtest.h>

#include <QSet>

#include <climits>
#include <iterator>

using namespace TC;

TEST(DockID, NamesEveryChildOfTheNavigationTreeOnly)
{
    // An unknown id first: the lookup must not spoil the table it fills.
    EXPECT_TRUE(getDockID(314).isEmpty());
    EXPECT_EQ(getDockID(311), QStringLiteral("F7index"));
    EXPECT_EQ(getDockID(101), QStringLiteral("handleFee"));
    EXPECT_EQ(getDockID(202), QStringLiteral("productNetValueImp"));
    EXPECT_EQ(getDockID(308), QStringLiteral("historySectorSummarizingPanel"));

    QSet<QString> docks;
    const auto tree = getNode();
    for (auto it = tree.cbegin(); it != tree.cend(); ++it) {
        for (const int child : it.value())
            docks.insert(getDockID(child));
    }
    EXPECT_EQ(docks.size(), 17);
    EXPECT_FALSE(docks.contains(QString()));
    for (const int id : {0, 100, 200, 300, 103, -1, INT_MIN, INT_MAX})
        EXPECT_TRUE(getDockID(id).isEmpty()) << id;
}

TEST(PanelNames, HoldThirtySixIdentifiersWithOneRepeated)
{
    ASSERT_EQ(std::size(g_panelNames), 36u);
    EXPECT_EQ(g_panelNames[0], QStringLiteral("indexMainPanel"));
    EXPECT_EQ(g_panelNames[1], QStringLiteral("positionPanel"));
    EXPECT_EQ(g_panelNames[24], QStringLiteral("positionPanel"));
    EXPECT_EQ(g_panelNames[31], QStringLiteral("dataISet"));
    const QSet<QString> names(std::begin(g_panelNames), std::end(g_panelNames));
    EXPECT_EQ(names.size(), 35);

    // Nine identifiers are docks of the navigation tree as well.
    int shared = 0;
    for (int id = 100; id < 400; ++id)
        shared += names.contains(getDockID(id)) ? 1 : 0;
    EXPECT_EQ(shared, 9);
}
