#include "SelfDrawnTestSupport.h"

#include "platform/text/Utf8.h"
#include "platform/window/Messages.h"
#include "selfdrawn/TSeSkinMemo.h"

#include <algorithm>

using namespace selfdrawn;

class SelfDrawnMemo : public SelfDrawnTest {
protected:
    TSeSkinMemo* memo { nullptr };
    void SetUp() override
    {
        memo = new TSeSkinMemo(form.get());
        memo->SetBounds(10, 10, 200, 60);
        memo->SetParent(form.get());
        memo->SetFocus();
        Harness.ProcessMessages();
    }
};

TEST_F(SelfDrawnMemo, EnterBreaksLinesAndTheScrollBarFollowsTheContent)
{
    EXPECT_EQ(memo->SkinObject(), "Edit");
    Harness.TypeText("第一行");
    EXPECT_FALSE(memo->ScrollBar().Visible());
    const int page = memo->VisibleLines();
    for (int i = 0; i < page + 2; ++i) {
        Harness.PressKey(wnd::VK_RETURN);
        Harness.TypeText("line");
    }
    EXPECT_EQ(memo->LineCount(), page + 3);
    EXPECT_TRUE(memo->ScrollBar().Visible());
    EXPECT_EQ(memo->TopLine(), 3); // the caret's line is in view
    EXPECT_EQ(memo->ScrollBar().Position(), 3);
    Ctrl('A');
    Harness.PressKey(wnd::VK_DELETE);
    EXPECT_EQ(memo->Text(), "");
    EXPECT_FALSE(memo->ScrollBar().Visible());
}

TEST_F(SelfDrawnMemo, ArrowsMoveBetweenLinesAndUndoRestores)
{
    memo->SetText("ab\ncd");
    Harness.PressKey(wnd::VK_END);
    Harness.PressKey(wnd::VK_UP);
    EXPECT_EQ(memo->CaretIndex(), 2);
    Harness.CommitComposition("你好");
    EXPECT_EQ(memo->Text(), "ab你好\ncd");
    Harness.PressKey(wnd::VK_BACK);
    Harness.PressKey(wnd::VK_BACK);
    EXPECT_EQ(memo->Text(), "ab\ncd");
    Ctrl('Z');
    EXPECT_EQ(memo->Text(), "ab你好\ncd");
}

namespace {

int MeasureWidth(const gfx::TFont& Font, const std::string& Text)
{
    gfx::TBitmap scratch(1, 1);
    scratch.Canvas().Font = Font;
    return scratch.Canvas().TextWidth(Text);
}

std::string RowText(TSeCustomMemo& Memo, const TSeCustomMemo::TRow& Row)
{
    const std::u32string all = text::Utf8ToUtf32(Memo.Text());
    return text::Utf32ToUtf8(all.substr(static_cast<std::size_t>(Row.start), static_cast<std::size_t>(Row.length)));
}

} // namespace

TEST_F(SelfDrawnMemo, WrappedRowsFitTheWidthBreakAtSpacesAndLoseNoCharacterAtManyWidths)
{
    const std::string text = "今天去西湖边散步，看到很多游客。 The quick brown fox jumps over the lazy dog\n"
                             "第二段 supercalifragilisticexpialidocious 词";
    memo->SetText(text);
    for (int width = 60; width <= 400; width += 17) {
        memo->SetBounds(10, 10, width, 120);
        const int area = memo->TextArea().Width();
        std::string joined;
        int previousEnd = 0;
        for (const TSeCustomMemo::TRow& row : memo->Rows()) {
            const std::string shown = RowText(*memo, row);
            if (row.length > 1) {
                EXPECT_LE(MeasureWidth(memo->Font(), shown), area + 2) << "width " << width << ": " << shown;
            }
            // A Latin row ends at a space unless its word alone is too wide.
            const std::u32string all = text::Utf8ToUtf32(memo->Text());
            const std::size_t end = static_cast<std::size_t>(row.start + row.length);
            if (end < all.size() && all[end] != U'\n' && all[end - 1] < 0x80 && all[end] < 0x80 && all[end - 1] != U' '
                && shown.find(' ') != std::string::npos)
                ADD_FAILURE() << "width " << width << " broke inside a word: " << shown;
            EXPECT_GE(row.start, previousEnd);
            joined += shown;
            previousEnd = row.start + row.length;
        }
        std::string withoutBreaks = text;
        withoutBreaks.erase(std::remove(withoutBreaks.begin(), withoutBreaks.end(), '\n'), withoutBreaks.end());
        EXPECT_EQ(joined, withoutBreaks) << "width " << width;
    }
}

