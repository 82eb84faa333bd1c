// The skinned menu engine on a headless screen in its plain look: opening,
// placement on the monitor, scrolling, submenus, the mouse and the keyboard,
// commands and the notices to the control.

#include "tests/skinform/MenuFixture.h"

#include "platform/window/Input.h"
#include "platform/window/Painting.h"

using menutest::MenuFixture;

namespace {

class SkinMenu : public MenuFixture { };

class SkinMenuOnTwoMonitors : public MenuFixture {
protected:
    SkinMenuOnTwoMonitors() : MenuFixture(menutest::TwoMonitors(), { 1300, 200, 1700, 500 }) { }
};

} // namespace

// --- opening and placement -------------------------------------------------------

TEST_F(SkinMenu, SystemMenuOpensBelowItsButtonAsAPlainWindowOfFourItemsAndASeparator)
{
    FillSystemMenu();
    Open();
    ASSERT_TRUE(Menu->Visible());
    ASSERT_EQ(Menu->WindowCount(), 1);
    const gfx::TRect r = WindowRect(0);
    EXPECT_EQ(r.TopLeft(), (gfx::TPoint { 104, 119 }));
    // Two frame pixels at top and bottom, four items of 20 and a separator of 4.
    EXPECT_EQ(r.Height(), 2 + 4 * 20 + 4 + 2);
    EXPECT_EQ(Window(0).ItemCount(), 5);
    EXPECT_TRUE(wnd::IsWindowVisible(Window(0).Handle()));
    // The first enabled entry is selected for the keyboard.
    EXPECT_EQ(Window(0).ActiveItem(), 0);
    EXPECT_TRUE(Window(0).Items(0).Waiting);
}

TEST_F(SkinMenu, HiddenEntriesAreLeftOutAndAMenuWithoutVisibleEntriesOpensNothing)
{
    FillSystemMenu();
    Root.Items(1)->Visible = false;
    Open();
    EXPECT_EQ(Window(0).ItemCount(), 4);
    EXPECT_EQ(Window(0).Items(1).MenuItem().Caption(), "卷起(&L)");
    Menu->CloseAll();
    Log.clear();

    ctl::TMenuItem empty;
    Add(empty, "hidden")->Visible = false;
    Menu->Popup(Form, nullptr, false, &empty, { 10, 10, 20, 20 });
    EXPECT_FALSE(Menu->Visible());
    EXPECT_EQ(Menu->WindowCount(), 0);
    Menu->CloseAll();
    EXPECT_EQ(Count("closed"), 0);

    // From a first index on only the later entries show.
    Menu->Popup(Form, nullptr, false, &Root, { 10, 10, 20, 20 }, 3);
    ASSERT_EQ(Menu->WindowCount(), 1);
    EXPECT_EQ(Window(0).ItemCount(), 2);
}

TEST_F(SkinMenu, MenuWindowNeverTakesTheActivation)
{
    FillSystemMenu();
    wnd::SetActiveWindow(Form);
    Open();
    const wnd::HWND popup = Window(0).Handle();
    EXPECT_TRUE(wnd::GetWindowExStyle(popup) & wnd::WS_EX_NOACTIVATE);
    EXPECT_TRUE(wnd::GetWindowExStyle(popup) & wnd::WS_EX_TOPMOST);
    EXPECT_EQ(wnd::GetActiveWindow(), Form);
    // Pressing on a separator keeps the menu open and the form active.
    const gfx::TPoint p = ItemCentre(0, 3);
    Harness.MouseDown(p.X, p.Y);
    EXPECT_EQ(wnd::GetActiveWindow(), Form);
    Harness.MouseUp(p.X, p.Y);
    EXPECT_TRUE(Menu->Visible());
    EXPECT_EQ(wnd::GetActiveWindow(), Form);
}

