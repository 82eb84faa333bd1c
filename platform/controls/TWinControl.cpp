#include "platform/controls/TWinControl.h"

#include "platform/controls/TApplication.h"
#include "platform/controls/TForm.h"
#include "platform/window/Input.h"
#include "platform/window/Painting.h"

#include <algorithm>

namespace ctl {
namespace {

constexpr const char* kControlProp = "ctl.control";

bool IsGraphic(const TControl* c)
{
    return dynamic_cast<const TWinControl*>(c) == nullptr;
}

unsigned DialogKeyMask(int key)
{
    switch (key) {
    case wnd::VK_TAB:
        return DLGC_WANTTAB;
    case wnd::VK_LEFT:
    case wnd::VK_RIGHT:
    case wnd::VK_UP:
    case wnd::VK_DOWN:
        return DLGC_WANTARROWS;
    case wnd::VK_RETURN:
    case wnd::VK_ESCAPE:
        return DLGC_WANTALLKEYS;
    default:
        return 0;
    }
}

bool IsAcceleratorKey(wnd::WPARAM Key)
{
    return (Key >= 'A' && Key <= 'Z') || (Key >= '0' && Key <= '9');
}

// Characters that can be access keys: not space, not a control character.
bool IsPrintable(unsigned Character)
{
    return Character > 0x20 && Character != 0x7F;
}

// Resets a flag however the scope is left.
class TFlagGuard {
public:
    explicit TFlagGuard(bool& flag) : m_flag(flag) { m_flag = true; }
    ~TFlagGuard() { m_flag = false; }
    TFlagGuard(const TFlagGuard&) = delete;
    TFlagGuard& operator=(const TFlagGuard&) = delete;

private:
    bool& m_flag;
};

} // namespace

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner)
{
}

TWinControl::~TWinControl()
{
    // A parent frees the controls it holds.
    while (!m_controls.empty())
        delete m_controls.back();
    if (m_handle) {
        m_destroyingHandle = true;
        wnd::RemoveProp(m_handle, kControlProp);
        wnd::DestroyWindow(m_handle);
        m_handle = nullptr;
    }
}

TWinControl* TWinControl::FindControl(wnd::HWND Handle)
{
    return Handle ? static_cast<TWinControl*>(wnd::GetProp(Handle, kControlProp)) : nullptr;
}

TControl* TWinControl::Controls(int Index) const
{
    if (Index < 0 || Index >= ControlCount())
        throw EListError("Control index out of bounds (" + std::to_string(Index) + ")");
    return m_controls[static_cast<std::size_t>(Index)];
}

bool TWinControl::ContainsControl(const TControl* Control) const
{
    for (const TControl* c = Control; c; c = c->Parent())
        if (c == this)
            return true;
    return false;
}

TControl* TWinControl::ControlAtPos(gfx::TPoint Pos, bool AllowDisabled) const
{
    for (auto it = m_controls.rbegin(); it != m_controls.rend(); ++it) {
        TControl* c = *it;
        if (c->Visible() && (AllowDisabled || c->Enabled()) && c->BoundsRect().Contains(Pos))
            return c;
    }
    return nullptr;
}

void TWinControl::InsertControl(TControl* Control)
{
    Control->m_parent = this;
    m_controls.push_back(Control);
    if (auto* win = dynamic_cast<TWinControl*>(Control))
        m_tabList.push_back(win);
    Control->ParentFontChanged();
    Control->ParentColorChanged();
    Control->RememberAnchors();
    if (auto* win = dynamic_cast<TWinControl*>(Control))
        win->CreateHandle();
    if (Control->Visible())
        Control->Invalidate();
    AlignControls(Control);
}

void TWinControl::RemoveControl(TControl* Control)
{
    if (TForm* form = GetParentForm())
        form->ControlRemoved(Control);
    if (CaptureControl() && ContainsControl(CaptureControl()) && (CaptureControl() == Control
            || (dynamic_cast<TWinControl*>(Control) && static_cast<TWinControl*>(Control)->ContainsControl(CaptureControl()))))
        SetCaptureControl(nullptr);
    if (Control->Visible())
        Control->Invalidate();
    m_controls.erase(std::remove(m_controls.begin(), m_controls.end(), Control), m_controls.end());
    m_tabList.erase(std::remove(m_tabList.begin(), m_tabList.end(), Control), m_tabList.end());
    Control->m_parent = nullptr;
    AlignControls();
}