TEST_F(SelfDrawnMemo, BarsMirrorTheRowsAndTheWidestLineAndFollowTheCaret)
{
    memo->SetWordWrap(false);
    memo->SetScrollBars(TSeScrollStyle::ssBoth);
    memo->SetBounds(10, 10, 200, 80);
    memo->SetText("short");
    EXPECT_FALSE(memo->HorzScrollBar().Visible());
    EXPECT_FALSE(memo->ScrollBar().Visible());
    std::string lines = "a long line that is much wider than the memo is, 很长很长的一行文字";
    for (int i = 0; i < 8; ++i)
        lines += "\nline " + std::to_string(i);
    memo->SetText(lines);
    ASSERT_TRUE(memo->HorzScrollBar().Visible());
    ASSERT_TRUE(memo->ScrollBar().Visible());
    const int widest = MeasureWidth(memo->Font(), "a long line that is much wider than the memo is, 很长很长的一行文字");
    EXPECT_NEAR(memo->HorzScrollBar().Max(), widest, 3);
    EXPECT_EQ(memo->HorzScrollBar().PageSize(), memo->TextArea().Width());
    EXPECT_EQ(memo->ScrollBar().Max(), memo->LineCount() - 1);
    EXPECT_EQ(memo->ScrollBar().PageSize(), memo->VisibleLines());
    EXPECT_EQ(memo->LineCount(), 9);
    // The caret at the end of the long line scrolls it into view, and back.
    Ctrl(wnd::VK_HOME);
    Harness.PressKey(wnd::VK_END);
    EXPECT_GT(memo->LeftOffset(), 0);
    EXPECT_EQ(memo->HorzScrollBar().Position(), memo->LeftOffset());
    Harness.PressKey(wnd::VK_HOME);
    EXPECT_EQ(memo->LeftOffset(), 0);
    // Disabling the memo disables its bars.
    memo->SetEnabled(false);
    EXPECT_FALSE(memo->ScrollBar().Enabled());
    EXPECT_FALSE(memo->HorzScrollBar().Enabled());
    // With a wrap there is nothing to scroll sideways.
    memo->SetWordWrap(true);
    EXPECT_FALSE(memo->HorzScrollBar().Visible());
    EXPECT_GT(memo->LineCount(), 9);
}

TEST_F(SelfDrawnMemo, WheelScrollsThreeRowsPerNotchWithinTheText)
{
    std::string lines = "0";
    for (int i = 1; i < 30; ++i)
        lines += "\n" + std::to_string(i);
    memo->SetText(lines);
    Ctrl(wnd::VK_HOME);
    const gfx::TPoint middle = Middle(*memo);
    Harness.Wheel(middle.X, middle.Y, -wnd::WHEEL_DELTA);
    EXPECT_EQ(memo->TopLine(), 3);
    EXPECT_EQ(memo->ScrollBar().Position(), 3);
    Harness.Wheel(middle.X, middle.Y, -100 * wnd::WHEEL_DELTA);
    EXPECT_EQ(memo->TopLine(), memo->LineCount() - memo->VisibleLines());
    Harness.Wheel(middle.X, middle.Y, 100 * wnd::WHEEL_DELTA);
    EXPECT_EQ(memo->TopLine(), 0);
}

TEST_F(SelfDrawnMemo, DraggingSelectsAndBelowTheTextKeepsScrollingWhileHeld)
{
    std::string lines = "line0";
    for (int i = 1; i < 20; ++i)
        lines += "\nline" + std::to_string(i);
    memo->SetText(lines);
    Ctrl(wnd::VK_HOME);
    const gfx::TPoint start = At(*memo, memo->TextArea().Left, memo->TextArea().Top + 2);
    Harness.MouseDown(start.X, start.Y);
    const gfx::TPoint inside = At(*memo, 30, memo->TextArea().Top + 2);
    Harness.MoveMouse(inside.X, inside.Y);
    EXPECT_GT(memo->SelLength(), 0);
    EXPECT_EQ(memo->SelStart(), 0);
    const gfx::TPoint below = At(*memo, 30, memo->Height() + 20);
    Harness.MoveMouse(below.X, below.Y);
    const int top = memo->TopLine();
    Harness.AdvanceTime(1000);
    EXPECT_GT(memo->TopLine(), top);
    EXPECT_EQ(memo->SelStart(), 0);
    const int selected = memo->SelLength();
    Harness.MouseUp(below.X, below.Y);
    Harness.AdvanceTime(1000);
    EXPECT_EQ(memo->SelLength(), selected);
    EXPECT_NE(memo->SelText().find("line5"), std::string::npos);
}

// The widest row is measured only when a horizontal bar may need it; what it
// measures must still follow every change of the text, the wrap and the width.
TEST_F(SelfDrawnMemo, TheWidestRowFollowsTextAndWrapChangesWhenItIsAskedForAgain)
{
    memo->SetScrollBars(TSeScrollStyle::ssBoth);
    memo->SetBounds(10, 10, 200, 80);
    const std::string first = "一行很长很长的文字 that wraps in the memo while wrapping is on";
    memo->SetText(first);
    EXPECT_FALSE(memo->HorzScrollBar().Visible());
    EXPECT_GT(memo->LineCount(), 1);

    memo->SetWordWrap(false);
    ASSERT_TRUE(memo->HorzScrollBar().Visible());
    EXPECT_EQ(memo->LineCount(), 1);
    EXPECT_NEAR(memo->HorzScrollBar().Max(), MeasureWidth(memo->Font(), first), 3);

    // Typed while unwrapped: the bar grows with the row.
    Harness.PressKey(wnd::VK_END);
    Harness.TypeText(" 再加一些");
    EXPECT_NEAR(memo->HorzScrollBar().Max(), MeasureWidth(memo->Font(), first + " 再加一些"), 3);

    // Changed while wrapped, then unwrapped: the bar measures the new text.
    memo->SetWordWrap(true);
    const std::string second = "short 短";
    const std::string third = "一行很长";
    memo->SetText(second + "\n" + third);
    memo->SetWordWrap(false);
    const int widest = std::max(MeasureWidth(memo->Font(), second), MeasureWidth(memo->Font(), third));
    EXPECT_FALSE(memo->HorzScrollBar().Visible());
    EXPECT_NEAR(memo->HorzScrollBar().Max(), widest, 3);
}
