// The stand-alone scroll bar (arrows, track, thumb drag, range changes) and
// the window of pop-up menus (pointer, keys, separators, disabled entries).
#include "Headless.h"

#include "platform/controls/TPopupMenuWindow.h"
#include "platform/controls/TScrollBar.h"
#include "platform/window/VirtualKeys.h"

#include <memory>

using namespace ctl;

namespace {

struct BarForm {
    std::unique_ptr<TForm> form { std::make_unique<TForm>(nullptr) };
    TScrollBar* bar { new TScrollBar(form.get(), TScrollBarKind::sbHorizontal) };
    int changes { 0 };

    BarForm()
    {
        form->SetClientSize(300, 100);
        bar->SetBounds(0, 0, 300, TScrollBar::Thickness());
        bar->SmallChange = 10;
        bar->LargeChange = 200;
        bar->OnChange = [this](TObject*) { ++changes; };
        bar->SetParent(form.get());
        form->Show();
    }
};

} // namespace

class ScrollBar : public HeadlessTest { };

TEST_F(ScrollBar, ArrowsStepTheTrackPagesAndThePositionStaysInRange)
{
    BarForm f;
    EXPECT_FALSE(f.bar->Enabled()) << "nothing to scroll";
    f.bar->SetRange(500, 300);
    ASSERT_TRUE(f.bar->Enabled());
    const int arrow = TScrollBar::Thickness();
    const int y = arrow / 2;
    Click(At(*f.bar, 300 - arrow / 2, y));
    EXPECT_EQ(f.bar->Position(), 10);
    Click(At(*f.bar, arrow / 2, y));
    Click(At(*f.bar, arrow / 2, y));
    EXPECT_EQ(f.bar->Position(), 0) << "never below 0";
    Click(At(*f.bar, 300 - arrow - 2, y));
    EXPECT_EQ(f.bar->Position(), 200);
    Click(At(*f.bar, 300 - arrow - 2, y));
    EXPECT_EQ(f.bar->Position(), 400);
    Click(At(*f.bar, 300 - arrow - 2, y));
    EXPECT_EQ(f.bar->Position(), 500) << "never past Max";
    EXPECT_EQ(f.changes, 5) << "a click that moves nothing runs no OnChange";

    f.bar->SetRange(100, 300);
    EXPECT_EQ(f.bar->Position(), 100) << "a smaller range pulls the position in";
    f.bar->SetRange(0, 300);
    EXPECT_EQ(f.bar->Position(), 0);
    EXPECT_FALSE(f.bar->Enabled());
}

TEST_F(ScrollBar, DraggingTheThumbToTheEndReachesMax)
{
    BarForm f;
    f.bar->SetRange(1000, 100);
    const int arrow = TScrollBar::Thickness();
    const int y = arrow / 2;
    // The thumb starts right after the left arrow.
    Harness.Drag(At(*f.bar, arrow + 2, y), At(*f.bar, 300, y));
    EXPECT_EQ(f.bar->Position(), 1000);
    Harness.Drag(At(*f.bar, 300 - arrow - 2, y), At(*f.bar, 0, y));
    EXPECT_EQ(f.bar->Position(), 0);
}

namespace {

struct MenuItems {
    std::unique_ptr<TPopupMenu> menu { std::make_unique<TPopupMenu>() };
    std::vector<std::string> clicked;

    MenuItems()
    {
        Add("200%");
        Add("-");
        Add("Disabled")->Enabled = false;
        Add("Hidden")->Visible = false;
        Add("Whole page");
    }
    TMenuItem* Add(const std::string& caption)
    {
        auto* item = new TMenuItem(menu.get());
        item->SetCaption(caption);
        item->OnClick = [this, caption](TObject*) { clicked.push_back(caption); };
        menu->Items()->Add(item);
        return item;
    }
};

} // namespace

class PopupMenuWindow : public HeadlessTest { };

TEST_F(PopupMenuWindow, KeysSkipSeparatorsAndDisabledEntriesAndEnterChooses)
{
    MenuItems items;
    WhenIdle([this] {
        QueueKey(wnd::VK_DOWN);
        QueueKey(wnd::VK_DOWN);
        QueueKey(wnd::VK_RETURN);
    });
    items.menu->Popup(100, 100);
    EXPECT_EQ(items.clicked, (std::vector<std::string> { "Whole page" }));

    WhenIdle([this] {
        QueueKey(wnd::VK_UP);
        QueueKey(wnd::VK_ESCAPE);
    });
    items.menu->Popup(100, 100);
    EXPECT_EQ(items.clicked.size(), 1u) << "Esc chooses nothing";
    EXPECT_TRUE(Errors.empty());
}

TEST_F(PopupMenuWindow, AClickChoosesTheEntryUnderThePointerAndAClickOutsideCloses)
{
    MenuItems items;
    TPopupMenuWindow window(*items.menu->Items());
    EXPECT_EQ(window.RowCount(), 4) << "hidden entries are left out";
    const gfx::TRect disabled = window.ItemRect(2);
    const gfx::TRect last = window.ItemRect(3);
    WhenIdle([&] {
        // A click on the disabled entry does nothing; one on the last chooses it.
        QueueClick(At(window, disabled.Left + 5, (disabled.Top + disabled.Bottom) / 2));
        QueueClick(At(window, last.Left + 5, (last.Top + last.Bottom) / 2));
    });
    TMenuItem* chosen = window.Choose(50, 60);
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(chosen->Caption(), "Whole page");
    EXPECT_EQ(window.Left(), 50);

    WhenIdle([&] { QueueClick(gfx::Point(600, 600)); });
    EXPECT_EQ(window.Choose(50, 60), nullptr);

    // Near the screen's edge the menu moves back onto it.
    WhenIdle([this] { QueueKey(wnd::VK_ESCAPE); });
    window.Choose(5000, 5000);
    const gfx::TRect work = wnd::GetWorkArea();
    EXPECT_LE(window.Left() + window.Width(), work.Right);
    EXPECT_LE(window.Top() + window.Height(), work.Bottom);
}