void TWinControl::SetParent(TWinControl* AParent)
{
    if (AParent == Parent())
        return;
    TControl::SetParent(AParent);
    if (!m_handle)
        return;
    if (AParent && AParent->Handle()) {
        wnd::SetParent(m_handle, AParent->Handle());
        MoveWindowToBounds();
    } else if (!AParent && (wnd::GetWindowStyle(m_handle) & wnd::WS_CHILD)) {
        // Without a parent a child control has nowhere to show; its window
        // (and those of its children) are made again when it gets one.
        wnd::HWND h = m_handle;
        m_destroyingHandle = true;
        wnd::DestroyWindow(h);
        m_destroyingHandle = false;
    }
}

void TWinControl::CreateParams(TCreateParams& Params)
{
    Params.Caption = Text();
    Params.Style = wnd::WS_CHILD | wnd::WS_CLIPSIBLINGS | wnd::WS_CLIPCHILDREN;
    if (Visible())
        Params.Style |= wnd::WS_VISIBLE;
    if (!Enabled())
        Params.Style |= wnd::WS_DISABLED;
    Params.Bounds = BoundsRect();
    Params.WndParent = Parent() ? Parent()->Handle() : nullptr;
}

void TWinControl::CreateHandle()
{
    if (m_handle || !Parent() || !Parent()->Handle())
        return;
    CreateTopLevelHandle();
}

void TWinControl::CreateTopLevelHandle()
{
    if (m_handle)
        return;
    TCreateParams params;
    CreateParams(params);
    const gfx::TRect& b = params.Bounds;
    wnd::HWND h = wnd::CreateWindowEx(
        params.ExStyle,
        [this](wnd::HWND hwnd, wnd::UINT msg, wnd::WPARAM wp, wnd::LPARAM lp) { return MainWndProc(hwnd, msg, wp, lp); },
        params.Caption, params.Style, b.Left, b.Top, b.Width(), b.Height(), params.WndParent);
    if (!h)
        throw EComponentError("Cannot create a window for " + Name());
    m_handle = h;
    wnd::SetProp(h, kControlProp, this);
    CreateChildHandles();
}

void TWinControl::CreateChildHandles()
{
    for (TControl* c : m_controls)
        if (auto* win = dynamic_cast<TWinControl*>(c))
            win->CreateHandle();
}

wnd::LRESULT TWinControl::MainWndProc(wnd::HWND Hwnd, wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam)
{
    if (!m_handle)
        m_handle = Hwnd;
    if (m_destroyingHandle || Hwnd != m_handle) {
        if (Msg == wnd::WM_NCDESTROY && Hwnd == m_handle)
            m_handle = nullptr;
        return wnd::DefWindowProc(Hwnd, Msg, WParam, LParam);
    }
    if (Msg == wnd::WM_NCDESTROY) {
        // The window went away with its parent's window.
        m_handle = nullptr;
        return wnd::DefWindowProc(Hwnd, Msg, WParam, LParam);
    }
    try {
        return WndProc(Msg, WParam, LParam);
    } catch (const std::exception& e) {
        Application->HandleException(this, e);
        return 0;
    }
}

