#include "skinctrls/TbsSkinCustomEdit.h"

#include "platform/window/Input.h"
#include "platform/window/Painting.h"
#include "platform/window/VirtualKeys.h"
#include "platform/window/Window.h"
#include "skin/SkinControlRecords.h"
#include "skin/SkinImageBuilders.h"
#include "skin/TbsSkinData.h"
#include "skinctrls/DefaultLook.h"
#include "skinctrls/SkinLookup.h"

namespace skinctrls {
namespace {

constexpr int kFrameWidth = 2;
constexpr unsigned kEscapeChar = 27;

// Three dots in the middle of the button: the button opens something more.
void DrawEllipsis(gfx::TCanvas& Canvas, const gfx::TRect& Button, gfx::TColor Color)
{
    constexpr int dot = 2;
    constexpr int gap = 2;
    const int width = 3 * dot + 2 * gap;
    const int left = Button.Left + (Button.Width() - width) / 2;
    const int top = Button.Top + (Button.Height() - dot) / 2;
    Canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
    Canvas.Brush.Color = Color;
    for (int i = 0; i < 3; ++i)
        Canvas.FillRect(gfx::Bounds(left + i * (dot + gap), top, dot, dot));
}

} // namespace

TbsSkinCustomEdit::TbsSkinCustomEdit(ctl::TComponent* AOwner) : TbsCustomEdit(AOwner), m_defaultFont(Font())
{
    SetMargins(kFrameWidth, 0);
}

void TbsSkinCustomEdit::SetSkinData(skin::TbsSkinData* Value)
{
    skin::FollowSkinData(*this, m_skinData, Value);
    m_skinData = Value;
    if (m_skinData && !m_skinData->IsEmpty())
        ApplySkin();
}

const skin::TbsDataSkinEditControl* TbsSkinCustomEdit::EditRecord() const
{
    return dynamic_cast<const skin::TbsDataSkinEditControl*>(SkinRecordAt(m_skinData, m_skinIndex));
}

void TbsSkinCustomEdit::LookupSkinRecord()
{
    m_skinIndex = LookupSkinIndex(m_skinData, m_skinDataName);
    // Only a record of the edit kind says how an edit looks.
    if (!EditRecord())
        m_skinIndex = -1;
    if (m_skinIndex == -1)
        m_part.Clear();
    else
        m_part.Take(*EditRecord(), *m_skinData);
}

void TbsSkinCustomEdit::Notification(ctl::TComponent* AComponent, ctl::TOperation Operation)
{
    if (Operation == ctl::TOperation::opRemove && skin::IsSkinData(AComponent, m_skinData)) {
        m_skinData = nullptr;
        ResetSkinIndex();
    }
    TbsCustomEdit::Notification(AComponent, Operation);
}

void TbsSkinCustomEdit::ResetSkinIndex()
{
    m_skinIndex = -1;
    m_part.Clear();
}

void TbsSkinCustomEdit::ApplySkin()
{
    LookupSkinRecord();
    gfx::TFont font = m_defaultFont;
    if (const skin::TbsDataSkinEditControl* record = EditRecord(); record && UseSkinFont) {
        font.Name = record->FontName;
        font.Height = record->FontHeight;
        font.Style = record->FontStyle;
    }
    font.CharSet = SkinCharSetOr(m_skinData, m_defaultFont.CharSet);
    SetFont(font);
    if (m_skinIndex == -1) {
        if (m_defaultWidth > 0)
            SetWidth(m_defaultWidth);
        if (m_defaultHeight > 0)
            SetHeight(m_defaultHeight);
    } else if (m_part.SkinHeight() > 0) {
        SetHeight(m_part.SkinHeight());
    }
    UpdateFontColor();
    RecalcFrame();
}

void TbsSkinCustomEdit::SetDefaultFont(const gfx::TFont& Value)
{
    m_defaultFont = Value;
    if (m_skinIndex != -1)
        return;
    SetFont(m_defaultFont);
    UpdateFontColor();
}

void TbsSkinCustomEdit::SetDefaultWidth(int Value)
{
    m_defaultWidth = Value;
    if (m_skinIndex == -1 && Value > 0)
        SetWidth(Value);
}

void TbsSkinCustomEdit::SetDefaultHeight(int Value)
{
    m_defaultHeight = Value;
    if (m_skinIndex == -1 && Value > 0)
        SetHeight(Value);
}

void TbsSkinCustomEdit::SetButtonMode(bool Value)
{
    if (Value == m_buttonMode)
        return;
    m_buttonMode = Value;
    m_buttonHot = false;
    m_buttonPressed = false;
    RecalcFrame();
}

void TbsSkinCustomEdit::RecalcFrame()
{
    if (HandleAllocated())
        wnd::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
            wnd::SWP_NOMOVE | wnd::SWP_NOSIZE | wnd::SWP_NOZORDER | wnd::SWP_NOACTIVATE | wnd::SWP_FRAMECHANGED);
    Invalidate();
}