TEST_F(SkinMenu, ShadowLiesBelowAndRightOfTheMenuAndLetsTheMouseThrough)
{
    FillSystemMenu();
    Open();
    const skinform::TbsMenuShadow* shadow = Window(0).Shadow();
    ASSERT_NE(shadow, nullptr);
    const gfx::TRect menu = WindowRect(0);
    EXPECT_EQ(wnd::GetWindowRect(shadow->Handle()), gfx::Offset(menu, 4, 4));
    EXPECT_TRUE(wnd::IsWindowVisible(shadow->Handle()));
    EXPECT_TRUE(wnd::GetWindowExStyle(shadow->Handle()) & wnd::WS_EX_NOACTIVATE);
    // The menu is above its shadow; a point of the band reaches the form below.
    EXPECT_EQ(wnd::WindowFromPoint({ menu.Right - 10, menu.Bottom - 10 }), Window(0).Handle());
    EXPECT_EQ(wnd::WindowFromPoint({ menu.Right + 2, menu.Bottom - 10 }), Form);
    EXPECT_EQ(wnd::GetWindowAlpha(shadow->Handle()), skinform::TbsMenuShadow::kAlpha);
    const wnd::HWND handle = shadow->Handle();
    Menu->CloseAll();
    EXPECT_FALSE(wnd::IsWindow(handle));

    Menu->MenusShadow = false;
    Open();
    EXPECT_EQ(Window(0).Shadow(), nullptr);
}

TEST_F(SkinMenu, AlphaBlendedMenuFadesInOneStepPerTickUpToItsValue)
{
    FillSystemMenu();
    Menu->MenusShadow = false;
    Menu->MenusAlphaBlend = true;
    Menu->MenusAlphaBlendValue = 200;
    Open();
    const wnd::HWND plainAlpha = Window(0).Handle();
    EXPECT_EQ(wnd::GetWindowAlpha(plainAlpha), 200) << "without the animation the alpha is set at once";
    Menu->MenusAlphaBlendAnimation = true;
    Open();
    const wnd::HWND handle = Window(0).Handle();
    EXPECT_TRUE(wnd::GetWindowExStyle(handle) & wnd::WS_EX_LAYERED);
    EXPECT_EQ(wnd::GetWindowAlpha(handle), 0);
    // The fade runs on a timer, so the menu takes input while it fades in.
    Harness.AdvanceTime(5);
    const int early = wnd::GetWindowAlpha(handle);
    EXPECT_GT(early, 0);
    EXPECT_LE(early, 6);
    Key(wnd::VK_DOWN);
    EXPECT_EQ(Window(0).ActiveItem(), 1);
    Harness.AdvanceTime(1000);
    EXPECT_EQ(wnd::GetWindowAlpha(handle), 200);
}

TEST_F(SkinMenu, RightClickNearTheBottomRightCornerOpensAboveAndLeftOfTheCursor)
{
    FillSystemMenu();
    Menu->Popup(Form, nullptr, &Root, gfx::TPoint { 1010, 715 });
    const gfx::TRect r = WindowRect(0);
    EXPECT_EQ(r.Bottom, 715);
    EXPECT_EQ(r.Right, 1010 - 1);
    EXPECT_GE(r.Left, 0);
    EXPECT_GE(r.Top, 0);
}

TEST_F(SkinMenuOnTwoMonitors, MenuStaysOnTheFormsMonitorAndOutOfItsTaskBar)
{
    FillSystemMenu();
    // Near the second monitor's bottom-right corner.
    Menu->Popup(Form, nullptr, &Root, gfx::TPoint { 1820, 595 });
    gfx::TRect r = WindowRect(0);
    EXPECT_LE(r.Right, 1824);
    EXPECT_LE(r.Bottom, 600);
    EXPECT_GE(r.Left, 1024);
    // Opening upwards from just under its task bar: below the anchor instead.
    Menu->Popup(Form, nullptr, true, &Root, { 1030, 31, 1043, 44 });
    r = WindowRect(0);
    EXPECT_GE(r.Top, 30);
    EXPECT_GE(r.Left, 1024);
    EXPECT_LE(r.Bottom, 600);
}

// --- scrolling ----------------------------------------------------------------------