wnd::LRESULT TWinControl::WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam)
{
    switch (Msg) {
    case wnd::WM_PAINT:
        PaintHandler();
        return 0;
    case wnd::WM_ERASEBKGND:
        if (auto* canvas = reinterpret_cast<gfx::TCanvas*>(WParam))
            return EraseBackground(*canvas) ? 1 : 0;
        return 0;
    case wnd::WM_SIZE:
    case wnd::WM_MOVE:
        UpdateBoundsFromWindow();
        break;
    case wnd::WM_SETFOCUS:
        if (TForm* form = GetParentForm(); form && form != this)
            form->ControlFocused(this);
        if (!m_imeName.empty())
            wnd::ImmSetCompositionWindow(m_handle, gfx::Rect(0, 0, 1, Height()));
        DoEnter();
        return 0;
    case wnd::WM_KILLFOCUS:
        DoExit();
        return 0;
    case wnd::WM_GETDLGCODE:
        return WantedKeys();
    case wnd::WM_KEYDOWN:
    case wnd::WM_CHAR:
        HandleKey(Msg, WParam);
        return 0;
    case wnd::WM_KEYUP:
        HandleKey(Msg, WParam);
        // The menu key and Shift+F10 ask for the context menu.
        return m_handle ? wnd::DefWindowProc(m_handle, Msg, WParam, LParam) : 0;
    case wnd::WM_SYSKEYDOWN:
    case wnd::WM_SYSKEYUP:
        HandleKey(Msg == wnd::WM_SYSKEYDOWN ? wnd::WM_KEYDOWN : wnd::WM_KEYUP, WParam);
        // Alt with a letter or digit is an accelerator of a control on the form.
        if (Msg == wnd::WM_SYSKEYDOWN && IsAcceleratorKey(WParam))
            if (TForm* form = GetParentForm(); form && form->DialogChar(static_cast<char32_t>(WParam)))
                return 0;
        break;
    case wnd::WM_RBUTTONUP: {
        const wnd::LRESULT result = RouteMouse(Msg, WParam, LParam);
        // Releasing the right button asks for the context menu.
        if (m_handle)
            wnd::DefWindowProc(m_handle, Msg, WParam, LParam);
        return result;
    }
    case wnd::WM_MOUSEMOVE:
    case wnd::WM_LBUTTONDOWN:
    case wnd::WM_LBUTTONUP:
    case wnd::WM_LBUTTONDBLCLK:
    case wnd::WM_RBUTTONDOWN:
    case wnd::WM_RBUTTONDBLCLK:
    case wnd::WM_MBUTTONDOWN:
    case wnd::WM_MBUTTONUP:
    case wnd::WM_MBUTTONDBLCLK:
        return RouteMouse(Msg, WParam, LParam);
    case wnd::WM_MOUSELEAVE:
        if (TControl* over = MouseControl(); over && (over == this || (over->Parent() == this && IsGraphic(over))))
            SetMouseControl(nullptr);
        return 0;
    case wnd::WM_CAPTURECHANGED:
        if (TControl* c = CaptureControl(); c && (c == this || c->Parent() == this)) {
            // A windowed control that holds the capture itself (a pop-up that
            // hides in its own MouseDown) is told through the base handler, not
            // by sending the message round to this handler again.
            if (c == this)
                TControl::WndProc(Msg, WParam, LParam);
            else
                c->Perform(wnd::WM_CAPTURECHANGED);
            if (CaptureControl() == c && wnd::GetCapture() != m_handle)
                SetCaptureControl(nullptr);
        }
        return 0;
    case wnd::WM_SETCURSOR:
        if (wnd::LOWORD(static_cast<std::uintptr_t>(LParam)) == static_cast<std::uint16_t>(wnd::HTCLIENT)
            && reinterpret_cast<wnd::HWND>(WParam) == m_handle) {
            const gfx::TPoint p = ScreenToClient(wnd::GetCursorPos());
            const TControl* c = ControlAtPos(p, false);
            const TCursor cursor = c && IsGraphic(c) ? c->DisplayCursor() : DisplayCursor();
            if (cursor != crDefault) {
                wnd::SetCursor(CursorHandle(cursor));
                return 1;
            }
        }
        break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        return TControl::WndProc(Msg, WParam, LParam);
    default:
        if (Msg >= CM_BASE)
            return TControl::WndProc(Msg, WParam, LParam);
        break;
    }
    return m_handle ? wnd::DefWindowProc(m_handle, Msg, WParam, LParam) : 0;
}

wnd::LRESULT TWinControl::RouteMouse(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam)
{
    const gfx::TPoint pt = wnd::PointFromLParam(LParam);
    TControl* target = this;
    TControl* captured = CaptureControl();
    if (captured && captured != this && captured->Parent() == this && IsGraphic(captured)) {
        target = captured;
    } else if (!captured || captured == this) {
        if (TControl* c = ControlAtPos(pt, true); c && IsGraphic(c))
            target = c->Enabled() ? c : this;
    }
    if (Msg == wnd::WM_MOUSEMOVE) {
        SetMouseControl(target);
        wnd::TRACKMOUSEEVENT tme;
        tme.dwFlags = wnd::TME_LEAVE;
        tme.hwndTrack = m_handle;
        wnd::TrackMouseEvent(tme);
    }
    if (target != this) {
        const wnd::LPARAM local = wnd::MAKELPARAM(pt.X - target->Left(), pt.Y - target->Top());
        return target->WndProc(Msg, WParam, local);
    }
    if (Msg == wnd::WM_LBUTTONDOWN && TabStop() && CanFocus() && !Focused())
        SetFocus();
    return TControl::WndProc(Msg, WParam, LParam);
}

