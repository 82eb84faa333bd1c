#include "platform/controls/TPopupMenuWindow.h"

#include "platform/controls/StylePainter.h"
#include "platform/graphics/EdgePainter.h"
#include "platform/graphics/TextFormat.h"
#include "platform/window/SystemInfo.h"
#include "platform/window/VirtualKeys.h"

#include <algorithm>

namespace ctl {
namespace {

constexpr int kTextIndent = 20;
constexpr int kMinWidth = 120;

} // namespace

TPopupMenuWindow::TPopupMenuWindow(TMenuItem& Root) : TForm(nullptr)
{
    SetName("PopupMenu");
    SetBorderStyle(TFormBorderStyle::bsNone);
    SetColor(gfx::clMenu);
    for (int i = 0; i < Root.Count(); ++i)
        if (Root.Items(i)->Visible)
            m_rows.push_back(Root.Items(i));
    int width = kMinWidth;
    int height = 4;
    for (TMenuItem* item : m_rows) {
        height += item->IsLine() ? kLineHeight : kRowHeight;
        width = std::max(width, gfx::TextExtent(Font(), item->Caption()).cx + 2 * kTextIndent);
    }
    SetClientSize(width, height);
}

TMenuItem* TPopupMenuWindow::Choose(int X, int Y)
{
    const gfx::TRect work = wnd::GetWorkArea();
    X = std::clamp(X, work.Left, std::max(work.Left, work.Right - Width()));
    Y = std::clamp(Y, work.Top, std::max(work.Top, work.Bottom - Height()));
    SetBounds(X, Y, Width(), Height());
    m_chosen = nullptr;
    SetCaptureControl(this);
    ShowModal();
    if (CaptureControl() == this)
        SetCaptureControl(nullptr);
    return m_chosen;
}

gfx::TRect TPopupMenuWindow::ItemRect(int Row) const
{
    int top = 2;
    for (int i = 0; i < Row; ++i)
        top += m_rows[i]->IsLine() ? kLineHeight : kRowHeight;
    const int height = m_rows[Row]->IsLine() ? kLineHeight : kRowHeight;
    return gfx::Rect(2, top, ClientWidth() - 2, top + height);
}

int TPopupMenuWindow::RowAt(int X, int Y) const
{
    for (int row = 0; row < RowCount(); ++row)
        if (ItemRect(row).Contains(gfx::Point(X, Y)))
            return row;
    return -1;
}

void TPopupMenuWindow::PaintWindow(gfx::TCanvas& Canvas)
{
    gfx::TRect frame = ClientRect();
    gfx::DrawEdge(Canvas, frame, gfx::TEdgeRing::Raised, gfx::TEdgeRing::Raised);
    for (int row = 0; row < RowCount(); ++row) {
        const TMenuItem& item = *m_rows[row];
        gfx::TRect r = ItemRect(row);
        if (item.IsLine()) {
            gfx::TRect line = gfx::Rect(r.Left + 2, (r.Top + r.Bottom) / 2 - 1, r.Right - 2, (r.Top + r.Bottom) / 2 + 1);
            gfx::DrawEdge(Canvas, line, gfx::TEdgeRing::Sunken, gfx::TEdgeRing::None, { gfx::TEdgeSide::Top, gfx::TEdgeSide::Bottom });
            continue;
        }
        const bool lit = row == m_highlighted && item.Enabled;
        Canvas.Brush.Color = lit ? gfx::clHighlight : gfx::clMenu;
        Canvas.FillRect(r);
        Canvas.Brush.Style = gfx::TBrushStyle::bsClear;
        gfx::TRect text = gfx::Rect(r.Left + kTextIndent, r.Top, r.Right - 4, r.Bottom);
        if (item.Checked) {
            Canvas.Font.Color = lit ? gfx::clHighlightText : gfx::clMenuText;
            gfx::TRect mark = gfx::Rect(r.Left + 4, r.Top, r.Left + kTextIndent, r.Bottom);
            Canvas.DrawText("\xE2\x80\xA2", mark, gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE);
        }
        if (!item.Enabled) {
            StylePainter::DrawDisabledText(Canvas, item.Caption(), text, gfx::DT_VCENTER | gfx::DT_SINGLELINE);
        } else {
            Canvas.Font.Color = lit ? gfx::clHighlightText : gfx::clMenuText;
            Canvas.DrawText(item.Caption(), text, gfx::DT_VCENTER | gfx::DT_SINGLELINE);
        }
        Canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
    }
}

void TPopupMenuWindow::Highlight(int Row)
{
    if (Row == m_highlighted)
        return;
    m_highlighted = Row;
    Invalidate();
}

void TPopupMenuWindow::Step(int Direction)
{
    if (m_rows.empty())
        return;
    int row = m_highlighted;
    for (int tries = 0; tries < RowCount(); ++tries) {
        row = (row + Direction + RowCount()) % RowCount();
        if (!m_rows[row]->IsLine() && m_rows[row]->Enabled) {
            Highlight(row);
            return;
        }
    }
}

void TPopupMenuWindow::ChooseRow(int Row)
{
    if (Row < 0 || m_rows[Row]->IsLine() || !m_rows[Row]->Enabled)
        return;
    m_chosen = m_rows[Row];
    SetModalResult(mrOk);
}

void TPopupMenuWindow::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TForm::MouseDown(Button, Shift, X, Y);
    if (!ClientRect().Contains(gfx::Point(X, Y)))
        SetModalResult(mrCancel);
}

void TPopupMenuWindow::MouseMove(TShiftState Shift, int X, int Y)
{
    TForm::MouseMove(Shift, X, Y);
    if (ClientRect().Contains(gfx::Point(X, Y)))
        Highlight(RowAt(X, Y));
}

void TPopupMenuWindow::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TForm::MouseUp(Button, Shift, X, Y);
    if (Button == TMouseButton::mbLeft && ClientRect().Contains(gfx::Point(X, Y)))
        ChooseRow(RowAt(X, Y));
}

bool TPopupMenuWindow::DialogKey(int Key)
{
    switch (Key) {
    case wnd::VK_UP:
        Step(-1);
        return true;
    case wnd::VK_DOWN:
        Step(1);
        return true;
    case wnd::VK_RETURN:
        ChooseRow(m_highlighted);
        return true;
    case wnd::VK_ESCAPE:
        SetModalResult(mrCancel);
        return true;
    default:
        return TForm::DialogKey(Key);
    }
}

void TPopupMenu::Popup(int X, int Y)
{
    TMenuItem* chosen = nullptr;
    {
        TPopupMenuWindow window(*Items());
        chosen = window.Choose(X, Y);
    }
    if (chosen)
        chosen->Click();
}

} // namespace ctl
