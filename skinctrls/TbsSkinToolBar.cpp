#include "skinctrls/TbsSkinToolBar.h"

#include "platform/controls/TImageList.h"
#include "platform/window/Input.h"
#include "platform/window/Painting.h"
#include "platform/window/Window.h"
#include "skin/SkinControlRecords.h"
#include "skin/SkinImageBuilders.h"
#include "skin/TbsSkinData.h"
#include "skinctrls/SkinLookup.h"
#include "skinctrls/TbsSkinBevel.h"
#include "skinctrls/TbsSkinSpeedButton.h"
#include "skinctrls/ToolBarScrollButton.h"

#include <algorithm>

namespace skinctrls {

TbsSkinToolBar::TbsSkinToolBar(ctl::TComponent* AOwner) : TbsSkinPanel(AOwner)
{
    SetSkinDataName("toolpanel");
    SetDefaultHeight(25);
    SetBorderStyle(TbsSkinBorderStyle::bvNone);
}

TbsSkinToolBar::~TbsSkinToolBar()
{
    StopScrollTimer();
    Watch(m_images, nullptr);
    Watch(m_hotImages, nullptr);
    Watch(m_disabledImages, nullptr);
}

void TbsSkinToolBar::Watch(ctl::TImageList* Old, ctl::TImageList* New)
{
    if (Old && Old != m_images && Old != m_hotImages && Old != m_disabledImages)
        RemoveFreeNotification(Old);
    if (New)
        FreeNotification(New);
}

void TbsSkinToolBar::SetImages(ctl::TImageList* Value)
{
    ctl::TImageList* old = m_images;
    m_images = Value;
    Watch(old, Value);
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* button = dynamic_cast<TbsSkinSpeedButton*>(Controls(i)))
            button->Invalidate();
}

void TbsSkinToolBar::SetHotImages(ctl::TImageList* Value)
{
    ctl::TImageList* old = m_hotImages;
    m_hotImages = Value;
    Watch(old, Value);
}

void TbsSkinToolBar::SetDisabledImages(ctl::TImageList* Value)
{
    ctl::TImageList* old = m_disabledImages;
    m_disabledImages = Value;
    Watch(old, Value);
}

void TbsSkinToolBar::Notification(ctl::TComponent* AComponent, ctl::TOperation Operation)
{
    if (Operation == ctl::TOperation::opRemove) {
        if (AComponent == m_images)
            m_images = nullptr;
        if (AComponent == m_hotImages)
            m_hotImages = nullptr;
        if (AComponent == m_disabledImages)
            m_disabledImages = nullptr;
    }
    TbsSkinPanel::Notification(AComponent, Operation);
}

void TbsSkinToolBar::SetFlat(bool Value)
{
    m_flat = Value;
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* button = dynamic_cast<TbsSkinSpeedButton*>(Controls(i)))
            button->SetFlat(Value);
}

void TbsSkinToolBar::SetShowCaptions(bool Value)
{
    if (Value == m_showCaptions)
        return;
    m_showCaptions = Value;
    if (AutoShowHideCaptions)
        for (int i = 0; i < ControlCount(); ++i)
            if (auto* button = dynamic_cast<TbsSkinSpeedButton*>(Controls(i)))
                button->SetShowCaption(Value);
    if (WidthWithCaptions != 0 && WidthWithoutCaptions != 0)
        SetWidth(m_showCaptions ? WidthWithCaptions : WidthWithoutCaptions);
}

void TbsSkinToolBar::SetSkinData(skin::TbsSkinData* Value)
{
    TbsSkinPanel::SetSkinData(Value);
    for (int i = 0; i < ControlCount(); ++i) {
        if (auto* button = dynamic_cast<TbsSkinSpeedButton*>(Controls(i)))
            button->SetSkinData(Value);
        else if (auto* bevel = dynamic_cast<TbsSkinBevel*>(Controls(i)))
            bevel->SetSkinData(Value);
    }
}

