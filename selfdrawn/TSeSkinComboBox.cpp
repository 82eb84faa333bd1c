#include "selfdrawn/TSeSkinComboBox.h"

#include "platform/controls/TForm.h"
#include "platform/graphics/ArrowGlyph.h"
#include "platform/graphics/TextFormat.h"
#include "platform/text/Utf8.h"
#include "platform/window/Input.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Messages.h"
#include "platform/window/SystemInfo.h"
#include "platform/window/VirtualKeys.h"
#include "platform/window/WindowStyles.h"
#include "selfdrawn/SeDrawing.h"
#include "selfdrawn/TSeVisualStyle.h"

#include <utility>

namespace selfdrawn {
namespace {

// Letters compared without case, as the legacy code page lowers them
// (only its single-byte letters have a lower case).
std::string LowerCase(std::string Text)
{
    for (char& c : Text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return Text;
}

} // namespace

// The borderless topmost pop-up window the list drops down in. Esc closes it
// without a change, Enter or Space take the list's item, losing activation
// closes it; while it is active the combo box's form keeps its caption active.
class TSeComboWindow : public ctl::TForm {
public:
    explicit TSeComboWindow(TSeCustomComboBox& Combo) : ctl::TForm(nullptr), m_combo(Combo)
    {
        SetBorderStyle(ctl::TFormBorderStyle::bsNone);
        KeyPreview = true;
    }

