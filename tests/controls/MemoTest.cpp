#include "Headless.h"

#include "platform/controls/TMemo.h"
#include "platform/text/Utf8.h"
#include "platform/window/Clipboard.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/VirtualKeys.h"

using namespace ctl;

namespace {

struct MemoForm {
    TForm form { nullptr };
    TMemo* memo { new TMemo(&form) };
    int changes { 0 };
    int scrolls { 0 };

    MemoForm()
    {
        form.SetBounds(0, 0, 320, 240);
        memo->SetBounds(8, 8, 160, 100);
        memo->SetParent(&form);
        memo->OnChange = [this](TObject*) { ++changes; };
        memo->OnScroll = [this](TObject*) { ++scrolls; };
        form.Show();
        memo->SetFocus();
    }
};

} // namespace

using MemoTest = HeadlessTest;

TEST_F(MemoTest, EnterSplitsLinesAndLinesEditTheText)
{
    MemoForm f;
    Harness.TypeText("first");
    Harness.PressKey(wnd::VK_RETURN);
    Harness.CommitComposition("第二行");
    EXPECT_EQ(f.memo->Text(), "first\r\n第二行");
    ASSERT_EQ(f.memo->Lines().Count(), 2);
    EXPECT_EQ(f.memo->Lines()[1], "第二行");
    f.memo->Lines().Add("third");
    f.memo->Lines().Delete(0);
    EXPECT_EQ(f.memo->Text(), "第二行\r\nthird");
    Harness.KeyDown(wnd::VK_CONTROL);
    Harness.PressKey(wnd::VK_HOME);
    Harness.KeyUp(wnd::VK_CONTROL);
    Harness.PressKey(wnd::VK_DOWN);
    Harness.PressKey(wnd::VK_END);
    Harness.TypeText("!");
    EXPECT_EQ(f.memo->Lines()[1], "third!");
    Harness.PressKey(wnd::VK_UP);
    Harness.PressKey(wnd::VK_HOME);
    Harness.KeyDown(wnd::VK_SHIFT);
    Harness.PressKey(wnd::VK_END);
    Harness.PressKey(wnd::VK_RIGHT); // takes the line break too
    Harness.KeyUp(wnd::VK_SHIFT);
    Harness.KeyDown(wnd::VK_CONTROL);
    Harness.PressKey('C');
    Harness.KeyUp(wnd::VK_CONTROL);
    EXPECT_EQ(wnd::GetClipboardText(), "第二行\r\n");
    Harness.PressKey(wnd::VK_DELETE);
    EXPECT_EQ(f.memo->Text(), "third!");
}

TEST_F(MemoTest, PastedLineBreaksBecomeLinesAndUndoRestores)
{
    MemoForm f;
    wnd::SetClipboardText("a\nb\rc\r\nd");
    Harness.KeyDown(wnd::VK_SHIFT);
    Harness.PressKey(wnd::VK_INSERT);
    Harness.KeyUp(wnd::VK_SHIFT);
    EXPECT_EQ(f.memo->Lines().Count(), 4);
    EXPECT_EQ(f.memo->Text(), "a\r\nb\r\nc\r\nd");
    Harness.KeyDown(wnd::VK_CONTROL);
    Harness.PressKey('Z');
    Harness.KeyUp(wnd::VK_CONTROL);
    EXPECT_EQ(f.memo->Text(), "");
}

TEST_F(MemoTest, LongChineseTextWrapsAndScrollsToTheCaret)
{
    MemoForm f;
    std::string body;
    for (int i = 0; i < 40; ++i)
        body += "这是一段很长的中文笔记内容";
    f.memo->SetText(body);
    EXPECT_EQ(f.memo->Lines().Count(), 1);
    EXPECT_GT(f.memo->LineCount(), f.memo->VisibleLineCount());
    EXPECT_EQ(f.memo->TopLine(), 0);
    Harness.KeyDown(wnd::VK_CONTROL);
    Harness.PressKey(wnd::VK_END);
    Harness.KeyUp(wnd::VK_CONTROL);
    EXPECT_EQ(f.memo->TopLine(), f.memo->MaxTopLine());
    EXPECT_GT(f.scrolls, 0);
    f.memo->SetWordWrap(false);
    EXPECT_EQ(f.memo->LineCount(), 1);
    EXPECT_EQ(f.memo->TopLine(), 0);
}