void TbsSkinCustomEdit::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    // A skin image has the record's height.
    if (m_skinIndex != -1 && m_part.SkinHeight() > 0)
        AHeight = m_part.SkinHeight();
    TbsCustomEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (m_skinIndex != -1)
        Invalidate();
}

gfx::TRect TbsSkinCustomEdit::FrameInsets(int AHeight) const
{
    if (const skin::TbsDataSkinEditControl* record = EditRecord()) {
        const gfx::TRect& client = record->ClientRect;
        return gfx::Rect(client.Left, client.Top, m_part.SkinWidth() - client.Right, m_part.SkinHeight() - client.Bottom);
    }
    // The button is as wide as the box is high and the field keeps its frame beside it.
    const int right = m_buttonMode ? AHeight + kFrameWidth : kFrameWidth;
    return gfx::Rect(kFrameWidth, kFrameWidth, right, kFrameWidth);
}

gfx::TRect TbsSkinCustomEdit::TextRect() const
{
    if (const skin::TbsDataSkinEditControl* record = EditRecord()) {
        gfx::TRect r = record->ClientRect;
        r.Right += Width() - m_part.SkinWidth();
        return r;
    }
    const int right = m_buttonMode ? ButtonRect().Left : Width();
    return gfx::Rect(kFrameWidth, kFrameWidth, right - kFrameWidth, Height() - kFrameWidth);
}

gfx::TRect TbsSkinCustomEdit::ButtonRect() const
{
    if (!m_buttonMode)
        return {};
    if (const skin::TbsDataSkinEditControl* record = EditRecord()) {
        gfx::TRect r = record->ButtonRect;
        if (r.Left >= record->RTPoint.X)
            r = gfx::Offset(r, Width() - m_part.SkinWidth(), 0);
        return r;
    }
    return gfx::Rect(Width() - Height(), 0, Width(), Height());
}

void TbsSkinCustomEdit::DrawWindowImage(gfx::TBitmap& Bitmap)
{
    // The pictures are taken again from the skin as it is now; a skin cleared
    // under the control leaves it without a record.
    const skin::TbsDataSkinEditControl* record = EditRecord();
    if (record)
        m_part.Take(*record, *m_skinData);
    // A record without a picture or without a skin rectangle has no image to give.
    if (!record || !m_part.Picture() || m_part.Sizing() == TbsSkinSizing::None)
        DrawDefault(Bitmap);
    else
        DrawSkin(Bitmap);
}

void TbsSkinCustomEdit::DrawDefault(gfx::TBitmap& Bitmap)
{
    gfx::TCanvas& canvas = Bitmap.Canvas();
    canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
    canvas.Brush.Color = gfx::clWhite;
    canvas.FillRect(gfx::Rect(0, 0, Bitmap.Width(), Bitmap.Height()));
    const gfx::TRect button = ButtonRect();
    gfx::TRect field = gfx::Rect(0, 0, Width() - button.Width(), Height());
    DrawBevelFrame(canvas, field, gfx::clBtnShadow, gfx::clBtnShadow);
    DrawBevelFrame(canvas, field, gfx::clBtnFace, gfx::clBtnFace);
    if (!m_buttonMode)
        return;
    if (m_buttonPressed && m_buttonHot)
        gfx::DrawFramedFill(canvas, button, kDefaultFrameColor, kDefaultDownColor);
    else if (m_buttonHot)
        gfx::DrawFramedFill(canvas, button, kDefaultFrameColor, kDefaultHotColor);
    else
        gfx::DrawFramedFill(canvas, button, gfx::clBtnShadow, gfx::clBtnFace);
    DrawEllipsis(canvas, button, Enabled() ? gfx::clBtnText : gfx::clGrayText);
}