    wnd::LRESULT WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam) override
    {
        if (Msg == wnd::WM_ACTIVATE) {
            if (wnd::LOWORD(WParam) == wnd::WA_INACTIVE) {
                m_combo.ClosedFromOutside();
                return 0;
            }
            if (ctl::TForm* owner = m_combo.GetParentForm(); owner && owner->HandleAllocated())
                wnd::SendMessage(owner->Handle(), wnd::WM_NCACTIVATE, 1, 0);
        }
        return ctl::TForm::WndProc(Msg, WParam, LParam);
    }

protected:
    void CreateParams(TCreateParams& Params) override
    {
        ctl::TForm::CreateParams(Params);
        Params.ExStyle |= wnd::WS_EX_TOPMOST | wnd::WS_EX_TOOLWINDOW;
    }
    bool DialogKey(int Key) override
    {
        if (Key == wnd::VK_ESCAPE) {
            m_combo.CloseUp();
            return true;
        }
        if (Key == wnd::VK_RETURN) {
            m_combo.TakeListItem();
            return true;
        }
        return ctl::TForm::DialogKey(Key);
    }
    void KeyDown(int& Key, ctl::TShiftState Shift) override
    {
        ctl::TForm::KeyDown(Key, Shift);
        if (Key == wnd::VK_SPACE) {
            Key = 0;
            m_combo.TakeListItem();
        }
    }

private:
    TSeCustomComboBox& m_combo;
};

TSeCustomComboBox::TSeCustomComboBox(ctl::TComponent* AOwner) : TSeCustomEdit(AOwner)
{
    m_items.OnChange = [this](ctl::TObject*) { m_itemIndex = std::min(m_itemIndex, m_items.Count() - 1); };
    m_completeTimer = new ctl::TTimer(this);
    m_completeTimer->SetEnabled(false);
    m_completeTimer->SetInterval(100);
    m_completeTimer->OnTimer = [this](ctl::TObject*) { AutoCompleteTimer(); };
}

TSeCustomComboBox::~TSeCustomComboBox()
{
    CloseUp();
    m_window.reset();
}

TSeCustomListBox* TSeCustomComboBox::CreateListBox()
{
    return new TSeCustomListBox(this);
}

TSeCustomListBox* TSeSkinComboBox::CreateListBox()
{
    return new TSeSkinListBox(this);
}

TSeCustomListBox* TSeCustomComboBox::List()
{
    if (!m_list) {
        m_list = CreateListBox();
        m_list->SetVisible(false);
        m_list->SetParent(this);
        m_list->OnItemClick = [this](ctl::TObject*) { ListItemClicked(); };
    }
    return m_list;
}

ctl::TForm* TSeCustomComboBox::DropDownWindow() const
{
    return m_window.get();
}

ctl::TCursor TSeCustomComboBox::DisplayCursor() const
{
    return m_style == TSeComboStyle::kcsDropDownList ? ctl::crArrow : TSeCustomEdit::DisplayCursor();
}

gfx::TRect TSeCustomComboBox::GetTextRect() const
{
    gfx::TRect r = TSeCustomEdit::GetTextRect();
    if (m_buttonAlign == TSeComboButtonAlign::cbaRight)
        r.Right -= ButtonWidth();
    else
        r.Left += ButtonWidth();
    return r;
}

gfx::TRect TSeCustomComboBox::ButtonRect() const
{
    const gfx::TRect text = GetTextRect();
    gfx::TRect r = text;
    if (!AutoSize())
        r.Bottom = Height() - r.Top;
    gfx::InflateRect(r, 2, 2);
    if (m_buttonAlign == TSeComboButtonAlign::cbaRight) {
        r.Left = text.Right;
        r.Right = r.Left + ButtonWidth();
    } else {
        r.Right = text.Left;
        r.Left = r.Right - ButtonWidth();
    }
    return r;
}

void TSeCustomComboBox::SetButtonAlign(TSeComboButtonAlign Value)
{
    m_buttonAlign = Value;
    CaretMoved();
}

void TSeCustomComboBox::SetComboStyle(TSeComboStyle Value)
{
    if (Value == m_style)
        return;
    m_style = Value;
    if (Value == TSeComboStyle::kcsDropDownList) {
        if (m_itemIndex == -1 && m_items.Count() > 0)
            m_itemIndex = 0;
        m_savedReadOnly = ReadOnly();
        SetReadOnly(true);
        HideEditCaret();
        SetText(m_itemIndex >= 0 ? m_items[m_itemIndex] : std::string());
    } else {
        if (!Loading())
            SetReadOnly(m_savedReadOnly);
        if (Focused())
            ShowEditCaret();
    }
    Invalidate();
}

void TSeCustomComboBox::SetItemIndex(int Value)
{
    m_itemIndex = Value;
    if (m_style == TSeComboStyle::kcsDropDown && Loading())
        return;
    m_itemIndex = std::min(Value < -1 ? 0 : Value, m_items.Count() - 1);
    if (m_style == TSeComboStyle::kcsDropDown) {
        if (m_itemIndex >= 0)
            SetText(m_items[m_itemIndex]);
    } else if (!Loading()) {
        // The box shows the picked item; a pick that keeps the same text
        // still reports the change.
        const std::string before = Text();
        SetText(m_itemIndex >= 0 ? m_items[m_itemIndex] : std::string());
        if (Text() == before && OnChange)
            OnChange(this);
    }
    Invalidate();
}

void TSeCustomComboBox::ClearAll()
{
    CloseUp();
    m_items.Clear();
    m_itemIndex = -1;
    SetText("");
}

void TSeCustomComboBox::Loaded()
{
    TSeCustomEdit::Loaded();
    m_itemIndex = std::clamp(m_itemIndex, -1, m_items.Count() - 1);
    m_lastTyped.clear();
    Invalidate();
}

void TSeCustomComboBox::ShowEditCaret()
{
    if (m_style == TSeComboStyle::kcsDropDown)
        TSeCustomEdit::ShowEditCaret();
}

bool TSeCustomComboBox::DroppedDown() const
{
    return m_window && m_list && m_list->Parent() == m_window.get();
}

void TSeCustomComboBox::DropDown()
{
    CloseUp();
    m_window.reset();
    m_window = std::make_unique<TSeComboWindow>(*this);
    TSeCustomListBox& list = *List();

    const int frame = list.Height() - list.GetContentRect().Height();
    const int rows = DropDownCount * m_itemHeight;
    const int height = rows + frame;
    gfx::TPoint at = ClientToScreen({ 0, Height() });
    wnd::MONITORINFO monitor;
    wnd::GetMonitorInfo(wnd::MonitorFromPoint(at), monitor);
    // Above the box it ends on the box's top edge, the frame included.
    if (at.Y + height > monitor.rcWork.Bottom)
        at.Y = at.Y - Height() - height;
    if (at.X + Width() > monitor.rcWork.Right)
        at.X = monitor.rcWork.Right - Width();
    m_window->SetBounds(at.X, at.Y, Width(), height);

    list.Items().Assign(m_items);
    list.SetItemIndex(m_itemIndex >= 0 ? m_itemIndex : (m_items.Count() > 0 ? 0 : -1));
    list.SetItemHeight(m_itemHeight);
    list.SetColor(Color());
    ShowList();
}

void TSeCustomComboBox::ShowList()
{
    TSeCustomListBox& list = *List();
    m_window->Show();
    list.SetParent(m_window.get());
    list.SetBounds(0, 0, m_window->Width(), m_window->Height());
    list.SetVisible(true);
    list.SetFont(Font());
    if (OnDropDown)
        OnDropDown(this);
    list.SetFocus();
    list.Invalidate();
}

void TSeCustomComboBox::CloseUp()
{
    if (!DroppedDown())
        return;
    // The list leaves the window first, so that the window's deactivation
    // while it hides finds nothing more to close. The window itself stays
    // until the next drop-down: its handler may be the one running now.
    m_buttonPressed = false;
    m_list->SetVisible(false);
    m_list->SetParent(this);
    m_window->Hide();
    Invalidate();
    if (Enabled() && CanFocus())
        SetFocus();
    if (OnCloseUp)
        OnCloseUp(this);
}

void TSeCustomComboBox::ClosedFromOutside()
{
    if (!DroppedDown())
        return;
    const bool leftHeld = wnd::GetKeyState(wnd::VK_LBUTTON) < 0;
    // A pick-only box drops down from anywhere in it, a free-text box from its button.
    const gfx::TPoint at = HandleAllocated() ? ScreenToClient(wnd::GetCursorPos()) : gfx::TPoint { -1, -1 };
    const gfx::TRect area = m_style == TSeComboStyle::kcsDropDownList ? ClientRect() : ButtonRect();
    m_pressClosedTheList = leftHeld && gfx::PtInRect(area, at);
    CloseUp();
}

void TSeCustomComboBox::TakeListItem()
{
    if (m_list && m_list->ItemIndex() >= 0)
        SetItemIndex(m_list->ItemIndex());
    CloseUp();
}

void TSeCustomComboBox::ListItemClicked()
{
    if (OnListBoxClick)
        OnListBoxClick(this);
    const int index = m_list->ItemIndex();
    bool allow = true;
    if (index >= 0 && OnAllowChange)
        OnAllowChange(this, index, m_items[index], allow);
    if (index >= 0 && allow)
        SetItemIndex(index);
    CloseUp();
}

void TSeCustomComboBox::TextChanged()
{
    TSeCustomEdit::TextChanged();
    if (AutoComplete && m_style == TSeComboStyle::kcsDropDown && !Loading() && !m_completing) {
        m_completeTimer->SetEnabled(false);
        m_completeTimer->SetEnabled(true);
    }
}

void TSeCustomComboBox::AutoCompleteTimer()
{
    m_completeTimer->SetEnabled(false);
    const std::u32string typed = text::Utf8ToUtf32(Text());
    if (typed.size() < m_lastTyped.size()) {
        m_lastTyped = typed; // the user is deleting: nothing to complete
        return;
    }
    if (typed == m_lastTyped)
        return;
    m_lastTyped = typed;
    const std::string prefix = LowerCase(Text());
    for (int i = 0; i < m_items.Count(); ++i) {
        if (!LowerCase(m_items[i]).starts_with(prefix))
            continue;
        m_completing = true;
        SetText(m_items[i]);
        m_completing = false;
        const int from = static_cast<int>(typed.size());
        Model().SetSelection(from, Model().Length() - from);
        CaretMoved();
        return;
    }
}

void TSeCustomComboBox::KeyDown(int& Key, ctl::TShiftState Shift)
{
    if (Key == wnd::VK_DOWN && Shift.Contains(ctl::TShiftKind::ssAlt)) {
        TSeCustomControl::KeyDown(Key, Shift);
        DropDown();
        return;
    }
    const bool pickOnly = m_style == TSeComboStyle::kcsDropDownList;
    int index = 0;
    switch (Key) {
    case wnd::VK_UP:
        index = m_itemIndex - 1;
        break;
    case wnd::VK_DOWN:
        index = m_itemIndex + 1;
        break;
    case wnd::VK_PRIOR:
    case wnd::VK_NEXT:
    case wnd::VK_HOME:
    case wnd::VK_END:
        if (!pickOnly) {
            TSeCustomEdit::KeyDown(Key, Shift);
            return;
        }
        index = Key == wnd::VK_PRIOR ? m_itemIndex - 3
            : Key == wnd::VK_NEXT    ? m_itemIndex + 3
            : Key == wnd::VK_HOME    ? 0
                                     : m_items.Count() - 1;
        break;
    default:
        TSeCustomEdit::KeyDown(Key, Shift);
        return;
    }
    TSeCustomControl::KeyDown(Key, Shift);
    SetItemIndex(std::max(0, index));
}

wnd::LRESULT TSeCustomComboBox::WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam)
{
    switch (Msg) {
    case wnd::WM_NCHITTEST: {
        // Everything outside the text line (the button, the frame) is
        // non-client, so the button gets the non-client mouse messages.
        const gfx::TPoint p = ScreenToClient(wnd::PointFromLParam(LParam));
        if (gfx::PtInRect(gfx::Rect(0, 0, Width(), Height()), p) && !gfx::PtInRect(GetTextRect(), p))
            return wnd::HTBORDER;
        break;
    }
    case wnd::WM_NCMOUSEMOVE:
        NonClientMove(ScreenToClient(wnd::PointFromLParam(LParam)));
        return 0;
    case wnd::WM_NCMOUSELEAVE:
        SetButtonHot(false);
        return 0;
    case wnd::WM_NCLBUTTONDOWN:
    case wnd::WM_NCLBUTTONDBLCLK:
        NonClientPress(ScreenToClient(wnd::PointFromLParam(LParam)));
        return 0;
    case wnd::WM_MOUSEWHEEL: {
        const int lines = std::max(1, wnd::GetWheelScrollLines());
        const int step = std::max(1, wnd::WHEEL_DELTA / lines);
        SetItemIndex(std::max(0, m_itemIndex - wnd::GET_WHEEL_DELTA_WPARAM(WParam) / step));
        return 0;
    }
    default:
        break;
    }
    return TSeCustomEdit::WndProc(Msg, WParam, LParam);
}

