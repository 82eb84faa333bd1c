#include "skinform/TbsSkinPopupWindow.h"

#include "platform/controls/TMenuItem.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TextFormat.h"
#include "platform/window/Input.h"
#include "platform/window/Painting.h"
#include "platform/window/Timers.h"
#include "platform/window/Window.h"
#include "skin/SkinGlyphs.h"
#include "skin/SkinImageBuilders.h"
#include "skin/SkinMonitor.h"
#include "skin/SkinObjectRecords.h"
#include "skin/SkinRegions.h"
#include "skin/SkinWindowRecords.h"
#include "skinform/TbsSkinMenu.h"

#include <algorithm>

namespace skinform {
namespace {

    constexpr wnd::WPARAM kMouseTimer = 1;
    constexpr wnd::WPARAM kMorphTimer = 2;
    constexpr wnd::WPARAM kScrollTimer = 3;
    constexpr wnd::WPARAM kAlphaTimer = 4;
    constexpr wnd::UINT kMouseInterval = 50;
    constexpr wnd::UINT kMorphInterval = 20;
    constexpr wnd::UINT kScrollInterval = 100;
    constexpr wnd::UINT kAlphaInterval = 5;
    constexpr int kAlphaStep = 3;
    // Height of the zones at the top and bottom of a scrolling menu.
    constexpr int kScrollZone = 10;

    int TextWidth(gfx::TCanvas& canvas, const std::string& text)
    {
        gfx::TRect r { 0, 0, 0, 0 };
        canvas.DrawText(text, r, gfx::DT_CALCRECT | gfx::DT_SINGLELINE | gfx::DT_LEFT);
        return r.Width();
    }

} // namespace

TbsSkinPopupWindow::TbsSkinPopupWindow(TbsSkinMenu& menu, ctl::TMenuItem& item, int firstIndex, TbsMenuLook look)
    : m_menu(menu), m_menuItem(&item), m_look(std::move(look))
{
    CreateItems(firstIndex);
    wnd::DWORD exStyle = wnd::WS_EX_TOOLWINDOW | wnd::WS_EX_TOPMOST | wnd::WS_EX_NOACTIVATE;
    if (menu.MenusAlphaBlend && skin::LayeredWindowsAvailable())
        exStyle |= wnd::WS_EX_LAYERED;
    m_handle = wnd::CreateWindowEx(
        exStyle,
        [this](wnd::HWND h, wnd::UINT msg, wnd::WPARAM wp, wnd::LPARAM lp) { return WindowProc(h, msg, wp, lp); },
        "", wnd::WS_POPUP, 0, 0, 0, 0, menu.Form());
}

TbsSkinPopupWindow::~TbsSkinPopupWindow()
{
    if (m_handle)
        wnd::DestroyWindow(m_handle);
    m_shadow.reset();
}

void TbsSkinPopupWindow::CreateItems(int firstIndex)
{
    for (int i = std::max(firstIndex, 0); i < m_menuItem->Count(); ++i) {
        ctl::TMenuItem* child = m_menuItem->Items(i);
        if (child->Visible)
            m_items.push_back(std::make_unique<TbsSkinMenuItem>(*child));
    }
}

int TbsSkinPopupWindow::IndexOfItem(const TbsSkinMenuItem* item) const
{
    for (std::size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i].get() == item)
            return static_cast<int>(i);
    return -1;
}

bool TbsSkinPopupWindow::IsSubMenu() const { return m_menu.IndexOfWindow(this) > 0; }

// --- size, layout and placement -------------------------------------------

gfx::TSize TbsSkinPopupWindow::MeasureWindow()
{
    gfx::TBitmap scratch(1, 1);
    gfx::TCanvas measure(scratch);
    measure.Font = m_look.Font;
    int textWidth = 0;
    int itemsHeight = 0;
    for (const auto& item : m_items) {
        const ctl::TMenuItem& entry = item->MenuItem();
        const std::string text = entry.ShortCut().empty() ? entry.Caption() : entry.Caption() + "  " + entry.ShortCut();
        textWidth = std::max(textWidth, TextWidth(measure, text));
        itemsHeight += m_look.ItemHeight(item->IsSeparator());
    }
    const int w = textWidth + 2 + m_look.GlyphColumn() + 19;
    gfx::TSize size;
    if (m_look.Skinned()) {
        const skin::TbsDataSkinPopupWindow& popup = *m_look.Popup;
        const skin::TbsDataSkinMenuItem& record = *m_look.ItemRecord;
        size.cx = m_look.WindowPicture->Width() - popup.ItemsRect.Width()
            + (record.SkinRect.Width() - record.TextRect.Width()) + w;
        size.cy = itemsHeight + m_look.WindowPicture->Height() - popup.ItemsRect.Height();
    } else {
        size = { w + 10, itemsHeight + 4 };
    }
    const gfx::TRect& workArea = m_menu.WorkArea();
    m_scroll = size.cy > workArea.Height();
    if (m_scroll)
        size.cy = workArea.Height();
    size.cx = std::min(size.cx, workArea.Width());
    return size;
}

