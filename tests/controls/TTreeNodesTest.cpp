#include "platform/controls/TTreeNodes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

TEST(TTreeNodes, InsertPutsANodeBeforeItsSiblingAndRenumbersTheOnesAfter)
{
    CategoryTree t;
    TTreeNode* middle = t.nodes.Insert(t.home, "学习");
    EXPECT_EQ(middle->Level(), 0);
    EXPECT_EQ(t.nodes.Root(1), middle);
    EXPECT_EQ(middle->Index(), 1);
    EXPECT_EQ(t.home->Index(), 2);
    EXPECT_EQ(t.work->GetNextSibling(), middle);
    EXPECT_EQ(t.home->GetPrevSibling(), middle);
    // Before a child: among the children, in front of it.
    TTreeNode* first = t.nodes.Insert(t.note1, "计划");
    EXPECT_EQ(first->Parent(), t.work);
    EXPECT_EQ(t.work->Item(0), first);
    EXPECT_EQ(t.note2->Index(), 2);
    // No sibling: at the end of the roots.
    EXPECT_EQ(t.nodes.Insert(nullptr, "末")->Index(), 3);
    EXPECT_EQ(t.nodes.Count(), 7);
}

TEST(TTreeNodes, DeleteChildrenEmptiesABranchAndDropsItsWaitingSource)
{
    CategoryTree t;
    t.nodes.SetSelected(t.note2);
    t.work->DeleteChildren();
    EXPECT_EQ(t.nodes.Selected(), nullptr);
    EXPECT_FALSE(t.work->HasChildren());
    EXPECT_EQ(t.nodes.Count(), 2);
    EXPECT_EQ(t.work->GetNextVisible(), t.home);

    // A source not yet asked is dropped unasked; selection elsewhere stays.
    int asked = 0;
    t.home->SetChildrenSource([&](TTreeNode&) { ++asked; });
    t.nodes.SetSelected(t.work);
    t.home->DeleteChildren();
    EXPECT_FALSE(t.home->HasChildren());
    EXPECT_EQ(t.home->Count(), 0);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(t.nodes.Selected(), t.work);
}

namespace {

// A category whose notes are made only when the branch is first needed,
// counting how often its source runs.
struct LazyTree {
    TTreeNodes nodes;
    int fills { 0 };
    TTreeNode* work { nodes.Add(nullptr, "工作") };
    TTreeNode* home { nodes.Add(nullptr, "生活") };

    LazyTree()
    {
        work->SetChildrenSource([this](TTreeNode& branch) {
            ++fills;
            for (const char* title : { "周报", "会议", "计划" })
                nodes.AddChild(&branch, title)->SetImageIndex(1);
        });
    }
};

} // namespace

TEST(TTreeNodes, ABranchWithASourceShowsItsButtonButMakesNothingUntilLookedInto)
{
    LazyTree t;
    int changes = 0;
    t.nodes.OnChange = [&] { ++changes; };
    EXPECT_TRUE(t.work->HasChildren());
    EXPECT_FALSE(t.home->HasChildren());
    EXPECT_EQ(t.work->GetNextVisible(), t.home);
    EXPECT_EQ(t.home->GetPrevVisible(), t.work);
    EXPECT_EQ(t.fills, 0);

    // Counting fills the branch once; making it is not reported as a change.
    EXPECT_EQ(t.work->Count(), 3);
    EXPECT_EQ(t.work->Count(), 3);
    EXPECT_EQ(t.fills, 1);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(t.work->Item(2)->Text(), "计划");
    EXPECT_EQ(t.work->Item(0)->Parent(), t.work);
    EXPECT_EQ(t.work->Item(0)->ImageIndex(), 1);
}

