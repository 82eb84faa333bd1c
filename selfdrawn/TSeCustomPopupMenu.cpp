#include "selfdrawn/TSeCustomPopupMenu.h"

#include "platform/text/Utf8.h"
#include "platform/window/Input.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/SystemInfo.h"
#include "platform/window/VirtualKeys.h"
#include "platform/window/Window.h"
#include "selfdrawn/TSeClickHandler.h"
#include "selfdrawn/TSePopupWindow.h"

namespace selfdrawn {
namespace {

TSeCustomPopupMenu* g_openMenu = nullptr;

bool IsNonClientMouse(wnd::UINT Msg)
{
    return (Msg >= wnd::WM_NCMOUSEMOVE && Msg <= wnd::WM_NCMBUTTONDBLCLK) || Msg == wnd::WM_NCMOUSEHOVER
        || Msg == wnd::WM_NCMOUSELEAVE;
}

bool IsKeyMessage(wnd::UINT Msg)
{
    return Msg >= wnd::WM_KEYDOWN && Msg <= wnd::WM_SYSCHAR;
}

bool IsMouseMessage(wnd::UINT Msg)
{
    return Msg >= wnd::WM_MOUSEFIRST && Msg <= wnd::WM_MOUSELAST;
}

bool LeftButtonDown()
{
    return (wnd::GetKeyState(wnd::VK_LBUTTON) & 0x8000) != 0;
}

// Clears the open-menu record when Popup returns, however it returns.
class TOpenMenuRecord {
public:
    explicit TOpenMenuRecord(TSeCustomPopupMenu* Menu) { g_openMenu = Menu; }
    ~TOpenMenuRecord() { g_openMenu = nullptr; }
    TOpenMenuRecord(const TOpenMenuRecord&) = delete;
    TOpenMenuRecord& operator=(const TOpenMenuRecord&) = delete;
};

} // namespace

TSeCustomPopupMenu::TSeCustomPopupMenu(ctl::TComponent* AOwner) : ctl::TComponent(AOwner) { }

TSeCustomPopupMenu::~TSeCustomPopupMenu()
{
    if (g_openMenu == this)
        g_openMenu = nullptr;
}

TSeCustomPopupMenu* TSeCustomPopupMenu::OpenMenu()
{
    return g_openMenu;
}

std::unique_ptr<TSeCustomItem> TSeCustomPopupMenu::CreateItem()
{
    return std::make_unique<TSeCustomItem>();
}

TSeCustomItem* TSeCustomPopupMenu::Add(const std::string& Caption, ctl::TNotifyEvent OnClick)
{
    m_items.push_back(CreateItem());
    TSeCustomItem* item = m_items.back().get();
    item->Caption = Caption;
    item->OnClick = std::move(OnClick);
    return item;
}

gfx::TPoint TSeCustomPopupMenu::PlaceWithin(gfx::TRect Bounds, gfx::TSize Size, gfx::TPoint At)
{
    gfx::TPoint place = At;
    if (place.X + Size.cx > Bounds.Right)
        place.X = At.X - Size.cx;
    if (place.Y + Size.cy > Bounds.Bottom)
        place.Y = At.Y - Size.cy;
    // A point near the left or top edge (or a menu larger than the area)
    // must not push the menu off the screen, where no one could reach it.
    place.X = std::max(place.X, Bounds.Left);
    place.Y = std::max(place.Y, Bounds.Top);
    return place;
}

void TSeCustomPopupMenu::Popup(int X, int Y)
{
    if (g_openMenu && g_openMenu != this && g_openMenu->Window()) {
        wnd::PostMessage(g_openMenu->Window()->Handle(), wnd::WM_NCMBUTTONDBLCLK, 0, 0);
        wnd::ProcessMessages();
    }
    TOpenMenuRecord record(this);
    ApplyOptions();
    if (OnPopup)
        OnPopup(this);
    std::vector<TSeCustomItem*> items;
    for (const auto& item : m_items)
        items.push_back(item.get());
    if (std::none_of(items.begin(), items.end(), [](const TSeCustomItem* i) { return i->Visible; }))
        return;

    const gfx::TPoint at { X, Y };
    m_window = std::make_unique<TSePopupWindow>(items, at);
    wnd::MONITORINFO monitor;
    if (!wnd::GetMonitorInfo(wnd::MonitorFromPoint(at), monitor))
        monitor.rcWork = wnd::GetWorkArea();
    const gfx::TRect bounds = m_window->BoundsRect();
    m_window->MoveTo(PlaceWithin(monitor.rcWork, { bounds.Width(), bounds.Height() }, at));
    m_window->Show();
    RunLoop();
    m_window.reset();
}

void TSeCustomPopupMenu::RunLoop()
{
    m_active = true;
    m_lastPointer = { -1, -1 };
    wnd::SetCursor(wnd::LoadCursor(wnd::IDC_ARROW));
    // The first entry that can be chosen is highlighted; a disabled entry
    // never is, so the user never sees an offer that does nothing.
    MoveHighlight(1);
    TrackPointer(wnd::GetCursorPos());
    // The loop reads every mouse message itself, by its screen point, so it
    // takes no capture: a press outside the menu is addressed to the window
    // under it and reaches that window once the menu has closed.
    bool found = true;
    while (m_active) {
        if (!found)
            wnd::WaitMessage();
        wnd::MSG msg;
        found = wnd::PeekMessage(msg, nullptr, 0, 0, wnd::PM_NOREMOVE);
        if (!found)
            continue;
        if (msg.message == wnd::WM_QUIT || msg.message == wnd::WM_WINDOWPOSCHANGED || IsNonClientMouse(msg.message)) {
            Deactivate();
            break;
        }
        if (msg.message == wnd::WM_LBUTTONDOWN) {
            if (!m_window->BoundsRect().Contains(msg.pt)) {
                // A press outside the menu closes it; the press itself
                // stays queued for the window it was meant for.
                Deactivate();
                break;
            }
            wnd::PeekMessage(msg, nullptr, 0, 0, wnd::PM_REMOVE);
            if (InsideHighlighted(msg.pt))
                wnd::PostMessage(m_window->Handle(), wnd::WM_KEYDOWN, wnd::VK_RETURN, 0);
            continue;
        }
        wnd::PeekMessage(msg, nullptr, 0, 0, wnd::PM_REMOVE);
        HandleMessage(msg);
    }
    m_active = false;
}

void TSeCustomPopupMenu::HandleMessage(wnd::MSG& Msg)
{
    switch (Msg.message) {
    case wnd::WM_MOUSEMOVE:
        TrackPointer(Msg.pt);
        return;
    case wnd::WM_LBUTTONUP:
        // A release over a separator, a disabled entry or the frame changes nothing.
        if (InsideHighlighted(Msg.pt))
            wnd::PostMessage(m_window->Handle(), wnd::WM_KEYDOWN, wnd::VK_RETURN, 0);
        else if (!m_window->BoundsRect().Contains(Msg.pt))
            Deactivate();
        return;
    case wnd::WM_KEYDOWN:
    case wnd::WM_SYSKEYDOWN:
        if (!LeftButtonDown())
            HandleKey(Msg);
        return;
    case wnd::WM_CHAR:
    case wnd::WM_SYSCHAR:
        if (!LeftButtonDown())
            HandleCharacter(static_cast<char32_t>(Msg.wParam));
        return;
    default:
        break;
    }
    if (Msg.message == wnd::WM_CONTEXTMENU || IsKeyMessage(Msg.message) || IsMouseMessage(Msg.message))
        return;
    wnd::DispatchMessage(Msg);
}

void TSeCustomPopupMenu::HandleKey(const wnd::MSG& Msg)
{
    switch (static_cast<int>(Msg.wParam)) {
    case wnd::VK_DOWN:
        MoveHighlight(1);
        break;
    case wnd::VK_UP:
        MoveHighlight(-1);
        break;
    case wnd::VK_RETURN:
        ChooseHighlighted();
        break;
    case wnd::VK_ESCAPE:
        m_active = false;
        break;
    case wnd::VK_MENU:
    case wnd::VK_F10:
        Deactivate();
        break;
    case wnd::VK_TAB:
    case wnd::VK_SPACE:
    case wnd::VK_LEFT:
    case wnd::VK_RIGHT:
        break;
    default:
        wnd::TranslateMessage(Msg);
        break;
    }
}

void TSeCustomPopupMenu::HandleCharacter(char32_t Character)
{
    const auto& entries = m_window->Entries();
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        const TSeCustomItem& entry = *entries[static_cast<std::size_t>(i)];
        if (entry.Selectable() && entry.HasAccelerator(Character)) {
            Highlight(i);
            wnd::PostMessage(m_window->Handle(), wnd::WM_KEYDOWN, wnd::VK_RETURN, 0);
            return;
        }
    }
}