void TWinControl::HandleKey(wnd::UINT Msg, wnd::WPARAM WParam)
{
    TForm* form = GetParentForm();
    const bool preview = form && form != this && form->KeyPreview;
    if (Msg == wnd::WM_CHAR) {
        unsigned key = static_cast<unsigned>(WParam);
        if (preview)
            form->PreviewKeyPress(key);
        if (key)
            KeyPress(key);
        // A control that does not take typed text leaves a printable
        // character to its form as an access key, as if typed with Alt.
        if (IsPrintable(key) && !(WantedKeys() & DLGC_WANTCHARS) && form)
            form->DialogChar(static_cast<char32_t>(key));
        return;
    }
    int key = static_cast<int>(WParam);
    const TShiftState shift = KeyboardShiftState();
    if (Msg == wnd::WM_KEYUP) {
        if (preview)
            form->PreviewKeyUp(key, shift);
        if (key)
            KeyUp(key, shift);
        return;
    }
    if (preview)
        form->PreviewKeyDown(key, shift);
    if (key)
        KeyDown(key, shift);
    const unsigned mask = DialogKeyMask(key);
    if (key && mask && !(WantedKeys() & mask) && form)
        form->Perform(CM_DIALOGKEY, static_cast<wnd::WPARAM>(key));
}