void TSeCustomComboBox::NonClientMove(gfx::TPoint Client)
{
    SetButtonHot(gfx::PtInRect(ButtonRect(), Client));
    wnd::TRACKMOUSEEVENT tme;
    tme.dwFlags = wnd::TME_LEAVE | wnd::TME_NONCLIENT;
    tme.hwndTrack = Handle();
    wnd::TrackMouseEvent(tme);
}

void TSeCustomComboBox::NonClientPress(gfx::TPoint Client)
{
    if (CanFocus() && !Focused())
        SetFocus();
    const bool closing = std::exchange(m_pressClosedTheList, false);
    if (!gfx::PtInRect(ButtonRect(), Client) || closing)
        return;
    m_buttonPressed = true;
    Invalidate();
    DropDown();
}

void TSeCustomComboBox::SetButtonHot(bool Value)
{
    if (Value == m_buttonHot)
        return;
    m_buttonHot = Value;
    Invalidate();
}

void TSeCustomComboBox::MouseDown(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y)
{
    if (m_style != TSeComboStyle::kcsDropDownList || Button != ctl::TMouseButton::mbLeft) {
        TSeCustomEdit::MouseDown(Button, Shift, X, Y);
        return;
    }
    TSeCustomControl::MouseDown(Button, Shift, X, Y);
    if (CanFocus() && !Focused())
        SetFocus();
    if (!std::exchange(m_pressClosedTheList, false))
        DropDown();
}