TEST_F(MemoTest, WrapBreaksAtBlanksAndKeepsEveryCharacter)
{
    MemoForm f;
    f.memo->SetText("alpha beta gamma delta epsilon zeta eta theta iota kappa lambda");
    ASSERT_GT(f.memo->LineCount(), 1);
    // Down then Home lands on the start of a word: wrapping cut at a blank.
    Harness.KeyDown(wnd::VK_CONTROL);
    Harness.PressKey(wnd::VK_HOME);
    Harness.KeyUp(wnd::VK_CONTROL);
    Harness.PressKey(wnd::VK_DOWN);
    Harness.PressKey(wnd::VK_HOME);
    const int start = f.memo->SelStart();
    EXPECT_GT(start, 0);
    EXPECT_EQ(f.memo->Text()[static_cast<std::size_t>(start) - 1], ' ');
}

TEST_F(MemoTest, TopLineIsClampedAndTheWheelAndPagesScroll)
{
    MemoForm f;
    std::string body;
    for (int i = 0; i < 30; ++i)
        body += "line " + std::to_string(i) + "\r\n";
    f.memo->SetText(body);
    EXPECT_EQ(f.memo->LineCount(), 31);
    f.memo->SetTopLine(1000);
    EXPECT_EQ(f.memo->TopLine(), 31 - f.memo->VisibleLineCount());
    f.memo->SetTopLine(-4);
    EXPECT_EQ(f.memo->TopLine(), 0);
    const gfx::TPoint mid = Middle(*f.memo);
    Harness.Wheel(mid.X, mid.Y, -wnd::WHEEL_DELTA);
    EXPECT_EQ(f.memo->TopLine(), 3);
    Harness.PressKey(wnd::VK_NEXT);
    Harness.PressKey(wnd::VK_NEXT);
    EXPECT_EQ(f.memo->Lines()[2 * (f.memo->VisibleLineCount() - 1)].substr(0, 5), "line ");
    EXPECT_GE(f.memo->TopLine(), f.memo->VisibleLineCount() - 2);
}

TEST_F(MemoTest, ClickPlacesTheCaretOnTheClickedLineAndReadOnlyRefuses)
{
    MemoForm f;
    f.memo->SetText("one\r\ntwo\r\nthree");
    Click(At(*f.memo, 4, 90)); // below the text: the last line, left of its first character
    EXPECT_EQ(f.memo->SelStart(), 8);
    f.memo->SetReadOnly(true);
    Harness.TypeText("x");
    Harness.PressKey(wnd::VK_RETURN);
    EXPECT_EQ(f.memo->Text(), "one\r\ntwo\r\nthree");
    EXPECT_EQ(f.changes, 1);
}

namespace {

// Shows the memo's display-line geometry to the test.
class MeasuredMemo : public TMemo {
public:
    using TMemo::TMemo;
    using TCustomMemo::CaretPoint;
};

} // namespace

TEST_F(MemoTest, EditsRewrapOnlyWhatChangedAndLayOutAsAFreshMemoWould)
{
    TForm form { nullptr };
    form.SetBounds(0, 0, 320, 240);
    auto* edited = new MeasuredMemo(&form);
    edited->SetBounds(8, 8, 120, 100);
    edited->SetParent(&form);
    form.Show();

    const std::u32string pieces[] = { U"a", U"word ", U"\n", U"中文", U" ", U"longwordwithoutanyblank", U"\n\n" };
    std::u32string content;
    unsigned seed = 7;
    const auto next = [&seed](unsigned bound) {
        seed = seed * 1103515245u + 12345u;
        return bound ? (seed >> 16) % bound : 0u;
    };
    for (int step = 0; step < 150; ++step) {
        const std::size_t at = next(static_cast<unsigned>(content.size() + 1));
        if (content.size() > 40 && next(3) == 0)
            content.erase(at, next(12));
        else
            content.insert(at, pieces[next(std::size(pieces))]);
        edited->SetText(text::Utf32ToUtf8(content));
        ASSERT_GT(edited->LineCount(), 0);

        MeasuredMemo fresh(&form);
        fresh.SetBounds(8, 8, 120, 100);
        fresh.SetParent(&form);
        fresh.SetText(text::Utf32ToUtf8(content));
        ASSERT_EQ(edited->LineCount(), fresh.LineCount()) << "step " << step;
        for (int i = 0; i <= static_cast<int>(content.size()); ++i)
            ASSERT_EQ(edited->CaretPoint(i), fresh.CaretPoint(i)) << "step " << step << ", index " << i;
    }
}