TEST_F(SkinMenu, MenuTallerThanTheWorkAreaIsAsTallAsItAndScrollsWhileTheMouseRestsInAZone)
{
    for (int i = 0; i < 60; ++i)
        Add(Root, "Entry " + std::to_string(i));
    Menu->Popup(Form, nullptr, &Root, gfx::TPoint { 300, 400 });
    skinform::TbsSkinPopupWindow& window = Window(0);
    ASSERT_TRUE(window.Scroll());
    const gfx::TRect r = WindowRect(0);
    EXPECT_EQ(r.Top, 0);
    EXPECT_EQ(r.Height(), 728);
    // Ten-pixel zones above and below the entries.
    EXPECT_EQ(window.ScrollUpZone().Height(), 10);
    EXPECT_EQ(window.Items(0).ObjectRect.Top, window.ItemsRect().Top + 10);
    const int shown = window.VisibleCount();
    EXPECT_EQ(shown, (728 - 4 - 20) / 20);
    EXPECT_LE(window.Items(shown - 1).ObjectRect.Bottom, window.ItemsRect().Bottom - 10);

    const gfx::TRect down = window.ScrollDownZone();
    Harness.MoveMouse(r.Left + down.Left + 20, r.Top + down.Top + 5);
    Harness.AdvanceTime(50);
    Harness.AdvanceTime(300);
    const int moved = window.VisibleStartIndex();
    EXPECT_GE(moved, 2);
    EXPECT_LE(moved, 3);
    EXPECT_FALSE(window.Items(0).Visible);
    // Out of the zone the scrolling stops.
    Hover(0, moved + 5);
    Harness.AdvanceTime(500);
    EXPECT_EQ(window.VisibleStartIndex(), moved);
    // It never passes the end.
    Harness.MoveMouse(r.Left + down.Left + 20, r.Top + down.Top + 5);
    Harness.AdvanceTime(50);
    Harness.AdvanceTime(100 * 60);
    EXPECT_EQ(window.VisibleStartIndex() + window.VisibleCount(), 60);
}

TEST_F(SkinMenu, KeyboardScrollsTheSelectedEntryIntoView)
{
    for (int i = 0; i < 60; ++i)
        Add(Root, "Entry " + std::to_string(i));
    Menu->Popup(Form, nullptr, &Root, gfx::TPoint { 300, 400 });
    skinform::TbsSkinPopupWindow& window = Window(0);
    Key(wnd::VK_UP); // wraps to the last entry
    EXPECT_EQ(window.ActiveItem(), 59);
    EXPECT_TRUE(window.Items(59).Visible);
    EXPECT_EQ(window.VisibleStartIndex() + window.VisibleCount(), 60);
    Key(wnd::VK_DOWN); // and back to the first
    EXPECT_EQ(window.ActiveItem(), 0);
    EXPECT_EQ(window.VisibleStartIndex(), 0);
}

// --- submenus -------------------------------------------------------------------------

TEST_F(SkinMenu, SubMenuOpensAfterTheMouseRestsHalfASecondOnItsItem)
{
    Add(Root, "Open");
    ctl::TMenuItem* recent = Add(Root, "Recent");
    Add(*recent, "a.txt");
    Add(*recent, "b.txt");
    Open();
    Hover(0, 1);
    EXPECT_EQ(Window(0).ActiveItem(), 1);
    Harness.AdvanceTime(400);
    EXPECT_EQ(Menu->WindowCount(), 1);
    Harness.AdvanceTime(100);
    ASSERT_EQ(Menu->WindowCount(), 2);
    EXPECT_TRUE(Window(0).Items(1).Down);
    EXPECT_EQ(Window(1).ItemCount(), 2);
    // Beside its item, its first entry level with it.
    const gfx::TRect item = Window(0).ItemScreenRect(1);
    EXPECT_EQ(WindowRect(1).Left, item.Right + 1);
    EXPECT_EQ(Window(1).ItemScreenRect(0).Top, item.Top);

    // Moving to an item without a submenu closes it.
    Hover(0, 0);
    EXPECT_EQ(Menu->WindowCount(), 1);
    EXPECT_FALSE(Window(0).Items(1).Down);
    // Passing over the item quickly opens nothing.
    Hover(0, 1);
    Harness.AdvanceTime(200);
    Hover(0, 0);
    Harness.AdvanceTime(1000);
    EXPECT_EQ(Menu->WindowCount(), 1);
}

TEST_F(SkinMenu, ClickOnAnItemWithASubMenuRunsItsClickAndOpensItAtOnce)
{
    ctl::TMenuItem* recent = Add(Root, "Recent");
    Add(*recent, "a.txt");
    Open();
    ClickItem(0, 0);
    EXPECT_EQ(Menu->WindowCount(), 2);
    EXPECT_EQ(Count("click Recent"), 1);
    ClickItem(1, 0);
    EXPECT_FALSE(Menu->Visible());
    EXPECT_EQ(Count("click a.txt"), 1);
}