void TbsSkinCustomEdit::DrawSkin(gfx::TBitmap& Bitmap)
{
    const skin::TbsDataSkinEditControl& record = *EditRecord();
    const gfx::TBitmap& picture = *m_part.Picture();
    const gfx::TRect source = Active() && !record.ActiveSkinRect.IsEmpty() ? record.ActiveSkinRect : record.SkinRect;
    const skin::TbsSkinGeometry& g = m_part.Geometry();
    skin::BuildHorzSkinImage(g.LeftTop.X, m_part.SkinWidth() - g.RightTop.X, Bitmap, Width(), source, picture);
    if (!m_buttonMode)
        return;
    gfx::TRect face;
    if (!Enabled())
        face = record.UnEnabledButtonRect;
    else if (m_buttonPressed && m_buttonHot)
        face = record.DownButtonRect.IsEmpty() ? record.ActiveButtonRect : record.DownButtonRect;
    else if (m_buttonHot)
        face = record.ActiveButtonRect;
    if (!face.IsEmpty())
        Bitmap.Canvas().CopyRect(ButtonRect(), picture, face);
}

gfx::TColor TbsSkinCustomEdit::TextColor() const
{
    return Font().Color;
}

void TbsSkinCustomEdit::UpdateFontColor()
{
    gfx::TColor color = Enabled() ? m_defaultFont.Color : gfx::clGrayText;
    if (const skin::TbsDataSkinEditControl* record = EditRecord())
        color = !Enabled() ? record->DisabledFontColor : Active() ? record->ActiveFontColor : record->FontColor;
    if (Font().Color == color)
        return;
    gfx::TFont font = Font();
    font.Color = color;
    SetFont(font);
}

void TbsSkinCustomEdit::FontChanged()
{
    TbsCustomEdit::FontChanged();
    SetMargins(kFrameWidth, 0);
}

void TbsSkinCustomEdit::EnabledChanged()
{
    TbsCustomEdit::EnabledChanged();
    UpdateFontColor();
}

void TbsSkinCustomEdit::MouseEnter()
{
    TbsCustomEdit::MouseEnter();
    UpdateFontColor();
    if (m_skinIndex != -1)
        Invalidate();
}

void TbsSkinCustomEdit::MouseLeave()
{
    TbsCustomEdit::MouseLeave();
    SetButtonState(false, false);
    UpdateFontColor();
    if (m_skinIndex != -1)
        Invalidate();
}

void TbsSkinCustomEdit::DoEnter()
{
    m_focused = true;
    TbsCustomEdit::DoEnter();
    if (AutoSelect)
        SelectAll();
    UpdateFontColor();
}

void TbsSkinCustomEdit::DoExit()
{
    m_focused = false;
    TbsCustomEdit::DoExit();
    UpdateFontColor();
}

void TbsSkinCustomEdit::KeyDown(int& Key, ctl::TShiftState Shift)
{
    TbsCustomEdit::KeyDown(Key, Shift);
    if (Key != wnd::VK_ESCAPE)
        return;
    // Escape is the box's before the form acts on it (closing a dialog): its
    // key press runs now, and the character message that follows is dropped.
    TbsCustomEdit::WndProc(wnd::WM_CHAR, kEscapeChar, 0);
    m_escapePressed = true;
}

void TbsSkinCustomEdit::Loaded()
{
    TbsCustomEdit::Loaded();
    if (!m_skinData || !m_skinData->ResourceStrData())
        return;
    gfx::TFont font = Font();
    font.CharSet = m_skinData->ResourceStrData()->CharSet;
    SetFont(font);
}

void TbsSkinCustomEdit::SetButtonState(bool Hot, bool Pressed)
{
    if (Hot == m_buttonHot && Pressed == m_buttonPressed)
        return;
    m_buttonHot = Hot;
    m_buttonPressed = Pressed;
    Invalidate();
}

