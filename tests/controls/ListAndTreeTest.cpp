#include "Headless.h"

#include "platform/controls/TListBox.h"
#include "platform/controls/TTreeView.h"
#include "platform/window/VirtualKeys.h"

#include <cstdlib>
#include <memory>

using namespace ctl;

namespace {

struct ListForm {
    std::unique_ptr<TForm> form { std::make_unique<TForm>(nullptr) };
    TListBox* list { new TListBox(form.get()) };

    ListForm()
    {
        form->SetClientSize(298, 330);
        list->SetBounds(8, 8, 281, 289);
        list->SetParent(form.get());
        form->Show();
    }
};

// The main window's tree: categories as roots, note titles below, images
// 0 (folder) and 1 (page).
struct TreeForm {
    std::unique_ptr<TForm> form { std::make_unique<TForm>(nullptr) };
    TTreeView* tree { new TTreeView(form.get()) };
    TImageList* images { new TImageList(form.get()) };
    TTreeNode* work;
    TTreeNode* report;
    TTreeNode* meeting;
    TTreeNode* home;

    TreeForm()
    {
        form->SetClientSize(200, 300);
        tree->SetBounds(0, 0, 148, 300);
        gfx::TFont font;
        font.Name = "Tahoma";
        font.Height = -16;
        tree->SetFont(font);
        tree->SetIndent(19);
        tree->SetImages(images);
        gfx::TBitmap strip;
        const char* source = std::getenv("VELTRIN_SOURCE_DIR");
        strip.LoadFromFile(std::string(source ? source : ".") + "/assets/icons/tree.bmp");
        images->Add(strip);
        tree->SetParent(form.get());
        work = tree->Items().Add(nullptr, "工作");
        report = tree->Items().AddChild(work, "周报");
        report->SetImageIndex(1);
        meeting = tree->Items().AddChild(work, "会议");
        meeting->SetImageIndex(1);
        home = tree->Items().Add(nullptr, "生活");
        form->Show();
        EXPECT_EQ(images->Count(), 2);
    }

    // A point on the label of a node's row.
    gfx::TPoint LabelOf(TTreeNode* node) const
    {
        const gfx::TRect row = tree->NodeRect(node);
        const int left = (node->Level() + 1) * tree->Indent() + 16 + 12;
        return tree->ClientToScreen({ left, (row.Top + row.Bottom) / 2 });
    }
};

} // namespace

using ListAndTreeTest = HeadlessTest;

TEST_F(ListAndTreeTest, ListBoxDoubleClickPicksTheItemUnderThePointer)
{
    ListForm f;
    f.list->SetItemHeight(13);
    for (const char* title : { "周报", "会议", "周报", "读书" })
        f.list->Items().Add(title);
    int picked = -2;
    f.list->OnDblClick = [&](TObject*) { picked = f.list->ItemIndex(); };
    int clicks = 0;
    f.list->OnClick = [&](TObject*) { ++clicks; };
    const gfx::TRect third = f.list->ItemRect(2);
    const gfx::TPoint p = f.list->ClientToScreen({ third.Left + 10, third.Top + 6 });
    Harness.DoubleClick(p.X, p.Y);
    EXPECT_EQ(picked, 2);
    EXPECT_EQ(f.list->Items()[picked], "周报");
    EXPECT_GE(clicks, 1);
    Harness.SaveSnapshot(f.form->Handle(), "controls-list");
    // A double click below the last row picks nothing new.
    picked = -2;
    const gfx::TPoint empty = f.list->ClientToScreen({ 20, 200 });
    Harness.DoubleClick(empty.X, empty.Y);
    EXPECT_EQ(picked, -2);
    EXPECT_EQ(f.list->ItemIndex(), 2);
}

TEST_F(ListAndTreeTest, ListBoxScrollsToKeepTheSelectionInView)
{
    ListForm f;
    for (int i = 0; i < 60; ++i)
        f.list->Items().Add("note " + std::to_string(i));
    EXPECT_EQ(f.list->PageRows(), (289 - 4) / 13);
    f.list->SetFocus();
    Harness.PressKey(wnd::VK_END);
    EXPECT_EQ(f.list->ItemIndex(), 59);
    EXPECT_EQ(f.list->TopIndex(), 60 - f.list->PageRows());
    const gfx::TPoint p = Middle(*f.list);
    Harness.Wheel(p.X, p.Y, wnd::WHEEL_DELTA);
    EXPECT_EQ(f.list->TopIndex(), 60 - f.list->PageRows() - 3);
    f.list->Items().Clear();
    EXPECT_EQ(f.list->ItemIndex(), -1);
    EXPECT_EQ(f.list->TopIndex(), 0);
}