TEST_F(SkinMenu, RightOpensTheSubMenuLeftAndEscapeCloseOneLevel)
{
    Add(Root, "Open");
    ctl::TMenuItem* recent = Add(Root, "Recent");
    Add(*recent, "-");
    Add(*recent, "a.txt")->Enabled = false;
    Add(*recent, "b.txt");
    Open();
    Key(wnd::VK_RIGHT); // "Open" has no submenu
    EXPECT_EQ(Menu->WindowCount(), 1);
    Key(wnd::VK_DOWN);
    Key(wnd::VK_RIGHT);
    ASSERT_EQ(Menu->WindowCount(), 2);
    // The first entry that can be chosen is selected.
    EXPECT_EQ(Window(1).ActiveItem(), 2);
    Key(wnd::VK_LEFT);
    EXPECT_EQ(Menu->WindowCount(), 1);
    EXPECT_EQ(Window(0).ActiveItem(), 1);
    EXPECT_FALSE(Window(0).Items(1).Down);
    Key(wnd::VK_LEFT); // the top level stays
    EXPECT_EQ(Menu->WindowCount(), 1);

    Key(wnd::VK_RIGHT);
    Key(wnd::VK_ESCAPE);
    EXPECT_EQ(Menu->WindowCount(), 1);
    EXPECT_TRUE(Menu->Visible());
    EXPECT_EQ(Count("closed"), 0);
    Key(wnd::VK_ESCAPE);
    EXPECT_FALSE(Menu->Visible());
    EXPECT_EQ(Count("closed"), 1);
    EXPECT_EQ(Count("click Recent"), 0);
}

// --- keyboard -------------------------------------------------------------------------

TEST_F(SkinMenu, UpAndDownSkipDisabledEntriesAndSeparatorsAndWrapAround)
{
    Add(Root, "One");
    Add(Root, "-");
    Add(Root, "Two")->Enabled = false;
    Add(Root, "Three");
    Add(Root, "-");
    Open();
    skinform::TbsSkinPopupWindow& window = Window(0);
    EXPECT_EQ(window.ActiveItem(), 0);
    Key(wnd::VK_DOWN);
    EXPECT_EQ(window.ActiveItem(), 3);
    EXPECT_FALSE(window.Items(0).Active);
    Key(wnd::VK_DOWN);
    EXPECT_EQ(window.ActiveItem(), 0);
    Key(wnd::VK_UP);
    EXPECT_EQ(window.ActiveItem(), 3);
    for (int i : { 1, 2, 4 })
        EXPECT_FALSE(window.Items(i).Active) << i;
}

TEST_F(SkinMenu, ArrowsInAMenuWithoutEnabledEntriesMoveNothing)
{
    Add(Root, "-");
    Add(Root, "Gone")->Enabled = false;
    Add(Root, "-");
    Open();
    skinform::TbsSkinPopupWindow& window = Window(0);
    EXPECT_EQ(window.ActiveItem(), -1);
    Key(wnd::VK_DOWN);
    Key(wnd::VK_UP);
    EXPECT_EQ(window.ActiveItem(), -1);
    Key(wnd::VK_RETURN);
    EXPECT_TRUE(Menu->Visible());
    EXPECT_TRUE(Log.empty());
}

TEST_F(SkinMenu, AccessKeysChooseTheirEntryAndEnterChoosesTheSelectedOne)
{
    FillSystemMenu();
    Open();
    Key('L');
    EXPECT_FALSE(Menu->Visible());
    EXPECT_EQ(Log, (std::vector<std::string> { "closed", "click 卷起(&L)", "done" }));

    Log.clear();
    Root.Items(4)->Enabled = false;
    Open();
    Key('C'); // the access key of a disabled entry does nothing
    Key('Q'); // nor does a key no entry has
    EXPECT_TRUE(Menu->Visible());
    Key(wnd::VK_DOWN);
    Key(wnd::VK_RETURN);
    EXPECT_EQ(Log, (std::vector<std::string> { "closed", "click 最大化(&X)", "done" }));
}