TEST_F(MemoTest, UnwrappedLongLineScrollsSidewaysWithTheCaretAndShiftWheel)
{
    MemoForm f;
    f.memo->SetWordWrap(false);
    const std::string line(60, 'm');
    f.memo->SetText(line + "\r\nshort");
    ASSERT_EQ(f.memo->LineCount(), 2);
    const int wide = f.memo->ContentWidth();
    EXPECT_GT(wide, f.memo->ViewWidth());
    EXPECT_EQ(f.memo->MaxLeftOffset(), wide + 1 - f.memo->ViewWidth());

    // The caret at the end of the long line pulls the text left until it shows.
    Harness.KeyDown(wnd::VK_CONTROL);
    Harness.PressKey(wnd::VK_HOME);
    Harness.KeyUp(wnd::VK_CONTROL);
    EXPECT_EQ(f.memo->LeftOffset(), 0);
    const int scrollsBefore = f.scrolls;
    Harness.PressKey(wnd::VK_END);
    EXPECT_EQ(f.memo->LeftOffset(), f.memo->MaxLeftOffset());
    EXPECT_GT(f.scrolls, scrollsBefore);
    // A click lands on the character under the pointer, scrolled as shown.
    const int cell = wide / 60;
    const gfx::TPoint p = f.memo->ClientToScreen({ f.memo->ViewWidth() / 2 + cell / 3, 4 });
    Harness.Click(p.X, p.Y);
    EXPECT_NEAR(f.memo->SelStart(), (f.memo->LeftOffset() + f.memo->ViewWidth() / 2) / cell, 1);
    Harness.PressKey(wnd::VK_HOME);
    EXPECT_EQ(f.memo->LeftOffset(), 0);

    // Shift with the wheel scrolls sideways, within the range; the plain wheel does not.
    const gfx::TPoint middle = f.memo->ClientToScreen({ 20, 20 });
    Harness.KeyDown(wnd::VK_SHIFT);
    Harness.Wheel(middle.X, middle.Y, -wnd::WHEEL_DELTA);
    const int once = f.memo->LeftOffset();
    EXPECT_GT(once, 0);
    for (int i = 0; i < 50; ++i)
        Harness.Wheel(middle.X, middle.Y, -wnd::WHEEL_DELTA);
    EXPECT_EQ(f.memo->LeftOffset(), f.memo->MaxLeftOffset());
    Harness.Wheel(middle.X, middle.Y, wnd::WHEEL_DELTA);
    EXPECT_EQ(f.memo->LeftOffset(), f.memo->MaxLeftOffset() - once);
    Harness.KeyUp(wnd::VK_SHIFT);
    Harness.Wheel(middle.X, middle.Y, wnd::WHEEL_DELTA);
    EXPECT_EQ(f.memo->LeftOffset(), f.memo->MaxLeftOffset() - once);

    // Wrapped again, nothing is wider than the view and nothing stays scrolled.
    f.memo->SetWordWrap(true);
    EXPECT_EQ(f.memo->LeftOffset(), 0);
    EXPECT_LE(f.memo->ContentWidth(), f.memo->ViewWidth());
    f.memo->SetLeftOffset(30);
    EXPECT_EQ(f.memo->LeftOffset(), 0);
}