void TbsSkinToolBar::LookupSkinRecord()
{
    TbsSkinPanel::LookupSkinRecord();
    m_resizeButtonIndex = SkinIndex() != -1 ? LookupSkinIndex(SkinData(), "resizebutton") : -1;
}

void TbsSkinToolBar::DrawSkin(gfx::TBitmap& Bitmap)
{
    // Under the scroll buttons no end of the bar's image may show: only its tiled middle.
    const skin::TbsDataSkinPanelControl* record = PanelRecord();
    if (m_buttonsShown && SkinSizing() == TbsSkinSizing::Horizontal && record && SkinPicture()) {
        const int rightOffset = record->SkinRect.Width() - record->RTPoint.X;
        skin::BuildHorzMiddleSkinImage(record->LTPoint.X, rightOffset, Bitmap, Width(), record->SkinRect, *SkinPicture());
        return;
    }
    TbsSkinPanel::DrawSkin(Bitmap);
}

void TbsSkinToolBar::SetCanScroll(bool Value)
{
    if (Value == m_canScroll)
        return;
    if (!Value) {
        ClearScrollState();
        ScrollTo(0);
        ShowScrollButtons(false);
    }
    m_canScroll = Value;
    UpdateScrollButtons();
}

void TbsSkinToolBar::SetScrollOffset(int Value)
{
    if (Value >= 0)
        m_scrollOffset = Value;
}

void TbsSkinToolBar::SetScrollTimerInterval(int Value)
{
    if (Value > 0)
        m_scrollTimerInterval = Value;
}

void TbsSkinToolBar::AdjustClientRect(gfx::TRect& Rect) const
{
    TbsSkinPanel::AdjustClientRect(Rect);
    // Aligned buttons are laid out scrolled, like the others.
    gfx::OffsetRect(Rect, -m_position, 0);
}

void TbsSkinToolBar::Resize()
{
    TbsSkinPanel::Resize();
    UpdateScrollButtons();
    if (HandleAllocated())
        wnd::RedrawWindow(Handle(), nullptr, nullptr, wnd::RDW_INVALIDATE | wnd::RDW_FRAME);
}

int TbsSkinToolBar::ContentRight() const
{
    int right = 0;
    for (int i = 0; i < ControlCount(); ++i)
        if (const ctl::TControl* child = Controls(i); child->Visible())
            right = std::max(right, child->Left() + child->Width());
    return right;
}

void TbsSkinToolBar::UpdateScrollButtons()
{
    if (!m_canScroll || !HandleAllocated() || m_updatingScroll)
        return;
    m_updatingScroll = true;
    const int right = ContentRight();
    // Whether the children fit is judged by the whole width, without the
    // buttons' room: a bar that is wide enough again loses its buttons.
    const int room = ClientWidth() + (m_buttonsShown ? 2 * kScrollButtonWidth : 0);
    if (right > 0 && right + m_position > room) {
        ShowScrollButtons(true);
        const int clientWidth = ClientWidth();
        m_extent = m_position + ContentRight() - 1;
        // A bar widened while scrolled gives the room to the buttons on the left.
        if (m_position > 0 && m_recordedClientWidth > 0 && clientWidth > m_recordedClientWidth)
            ScrollTo(m_position - std::min(clientWidth - m_recordedClientWidth, m_position));
        m_recordedClientWidth = clientWidth;
        // Never scrolled past the last button.
        ScrollTo(std::min(m_position, std::max(0, m_extent - clientWidth + 1)));
    } else {
        ScrollTo(0);
        m_extent = 0;
        m_recordedClientWidth = 0;
        ClearScrollState();
        ShowScrollButtons(false);
    }
    m_updatingScroll = false;
}