void TWinControl::KeyDown(int& Key, TShiftState Shift)
{
    if (OnKeyDown)
        OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(int& Key, TShiftState Shift)
{
    if (OnKeyUp)
        OnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(unsigned& Key)
{
    if (OnKeyPress)
        OnKeyPress(this, Key);
}

void TWinControl::DoEnter()
{
    if (OnEnter)
        OnEnter(this);
}

void TWinControl::DoExit()
{
    if (OnExit)
        OnExit(this);
}

void TWinControl::PaintHandler()
{
    wnd::PAINTSTRUCT ps;
    wnd::HDC dc = wnd::BeginPaint(m_handle, ps);
    if (dc) {
        try {
            dc->Font = Font();
            dc->Brush.Color = Color();
            PaintWindow(*dc);
            PaintControls(*dc);
        } catch (...) {
            wnd::EndPaint(m_handle, ps);
            throw;
        }
    }
    wnd::EndPaint(m_handle, ps);
}

void TWinControl::PaintWindow(gfx::TCanvas&)
{
}

bool TWinControl::EraseBackground(gfx::TCanvas& Canvas)
{
    Canvas.Brush.Color = Color();
    Canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
    Canvas.FillRect(ClientRect());
    return true;
}

void TWinControl::PaintControls(gfx::TCanvas& Canvas)
{
    const gfx::TRect clip = Canvas.ClipRect();
    const std::vector<TControl*> controls = m_controls;
    for (TControl* c : controls) {
        if (!IsGraphic(c) || !c->Visible() || gfx::Intersection(c->BoundsRect(), clip).IsEmpty())
            continue;
        const gfx::TPoint origin = Canvas.Origin();
        const std::optional<gfx::TRegion> savedClip = Canvas.ClipRegion();
        Canvas.SetOrigin({ origin.X + c->Left(), origin.Y + c->Top() });
        Canvas.IntersectClipRect(gfx::Rect(0, 0, c->Width(), c->Height()));
        Canvas.Font = c->Font();
        Canvas.Brush = {};
        Canvas.Brush.Color = c->Color();
        Canvas.Pen = {};
        c->PaintOnParent(Canvas);
        Canvas.SetOrigin(origin);
        if (savedClip)
            Canvas.SetClipRegion(*savedClip);
        else
            Canvas.ClearClipRegion();
    }
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    MoveWindowToBounds();
}

void TWinControl::MoveWindowToBounds()
{
    if (!m_handle || m_movingWindow)
        return;
    TFlagGuard guard(m_movingWindow);
    const gfx::TRect& b = BoundsRect();
    wnd::MoveWindow(m_handle, b.Left, b.Top, b.Width(), b.Height(), true);
}

void TWinControl::BoundsChanged(const gfx::TRect& OldBounds)
{
    if (Parent() && Visible()) {
        // The child window repaints itself; the parent only shows what it uncovered.
        if (wnd::HWND h = Parent()->Handle())
            wnd::InvalidateRect(h, &OldBounds, true);
    }
    if (OldBounds.Width() != Width() || OldBounds.Height() != Height()) {
        MoveWindowToBounds();
        AlignControls();
        Resize();
    }
}

void TWinControl::UpdateBoundsFromWindow()
{
    if (!m_handle || m_movingWindow)
        return;
    gfx::TRect r = wnd::GetWindowRect(m_handle);
    if (Parent() && Parent()->Handle())
        r = wnd::MapRect(nullptr, Parent()->Handle(), r);
    if (r == BoundsRect()) {
        AlignControls();
        return;
    }
    TFlagGuard guard(m_movingWindow);
    TControl::SetBounds(r.Left, r.Top, r.Width(), r.Height());
}

gfx::TRect TWinControl::ClientRect() const
{
    return m_handle ? wnd::GetClientRect(m_handle) : TControl::ClientRect();
}

void TWinControl::SetVisible(bool Value)
{
    TControl::SetVisible(Value);
    if (m_handle && Parent())
        wnd::ShowWindow(m_handle, Value ? wnd::SW_SHOWNA : wnd::SW_HIDE);
}

void TWinControl::SetEnabled(bool Value)
{
    TControl::SetEnabled(Value);
    if (m_handle)
        wnd::EnableWindow(m_handle, Value);
}

bool TWinControl::Showing() const
{
    if (!Visible())
        return false;
    if (Parent())
        return Parent()->Showing();
    return m_handle && wnd::IsWindowVisible(m_handle);
}

void TWinControl::Invalidate()
{
    if (m_handle)
        wnd::InvalidateRect(m_handle, nullptr, true);
}

void TWinControl::Repaint()
{
    if (!m_handle)
        return;
    wnd::InvalidateRect(m_handle, nullptr, true);
    wnd::UpdateWindow(m_handle);
}

void TWinControl::AdjustClientRect(gfx::TRect&) const
{
}

void TWinControl::AlignControls(TControl* Moving)
{
    if (m_aligning || Loading())
        return;
    TFlagGuard guard(m_aligning);
    gfx::TRect area = ClientRect();
    AdjustClientRect(area);
    std::vector<TAlignItem> items;
    items.reserve(m_controls.size());
    for (const TControl* c : m_controls) {
        TAlignItem item;
        item.Align = c->m_align;
        item.Anchors = c->m_anchors;
        item.Visible = c->m_visible;
        item.Bounds = c->m_bounds;
        item.AnchorBounds = c->m_anchorBounds;
        item.AnchorParentSize = c->m_anchorParentSize;
        item.Moving = c == Moving;
        items.push_back(item);
    }
    AlignItems(items, area);
    const std::vector<TControl*> controls = m_controls;
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (items[i].Bounds != controls[i]->m_bounds)
            controls[i]->SetAlignedBounds(items[i].Bounds);
}

int TWinControl::TabOrder() const
{
    if (!Parent())
        return -1;
    const auto& list = Parent()->m_tabList;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int Value)
{
    if (!Parent())
        return;
    auto& list = Parent()->m_tabList;
    const int count = static_cast<int>(list.size());
    Value = std::clamp(Value, 0, count - 1);
    list.erase(std::find(list.begin(), list.end(), this));
    list.insert(list.begin() + Value, this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) const
{
    for (TWinControl* c : m_tabList) {
        List.push_back(c);
        c->GetTabOrderList(List);
    }
}

TWinControl* TWinControl::FindNextControl(
    TWinControl* CurControl, bool GoForward, bool CheckTabStop, bool CheckParent) const
{
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    const int count = static_cast<int>(list.size());
    if (count == 0)
        return nullptr;
    int start = static_cast<int>(std::find(list.begin(), list.end(), CurControl) - list.begin());
    if (start == count)
        start = GoForward ? count - 1 : 0;
    int i = start;
    for (int step = 0; step < count; ++step) {
        i = GoForward ? (i + 1) % count : (i - 1 + count) % count;
        TWinControl* c = list[static_cast<std::size_t>(i)];
        if (c != CurControl && c->CanFocus() && (!CheckTabStop || c->TabStop()) && (!CheckParent || c->Parent() == this))
            return c;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop)
{
    if (TWinControl* next = FindNextControl(CurControl, GoForward, CheckTabStop, false))
        next->SetFocus();
}

bool TWinControl::CanFocus() const
{
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    return true;
}

bool TWinControl::Focused() const
{
    return m_handle && wnd::GetFocus() == m_handle;
}

void TWinControl::SetFocus()
{
    TForm* form = GetParentForm();
    if (form && form != this)
        form->ControlFocused(this);
    if (m_handle && (!form || form->Showing()))
        wnd::SetFocus(m_handle);
}

void TWinControl::FontChanged()
{
    TControl::FontChanged();
    for (TControl* c : m_controls)
        c->ParentFontChanged();
}

void TWinControl::ColorChanged()
{
    TControl::ColorChanged();
    for (TControl* c : m_controls)
        c->ParentColorChanged();
}

void TWinControl::TextChanged()
{
    if (m_handle)
        wnd::SetWindowText(m_handle, Text());
    TControl::TextChanged();
}

void TWinControl::SetZOrder(bool TopMost)
{
    TControl::SetZOrder(TopMost);
    if (m_handle)
        wnd::SetWindowPos(m_handle, TopMost ? wnd::HWND_TOP : wnd::HWND_BOTTOM, 0, 0, 0, 0,
            wnd::SWP_NOMOVE | wnd::SWP_NOSIZE | wnd::SWP_NOACTIVATE);
}

} // namespace ctl