void TbsSkinPopupWindow::Show(const gfx::TRect& anchor, TMenuOpening opening)
{
    m_size = MeasureWindow();
    if (m_look.Skinned()) {
        const gfx::TBitmap& picture = *m_look.WindowPicture;
        m_geometry = skin::NewSkinGeometry(
            m_look.WindowGeometry(), { picture.Width(), picture.Height() }, m_size.cx, m_size.cy);
        m_itemsRect = m_geometry.ClientRect;
    } else {
        m_itemsRect = { 2, 2, m_size.cx - 2, m_size.cy - 2 };
    }
    LayoutItems();
    ApplyMask();

    const gfx::TPoint at
        = PlaceMenuWindow(anchor, m_size, m_menu.WorkArea(), opening, m_scroll, m_itemsRect.Top);
    if (wnd::GetWindowExStyle(m_handle) & wnd::WS_EX_LAYERED) {
        m_alpha = m_menu.MenusAlphaBlendAnimation ? 0 : m_menu.MenusAlphaBlendValue;
        skin::SetWindowAlpha(m_handle, static_cast<unsigned char>(m_alpha));
    }
    if (m_menu.MenusShadow) {
        m_shadow = std::make_unique<TbsMenuShadow>(m_menu.Form());
        m_shadow->ShowFor(gfx::Bounds(at.X, at.Y, m_size.cx, m_size.cy));
    }
    wnd::SetWindowPos(m_handle, wnd::HWND_TOPMOST, at.X, at.Y, m_size.cx, m_size.cy,
        wnd::SWP_NOACTIVATE | wnd::SWP_SHOWWINDOW);
    m_lastCursor = wnd::GetCursorPos();
    wnd::SetTimer(m_handle, kMouseTimer, kMouseInterval);
    if (m_alpha < m_menu.MenusAlphaBlendValue && (wnd::GetWindowExStyle(m_handle) & wnd::WS_EX_LAYERED))
        wnd::SetTimer(m_handle, kAlphaTimer, kAlphaInterval);
    SelectItem(NextSelectable(-1, 1));
}

void TbsSkinPopupWindow::LayoutItems()
{
    const int top = m_itemsRect.Top + (m_scroll ? kScrollZone : 0);
    const int bottom = m_itemsRect.Bottom - (m_scroll ? kScrollZone : 0);
    int y = top;
    m_visibleCount = 0;
    for (int i = 0; i < ItemCount(); ++i) {
        TbsSkinMenuItem& item = Items(i);
        if (i < m_visibleStartIndex) {
            item.Visible = false;
            item.ObjectRect = {};
            continue;
        }
        const int height = m_look.ItemHeight(item.IsSeparator());
        item.ObjectRect = { m_itemsRect.Left, y, m_itemsRect.Right, y + height };
        item.Visible = item.ObjectRect.Bottom <= bottom;
        if (item.Visible)
            ++m_visibleCount;
        y += height;
    }
}

void TbsSkinPopupWindow::ApplyMask()
{
    if (!m_look.Skinned() || !m_look.MaskPicture)
        return;
    std::optional<gfx::TRegion> region
        = skin::BuildFrameRegion(*m_look.MaskPicture, m_look.WindowGeometry(), m_size.cx, m_size.cy);
    if (region)
        wnd::SetWindowRgn(m_handle, std::move(region), false);
}

gfx::TRect TbsSkinPopupWindow::ItemScreenRect(int index) const
{
    gfx::TRect r = Items(index).ObjectRect;
    const gfx::TRect window = wnd::GetWindowRect(m_handle);
    gfx::OffsetRect(r, window.Left, window.Top);
    return r;
}

gfx::TRect TbsSkinPopupWindow::ScrollUpZone() const
{
    return { m_itemsRect.Left, m_itemsRect.Top, m_itemsRect.Right, m_itemsRect.Top + kScrollZone };
}