void TSeCustomPopupMenu::MoveHighlight(int Step)
{
    const auto& entries = m_window->Entries();
    const int count = static_cast<int>(entries.size());
    int index = m_window->Highlighted();
    // Separators and disabled entries are passed over; one round is enough.
    for (int tries = 0; tries < count; ++tries) {
        index = index < 0 ? (Step > 0 ? 0 : count - 1) : (index + Step + count) % count;
        if (entries[static_cast<std::size_t>(index)]->Selectable()) {
            Highlight(index);
            return;
        }
    }
}

void TSeCustomPopupMenu::Highlight(int Index)
{
    m_window->SetHighlighted(Index);
    const TSeCustomItem* entry = m_window->HighlightedEntry();
    m_hint = entry ? entry->Hint : std::string();
}

void TSeCustomPopupMenu::TrackPointer(gfx::TPoint Screen)
{
    if (Screen == m_lastPointer)
        return;
    m_lastPointer = Screen;
    // Over a separator or a disabled entry nothing is highlighted; over no
    // entry at all the highlight stays where it was.
    const int index = m_window->EntryAt(Screen);
    if (index >= 0)
        Highlight(m_window->Entries()[static_cast<std::size_t>(index)]->Selectable() ? index : -1);
}

bool TSeCustomPopupMenu::InsideHighlighted(gfx::TPoint Screen) const
{
    const int index = m_window->Highlighted();
    return index >= 0 && m_window->EntryScreenRect(index).Contains(Screen);
}

void TSeCustomPopupMenu::ChooseHighlighted()
{
    const TSeCustomItem* entry = m_window->HighlightedEntry();
    if (!entry || !entry->Selectable())
        return;
    TSeClickHandler::Post(entry->Id());
    Deactivate();
}

void TSeCustomPopupMenu::Deactivate()
{
    if (m_window)
        Highlight(-1);
    m_active = false;
}

void TSeSkinPopupMenu::ApplyOptions()
{
    // The program-wide effect defaults replace the menu's own: all off.
    PopupMenuOptions.Shadow = TSeShadow();
    PopupMenuOptions.Animation = TSeAnimation();
    PopupMenuOptions.Blending.SetEnabled(false);
}

} // namespace selfdrawn
