#include "SelfDrawnTestSupport.h"

#include "platform/window/Clipboard.h"
#include "platform/window/Input.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Window.h"
#include "selfdrawn/TSeCustomPopupMenu.h"
#include "selfdrawn/TSePopupWindow.h"
#include "selfdrawn/TSeSkinComboBox.h"
#include "selfdrawn/TSeSkinEdit.h"
#include "selfdrawn/TSeSkinMemo.h"

#include <deque>

using namespace selfdrawn;

// Menus run their own loop: the test drives an open menu from steps that run,
// one each time, when that loop waits for input.
class SelfDrawnPopupMenu : public SelfDrawnTest {
protected:
    ~SelfDrawnPopupMenu() override { Harness.SetIdleHandler(nullptr); }

    void Script(std::vector<std::function<void()>> Steps)
    {
        auto steps = std::make_shared<std::deque<std::function<void()>>>(Steps.begin(), Steps.end());
        Harness.SetIdleHandler([steps] {
            if (steps->empty())
                return false;
            const auto step = steps->front();
            steps->pop_front();
            step();
            return true;
        });
    }
    void QueueKey(int Vk)
    {
        wnd::TRawInput in;
        in.kind = wnd::TRawInputKind::KeyDown;
        in.vk = Vk;
        Harness.Queue(in);
        in.kind = wnd::TRawInputKind::KeyUp;
        Harness.Queue(in);
    }
    void QueueText(const std::string& Text)
    {
        wnd::TRawInput in;
        in.kind = wnd::TRawInputKind::Text;
        in.text = Text;
        Harness.Queue(in);
    }
    void QueueMouse(wnd::TRawInputKind Kind, gfx::TPoint At, wnd::TMouseButton Button = wnd::TMouseButton::mbLeft)
    {
        wnd::TRawInput in;
        in.kind = Kind;
        in.pos = At;
        in.button = Button;
        Harness.Queue(in);
    }
    void RightClick(const ctl::TControl& Control, int X = 8, int Y = 8)
    {
        const gfx::TPoint at = At(Control, X, Y);
        Harness.MoveMouse(at.X, at.Y);
        Harness.Click(at.X, at.Y, wnd::TMouseButton::mbRight);
        Harness.ProcessMessages();
    }
    static TSePopupWindow& OpenWindow()
    {
        TSeCustomPopupMenu* menu = TSeCustomPopupMenu::OpenMenu();
        if (!menu || !menu->Window())
            throw std::logic_error("no menu is open");
        return *menu->Window();
    }
    static std::vector<bool> EnabledStates()
    {
        std::vector<bool> states;
        for (const TSeCustomItem* entry : OpenWindow().Entries())
            states.push_back(entry->Enabled);
        return states;
    }
    static std::string HighlightedCaption()
    {
        const TSeCustomItem* entry = OpenWindow().HighlightedEntry();
        return entry ? entry->Caption : std::string();
    }
    gfx::TPoint EntryCentre(int Index) const
    {
        const gfx::TRect r = OpenWindow().EntryScreenRect(Index);
        return { (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2 };
    }
};

//                                    Undo   -     Cut   Copy  Paste Delete -     Select All
using States = std::vector<bool>;

TEST_F(SelfDrawnPopupMenu, EditMenuEnablesEntriesFromUndoSelectionClipboardAndReadOnly)
{
    auto* edit = new TSeSkinEdit(form.get());
    edit->SetBounds(10, 10, 150, 21);
    edit->SetParent(form.get());
    edit->SetText("hello");
    wnd::SetClipboardText("");
    std::vector<States> seen;
    const auto look = [&] {
        Script({ [&] {
            seen.push_back(EnabledStates());
            QueueKey(wnd::VK_ESCAPE);
        } });
        RightClick(*edit);
    };
    edit->SetSelStart(1); // nothing selected, nothing to undo, empty clipboard
    look();
    edit->SetSelLength(2);
    look();
    wnd::SetClipboardText("x");
    edit->SelectAll();
    look();
    edit->SetSelStart(0);
    edit->SetSelLength(2);
    edit->SetReadOnly(true);
    look();
    edit->SetReadOnly(false);
    edit->SetPasswordKind(TSePasswordKind::pkCircle);
    look();
    ASSERT_EQ(seen.size(), 5u);
    EXPECT_EQ(seen[0], (States { false, true, false, false, false, false, true, true }));
    EXPECT_EQ(seen[1], (States { false, true, true, true, false, true, true, true }));
    // Everything is already selected: nothing more to select.
    EXPECT_EQ(seen[2], (States { false, true, true, true, true, true, true, false }));
    EXPECT_EQ(seen[3], (States { false, true, false, true, false, false, true, true }));
    // A password never leaves the box.
    EXPECT_EQ(seen[4], (States { false, true, false, false, true, true, true, true }));
    EXPECT_EQ(edit->Text(), "hello");
    EXPECT_EQ(TSeCustomPopupMenu::OpenMenu(), nullptr);
}

TEST_F(SelfDrawnPopupMenu, KeyboardPassesOverSeparatorsAndDisabledEntriesAndChoosesTheHighlightedOne)
{
    auto* edit = new TSeSkinEdit(form.get());
    edit->SetBounds(10, 10, 150, 21);
    edit->SetParent(form.get());
    edit->SetText("hello world"); // set by the program: nothing to undo
    edit->SelectAll();
    wnd::SetClipboardText("");
    // Enabled: Cut, Copy, Delete. Undo, Paste and Select All are not.
    std::vector<std::string> path;
    Script({ [&] {
                path.push_back(HighlightedCaption()); // the first enabled entry, not Undo
                QueueKey(wnd::VK_UP); // round the top, past Select All, to Delete
            },
        [&] {
            path.push_back(HighlightedCaption());
            QueueKey(wnd::VK_DOWN); // round the bottom, past Undo, to Cut
            QueueKey(wnd::VK_DOWN); // Copy
            QueueKey(wnd::VK_DOWN); // past Paste to Delete
            QueueKey(wnd::VK_UP); // back to Copy
        },
        [&] {
            path.push_back(HighlightedCaption());
            QueueKey(wnd::VK_RETURN);
        } });
    RightClick(*edit);
    EXPECT_EQ(path, (std::vector<std::string> { "Cut", "Delete", "Copy" }));
    EXPECT_EQ(wnd::GetClipboardText(), "hello world");
    EXPECT_EQ(edit->Text(), "hello world");
}

TEST_F(SelfDrawnPopupMenu, DisabledEntriesAndSeparatorsAreNeverHighlightedAndClicksOnThemKeepTheMenuOpen)
{
    TSeCustomPopupMenu menu(nullptr);
    std::vector<std::string> ran;
    menu.Add("&Off", [&](ctl::TObject*) { ran.push_back("Off"); })->Enabled = false;
    menu.Add("-");
    menu.Add("O&n", [&](ctl::TObject*) { ran.push_back("On"); });
    std::vector<std::string> highlighted;
    std::vector<bool> stillOpen;
    const auto look = [&] {
        highlighted.push_back(HighlightedCaption());
        stillOpen.push_back(menu.Active());
    };
    const auto clickAt = [&](gfx::TPoint At) {
        QueueMouse(wnd::TRawInputKind::MouseMove, At);
        QueueMouse(wnd::TRawInputKind::ButtonDown, At);
        QueueMouse(wnd::TRawInputKind::ButtonUp, At);
    };
    Script({ [&] {
                look(); // opening passes over the disabled first entry
                clickAt(EntryCentre(0));
            },
        [&] {
            look(); // the pointer over the disabled entry highlights nothing
            clickAt(EntryCentre(1));
        },
        [&] {
            look();
            QueueText("o"); // the disabled entry's accelerator chooses nothing
            QueueKey(wnd::VK_RETURN); // nothing highlighted: nothing to choose
        },
        [&] {
            look();
            QueueKey(wnd::VK_DOWN);
        },
        [&] {
            look();
            QueueKey(wnd::VK_ESCAPE);
        } });
    menu.Popup(100, 100);
    Harness.ProcessMessages();
    EXPECT_EQ(highlighted, (std::vector<std::string> { "O&n", "", "", "", "O&n" }));
    EXPECT_EQ(stillOpen, (std::vector<bool> { true, true, true, true, true }));
    EXPECT_TRUE(ran.empty());
}

TEST_F(SelfDrawnPopupMenu, MenuWithNothingEnabledOpensWithoutAHighlight)
{
    TSeCustomPopupMenu menu(nullptr);
    menu.Add("Off")->Enabled = false;
    menu.Add("-");
    std::vector<std::string> highlighted;
    Script({ [&] {
                highlighted.push_back(HighlightedCaption());
                QueueKey(wnd::VK_DOWN);
                QueueKey(wnd::VK_UP);
            },
        [&] {
            highlighted.push_back(HighlightedCaption());
            QueueKey(wnd::VK_ESCAPE);
        } });
    menu.Popup(100, 100);
    EXPECT_EQ(highlighted, (std::vector<std::string> { "", "" }));
}

TEST_F(SelfDrawnPopupMenu, MouseReleaseOverAnEntryChoosesItAndAPressOutsideClosesWithoutChoosing)
{
    TSeCustomPopupMenu menu(nullptr);
    std::vector<std::string> ran;
    menu.Add("First", [&](ctl::TObject*) { ran.push_back("First"); });
    menu.Add("Second", [&](ctl::TObject*) { ran.push_back("Second"); });
    Script({ [&] {
        QueueMouse(wnd::TRawInputKind::MouseMove, EntryCentre(1));
        QueueMouse(wnd::TRawInputKind::ButtonDown, EntryCentre(1));
        QueueMouse(wnd::TRawInputKind::ButtonUp, EntryCentre(1));
    } });
    menu.Popup(50, 50);
    EXPECT_TRUE(ran.empty()); // chosen entries run after Popup has returned
    Harness.ProcessMessages();
    EXPECT_EQ(ran, (std::vector<std::string> { "Second" }));

    // The press outside stays queued for the window under it.
    int formPresses = 0;
    form->OnMouseDown = [&](ctl::TObject*, ctl::TMouseButton, ctl::TShiftState, int, int) { ++formPresses; };
    const gfx::TPoint outside = At(*form, 300, 250);
    Script({ [&] {
        QueueMouse(wnd::TRawInputKind::MouseMove, outside);
        QueueMouse(wnd::TRawInputKind::ButtonDown, outside);
        QueueMouse(wnd::TRawInputKind::ButtonUp, outside);
    } });
    menu.Popup(50, 50);
    Harness.ProcessMessages();
    EXPECT_EQ(ran.size(), 1u);
    EXPECT_EQ(formPresses, 1);
    EXPECT_EQ(wnd::GetCapture(), nullptr);
}

TEST_F(SelfDrawnPopupMenu, AcceleratorCharacterChoosesTheMarkedEntryInAnyCase)
{
    TSeCustomPopupMenu menu(nullptr);
    std::string ran;
    menu.Add("&Alpha", [&](ctl::TObject*) { ran += "A"; });
    menu.Add("Bet&a", [&](ctl::TObject*) { ran += "a"; });
    menu.Add("&Gamma", [&](ctl::TObject*) { ran += "G"; });
    std::string hint;
    menu.Items(2)->Hint = "third";
    Script({ [&] { QueueText("g"); } });
    menu.Popup(50, 50);
    hint = menu.CurrentHint();
    Harness.ProcessMessages();
    EXPECT_EQ(ran, "G");
    EXPECT_EQ(hint, "");
}

TEST_F(SelfDrawnPopupMenu, ChosenEntryWhoseMenuIsFreedBeforeItRunsIsNotRun)
{
    auto menu = std::make_unique<TSeCustomPopupMenu>(nullptr);
    int runs = 0;
    menu->Add("Run", [&](ctl::TObject*) { ++runs; });
    Script({ [&] { QueueKey(wnd::VK_RETURN); } });
    menu->Popup(50, 50);
    menu.reset(); // the click message is still on its way
    Harness.ProcessMessages();
    EXPECT_EQ(runs, 0);
}

TEST_F(SelfDrawnPopupMenu, MenuStaysInsideTheWorkAreaNearEveryEdge)
{
    const gfx::TRect work = gfx::Rect(0, 0, 1024, 728);
    const gfx::TSize size { 120, 180 };
    EXPECT_EQ(TSeCustomPopupMenu::PlaceWithin(work, size, { 100, 100 }), (gfx::TPoint { 100, 100 }));
    // Near the right and bottom edges it opens to the left of and above the point.
    EXPECT_EQ(TSeCustomPopupMenu::PlaceWithin(work, size, { 1000, 700 }), (gfx::TPoint { 880, 520 }));
    // A point off the left or top edge, or a menu taller than the room above
    // and below, still leaves the menu on the screen.
    EXPECT_EQ(TSeCustomPopupMenu::PlaceWithin(work, size, { -50, -40 }), (gfx::TPoint { 0, 0 }));
    EXPECT_EQ(TSeCustomPopupMenu::PlaceWithin(work, { 120, 900 }, { 10, 100 }), (gfx::TPoint { 10, 0 }));

    TSeCustomPopupMenu menu(nullptr);
    menu.Add("Entry");
    gfx::TRect placed;
    Script({ [&] {
        placed = OpenWindow().BoundsRect();
        QueueKey(wnd::VK_ESCAPE);
    } });
    menu.Popup(1020, 720);
    EXPECT_EQ(placed.Right, 1020);
    EXPECT_EQ(placed.Bottom, 720);
}

TEST_F(SelfDrawnPopupMenu, LayoutSizesEntriesSeparatorsAndFrame)
{
    TSeCustomPopupMenu menu(nullptr);
    menu.Add("Short");
    menu.Add("-");
    menu.Add("A much longer caption")->ShortCut = "Ctrl+L";
    menu.Add("Hidden")->Visible = false;
    std::vector<gfx::TRect> rects;
    gfx::TRect window;
    Script({ [&] {
        for (const TSeCustomItem* entry : OpenWindow().Entries())
            rects.push_back(entry->BoundsRect);
        window = OpenWindow().BoundsRect();
        Harness.SaveSnapshot(OpenWindow().Handle(), "selfdrawn-popup-menu");
        QueueKey(wnd::VK_ESCAPE);
    } });
    menu.Popup(40, 40);
    ASSERT_EQ(rects.size(), 3u);
    const int entryHeight = TSePopupWindow::EntryHeight();
    EXPECT_EQ(rects[0].Height(), entryHeight);
    EXPECT_EQ(rects[1].Height(), 15);
    EXPECT_EQ(rects[1].Top, rects[0].Bottom);
    EXPECT_EQ(rects[0].Width(), rects[2].Width());
    EXPECT_EQ(window.Width(), rects[0].Width() + 6);
    EXPECT_EQ(window.Height(), 2 * entryHeight + 15 + 6);
}

TEST_F(SelfDrawnPopupMenu, MemoMenuSelectsAllAndCopiesEveryLine)
{
    auto* memo = new TSeSkinMemo(form.get());
    memo->SetBounds(10, 10, 200, 90);
    memo->SetParent(form.get());
    memo->SetText("第一行 one\nsecond line");
    wnd::SetClipboardText("");
    Script({ [&] {
        QueueKey(wnd::VK_RETURN); // Select All, the only entry enabled
    } });
    RightClick(*memo);
    Script({ [&] {
        QueueKey(wnd::VK_DOWN); // from Cut, the first enabled entry, to Copy
        QueueKey(wnd::VK_RETURN);
    } });
    RightClick(*memo, 20, 20);
    // A right click does not move the caret, so the selection is still whole.
    EXPECT_EQ(wnd::GetClipboardText(), "第一行 one\nsecond line");
}

TEST_F(SelfDrawnPopupMenu, OnlyATypedComboBoxOffersTheTextMenu)
{
    auto* combo = new TSeSkinComboBox(form.get());
    combo->SetBounds(10, 10, 150, 21);
    combo->SetParent(form.get());
    int opened = 0;
    Script({ [&] {
        ++opened;
        QueueKey(wnd::VK_ESCAPE);
    } });
    RightClick(*combo);
    combo->SetComboStyle(TSeComboStyle::kcsDropDownList);
    Script({ [&] {
        ++opened;
        QueueKey(wnd::VK_ESCAPE);
    } });
    RightClick(*combo);
    EXPECT_EQ(opened, 1);
}

TEST(SelfDrawnPaste, LineBreaksBecomeSpacesInOneLineAndNewlinesInAMemo)
{
    EXPECT_EQ(PastedLineBreaks(U"a\r\nb\rc\nd", false), U"a b c d");
    EXPECT_EQ(PastedLineBreaks(U"a\r\nb\rc\nd", true), U"a\nb\nc\nd");
    EXPECT_EQ(PastedLineBreaks(U"\r\n\r\n", false), U"  ");
}