void TbsSkinToolBar::ShowScrollButtons(bool Value)
{
    if (Value == m_buttonsShown)
        return;
    m_buttonsShown = Value;
    // The non-client area is measured again.
    if (HandleAllocated())
        wnd::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
            wnd::SWP_NOMOVE | wnd::SWP_NOSIZE | wnd::SWP_NOZORDER | wnd::SWP_NOACTIVATE | wnd::SWP_FRAMECHANGED);
    Invalidate();
}

void TbsSkinToolBar::ScrollTo(int Value)
{
    if (Value == m_position)
        return;
    const int shift = m_position - Value;
    m_position = Value;
    for (int i = 0; i < ControlCount(); ++i)
        if (ctl::TControl* child = Controls(i); child->Align() == ctl::TAlign::alNone)
            child->SetLeft(child->Left() + shift);
    AlignControls();
    Invalidate();
}

void TbsSkinToolBar::ScrollStep(TScrollDirection Direction)
{
    const int step = m_scrollOffset ? m_scrollOffset : ClientWidth();
    int target = m_position;
    if (Direction == TScrollDirection::Right)
        target = std::max(m_position, std::min(m_position + step, m_extent - m_recordedClientWidth + 1));
    else if (Direction == TScrollDirection::Left)
        target = std::max(m_position - step, 0);
    if (target == m_position) {
        StopScrollTimer();
        return;
    }
    ScrollTo(target);
}

void TbsSkinToolBar::StartScrollTimer(TScrollDirection Direction)
{
    if (!m_scrollTimer) {
        m_scrollTimer = std::make_unique<ctl::TTimer>(nullptr);
        m_scrollTimer->OnTimer = [this](ctl::TObject*) { ScrollStep(m_timerDirection); };
    }
    m_scrollTimer->SetEnabled(false);
    m_timerDirection = Direction;
    m_scrollTimer->SetInterval(static_cast<unsigned>(m_scrollTimerInterval));
    m_scrollTimer->SetEnabled(true);
}

void TbsSkinToolBar::StopScrollTimer()
{
    if (m_scrollTimer)
        m_scrollTimer->SetEnabled(false);
    m_timerDirection = TScrollDirection::None;
}

void TbsSkinToolBar::SetScrollHot(TScrollDirection Direction)
{
    if (Direction == m_hot)
        return;
    m_hot = Direction;
    PaintScrollButtons();
}

void TbsSkinToolBar::ClearScrollState()
{
    StopScrollTimer();
    m_pressed = TScrollDirection::None;
    m_hot = TScrollDirection::None;
    PaintScrollButtons();
}

TbsSkinToolBar::TScrollDirection TbsSkinToolBar::DirectionOfHit(wnd::WPARAM Hit) const
{
    if (static_cast<wnd::LRESULT>(Hit) == HTSCROLLLEFT)
        return TScrollDirection::Left;
    if (static_cast<wnd::LRESULT>(Hit) == HTSCROLLRIGHT)
        return TScrollDirection::Right;
    return TScrollDirection::None;
}

gfx::TRect TbsSkinToolBar::ScrollButtonRect(TScrollDirection Direction) const
{
    if (Direction == TScrollDirection::Left)
        return gfx::Rect(0, 0, kScrollButtonWidth, Height());
    return gfx::Rect(Width() - kScrollButtonWidth, 0, Width(), Height());
}

wnd::LRESULT TbsSkinToolBar::HitTest(wnd::LPARAM ScreenPoint) const
{
    const gfx::TPoint screen = wnd::PointFromLParam(ScreenPoint);
    const gfx::TPoint origin = wnd::GetWindowRect(Handle()).TopLeft();
    const gfx::TPoint p { screen.X - origin.X, screen.Y - origin.Y };
    const gfx::TRect client = wnd::GetClientRectInWindow(Handle());
    if (p.X < client.Left && ScrollButtonRect(TScrollDirection::Left).Contains(p))
        return HTSCROLLLEFT;
    if (p.X >= client.Right && ScrollButtonRect(TScrollDirection::Right).Contains(p))
        return HTSCROLLRIGHT;
    return wnd::HTNOWHERE;
}

