#include "platform/controls/TComboBox.h"

#include "platform/controls/StylePainter.h"
#include "platform/controls/TComboListWindow.h"
#include "platform/text/Utf8.h"
#include "platform/window/VirtualKeys.h"

#include <algorithm>

namespace ctl {
namespace {

// Letters compare without case; other characters as they are.
char32_t Folded(char32_t c)
{
    return c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c;
}

} // namespace

TComboBox::TComboBox(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetTabStop(true);
    SetColor(gfx::clWindow);
    SetParentColor(false);
    TControl::SetBounds(0, 0, 145, 21);
    m_items.OnChange = [this](TObject*) { ItemsChanged(); };
}

TComboBox::~TComboBox() = default;

void TComboBox::ItemsChanged()
{
    if (m_itemIndex >= m_items.Count())
        m_itemIndex = -1;
    SetText(m_itemIndex >= 0 ? m_items[m_itemIndex] : std::string());
    Invalidate();
}

void TComboBox::SetItemIndex(int Value)
{
    if (Value < -1 || Value >= m_items.Count() || Value == m_itemIndex)
        return;
    m_itemIndex = Value;
    SetText(Value >= 0 ? m_items[Value] : std::string());
    Invalidate();
}

void TComboBox::SetDropDownCount(int Value)
{
    m_dropDownCount = std::max(1, Value);
}

void TComboBox::SelectByUser(int Index)
{
    if (Index < 0 || Index >= m_items.Count() || Index == m_itemIndex)
        return;
    SetItemIndex(Index);
    if (OnChange)
        OnChange(this);
}

int TComboBox::FindByFirstLetter(unsigned Letter, int From) const
{
    if (Letter < 0x20 || Letter == 0x7F)
        return -1;
    const int count = m_items.Count();
    for (int step = 1; step <= count; ++step) {
        const int index = ((From + step) % count + count) % count;
        const std::u32string text = text::Utf8ToUtf32(m_items[index]);
        if (!text.empty() && Folded(text.front()) == Folded(static_cast<char32_t>(Letter)))
            return index;
    }
    return -1;
}

gfx::TRect TComboBox::ButtonRect() const
{
    const int size = std::max(0, Height() - 4);
    return gfx::Rect(Width() - 2 - size, 2, Width() - 2, Height() - 2);
}

void TComboBox::DropDown()
{
    if (!Enabled() || m_list || m_items.Count() == 0)
        return;
    int chosen = -1;
    {
        TComboListWindow window(*this);
        // Marks the list open for as long as the window lives, however it ends.
        struct OpenMark {
            TComboListWindow*& Slot;
            ~OpenMark() { Slot = nullptr; }
        } open { m_list };
        m_list = &window;
        Invalidate();
        chosen = window.Choose();
    }
    Invalidate();
    SelectByUser(chosen);
}

void TComboBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != TMouseButton::mbLeft)
        return;
    if (CanFocus() && !Focused())
        SetFocus();
    // The whole box opens the list, as the button does.
    DropDown();
}

void TComboBox::KeyDown(int& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    const int count = m_items.Count();
    const bool alt = Shift.Contains(TShiftKind::ssAlt);
    if (Key == wnd::VK_F4 || (alt && (Key == wnd::VK_DOWN || Key == wnd::VK_UP))) {
        DropDown();
        Key = 0;
        return;
    }
    if (count == 0)
        return;
    switch (Key) {
    case wnd::VK_UP:
    case wnd::VK_LEFT:
        SelectByUser(std::max(0, m_itemIndex - 1));
        break;
    case wnd::VK_DOWN:
    case wnd::VK_RIGHT:
        SelectByUser(std::min(count - 1, m_itemIndex + 1));
        break;
    case wnd::VK_HOME:
        SelectByUser(0);
        break;
    case wnd::VK_END:
        SelectByUser(count - 1);
        break;
    default:
        return;
    }
    Key = 0;
}

void TComboBox::KeyPress(unsigned& Key)
{
    TCustomControl::KeyPress(Key);
    SelectByUser(FindByFirstLetter(Key, m_itemIndex));
}

wnd::LRESULT TComboBox::WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam)
{
    if (Msg == wnd::WM_MOUSEWHEEL && m_items.Count() > 0) {
        const int steps = wnd::GET_WHEEL_DELTA_WPARAM(WParam) / wnd::WHEEL_DELTA;
        if (steps != 0)
            SelectByUser(std::clamp(m_itemIndex - steps, 0, m_items.Count() - 1));
        return 0;
    }
    return TCustomControl::WndProc(Msg, WParam, LParam);
}

void TComboBox::DoEnter()
{
    TCustomControl::DoEnter();
    Invalidate();
}

void TComboBox::DoExit()
{
    TCustomControl::DoExit();
    Invalidate();
}

void TComboBox::Paint()
{
    gfx::TCanvas& canvas = Canvas();
    gfx::TRect field = ClientRect();
    StylePainter::DrawSunkenField(canvas, field, Enabled() ? Color() : gfx::clBtnFace);
    StylePainter::DrawDropDownButton(canvas, ButtonRect(), Enabled());
    const gfx::TRect text = gfx::Rect(field.Left + 1, field.Top + 1, ButtonRect().Left - 1, field.Bottom - 1);
    canvas.Font = Font();
    const bool marked = Focused() && Enabled() && !m_list;
    if (marked) {
        canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
        canvas.Brush.Color = gfx::clHighlight;
        canvas.FillRect(text);
        canvas.Font.Color = gfx::clHighlightText;
    }
    canvas.Brush.Style = gfx::TBrushStyle::bsClear;
    gfx::TRect inner = gfx::Rect(text.Left + 2, text.Top, text.Right, text.Bottom);
    if (Enabled())
        canvas.DrawText(Text(), inner, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_NOPREFIX);
    else
        StylePainter::DrawDisabledText(canvas, Text(), inner, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_NOPREFIX);
    if (marked)
        canvas.DrawFocusRect(text);
}

} // namespace ctl
