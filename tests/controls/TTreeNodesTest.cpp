#include "platform/controls/TTreeNodes.h"

#include <gtest/gtest.h>

using namespace ctl;

namespace {

// Two categories with notes under the first, as the main window builds them.
struct CategoryTree {
    TTreeNodes nodes;
    TTreeNode* work { nodes.Add(nullptr, "工作") };
    TTreeNode* note1 { nodes.AddChild(work, "周报") };
    TTreeNode* note2 { nodes.AddChild(work, "会议") };
    TTreeNode* home { nodes.Add(work, "生活") };
};

} // namespace

TEST(TTreeNodes, LevelsAndOrderFollowHowNodesWereAdded)
{
    CategoryTree t;
    EXPECT_EQ(t.work->Level(), 0);
    EXPECT_EQ(t.note2->Level(), 1);
    EXPECT_EQ(t.nodes.Count(), 4);
    EXPECT_EQ(t.nodes.RootCount(), 2);
    EXPECT_EQ(t.nodes.Item(2), t.note2);
    EXPECT_EQ(t.home->AbsoluteIndex(), 3);
    EXPECT_EQ(t.note2->Index(), 1);
    EXPECT_EQ(t.work->Item(0)->Text(), "周报");
    EXPECT_THROW(t.nodes.Item(4), EListError);
}

TEST(TTreeNodes, VisibleNeighboursSkipCollapsedBranches)
{
    CategoryTree t;
    EXPECT_EQ(t.work->GetNextVisible(), t.home);
    EXPECT_EQ(t.home->GetPrevVisible(), t.work);
    t.work->Expand(false);
    EXPECT_EQ(t.work->GetNextVisible(), t.note1);
    EXPECT_EQ(t.note2->GetNextVisible(), t.home);
    EXPECT_EQ(t.home->GetPrevVisible(), t.note2);
    EXPECT_EQ(t.note1->GetPrevVisible(), t.work);
}

TEST(TTreeNodes, SelectionOpensItsBranchAndMovesUpOnCollapse)
{
    CategoryTree t;
    TTreeNode* reported = nullptr;
    t.nodes.OnSelect = [&](TTreeNode* n) { reported = n; };
    t.nodes.SetSelected(t.note2);
    EXPECT_TRUE(t.work->Expanded());
    EXPECT_TRUE(t.note2->Selected());
    EXPECT_EQ(reported, t.note2);
    t.work->Collapse(false);
    EXPECT_EQ(t.nodes.Selected(), t.work);
}

TEST(TTreeNodes, DeletingTheSelectedBranchClearsTheSelection)
{
    CategoryTree t;
    t.nodes.SetSelected(t.note1);
    t.nodes.Delete(t.work);
    EXPECT_EQ(t.nodes.Selected(), nullptr);
    EXPECT_EQ(t.nodes.Count(), 1);
    EXPECT_EQ(t.nodes.GetFirstNode(), t.home);
    int changes = 0;
    t.nodes.OnChange = [&] { ++changes; };
    t.nodes.BeginUpdate();
    t.nodes.Clear();
    t.nodes.Add(nullptr, "a");
    t.nodes.EndUpdate();
    EXPECT_EQ(changes, 1);
}
