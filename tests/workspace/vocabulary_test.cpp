#include <tc/workspace/dockids.h>
#include <tc/workspace/messagetypes.h>
#include <tc/workspace/navigationtree.h>

#include "common/datatable.h"
#include "common/printers.h"

#include <gtest/gtest.h>

#include <iterator>

using namespace TC;

// Run alone, this test makes the process's first call of getDockID (with an unknown id).
TEST(WorkspaceVocabulary, ReproducesEveryIdentifierAndTitle)
{
    std::size_t panels = 0, messages = 0;
    for (const testdata::Row& row : testdata::load("workspace.tsv")) {
        const std::string& table = row.fields.at(0);
        const int id = std::stoi(row.fields.at(1));
        const QString expected = row.text(2) == "-" ? QString() : row.text(2);
        SCOPED_TRACE("workspace.tsv line " + std::to_string(row.line));
        if (table == "dock") {
            EXPECT_EQ(getDockID(id), expected);
        } else if (table == "title") {
            EXPECT_EQ(getRootNodeTitle(id), expected);
        } else if (table == "panel") {
            ASSERT_EQ(std::size_t(id), panels++);
            EXPECT_EQ(g_panelNames[id], expected);
        } else {
            ASSERT_EQ(table, "message");
            ASSERT_EQ(std::size_t(id), messages++);
            EXPECT_EQ(g_messageTypeNames[id], expected);
        }
    }
    EXPECT_EQ(panels, std::size(g_panelNames));
    EXPECT_EQ(messages, std::size(g_messageTypeNames));
}