TEST(TTreeNodes, EveryWayIntoALazyBranchSeesTheSameChildren)
{
    {
        LazyTree t;
        t.work->Expand(false);
        EXPECT_EQ(t.fills, 1);
        EXPECT_EQ(t.work->GetNextVisible()->Text(), "周报");
        EXPECT_EQ(t.home->GetPrevVisible()->Text(), "计划");
    }
    {
        LazyTree t;
        EXPECT_EQ(t.nodes.Count(), 5);
        EXPECT_EQ(t.nodes.Item(3)->Text(), "计划");
        EXPECT_EQ(t.home->AbsoluteIndex(), 4);
    }
    {
        LazyTree t;
        EXPECT_EQ(t.work->GetFirstChild()->Text(), "周报");
        EXPECT_EQ(t.work->GetLastChild()->Text(), "计划");
        EXPECT_EQ(t.work->GetFirstChild()->GetNextSibling()->Text(), "会议");
    }
    {
        // A node added to an unopened branch goes after the ones it holds.
        LazyTree t;
        t.nodes.AddChild(t.work, "新");
        EXPECT_EQ(t.work->Count(), 4);
        EXPECT_EQ(t.work->GetLastChild()->Text(), "新");
        EXPECT_EQ(t.fills, 1);
    }
}

TEST(TTreeNodes, LazyBranchesCanBeSelectedDeletedAtBothEndsAndCleared)
{
    LazyTree t;
    t.nodes.SetSelected(t.work->GetLastChild());
    EXPECT_TRUE(t.work->Expanded());
    t.nodes.Delete(t.work->GetLastChild());
    EXPECT_EQ(t.nodes.Selected(), nullptr);
    t.nodes.Delete(t.work->GetFirstChild());
    EXPECT_EQ(t.work->Count(), 1);
    EXPECT_EQ(t.work->GetFirstChild()->Text(), "会议");
    EXPECT_EQ(t.fills, 1);

    // A branch that was never opened goes away without making its children.
    LazyTree unopened;
    unopened.nodes.Delete(unopened.work);
    unopened.nodes.Clear();
    EXPECT_EQ(unopened.fills, 0);
    EXPECT_EQ(unopened.nodes.Count(), 0);
}

TEST(TTreeNodes, ASourceThatFailsLeavesTheTreeReportingChangesAgain)
{
    TTreeNodes nodes;
    TTreeNode* root = nodes.Add(nullptr, "坏");
    root->SetChildrenSource([](TTreeNode&) { throw EListError("store gone"); });
    EXPECT_THROW(root->Count(), EListError);
    EXPECT_EQ(root->Count(), 0);
    int changes = 0;
    nodes.OnChange = [&] { ++changes; };
    nodes.AddChild(root, "ok");
    EXPECT_EQ(changes, 1);
    {
        TTreeNodesUpdate update(nodes);
        nodes.Add(nullptr, "a");
        nodes.Add(nullptr, "b");
    }
    EXPECT_EQ(changes, 2);
}

TEST(TTreeNodes, PositionsAndSiblingLinksFollowDeletionsAnywhereInABranch)
{
    TTreeNodes nodes;
    TTreeNode* root = nodes.Add(nullptr, "类别");
    for (int i = 0; i < 6; ++i)
        nodes.AddChild(root, std::to_string(i));
    nodes.Delete(root->Item(2));
    nodes.Delete(root->GetFirstChild());
    nodes.Delete(root->GetLastChild());
    nodes.AddChild(root, "新");

    // Walking by sibling links and by position must agree with the order of
    // the branch: 1, 3, 4, 新.
    std::vector<std::string> walked;
    for (TTreeNode* n = root->GetFirstChild(); n; n = n->GetNextSibling()) {
        EXPECT_EQ(root->Item(n->Index()), n);
        walked.push_back(n->Text());
    }
    EXPECT_EQ(walked, (std::vector<std::string> { "1", "3", "4", "新" }));
    std::vector<std::string> backwards;
    for (TTreeNode* n = root->GetLastChild(); n; n = n->GetPrevSibling())
        backwards.push_back(n->Text());
    EXPECT_EQ(backwards, (std::vector<std::string> { "新", "4", "3", "1" }));

    // Roots keep their positions as well.
    TTreeNode* second = nodes.Add(nullptr, "第二");
    TTreeNode* third = nodes.Add(nullptr, "第三");
    nodes.Delete(root);
    EXPECT_EQ(second->Index(), 0);
    EXPECT_EQ(third->Index(), 1);
    EXPECT_EQ(second->GetNextSibling(), third);
    EXPECT_EQ(third->GetPrevSibling(), second);
}