gfx::TPoint TbsSkinCustomEdit::ScreenToWindow(gfx::TPoint Screen) const
{
    const gfx::TPoint origin = wnd::GetWindowRect(Handle()).TopLeft();
    return { Screen.X - origin.X, Screen.Y - origin.Y };
}

bool TbsSkinCustomEdit::PointerOverWindow() const
{
    return wnd::WindowFromPoint(wnd::GetCursorPos()) == Handle();
}

wnd::LRESULT TbsSkinCustomEdit::HitTest(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam)
{
    if (m_buttonMode) {
        const gfx::TPoint p = ScreenToWindow(wnd::PointFromLParam(LParam));
        if (ButtonRect().Contains(p))
            return wnd::HTHSCROLL;
        if (gfx::Rect(0, 0, Width(), Height()).Contains(p) && !TextRect().Contains(p))
            return wnd::HTVSCROLL;
    }
    return TbsCustomEdit::WndProc(Msg, WParam, LParam);
}

void TbsSkinCustomEdit::NonClientMouseMove(gfx::TPoint Screen)
{
    if (ctl::MouseControl() != this)
        ctl::SetMouseControl(this);
    wnd::TRACKMOUSEEVENT tme;
    tme.dwFlags = wnd::TME_LEAVE | wnd::TME_NONCLIENT;
    tme.hwndTrack = Handle();
    wnd::TrackMouseEvent(tme);
    if (m_buttonMode)
        SetButtonState(ButtonRect().Contains(ScreenToWindow(Screen)), m_buttonPressed);
}

bool TbsSkinCustomEdit::NonClientButtonDown(gfx::TPoint Screen)
{
    if (!m_buttonMode || !ButtonRect().Contains(ScreenToWindow(Screen)))
        return false;
    SetButtonState(true, true);
    return true;
}

void TbsSkinCustomEdit::NonClientButtonUp(gfx::TPoint Screen)
{
    if (!m_buttonPressed)
        return;
    const bool over = ButtonRect().Contains(ScreenToWindow(Screen));
    SetButtonState(over, false);
    if (!over)
        return;
    if (!Focused() && CanFocus())
        SetFocus();
    if (OnButtonClick)
        OnButtonClick(this);
}

void TbsSkinCustomEdit::PointerLeft()
{
    if (!PointerOverWindow() && ctl::MouseControl() == this)
        ctl::SetMouseControl(nullptr);
}

wnd::LRESULT TbsSkinCustomEdit::WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam)
{
    switch (Msg) {
    case wnd::WM_NCCALCSIZE: {
        auto* params = reinterpret_cast<wnd::NCCALCSIZE_PARAMS*>(LParam);
        gfx::TRect& r = params->rgrc[0];
        const gfx::TRect insets = FrameInsets(r.Height());
        r = gfx::Rect(r.Left + insets.Left, r.Top + insets.Top, r.Right - insets.Right, r.Bottom - insets.Bottom);
        return 0;
    }
    case wnd::WM_NCHITTEST:
        return HitTest(Msg, WParam, LParam);
    case wnd::WM_NCMOUSEMOVE:
        NonClientMouseMove(wnd::PointFromLParam(LParam));
        return 0;
    case wnd::WM_NCLBUTTONDOWN:
    case wnd::WM_NCLBUTTONDBLCLK:
        if (NonClientButtonDown(wnd::PointFromLParam(LParam)))
            return 0;
        break;
    case wnd::WM_NCLBUTTONUP:
        NonClientButtonUp(wnd::PointFromLParam(LParam));
        return 0;
    case wnd::WM_MOUSEMOVE:
        SetButtonState(false, m_buttonPressed);
        break;
    case wnd::WM_NCMOUSELEAVE:
        PointerLeft();
        return 0;
    case wnd::WM_MOUSELEAVE:
        if (PointerOverWindow())
            return 0;
        break;
    case wnd::WM_KEYDOWN:
        m_escapePressed = false;
        break;
    case wnd::WM_CHAR:
        // Escape's key press already ran with its key-down.
        if (WParam == kEscapeChar && m_escapePressed) {
            m_escapePressed = false;
            return 0;
        }
        break;
    default:
        break;
    }
    return TbsCustomEdit::WndProc(Msg, WParam, LParam);
}

} // namespace skinctrls