void TSeCustomComboBox::PaintTextBackground(gfx::TCanvas& Canvas)
{
    const gfx::TRect content = GetContentRect();
    const int top = GetTextRect().Top;
    gfx::TRect r = gfx::Rect(content.Left, top, content.Right, Height() - top);
    if (m_buttonAlign == TSeComboButtonAlign::cbaRight)
        r.Right += BorderWidth() + 1;
    else
        r.Left -= BorderWidth() + 1;
    gfx::FillSolid(Canvas, r, Color());
}

void TSeCustomComboBox::PaintClient(gfx::TCanvas& Canvas)
{
    TSeCustomEdit::PaintClient(Canvas);
    PaintButton(Canvas);
    if (m_style == TSeComboStyle::kcsDropDownList)
        PaintPickedItem(Canvas);
}

void TSeCustomComboBox::PaintPickedItem(gfx::TCanvas& Canvas)
{
    if (m_itemIndex < 0 || m_itemIndex >= m_items.Count())
        return;
    const gfx::TRect item = gfx::Inflate(GetTextRect(), 1, 1);
    gfx::FillSolid(Canvas, item, gfx::clHighlight);
    Canvas.Font = PaintFont();
    Canvas.Font.Color = gfx::clHighlightText;
    gfx::TRect r = gfx::Rect(item.Left + 2, item.Top, item.Right, item.Bottom);
    DrawTextWide(Canvas, m_items[m_itemIndex], r, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_NOPREFIX);
    if (Focused())
        Canvas.DrawFocusRect(item);
}

void TSeCustomComboBox::PaintButton(gfx::TCanvas& Canvas)
{
    // The classic combo-box arrow button: raised, or flat in the shadow
    // colour with the arrow one pixel down and right while pressed. A
    // disabled box draws it the same.
    const gfx::TRect r = ButtonRect();
    if (UseTheme()) {
        const int state = !Enabled() ? kThemeDisabled : m_buttonPressed ? kThemePressed : kThemeNormal;
        TSeVisualStyle::Current().DrawPart(Canvas, "ComboBox", kThemeComboButton, state, r);
        return;
    }
    gfx::FillSolid(Canvas, r, gfx::clBtnFace);
    const int shift = m_buttonPressed ? 1 : 0;
    if (m_buttonPressed) {
        FrameRectColor(Canvas, r, gfx::clBtnShadow);
    } else {
        gfx::TRect edge = r;
        gfx::DrawEdge(Canvas, edge, gfx::TEdgeRing::Raised, gfx::TEdgeRing::Raised);
    }
    // The down arrow: a solid triangle 7 pixels wide.
    const int cx = (r.Left + r.Right) / 2 + shift;
    const int cy = (r.Top + r.Bottom) / 2 - 1 + shift;
    gfx::DrawArrowGlyph(Canvas, gfx::Point(cx, cy + 3), gfx::TArrowDirection::Down, gfx::clBtnText);
}

} // namespace selfdrawn