TEST_F(ListAndTreeTest, TreeClickSelectsTheNodeAndRunsOnClickEverywhere)
{
    TreeForm f;
    std::vector<int> levels;
    f.tree->OnClick = [&](TObject*) { levels.push_back(f.tree->Selected() ? f.tree->Selected()->Level() : -1); };
    Click(f.LabelOf(f.work));
    EXPECT_EQ(f.tree->Selected(), f.work);
    // The expand button opens the branch; the click still runs OnClick.
    const gfx::TRect row = f.tree->NodeRect(f.work);
    Click(f.tree->ClientToScreen({ 2 + 19 / 2, (row.Top + row.Bottom) / 2 }));
    EXPECT_TRUE(f.work->Expanded());
    Click(f.LabelOf(f.meeting));
    EXPECT_EQ(f.tree->Selected(), f.meeting);
    Click(f.tree->ClientToScreen({ 60, 280 })); // empty space below the rows
    EXPECT_EQ(levels, (std::vector<int> { 0, 0, 1, 1 }));
    EXPECT_EQ(f.tree->Selected(), f.meeting);
    Harness.SaveSnapshot(f.form->Handle(), "controls-tree");
}

TEST_F(ListAndTreeTest, TreeKeysWalkTheShownNodes)
{
    TreeForm f;
    TTreeNode* changed = nullptr;
    f.tree->OnChange = [&](TObject*, TTreeNode* node) { changed = node; };
    f.tree->SetFocus();
    Harness.PressKey(wnd::VK_DOWN);
    EXPECT_EQ(f.tree->Selected(), f.work);
    Harness.PressKey(wnd::VK_DOWN);
    EXPECT_EQ(f.tree->Selected(), f.home); // the branch is closed
    Harness.PressKey(wnd::VK_UP);
    Harness.PressKey(wnd::VK_RIGHT); // opens
    Harness.PressKey(wnd::VK_RIGHT); // goes to the first child
    EXPECT_EQ(f.tree->Selected(), f.report);
    EXPECT_EQ(changed, f.report);
    Harness.PressKey(wnd::VK_LEFT); // back to the parent
    Harness.PressKey(wnd::VK_LEFT); // closes
    EXPECT_EQ(f.tree->Selected(), f.work);
    EXPECT_FALSE(f.work->Expanded());
}

TEST_F(ListAndTreeTest, TreeScrollRangeFollowsTheShownNodes)
{
    TreeForm f;
    f.tree->Items().BeginUpdate();
    for (int i = 0; i < 40; ++i)
        f.tree->Items().AddChild(f.home, "n" + std::to_string(i));
    f.tree->Items().EndUpdate();
    EXPECT_EQ(f.tree->VisibleNodeCount(), 2);
    f.home->Expand(false);
    EXPECT_EQ(f.tree->VisibleNodeCount(), 42);
    f.tree->SetSelected(f.home->GetLastChild());
    EXPECT_EQ(f.tree->TopIndex(), 42 - f.tree->PageRows());
    f.tree->Items().Clear();
    EXPECT_EQ(f.tree->TopIndex(), 0);
    EXPECT_EQ(f.tree->Selected(), nullptr);
}

TEST_F(ListAndTreeTest, FreedImageListIsForgottenByTheTree)
{
    TreeForm f;
    delete f.images;
    EXPECT_EQ(f.tree->Images(), nullptr);
    f.tree->Repaint(); // paints without images, not with the freed list
}

TEST_F(ListAndTreeTest, BorderlessTreeUsesTheWholeClientAreaAndPaintsNoFrame)
{
    TreeForm f;
    f.work->Expand(false);
    EXPECT_EQ(f.tree->BorderStyle(), TBorderStyle::bsSingle);
    const gfx::TRect framed = f.tree->NodeRect(f.work);
    EXPECT_EQ(framed.Left, 2);
    EXPECT_EQ(framed.Top, 2);
    f.tree->Repaint();
    const gfx::TBitmap withBorder = Harness.Capture(f.tree->Handle());
    EXPECT_NE(withBorder.GetPixel(0, 0), gfx::ColorToRGB(f.tree->Color()));

    f.tree->SetBorderStyle(TBorderStyle::bsNone);
    f.tree->Repaint();
    const gfx::TRect bare = f.tree->NodeRect(f.work);
    EXPECT_EQ(bare.Left, 0);
    EXPECT_EQ(bare.Top, 0);
    EXPECT_EQ(bare.Right, f.tree->Width());
    EXPECT_EQ(bare.Height(), framed.Height());
    EXPECT_EQ(f.tree->PageRows(), f.tree->Height() / f.tree->RowHeight());
    const gfx::TBitmap borderless = Harness.Capture(f.tree->Handle());
    for (gfx::TPoint corner : { gfx::Point(0, 0), gfx::Point(f.tree->Width() - 1, f.tree->Height() - 1),
             gfx::Point(0, f.tree->Height() - 1) })
        EXPECT_EQ(borderless.GetPixel(corner.X, corner.Y), gfx::ColorToRGB(f.tree->Color()))
            << corner.X << "," << corner.Y;
    // The whole picture moved up and left by the border: the first row's
    // label pixels are where they were, two pixels further up and left.
    for (int y = framed.Top; y < framed.Bottom; ++y)
        for (int x = framed.Left; x < framed.Left + 60; ++x)
            ASSERT_EQ(borderless.GetPixel(x - 2, y - 2), withBorder.GetPixel(x, y)) << x << "," << y;

    // Clicks land on the rows where they are now drawn.
    Click(f.LabelOf(f.meeting));
    EXPECT_EQ(f.tree->Selected(), f.meeting);
    Harness.SaveSnapshot(f.form->Handle(), "controls-tree-borderless");
}