void TbsSkinToolBar::PaintScrollButtons()
{
    if (!m_buttonsShown || !HandleAllocated() || Height() <= 0)
        return;
    wnd::TWindowDC dc(Handle(), true);
    if (!dc.Valid())
        return;
    const auto* record = dynamic_cast<const skin::TbsDataSkinButtonControl*>(SkinRecordAt(SkinData(), m_resizeButtonIndex));
    for (TScrollDirection direction : { TScrollDirection::Left, TScrollDirection::Right }) {
        const gfx::TRect place = ScrollButtonRect(direction);
        TbsToolBarScrollButton button;
        button.Left = direction == TScrollDirection::Left;
        button.Hot = m_hot == direction;
        button.Down = m_pressed == direction || HotScroll;
        gfx::TBitmap image(place.Width(), place.Height());
        DrawToolBarScrollButton(image, button, record, SkinData());
        dc.Canvas().Draw(place.Left, place.Top, image);
    }
}

wnd::LRESULT TbsSkinToolBar::WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam)
{
    if (!m_canScroll)
        return TbsSkinPanel::WndProc(Msg, WParam, LParam);
    switch (Msg) {
    case wnd::WM_NCCALCSIZE: {
        const wnd::LRESULT result = TbsSkinPanel::WndProc(Msg, WParam, LParam);
        if (m_buttonsShown) {
            gfx::TRect& r = reinterpret_cast<wnd::NCCALCSIZE_PARAMS*>(LParam)->rgrc[0];
            r.Left += kScrollButtonWidth;
            r.Right = std::max(r.Left, r.Right - kScrollButtonWidth);
        }
        return result;
    }
    case wnd::WM_NCPAINT:
        TbsSkinPanel::WndProc(Msg, WParam, LParam);
        PaintScrollButtons();
        return 0;
    case wnd::WM_NCHITTEST:
        if (m_buttonsShown) {
            if (const wnd::LRESULT hit = HitTest(LParam); hit != wnd::HTNOWHERE)
                return hit;
        }
        break;
    case wnd::WM_NCMOUSEMOVE: {
        const TScrollDirection over = DirectionOfHit(WParam);
        if (over == TScrollDirection::None)
            break;
        wnd::TRACKMOUSEEVENT tme;
        tme.dwFlags = wnd::TME_LEAVE | wnd::TME_NONCLIENT;
        tme.hwndTrack = Handle();
        wnd::TrackMouseEvent(tme);
        if (over != m_hot) {
            SetScrollHot(over);
            if (HotScroll)
                StartScrollTimer(over);
        }
        return 0;
    }
    case wnd::WM_NCLBUTTONDOWN:
    case wnd::WM_NCLBUTTONDBLCLK: {
        const TScrollDirection over = DirectionOfHit(WParam);
        if (over == TScrollDirection::None)
            break;
        m_pressed = over;
        m_hot = over;
        PaintScrollButtons();
        StartScrollTimer(over);
        return 0;
    }
    case wnd::WM_NCLBUTTONUP: {
        const TScrollDirection pressed = m_pressed;
        if (pressed == TScrollDirection::None)
            break;
        m_pressed = TScrollDirection::None;
        PaintScrollButtons();
        StopScrollTimer();
        ScrollStep(pressed);
        return 0;
    }
    case wnd::WM_MOUSEMOVE:
        // Into the client area, over the bar or one of its graphic buttons.
        if (m_hot != TScrollDirection::None)
            ClearScrollState();
        break;
    case wnd::WM_NCMOUSELEAVE:
        if (wnd::WindowFromPoint(wnd::GetCursorPos()) != Handle())
            ClearScrollState();
        return 0;
    default:
        break;
    }
    return TbsSkinPanel::WndProc(Msg, WParam, LParam);
}

} // namespace skinctrls