gfx::TRect TbsSkinPopupWindow::ScrollDownZone() const
{
    return { m_itemsRect.Left, m_itemsRect.Bottom - kScrollZone, m_itemsRect.Right, m_itemsRect.Bottom };
}

bool TbsSkinPopupWindow::CanScrollDown() const { return m_visibleStartIndex + m_visibleCount < ItemCount(); }

// --- window procedure ---------------------------------------------------------

wnd::LRESULT TbsSkinPopupWindow::WindowProc(wnd::HWND hwnd, wnd::UINT msg, wnd::WPARAM wParam, wnd::LPARAM lParam)
{
    switch (msg) {
    case wnd::WM_MOUSEACTIVATE:
        return wnd::MA_NOACTIVATE;
    case wnd::WM_ERASEBKGND:
        return 1;
    case wnd::WM_PAINT: {
        wnd::TPaintDC dc(hwnd);
        Paint(dc.Canvas());
        return 0;
    }
    case wnd::WM_TIMER:
        switch (wParam) {
        case kMouseTimer:
            MouseTimerTick();
            break;
        case kMorphTimer:
            MorphTimerTick();
            break;
        case kScrollTimer:
            ScrollTimerTick();
            break;
        case kAlphaTimer:
            AlphaTimerTick();
            break;
        }
        return 0;
    case wnd::WM_MOUSEMOVE:
        MouseTimerTick();
        return 0;
    case wnd::WM_LBUTTONDOWN:
    case wnd::WM_RBUTTONDOWN:
    case wnd::WM_LBUTTONDBLCLK:
        return 0;
    case wnd::WM_LBUTTONUP:
        // Choosing may close this window: nothing of it is used afterwards.
        MouseUp(wnd::PointFromLParam(lParam));
        return 0;
    default:
        return wnd::DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

// --- painting -----------------------------------------------------------------

void TbsSkinPopupWindow::Paint(gfx::TCanvas& canvas)
{
    gfx::TBitmap buffer(m_size.cx, m_size.cy);
    gfx::TCanvas image(buffer);
    PaintWindow(image);
    for (const auto& item : m_items)
        if (item->Visible)
            item->Draw(image, m_look);
    if (m_scroll)
        PaintScrollMarkers(image);
    canvas.Draw(0, 0, buffer);
}

void TbsSkinPopupWindow::PaintWindow(gfx::TCanvas& canvas)
{
    if (m_look.Skinned()) {
        const skin::TbsDataSkinPopupWindow& popup = *m_look.Popup;
        const gfx::TBitmap& picture = *m_look.WindowPicture;
        gfx::TBitmap image;
        // Entries without a picture of their own leave the window's client to show.
        const bool fillClient = m_scroll || !m_look.ItemPicture;
        skin::BuildSkinImage(m_look.WindowGeometry(), m_geometry, image, picture,
            { 0, 0, picture.Width(), picture.Height() }, m_size.cx, m_size.cy, fillClient,
            { popup.LeftStretch, popup.TopStretch, popup.RightStretch, popup.BottomStretch });
        canvas.Draw(0, 0, image);
        return;
    }
    const gfx::TRect all { 0, 0, m_size.cx, m_size.cy };
    canvas.Brush = gfx::TBrush {};
    canvas.Brush.Color = gfx::clBtnShadow;
    canvas.FrameRect(all);
    canvas.Brush.Color = gfx::clWindow;
    canvas.FrameRect(gfx::Inflate(all, -1, -1));
    canvas.FillRect(m_itemsRect);
    canvas.Brush.Color = gfx::clBtnFace;
    canvas.FillRect({ m_itemsRect.Left, m_itemsRect.Top, m_itemsRect.Left + m_look.GlyphColumn(), m_itemsRect.Bottom });
}

void TbsSkinPopupWindow::PaintScrollMarkers(gfx::TCanvas& canvas)
{
    const bool skinned = m_look.Skinned();
    const gfx::TColor normal = skinned ? m_look.Popup->ScrollMarkerColor : gfx::clBtnShadow;
    const gfx::TColor active = skinned ? m_look.Popup->ScrollMarkerActiveColor : gfx::clBtnText;
    if (!skinned) {
        canvas.Brush = gfx::TBrush {};
        canvas.Brush.Color = gfx::clWindow;
        canvas.FillRect(ScrollUpZone());
        canvas.FillRect(ScrollDownZone());
    }
    skin::DrawArrowGlyph(canvas, ScrollUpZone(), m_scrollState == TScrollState::Up ? active : normal,
        skin::TbsArrowKind::akUp);
    skin::DrawArrowGlyph(canvas, ScrollDownZone(), m_scrollState == TScrollState::Down ? active : normal,
        skin::TbsArrowKind::akDown);
}

void TbsSkinPopupWindow::RedrawItem(int index)
{
    if (index < 0 || index >= ItemCount() || !Items(index).Visible)
        return;
    const gfx::TRect r = Items(index).ObjectRect;
    wnd::InvalidateRect(m_handle, &r, false);
}

void TbsSkinPopupWindow::Redraw() { wnd::InvalidateRect(m_handle, nullptr, false); }

// --- mouse --------------------------------------------------------------------

void TbsSkinPopupWindow::MouseTimerTick()
{
    const gfx::TPoint cursor = wnd::GetCursorPos();
    if (cursor == m_lastCursor)
        return;
    m_lastCursor = cursor;
    if (wnd::WindowFromPoint(cursor) != m_handle) {
        StopScrolling();
        return;
    }
    gfx::TPoint client = cursor;
    wnd::ScreenToClient(m_handle, client);
    TrackMouse(client);
}

void TbsSkinPopupWindow::TrackMouse(gfx::TPoint client)
{
    if (m_scroll)
        TrackScrollZones(client);
    const int index = ItemAt(client);
    if (index < 0 || index == m_activeItem)
        return;
    if (m_activeItem >= 0)
        LeaveItem(m_activeItem);
    m_activeItem = -1;
    if (Items(index).CanBeActive())
        EnterItem(index);
}

void TbsSkinPopupWindow::TrackScrollZones(gfx::TPoint client)
{
    if (ScrollUpZone().Contains(client) && CanScrollUp())
        StartScrolling(TScrollState::Up);
    else if (ScrollDownZone().Contains(client) && CanScrollDown())
        StartScrolling(TScrollState::Down);
    else
        StopScrolling();
}

void TbsSkinPopupWindow::StartScrolling(TScrollState state)
{
    if (m_scrollState == state)
        return;
    m_menu.CloseFrom(m_menu.IndexOfWindow(this) + 1);
    m_scrollState = state;
    wnd::SetTimer(m_handle, kScrollTimer, kScrollInterval);
    Redraw();
}

void TbsSkinPopupWindow::StopScrolling()
{
    if (m_scrollState == TScrollState::None)
        return;
    m_scrollState = TScrollState::None;
    wnd::KillTimer(m_handle, kScrollTimer);
    Redraw();
}

void TbsSkinPopupWindow::ScrollTimerTick()
{
    gfx::TPoint client = wnd::GetCursorPos();
    wnd::ScreenToClient(m_handle, client);
    const bool up = m_scrollState == TScrollState::Up;
    const bool inZone = up ? ScrollUpZone().Contains(client) : ScrollDownZone().Contains(client);
    if (!inZone || (up ? !CanScrollUp() : !CanScrollDown())) {
        StopScrolling();
        return;
    }
    m_visibleStartIndex += up ? -1 : 1;
    LayoutItems();
    Redraw();
}

int TbsSkinPopupWindow::ItemAt(gfx::TPoint client) const
{
    for (int i = 0; i < ItemCount(); ++i)
        if (Items(i).Visible && Items(i).ObjectRect.Contains(client))
            return i;
    return -1;
}

void TbsSkinPopupWindow::MouseUp(gfx::TPoint client)
{
    const int index = ItemAt(client);
    if (index < 0 || !Items(index).CanBeActive())
        return;
    if (index != m_activeItem) {
        if (m_activeItem >= 0)
            LeaveItem(m_activeItem);
        EnterItem(index);
    }
    m_menu.ChooseItem(this, &Items(index));
}

// --- hot entry and fades -----------------------------------------------------

void TbsSkinPopupWindow::EnterItem(int index)
{
    TbsSkinMenuItem& item = Items(index);
    m_activeItem = index;
    item.Active = true;
    item.Waiting = false;
    StartFade(index);
    const int next = m_menu.IndexOfWindow(this) + 1;
    for (int i = 0; i < ItemCount(); ++i) {
        if (i != index && Items(i).Down) {
            m_menu.CloseFrom(next);
            break;
        }
    }
    if (item.Down)
        return; // its submenu is already open
    m_menu.CloseFrom(next);
    if (item.HasSubMenu())
        m_menu.StartSubMenuTimer(this, &item);
    else
        m_menu.StopSubMenuTimer();
}

void TbsSkinPopupWindow::LeaveItem(int index)
{
    TbsSkinMenuItem& item = Items(index);
    item.Active = false;
    item.Waiting = false;
    StartFade(index);
}

void TbsSkinPopupWindow::StartFade(int index)
{
    TbsSkinMenuItem& item = Items(index);
    if (m_look.Skinned() && m_look.ItemRecord->Morphing && m_look.ItemPicture) {
        if (item.Morphing())
            wnd::SetTimer(m_handle, kMorphTimer, kMorphInterval);
    } else {
        item.MorphFactor = (item.Active || item.Down) ? 1 : 0;
    }
    RedrawItem(index);
}

void TbsSkinPopupWindow::MorphTimerTick()
{
    bool stepped = false;
    for (int i = 0; i < ItemCount(); ++i) {
        if (Items(i).StepMorph()) {
            stepped = true;
            RedrawItem(i);
        }
    }
    if (!stepped)
        wnd::KillTimer(m_handle, kMorphTimer);
}

void TbsSkinPopupWindow::AlphaTimerTick()
{
    m_alpha = std::min<int>(m_alpha + kAlphaStep, m_menu.MenusAlphaBlendValue);
    skin::SetWindowAlpha(m_handle, static_cast<unsigned char>(m_alpha));
    if (m_alpha >= m_menu.MenusAlphaBlendValue)
        wnd::KillTimer(m_handle, kAlphaTimer);
}

void TbsSkinPopupWindow::SubMenuClosed()
{
    for (int i = 0; i < ItemCount(); ++i) {
        if (Items(i).Down) {
            Items(i).Down = false;
            StartFade(i);
        }
    }
}

// --- keyboard -----------------------------------------------------------------

int TbsSkinPopupWindow::NextSelectable(int from, int step) const
{
    const int count = ItemCount();
    if (count == 0)
        return -1;
    int index = from;
    // At most one full round: a menu without a selectable entry moves nothing.
    for (int n = 0; n < count; ++n) {
        index = ((index + step) % count + count) % count;
        if (Items(index).CanBeActive())
            return index;
    }
    return -1;
}

void TbsSkinPopupWindow::SelectItem(int index)
{
    if (index < 0 || index >= ItemCount())
        return;
    if (m_activeItem >= 0 && m_activeItem != index)
        LeaveItem(m_activeItem);
    if (index < m_visibleStartIndex)
        m_visibleStartIndex = index;
    LayoutItems();
    while (!Items(index).Visible && m_visibleStartIndex < index) {
        ++m_visibleStartIndex;
        LayoutItems();
    }
    TbsSkinMenuItem& item = Items(index);
    m_activeItem = index;
    item.Active = true;
    item.Waiting = true;
    StartFade(index);
    Redraw();
}

void TbsSkinPopupWindow::KeyDown(unsigned key)
{
    switch (key) {
    case wnd::VK_UP:
    case wnd::VK_DOWN: {
        const int step = key == wnd::VK_UP ? -1 : 1;
        const int from = m_activeItem >= 0 ? m_activeItem : (step > 0 ? -1 : 0);
        const int next = NextSelectable(from, step);
        if (next >= 0 && next != m_activeItem) {
            m_menu.StopSubMenuTimer();
            m_menu.CloseFrom(m_menu.IndexOfWindow(this) + 1);
            SelectItem(next);
        }
        return;
    }
    case wnd::VK_RIGHT:
        if (m_activeItem >= 0 && Items(m_activeItem).HasSubMenu() && Items(m_activeItem).CanBeActive())
            m_menu.OpenSubMenu(this, &Items(m_activeItem));
        return;
    case wnd::VK_LEFT:
        if (IsSubMenu())
            m_menu.CloseTopWindow();
        return;
    case wnd::VK_ESCAPE:
        m_menu.CloseTopWindow();
        return;
    case wnd::VK_RETURN:
        if (m_activeItem >= 0 && Items(m_activeItem).CanBeActive())
            m_menu.ChooseItem(this, &Items(m_activeItem));
        return;
    default:
        break;
    }
    for (int i = 0; i < ItemCount(); ++i) {
        TbsSkinMenuItem& item = Items(i);
        if (item.CanBeActive() && item.MenuItem().AccessKey() == key) {
            SelectItem(i);
            m_menu.ChooseItem(this, &item);
            return;
        }
    }
}

} // namespace skinform