TEST_F(ListAndTreeTest, ClicksOnTheScrollBarScrollTheRowsButAreNoClickOnThem)
{
    ListForm f;
    for (int i = 0; i < 60; ++i)
        f.list->Items().Add("note " + std::to_string(i));
    int clicks = 0;
    f.list->OnClick = [&](TObject*) { ++clicks; };
    // The down arrow at the foot of the bar.
    Click(At(*f.list, f.list->Width() - 5, f.list->Height() - 5));
    EXPECT_EQ(f.list->TopIndex(), 1);
    EXPECT_EQ(f.list->ItemIndex(), -1);
    EXPECT_EQ(clicks, 0);
    // The next click on a row is a click again.
    Click(At(*f.list, 20, 10));
    EXPECT_EQ(f.list->ItemIndex(), 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_LT(f.list->ItemRect(1).Right, f.list->Width() - 10);
}

TEST_F(ListAndTreeTest, TreeWithoutScrollBarsGivesTheRowsTheWholeWidthAndScrollsOnlyByWheel)
{
    TreeForm f;
    for (int i = 0; i < 40; ++i)
        f.tree->Items().AddChild(f.home, "n" + std::to_string(i));
    f.home->Expand(false);
    int scrolls = 0;
    f.tree->OnScroll = [&](TObject*) { ++scrolls; };
    const gfx::TPoint barFoot = At(*f.tree, f.tree->Width() - 5, f.tree->Height() - 5);

    Click(barFoot);
    EXPECT_EQ(f.tree->TopIndex(), 1);
    EXPECT_EQ(scrolls, 1);
    EXPECT_LT(f.tree->NodeRect(f.home).Right, f.tree->Width() - 10);

    f.tree->SetScrollBars(false);
    EXPECT_EQ(f.tree->NodeRect(f.home).Right, f.tree->Width() - 2);
    Click(barFoot);
    EXPECT_EQ(f.tree->TopIndex(), 1);
    const gfx::TPoint p = Middle(*f.tree);
    Harness.Wheel(p.X, p.Y, -wnd::WHEEL_DELTA);
    EXPECT_EQ(f.tree->TopIndex(), 4);
    EXPECT_EQ(scrolls, 2);
}

TEST_F(ListAndTreeTest, LongLabelsScrollSidewaysWithShiftWheelAndSelection)
{
    TreeForm f;
    int scrolls = 0;
    f.tree->OnScroll = [&](TObject*) { ++scrolls; };
    f.work->Expand(false);
    EXPECT_LE(f.tree->ContentWidth(), f.tree->ViewWidth());
    f.tree->SetLeftOffset(10);
    EXPECT_EQ(f.tree->LeftOffset(), 0); // everything fits: nothing to scroll

    TTreeNode* longNote = f.tree->Items().AddChild(f.work, "一个很长很长很长很长很长很长的笔记标题");
    const int wide = f.tree->ContentWidth();
    ASSERT_GT(wide, f.tree->ViewWidth());
    EXPECT_EQ(f.tree->MaxLeftOffset(), wide - f.tree->ViewWidth());

    // Shift with the wheel moves the rows sideways, as far as the widest label.
    const gfx::TPoint middle = f.tree->ClientToScreen({ 50, 50 });
    f.tree->SetFocus();
    scrolls = 0;
    Harness.KeyDown(wnd::VK_SHIFT);
    Harness.Wheel(middle.X, middle.Y, -wnd::WHEEL_DELTA);
    EXPECT_EQ(f.tree->LeftOffset(), std::min(3 * f.tree->Indent(), f.tree->MaxLeftOffset()));
    EXPECT_EQ(scrolls, 1);
    for (int i = 0; i < 20; ++i)
        Harness.Wheel(middle.X, middle.Y, -wnd::WHEEL_DELTA);
    EXPECT_EQ(f.tree->LeftOffset(), f.tree->MaxLeftOffset());
    Harness.KeyUp(wnd::VK_SHIFT);

    // A click hits the node drawn under the pointer, scrolled as shown.
    const gfx::TRect row = f.tree->NodeRect(longNote);
    Click(f.tree->ClientToScreen({ f.tree->ViewWidth() - 10, (row.Top + row.Bottom) / 2 }));
    EXPECT_EQ(f.tree->Selected(), longNote);
    // Walking to a root node brings its start back into view.
    Harness.PressKey(wnd::VK_HOME);
    EXPECT_EQ(f.tree->Selected(), f.work);
    EXPECT_EQ(f.tree->LeftOffset(), 0);
    Harness.PressKey(wnd::VK_END);
    EXPECT_EQ(f.tree->Selected(), f.home);

    // Collapsing the long label's branch takes the width away: back to the start.
    f.tree->SetLeftOffset(f.tree->MaxLeftOffset());
    f.work->Collapse(false);
    EXPECT_LE(f.tree->ContentWidth(), f.tree->ViewWidth());
    EXPECT_EQ(f.tree->LeftOffset(), 0);
}
