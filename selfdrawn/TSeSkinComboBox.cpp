#include "selfdrawn/TSeSkinComboBox.h"

#include "platform/controls/TForm.h"
#include "platform/graphics/TextFormat.h"
#include "platform/window/Messages.h"
#include "platform/window/SystemInfo.h"
#include "platform/window/VirtualKeys.h"
#include "selfdrawn/SeDrawing.h"

namespace selfdrawn {
namespace {

constexpr int kButtonWidth = 15;

} // namespace

// The borderless pop-up window the list drops down in. Esc closes it without
// a change, Enter or Space take the list's item, losing activation closes it.
class TSeComboWindow : public ctl::TForm {
public:
    explicit TSeComboWindow(TSeCustomComboBox& Combo) : ctl::TForm(nullptr), m_combo(Combo)
    {
        SetBorderStyle(ctl::TFormBorderStyle::bsNone);
        KeyPreview = true;
    }

    wnd::LRESULT WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam) override
    {
        if (Msg == wnd::WM_ACTIVATE && wnd::LOWORD(WParam) == wnd::WA_INACTIVE && Visible()) {
            m_combo.CloseUp();
            return 0;
        }
        return ctl::TForm::WndProc(Msg, WParam, LParam);
    }

protected:
    bool DialogKey(int Key) override
    {
        if (Key == wnd::VK_ESCAPE) {
            m_combo.CloseUp();
            return true;
        }
        if (Key == wnd::VK_RETURN) {
            m_combo.ListPicked();
            return true;
        }
        return ctl::TForm::DialogKey(Key);
    }
    void KeyDown(int& Key, ctl::TShiftState Shift) override
    {
        ctl::TForm::KeyDown(Key, Shift);
        if (Key == wnd::VK_SPACE) {
            Key = 0;
            m_combo.ListPicked();
        }
    }

private:
    TSeCustomComboBox& m_combo;
};

TSeCustomComboBox::TSeCustomComboBox(ctl::TComponent* AOwner) : TSeCustomEdit(AOwner)
{
    m_items.OnChange = [this](ctl::TObject*) { SetItemIndex(m_itemIndex); };
}

TSeCustomComboBox::~TSeCustomComboBox()
{
    CloseUp();
}

gfx::TRect TSeCustomComboBox::GetTextRect() const
{
    gfx::TRect r = TSeCustomEdit::GetTextRect();
    r.Right -= kButtonWidth;
    return r;
}

gfx::TRect TSeCustomComboBox::ButtonRect() const
{
    gfx::TRect r = GetTextRect();
    if (!AutoSize())
        r.Bottom = Height() - r.Top;
    gfx::InflateRect(r, 2, 2);
    r.Left = GetTextRect().Right;
    r.Right = r.Left + kButtonWidth;
    return r;
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
        SetText("");
    } else {
        SetReadOnly(m_savedReadOnly);
    }
    Invalidate();
}

void TSeCustomComboBox::SetItemIndex(int Value)
{
    Value = std::max(Value, Value < -1 ? 0 : -1);
    Value = std::min(Value, m_items.Count() - 1);
    m_itemIndex = Value;
    if (m_style == TSeComboStyle::kcsDropDown && Value >= 0 && Text() != m_items[Value])
        SetText(m_items[Value]);
    Invalidate();
}

void TSeCustomComboBox::ClearAll()
{
    CloseUp();
    m_items.Clear();
    m_itemIndex = -1;
    SetText("");
}

bool TSeCustomComboBox::DroppedDown() const
{
    return m_window && m_window->Visible();
}

void TSeCustomComboBox::DropDown()
{
    CloseUp();
    m_window.reset();
    m_window = std::make_unique<TSeComboWindow>(*this);
    m_list = new TSeSkinListBox(m_window.get());
    m_list->SetItemHeight(m_itemHeight);
    m_list->SetColor(Color());
    m_list->SetFont(Font());
    m_list->Items().Assign(m_items);

    const int frame = m_list->Height() - m_list->GetContentRect().Height();
    const int height = DropDownCount * m_itemHeight + frame;
    gfx::TPoint at = ClientToScreen({ 0, Height() });
    wnd::MONITORINFO monitor;
    wnd::GetMonitorInfo(wnd::MonitorFromPoint(at), monitor);
    if (at.Y + height > monitor.rcWork.Bottom)
        at.Y = at.Y - Height() - DropDownCount * m_itemHeight;
    if (at.X + Width() > monitor.rcWork.Right)
        at.X = monitor.rcWork.Right - Width();
    m_window->SetBounds(at.X, at.Y, Width(), height);
    m_list->SetBounds(0, 0, Width(), height);
    m_list->SetItemIndex(m_itemIndex >= 0 ? m_itemIndex : (m_items.Count() > 0 ? 0 : -1));
    m_list->OnItemClick = [this](ctl::TObject*) {
        if (OnListBoxClick)
            OnListBoxClick(this);
        ListPicked();
    };
    m_list->SetParent(m_window.get());
    m_window->Show();
    if (OnDropDown)
        OnDropDown(this);
    m_list->SetFocus();
    m_list->Invalidate();
}

