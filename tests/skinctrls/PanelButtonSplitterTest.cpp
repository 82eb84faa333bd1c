#include "SkinFormFixture.h"

#include "platform/controls/TPanel.h"
#include "platform/window/VirtualKeys.h"
#include "skinctrls/DefaultLook.h"
#include "skinctrls/TbsSkinBevel.h"
#include "skinctrls/TbsSkinButton.h"
#include "skinctrls/TbsSkinGroupBox.h"
#include "skinctrls/TbsSkinSplitter.h"
#include "skinctrls/TbsSkinScrollBar.h"
#include "skinctrls/TbsSkinTreeView.h"

using namespace skinctrls;

namespace {

class SkinPanelTest : public SkinFormTest { };

TEST_F(SkinPanelTest, GroupBoxDrawsCaptionBandAndPlacesChildBelowIt)
{
    form->SetClientSize(400, 470);
    auto* box = new TbsSkinGroupBox(form.get());
    box->SetBounds(0, 0, 150, 456);
    box->SetCaption("笔记分类");
    box->SetParent(form.get());
    auto* child = new ctl::TPanel(form.get());
    child->SetParent(box);
    child->SetAlign(ctl::TAlign::alClient);
    ShowForm();
    EXPECT_EQ(child->BoundsRect(), gfx::Rect(1, 23, 149, 455));
    child->SetVisible(false);
    // Outline of the control and of the band (0,0)-(150,22) in button shadow.
    EXPECT_EQ(PixelOf(*box, 0, 100), Rgb(gfx::clBtnShadow));
    EXPECT_EQ(PixelOf(*box, 149, 100), Rgb(gfx::clBtnShadow));
    EXPECT_EQ(PixelOf(*box, 75, 455), Rgb(gfx::clBtnShadow));
    EXPECT_EQ(PixelOf(*box, 140, 21), Rgb(gfx::clBtnShadow));
    // Highlight on top and left inside the band, button face right and bottom.
    EXPECT_EQ(PixelOf(*box, 1, 10), Rgb(gfx::clBtnHighlight));
    EXPECT_EQ(PixelOf(*box, 140, 1), Rgb(gfx::clBtnHighlight));
    EXPECT_EQ(PixelOf(*box, 140, 20), Rgb(gfx::clBtnFace));
    EXPECT_EQ(PixelOf(*box, 75, 200), Rgb(gfx::clBtnFace));
    // The caption starts at x 4 within the band 2..20.
    bool captionInk = false;
    for (int y = 2; y < 20; ++y)
        for (int x = 4; x < 10; ++x)
            captionInk = captionInk || PixelOf(*box, x, y) != Rgb(gfx::clBtnFace);
    EXPECT_TRUE(captionInk);
    for (int y = 2; y < 20; ++y)
        EXPECT_EQ(PixelOf(*box, 3, y), Rgb(gfx::clBtnFace)) << y;
    child->SetVisible(true);
    Snapshot("skinctrls_groupbox");
}

TEST_F(SkinPanelTest, FramedPanelWithoutCaptionAndRollUp)
{
    auto* panel = new TbsSkinPanel(form.get());
    panel->SetBounds(10, 10, 120, 56);
    panel->SetParent(form.get());
    auto* child = new ctl::TPanel(form.get());
    child->SetParent(panel);
    child->SetAlign(ctl::TAlign::alClient);
    ShowForm();
    EXPECT_EQ(child->BoundsRect(), gfx::Rect(1, 1, 119, 55));
    EXPECT_EQ(PixelOf(*panel, 0, 0), Rgb(gfx::clBtnShadow));

    // Checked mode off: OnChecked still fires, children keep their state.
    int checks = 0;
    panel->OnChecked = [&](ctl::TObject*) { ++checks; };
    panel->SetChecked(true);
    EXPECT_EQ(checks, 1);
    EXPECT_TRUE(child->Enabled());

    panel->SetCaptionMode(true);
    panel->SetRollUpMode(true);
    panel->SetRollUpState(true);
    EXPECT_EQ(panel->Height(), 23);
    EXPECT_EQ(panel->RealHeight(), 56);
    EXPECT_FALSE(child->Visible());
    panel->SetRollUpState(false);
    EXPECT_EQ(panel->Height(), 56);
    EXPECT_TRUE(child->Visible());
    EXPECT_EQ(panel->RealHeight(), -1);

    // A child freed while rolled up is not shown again by the unrolling.
    auto* second = new ctl::TPanel(form.get());
    second->SetParent(panel);
    panel->SetRollUpState(true);
    EXPECT_FALSE(second->Visible());
    delete second;
    panel->SetRollUpState(false);
    EXPECT_TRUE(child->Visible());
    EXPECT_EQ(panel->ControlCount(), 1);
}

TEST_F(SkinPanelTest, SpacerBevelDrawsNothingAndDividerLineDrawsBox)
{
    auto* spacer = new TbsSkinBevel(form.get());
    spacer->SetBounds(0, 0, 25, 25);
    spacer->SetShape(TBevelShape::bsSpacer);
    spacer->SetDividerMode(true);
    spacer->SetParent(form.get());
    auto* line = new TbsSkinBevel(form.get());
    line->SetBounds(40, 0, 23, 25);
    line->SetShape(TBevelShape::bsLeftLine);
    line->SetDividerMode(true);
    line->SetParent(form.get());
    ShowForm();
    for (int y = 0; y < 25; y += 3)
        for (int x = 0; x < 25; x += 3)
            EXPECT_EQ(PixelOf(*spacer, x, y), Rgb(gfx::clBtnFace));
    EXPECT_EQ(PixelOf(*line, 10, 10), Rgb(gfx::clBtnShadow)); // left edge, colour 1
    EXPECT_EQ(PixelOf(*line, 11, 10), Rgb(gfx::clBtnHighlight)); // right edge, colour 2
    EXPECT_EQ(PixelOf(*line, 10, 2), Rgb(gfx::clBtnShadow));
    EXPECT_EQ(PixelOf(*line, 9, 10), Rgb(gfx::clBtnFace));
    EXPECT_EQ(PixelOf(*line, 12, 10), Rgb(gfx::clBtnFace));
    EXPECT_EQ(PixelOf(*line, 10, 1), Rgb(gfx::clBtnFace));
}

class SkinButtonTest : public SkinFormTest { };

TEST_F(SkinButtonTest, DefaultLookStates)
{
    auto* button = new TbsSkinButton(form.get());
    button->SetBounds(16, 9, 49, 38);
    button->SetCaption("修改");
    button->SetCanFocused(false); // keep the focus look out of the idle state
    button->SetParent(form.get());
    ShowForm();
    EXPECT_EQ(PixelOf(*button, 0, 0), Rgb(gfx::clBtnShadow));
    EXPECT_EQ(PixelOf(*button, 48, 37), Rgb(gfx::clBtnShadow));
    EXPECT_EQ(PixelOf(*button, 2, 2), Rgb(gfx::clBtnFace));
    const gfx::TPoint p = At(*button, 3, 3);
    Harness.MoveMouse(p.X, p.Y);
    EXPECT_EQ(PixelOf(*button, 0, 0), kDefaultFrameColor);
    EXPECT_EQ(PixelOf(*button, 2, 2), kDefaultHotColor);
    Harness.MouseDown(p.X, p.Y);
    EXPECT_EQ(PixelOf(*button, 2, 2), kDefaultDownColor);
    Snapshot("skinctrls_button_down");
    Harness.MouseUp(p.X, p.Y);
    button->SetEnabled(false);
    Harness.MoveMouse(300, 190);
    EXPECT_EQ(PixelOf(*button, 2, 2), Rgb(gfx::clBtnFace));
    Snapshot("skinctrls_button_disabled");
}

TEST_F(SkinButtonTest, ClickSetsModalResultAndRunsOnClick)
{
    auto* button = new TbsSkinButton(form.get());
    button->SetParent(form.get());
    button->ModalResult = ctl::mrOk;
    int clicks = 0;
    button->OnClick = [&](ctl::TObject*) { ++clicks; };
    ShowForm();
    Click(Middle(*button));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(form->ModalResult(), ctl::mrOk);
    EXPECT_TRUE(button->Focused());
    // Press inside, release outside: no click.
    const gfx::TPoint in = Middle(*button);
    Harness.MouseDown(in.X, in.Y);
    Harness.MouseUp(in.X + 200, in.Y + 100);
    EXPECT_EQ(clicks, 1);
    // Space clicks at release.
    Harness.PressKey(wnd::VK_SPACE);
    EXPECT_EQ(clicks, 2);
}

TEST_F(SkinButtonTest, DefaultAndCancelAnswerEnterAndEscape)
{
    auto* edit = new ctl::TPanel(form.get()); // a focusable control of another kind
    edit->SetTabStop(true);
    edit->SetBounds(200, 0, 50, 20);
    edit->SetParent(form.get());
    auto* ok = new TbsSkinButton(form.get());
    ok->SetBounds(0, 0, 75, 25);
    ok->SetDefault(true);
    ok->SetParent(form.get());
    auto* cancel = new TbsSkinButton(form.get());
    cancel->SetBounds(0, 40, 75, 25);
    cancel->Cancel = true;
    cancel->ModalResult = ctl::mrCancel;
    cancel->SetParent(form.get());
    int okClicks = 0;
    ok->OnClick = [&](ctl::TObject*) { ++okClicks; };
    ShowForm();
    edit->SetFocus();
    Harness.ProcessMessages();
    ASSERT_TRUE(edit->Focused());
    EXPECT_TRUE(ok->ActiveDefault());
    // The default button shows the hot look while another kind of control has the focus.
    EXPECT_EQ(PixelOf(*ok, 2, 2), kDefaultHotColor);
    Harness.PressKey(wnd::VK_RETURN);
    EXPECT_EQ(okClicks, 1);
    Harness.PressKey(wnd::VK_ESCAPE);
    EXPECT_EQ(form->ModalResult(), ctl::mrCancel);
    // Another skinned button takes the focus: it answers Enter, the default one goes idle.
    cancel->SetFocus();
    Harness.ProcessMessages();
    EXPECT_FALSE(ok->ActiveDefault());
    EXPECT_EQ(PixelOf(*ok, 2, 2), Rgb(gfx::clBtnFace));
    Harness.PressKey(wnd::VK_RETURN);
    EXPECT_EQ(okClicks, 1);
}

class SkinSplitterTest : public SkinFormTest { };

TEST_F(SkinSplitterTest, BeveledDefaultLookAndLineDrag)
{
    form->SetClientSize(400, 200);
    auto* left = new ctl::TPanel(form.get());
    left->SetBounds(0, 0, 150, 200);
    left->SetAlign(ctl::TAlign::alLeft);
    left->SetParent(form.get());
    auto* splitter = new TbsSkinSplitter(form.get());
    splitter->SetBounds(150, 0, 9, 200);
    splitter->SetAlign(ctl::TAlign::alLeft);
    splitter->SetBeveled(true);
    splitter->ResizeStyle = ctl::TResizeStyle::rsLine;
    splitter->SetParent(form.get());
    auto* rest = new ctl::TPanel(form.get());
    rest->SetAlign(ctl::TAlign::alClient);
    rest->SetParent(form.get());
    ShowForm();
    EXPECT_EQ(splitter->Width(), 9); // never applied: keeps its stored width
    EXPECT_EQ(PixelOf(*splitter, 0, 50), Rgb(gfx::clBtnShadow));
    EXPECT_EQ(PixelOf(*splitter, 6, 50), Rgb(gfx::clBtnShadow));
    EXPECT_EQ(PixelOf(*splitter, 2, 50), Rgb(gfx::clBtnHighlight));
    EXPECT_EQ(PixelOf(*splitter, 8, 50), Rgb(gfx::clBtnHighlight));
    EXPECT_EQ(PixelOf(*splitter, 4, 50), Rgb(gfx::clBtnFace));

    const gfx::TPoint from = At(*splitter, 4, 100);
    Harness.Drag({ from.X, from.Y }, { from.X + 40, from.Y });
    EXPECT_EQ(left->Width(), 190);
    EXPECT_EQ(splitter->Left(), 190);

    splitter->ApplySkin(); // no skin: DefaultSize
    EXPECT_EQ(splitter->Width(), 10);
    EXPECT_EQ(splitter->MinSize, 10);
}

class SkinTreeTest : public SkinFormTest { };

TEST_F(SkinTreeTest, DefaultColourFontAndClicks)
{
    auto* tree = new TbsSkinTreeView(form.get());
    tree->SetBounds(0, 0, 129, 179);
    tree->SetParent(form.get());
    ctl::TTreeNode* root = tree->Items().Add(nullptr, "工作");
    tree->Items().AddChild(root, "会议记录");
    root->Expand(false);
    int clicks = 0;
    tree->OnClick = [&](ctl::TObject*) { ++clicks; };
    ShowForm();
    EXPECT_EQ(tree->Color(), gfx::clWindow);
    EXPECT_EQ(tree->Font().Name, "宋体");
    EXPECT_EQ(tree->Font().Height, 12);
    EXPECT_FALSE(tree->ScrollBars());
    const gfx::TRect row = tree->NodeRect(root->GetFirstChild());
    Click(At(*tree, row.Left + 60, row.Top + row.Height() / 2));
    EXPECT_EQ(clicks, 1);
    ASSERT_NE(tree->Selected(), nullptr);
    EXPECT_EQ(tree->Selected()->Text(), "会议记录");
    tree->SetDefaultColor(gfx::clBtnFace);
    EXPECT_EQ(tree->Color(), gfx::clBtnFace);
    Snapshot("skinctrls_treeview");
}

TEST_F(SkinTreeTest, ExternalBarShowsOnlyWhileTheRowsDoNotFitAndFollowsTheTree)
{
    auto* tree = new TbsSkinTreeView(form.get());
    tree->SetBounds(0, 0, 129, 179);
    tree->SetParent(form.get());
    auto* bar = new TbsSkinScrollBar(form.get());
    bar->SetKind(TScrollBarKind::sbVertical);
    bar->SetBounds(130, 0, 19, 179);
    bar->SetParent(form.get());
    for (const char* text : { "工作", "生活", "学习" })
        tree->Items().Add(nullptr, text);
    tree->SetVScrollBar(bar);
    ShowForm();
    EXPECT_FALSE(bar->Visible()); // three rows fit

    for (int i = 0; i < 37; ++i)
        tree->Items().Add(nullptr, "笔记" + std::to_string(i));
    Harness.ProcessMessages();
    ASSERT_TRUE(bar->Visible());
    EXPECT_EQ(bar->Max(), 39);
    EXPECT_EQ(bar->PageSize(), tree->PageRows());

    // The bar follows the tree's selection, and the tree follows the bar.
    ctl::TTreeNode* last = nullptr;
    for (int i = 0; i < 37; ++i)
        last = tree->Items().Add(nullptr, "末" + std::to_string(i));
    tree->SetSelected(last);
    Harness.ProcessMessages();
    EXPECT_EQ(bar->Max(), 76);
    EXPECT_EQ(bar->Position(), tree->TopIndex());
    EXPECT_GT(bar->Position(), 0);
    bar->SetPosition(3);
    EXPECT_EQ(tree->TopIndex(), 3);

    tree->Hide();
    Harness.ProcessMessages();
    EXPECT_FALSE(bar->Visible());
}

// The category tree's layout with both bars: the vertical one at the right,
// the horizontal one below, the tree filling the rest.
TEST_F(SkinTreeTest, HorizontalBarShowsForLabelsWiderThanTheTreeAndLeavesTheCornerToTheVerticalOne)
{
    auto* box = new ctl::TPanel(form.get());
    box->SetBounds(0, 0, 160, 180);
    box->SetParent(form.get());
    auto* vertical = new TbsSkinScrollBar(form.get());
    vertical->SetKind(TScrollBarKind::sbVertical);
    vertical->SetAlign(ctl::TAlign::alRight);
    vertical->SetParent(box);
    auto* horizontal = new TbsSkinScrollBar(form.get());
    horizontal->SetAlign(ctl::TAlign::alBottom);
    horizontal->SetParent(box);
    auto* tree = new TbsSkinTreeView(form.get());
    tree->SetAlign(ctl::TAlign::alClient);
    tree->SetParent(box);
    for (const char* text : { "工作", "生活", "学习" })
        tree->Items().Add(nullptr, text);
    tree->SetVScrollBar(vertical);
    tree->SetHScrollBar(horizontal);
    ShowForm();
    EXPECT_FALSE(horizontal->Visible());
    EXPECT_FALSE(vertical->Visible());

    ctl::TTreeNode* longNode = tree->Items().AddChild(tree->Items().GetFirstNode(), "一个很长很长很长很长很长的笔记标题");
    tree->Items().GetFirstNode()->Expand(false);
    Harness.ProcessMessages();
    ASSERT_TRUE(horizontal->Visible());
    EXPECT_FALSE(horizontal->Both());
    EXPECT_EQ(tree->Top() + tree->Height(), horizontal->Top());
    EXPECT_EQ(horizontal->Max(), tree->ContentWidth() - 1);
    EXPECT_EQ(horizontal->PageSize(), tree->ViewWidth());

    // Selecting the long node scrolls toward its label, its start kept in view; the bar follows.
    tree->SetFocus();
    tree->SetSelected(longNode);
    Harness.ProcessMessages();
    EXPECT_EQ(tree->LeftOffset(), 2 * tree->Indent() + 1 - tree->Indent() - 1);
    EXPECT_EQ(horizontal->Position(), tree->LeftOffset());
    horizontal->SetPosition(horizontal->Max());
    EXPECT_EQ(tree->LeftOffset(), tree->MaxLeftOffset());
    // Shift with the wheel, and the bar itself, move the rows.
    const gfx::TPoint inside = Middle(*tree);
    Harness.KeyDown(wnd::VK_SHIFT);
    Harness.Wheel(inside.X, inside.Y, wnd::WHEEL_DELTA);
    Harness.KeyUp(wnd::VK_SHIFT);
    EXPECT_LT(tree->LeftOffset(), tree->MaxLeftOffset());
    EXPECT_EQ(horizontal->Position(), tree->LeftOffset());
    horizontal->SetPosition(0);
    EXPECT_EQ(tree->LeftOffset(), 0);

    // Rows that do not fit bring the vertical bar; the horizontal one leaves it the corner.
    for (int i = 0; i < 30; ++i)
        tree->Items().Add(nullptr, "笔记" + std::to_string(i));
    Harness.ProcessMessages();
    ASSERT_TRUE(vertical->Visible());
    EXPECT_TRUE(horizontal->Both());
    EXPECT_EQ(horizontal->SkinDataName(), "bothhscrollbar");
    Snapshot("skinctrls_treeview_both_bars");

    tree->Hide();
    Harness.ProcessMessages();
    EXPECT_FALSE(horizontal->Visible());
    EXPECT_FALSE(vertical->Visible());
}

TEST_F(SkinTreeTest, BarsForgetATreeThatWentAway)
{
    auto* bar = new TbsSkinScrollBar(form.get());
    bar->SetParent(form.get());
    {
        auto* tree = new TbsSkinTreeView(form.get());
        tree->SetParent(form.get());
        tree->SetVScrollBar(bar);
        ASSERT_TRUE(bar->OnChange);
        delete tree;
    }
    EXPECT_FALSE(bar->OnChange);
    bar->SetPosition(5); // nothing left to call
    EXPECT_EQ(bar->Position(), 5);
}

} // namespace