TEST_F(SkinMenu, WheelAndCharactersAreSwallowedWhileOpenAndPassOnceClosed)
{
    FillSystemMenu();
    wnd::MSG wheel;
    wheel.hwnd = Form;
    wheel.message = wnd::WM_MOUSEWHEEL;
    EXPECT_FALSE(Menu->HandleApplicationMessage(wheel));
    Open();
    EXPECT_TRUE(Menu->HandleApplicationMessage(wheel));
    wnd::MSG paint;
    paint.hwnd = Form;
    paint.message = wnd::WM_PAINT;
    EXPECT_FALSE(Menu->HandleApplicationMessage(paint));
}

TEST_F(SkinMenu, PressOutsideTheMenuEndsItAndGoesOnWhileAPressOnItDoesNot)
{
    FillSystemMenu();
    Open();
    wnd::MSG press;
    press.hwnd = Window(0).Handle();
    press.message = wnd::WM_LBUTTONDOWN;
    EXPECT_FALSE(Menu->HandleApplicationMessage(press));
    EXPECT_TRUE(Menu->Visible());
    press.hwnd = Form;
    press.message = wnd::WM_NCRBUTTONDOWN;
    EXPECT_FALSE(Menu->HandleApplicationMessage(press));
    EXPECT_FALSE(Menu->Visible());
    EXPECT_EQ(Count("closed"), 1);
}

// --- commands and notices --------------------------------------------------------------

TEST_F(SkinMenu, ClickRunsTheCommandOnceBetweenTheTwoNotices)
{
    FillSystemMenu();
    Open();
    ClickItem(0, 1);
    EXPECT_FALSE(Menu->Visible());
    EXPECT_EQ(Menu->WindowCount(), 0);
    EXPECT_EQ(Log, (std::vector<std::string> { "closed", "click 最大化(&X)", "done" }));
    // Later input reaches no menu.
    Harness.AdvanceTime(1000);
    EXPECT_EQ(Log.size(), 3u);
}

TEST_F(SkinMenu, DisabledEntriesAndSeparatorsCannotBeChosenOrHot)
{
    FillSystemMenu();
    Root.Items(1)->Enabled = false;
    Open();
    ClickItem(0, 1);
    ClickItem(0, 3);
    EXPECT_TRUE(Menu->Visible());
    EXPECT_TRUE(Log.empty());
    EXPECT_FALSE(Window(0).Items(1).Active);
    EXPECT_FALSE(Window(0).Items(3).Active);
}

TEST_F(SkinMenu, ClosingNoticeIsSentOnceHoweverTheMenuEnds)
{
    FillSystemMenu();
    ctl::TMenuItem* sub = Add(Root, "More");
    Add(*sub, "Deeper");
    Open();
    Key(wnd::VK_UP);
    Key(wnd::VK_RIGHT);
    ASSERT_EQ(Menu->WindowCount(), 2);
    Menu->CloseAll();
    Menu->CloseAll();
    Menu->CloseFrom(0);
    EXPECT_EQ(Count("closed"), 1);

    // Opening another menu ends the open one, with one notice.
    Log.clear();
    Open();
    Open();
    EXPECT_EQ(Count("closed"), 1);
    // The engine freed with its form closes its windows without a notice.
    const wnd::HWND window = Window(0).Handle();
    Menu.reset();
    EXPECT_FALSE(wnd::IsWindow(window));
    EXPECT_EQ(Count("closed"), 1);
}

TEST_F(SkinMenu, NoticesGoToTheControlAndOnceToAFormThatIsAnotherWindow)
{
    FillSystemMenu();
    std::vector<std::string> controlLog;
    const wnd::HWND control = wnd::CreateWindowEx(
        0,
        [&controlLog](wnd::HWND h, wnd::UINT msg, wnd::WPARAM wp, wnd::LPARAM lp) -> wnd::LRESULT {
            if (msg == skin::SKINMSG_MENUCLOSED)
                controlLog.push_back("closed");
            if (msg == skin::SKINMSG_MENUDONE)
                controlLog.push_back("done");
            return wnd::DefWindowProc(h, msg, wp, lp);
        },
        "", wnd::WS_CHILD | wnd::WS_VISIBLE, 10, 10, 100, 20, Form);
    Menu->Popup(control, nullptr, &Root, gfx::TPoint { 200, 200 });
    ClickItem(0, 0);
    EXPECT_EQ(controlLog, (std::vector<std::string> { "closed", "done" }));
    EXPECT_EQ(Log, (std::vector<std::string> { "closed", "click 最小化(&N)" }));
}

