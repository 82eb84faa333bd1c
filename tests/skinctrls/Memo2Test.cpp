#include "SkinFormFixture.h"

#include "skinctrls/TbsSkinEdit.h"
#include "skinctrls/TbsSkinMemo2.h"
#include "platform/window/VirtualKeys.h"

using namespace skinctrls;

namespace {

class Memo2Test : public SkinFormTest {
protected:
    Memo2Test()
    {
        form->SetBounds(10, 10, 420, 320);
        search->SetBounds(8, 8, 200, 20);
        search->SetParent(form.get());
        search->SetText("请输入关键字");
        memo->SetBounds(8, 40, 300, 267);
        memo->SetParent(form.get());
        bar->SetKind(TScrollBarKind::sbVertical);
        bar->SetBounds(308, 40, 19, 267);
        bar->SetParent(form.get());
        memo->SetVScrollBar(bar);
        ShowForm();
    }

    TbsSkinEdit* search { new TbsSkinEdit(form.get()) };
    TbsSkinMemo2* memo { new TbsSkinMemo2(form.get()) };
    TbsSkinScrollBar* bar { new TbsSkinScrollBar(form.get()) };
};

std::string ChineseBody(int paragraphs)
{
    std::string body;
    for (int i = 0; i < paragraphs; ++i)
        body += "第" + std::to_string(i + 1) + "段：今天整理了笔记管理程序的分类和搜索功能，记录一下要点。\r\n";
    return body;
}

} // namespace

TEST_F(Memo2Test, BarFollowsTheMemoAndScrollsIt)
{
    EXPECT_FALSE(bar->Enabled()); // empty memo: nothing to scroll
    memo->SetText(ChineseBody(30));
    ASSERT_GT(memo->LineCount(), memo->VisibleLineCount());
    EXPECT_TRUE(bar->Enabled());
    EXPECT_EQ(bar->Max(), memo->LineCount() - 1);
    EXPECT_EQ(bar->PageSize(), memo->VisibleLineCount());

    memo->SetTopLine(5);
    EXPECT_EQ(bar->Position(), 5);
    const gfx::TPoint down = At(*bar, 9, 260);
    Harness.Click(down.X, down.Y);
    EXPECT_EQ(memo->TopLine(), 6);
    bar->SetPosition(1000);
    EXPECT_EQ(memo->TopLine(), memo->MaxTopLine());
    Harness.ProcessMessages();
    Snapshot("skinctrls-notes-memo");

    memo->SetEnabled(false);
    EXPECT_FALSE(bar->Enabled());
    EXPECT_EQ(bar->Max(), 0);
}

TEST_F(Memo2Test, RemovedBarIsForgottenAndABarOutlivingTheMemoCallsNothing)
{
    delete bar;
    memo->SetText(ChineseBody(30));
    EXPECT_EQ(memo->VScrollBar(), nullptr);

    auto* other = new TbsSkinScrollBar(form.get());
    other->SetParent(form.get());
    memo->SetVScrollBar(other);
    ASSERT_TRUE(other->OnChange);
    delete memo;
    EXPECT_FALSE(other->OnChange);
    other->SetRangeValues(0, 10, 0, 0);
    other->SetPosition(4);
    EXPECT_EQ(other->Position(), 4);
}

TEST_F(Memo2Test, ReplacedBarNoLongerScrollsTheMemo)
{
    memo->SetText(ChineseBody(30));
    auto* other = new TbsSkinScrollBar(form.get());
    other->SetParent(form.get());
    memo->SetVScrollBar(other);
    EXPECT_FALSE(bar->OnChange);
    bar->SetRangeValues(0, 40, 0, 0);
    bar->SetPosition(6);
    EXPECT_EQ(memo->TopLine(), 0);
}

TEST_F(Memo2Test, DefaultFontWithoutARecord)
{
    gfx::TFont font = memo->Font();
    EXPECT_EQ(font.Name, "Arial");
    EXPECT_EQ(font.Height, 14);
    font.Name = "宋体";
    memo->SetDefaultFont(font);
    EXPECT_EQ(memo->Font().Name, "宋体");
    memo->ApplySkin(); // no skin data: the default font stays
    EXPECT_EQ(memo->SkinIndex(), -1);
    EXPECT_EQ(memo->Font().Name, "宋体");
}

TEST_F(Memo2Test, SearchBoxTakesNoLineBreaks)
{
    search->SetFocus();
    Harness.PressKey(wnd::VK_END);
    Harness.PressKey(wnd::VK_RETURN);
    Harness.TypeText("x");
    EXPECT_EQ(search->Text(), "请输入关键字x");
}

TEST_F(Memo2Test, HorizontalBarFollowsLinesWiderThanTheMemoAndScrollsThem)
{
    auto* across = new TbsSkinScrollBar(form.get());
    across->SetBounds(8, 300, 300, 19);
    across->SetParent(form.get());
    memo->SetWordWrap(false);
    memo->SetEnabled(true);
    memo->SetHScrollBar(across);
    memo->SetText("短");
    EXPECT_FALSE(across->Enabled());

    memo->SetText("一行很长的笔记内容，" + std::string(80, 'x') + "\r\n第二行");
    ASSERT_GT(memo->ContentWidth(), memo->ViewWidth());
    EXPECT_TRUE(across->Enabled());
    EXPECT_EQ(across->Max(), memo->ContentWidth());
    EXPECT_EQ(across->PageSize(), memo->ViewWidth());

    // The keyboard moves the text and the bar with it.
    memo->SetFocus();
    Harness.KeyDown(wnd::VK_CONTROL);
    Harness.PressKey(wnd::VK_HOME);
    Harness.KeyUp(wnd::VK_CONTROL);
    Harness.PressKey(wnd::VK_END);
    EXPECT_EQ(memo->LeftOffset(), memo->MaxLeftOffset());
    EXPECT_EQ(across->Position(), memo->LeftOffset());
    // Its decrease button moves the text back by a line's height.
    const int before = memo->LeftOffset();
    Harness.Click(At(*across, 8, 9).X, At(*across, 8, 9).Y);
    EXPECT_EQ(memo->LeftOffset(), before - across->SmallChange);
    EXPECT_GT(across->SmallChange, 1);
    // Shift with the wheel over the memo: the bar follows.
    memo->SetFocus();
    const gfx::TPoint inside = Middle(*memo);
    Harness.KeyDown(wnd::VK_SHIFT);
    Harness.Wheel(inside.X, inside.Y, wnd::WHEEL_DELTA);
    Harness.KeyUp(wnd::VK_SHIFT);
    EXPECT_LT(memo->LeftOffset(), before - across->SmallChange);
    EXPECT_EQ(across->Position(), memo->LeftOffset());
    across->SetPosition(0);
    EXPECT_EQ(memo->LeftOffset(), 0);
    Harness.ProcessMessages();
    Snapshot("skinctrls-memo-horizontal-bar");

    // Lines that wrap never need the bar.
    across->SetPosition(40);
    memo->SetWordWrap(true);
    EXPECT_EQ(memo->LeftOffset(), 0);
    EXPECT_FALSE(across->Enabled());
    memo->SetHScrollBar(nullptr);
    EXPECT_FALSE(across->OnChange);
}