void TSeCustomComboBox::ListPicked()
{
    const int index = m_list ? m_list->ItemIndex() : -1;
    bool allow = true;
    if (index >= 0 && OnAllowChange)
        OnAllowChange(this, index, m_items[index], allow);
    if (index >= 0 && allow)
        SetItemIndex(index);
    CloseUp();
}

void TSeCustomComboBox::CloseUp()
{
    if (!DroppedDown())
        return;
    m_buttonPressed = false;
    // The window stays until the next drop-down: it may be the one whose
    // handler is running right now.
    m_window->Hide();
    Invalidate();
    if (Enabled() && CanFocus())
        SetFocus();
    if (OnCloseUp)
        OnCloseUp(this);
}

void TSeCustomComboBox::KeyDown(int& Key, ctl::TShiftState Shift)
{
    if (Key == wnd::VK_DOWN && Shift.Contains(ctl::TShiftKind::ssAlt)) {
        DropDown();
        return;
    }
    int index = m_itemIndex;
    switch (Key) {
    case wnd::VK_UP:
        index = m_itemIndex - 1;
        break;
    case wnd::VK_DOWN:
        index = m_itemIndex + 1;
        break;
    default:
        TSeCustomEdit::KeyDown(Key, Shift);
        return;
    }
    SetItemIndex(std::max(0, index));
    SelectAll();
}

void TSeCustomComboBox::MouseDown(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y)
{
    const bool inButton = gfx::PtInRect(ButtonRect(), { X, Y });
    const bool pickOnly = m_style == TSeComboStyle::kcsDropDownList;
    if (Button != ctl::TMouseButton::mbLeft || (!inButton && !pickOnly)) {
        TSeCustomEdit::MouseDown(Button, Shift, X, Y);
        return;
    }
    if (CanFocus() && !Focused())
        SetFocus();
    m_buttonPressed = inButton;
    Invalidate();
    DropDown();
}

void TSeCustomComboBox::MouseMove(ctl::TShiftState Shift, int X, int Y)
{
    TSeCustomEdit::MouseMove(Shift, X, Y);
    const bool hot = gfx::PtInRect(ButtonRect(), { X, Y });
    if (hot != m_buttonHot) {
        m_buttonHot = hot;
        Invalidate();
    }
}

void TSeCustomComboBox::MouseLeave()
{
    TSeCustomEdit::MouseLeave();
    m_buttonHot = false;
}

void TSeCustomComboBox::PaintClient(gfx::TCanvas& Canvas)
{
    const gfx::TRect text = GetTextRect();
    const gfx::TRect content = GetContentRect();
    FillRectColor(Canvas, gfx::Rect(content.Left, text.Top, content.Right + BorderWidth() + 1, Height() - text.Top), Color());
    TSeCustomEdit::PaintClient(Canvas);
    PaintButton(Canvas);
    if (m_style != TSeComboStyle::kcsDropDownList || m_itemIndex < 0)
        return;
    const gfx::TRect item = gfx::Inflate(text, 1, 1);
    FillRectColor(Canvas, item, gfx::clHighlight);
    Canvas.Font = PaintFont();
    Canvas.Font.Color = gfx::clHighlightText;
    gfx::TRect r = gfx::Rect(item.Left + 2, item.Top, item.Right, item.Bottom);
    DrawTextWide(Canvas, m_items[m_itemIndex], r, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_NOPREFIX);
    if (Focused())
        DrawFocusFrame(Canvas, item);
}

void TSeCustomComboBox::PaintButton(gfx::TCanvas& Canvas)
{
    const gfx::TRect r = ButtonRect();
    FillRectColor(Canvas, r, gfx::clBtnFace);
    const int shift = m_buttonPressed ? 1 : 0;
    if (m_buttonPressed) {
        FrameRectColor(Canvas, r, gfx::clBtnShadow);
    } else {
        Draw3DFrame(Canvas, r, gfx::cl3DLight, gfx::cl3DDkShadow);
        Draw3DFrame(Canvas, gfx::Inflate(r, -1, -1), gfx::clBtnHighlight, gfx::clBtnShadow);
    }
    // The down arrow: a solid triangle 7 pixels wide.
    const int cx = (r.Left + r.Right) / 2 + shift;
    const int cy = (r.Top + r.Bottom) / 2 - 1 + shift;
    Canvas.Pen.Color = gfx::clBtnText;
    for (int i = 0; i < 4; ++i) {
        Canvas.MoveTo(cx - 3 + i, cy + i);
        Canvas.LineTo(cx + 4 - i, cy + i);
    }
}

} // namespace selfdrawn