TEST_F(SkinMenu, CommandThatDestroysTheControlAndTheMenuGetsNoNoticeAfterwards)
{
    FillSystemMenu();
    // The command closes the form: its window and the menu engine go away
    // while the command runs.
    Root.Items(4)->OnClick = [this](ctl::TObject*) {
        Log.push_back("closing");
        Menu.reset();
        wnd::DestroyWindow(Form);
    };
    Open();
    ClickItem(0, 4);
    EXPECT_EQ(Log, (std::vector<std::string> { "closed", "closing" }));
    EXPECT_FALSE(wnd::IsWindow(Form));
    Harness.AdvanceTime(1000);
}

TEST_F(SkinMenu, ControlMayFreeItsMenuWhenToldTheCommandRan)
{
    // A control that builds a menu of its own and frees it, with its engine,
    // on the notice that a command ran.
    auto popup = std::make_unique<ctl::TPopupMenu>();
    Add(*popup->Items(), "剪切(&T)");
    auto engine = std::make_unique<skinform::TbsSkinMenu>(Form);
    const wnd::HWND control = wnd::CreateWindowEx(
        0,
        [&](wnd::HWND h, wnd::UINT msg, wnd::WPARAM wp, wnd::LPARAM lp) -> wnd::LRESULT {
            if (msg == skin::SKINMSG_MENUDONE) {
                Log.push_back("control frees its menu");
                engine.reset();
                popup.reset();
            }
            return wnd::DefWindowProc(h, msg, wp, lp);
        },
        "", wnd::WS_CHILD | wnd::WS_VISIBLE, 10, 10, 100, 20, Form);
    engine->Popup(control, nullptr, popup->Items(), gfx::TPoint { 150, 150 });
    const gfx::TRect r = engine->Window(0)->ItemScreenRect(0);
    Harness.MoveMouse(r.Left + 5, r.Top + 5);
    Harness.Click(r.Left + 5, r.Top + 5);
    EXPECT_EQ(Log, (std::vector<std::string> { "closed", "click 剪切(&T)", "control frees its menu" }));
    EXPECT_EQ(engine, nullptr);
    Harness.AdvanceTime(1000);
}

TEST_F(SkinMenu, CommandOfASubMenuItemThatEndsTheMenuOpensNoSubMenu)
{
    ctl::TMenuItem* sub = Add(Root, "More");
    Add(*sub, "Deeper");
    sub->OnClick = [this](ctl::TObject*) { Menu->CloseAll(); };
    Open();
    ClickItem(0, 0);
    EXPECT_FALSE(Menu->Visible());
    EXPECT_EQ(Menu->WindowCount(), 0);
    EXPECT_EQ(Count("closed"), 1);
}

TEST_F(SkinMenu, MenuItemAccessKeysAndSubMenuOwnership)
{
    ctl::TMenuItem item;
    item.SetCaption("最小化(&N)");
    EXPECT_EQ(item.AccessKey(), unsigned('N'));
    item.SetCaption("Save &as");
    EXPECT_EQ(item.AccessKey(), unsigned('A'));
    item.SetCaption("Fish && chips");
    EXPECT_EQ(item.AccessKey(), 0u);
    item.SetCaption("-");
    EXPECT_TRUE(item.IsLine());

    // An entry freed by itself leaves its submenu; a parent frees its entries.
    auto* parent = new ctl::TMenuItem();
    ctl::TMenuItem* a = Add(*parent, "a");
    Add(*parent, "b");
    delete a;
    EXPECT_EQ(parent->Count(), 1);
    EXPECT_EQ(parent->Items(0)->Caption(), "b");
    Root.Add(parent);
    Root.Add(parent->Items(0)); // moves between parents
    EXPECT_EQ(parent->Count(), 0);
    EXPECT_EQ(Root.Count(), 2);
    EXPECT_THROW(parent->Add(&Root), ctl::EComponentError);
}
