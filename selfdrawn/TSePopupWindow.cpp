#include "selfdrawn/TSePopupWindow.h"

#include "platform/graphics/EdgePainter.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TextFormat.h"
#include "platform/window/Input.h"
#include "platform/window/Painting.h"
#include "platform/window/SystemInfo.h"
#include "platform/window/Window.h"
#include "selfdrawn/SeDrawing.h"

#include <algorithm>

namespace selfdrawn {
namespace {

constexpr int kFrameWidth = 3;
constexpr int kSeparatorHeight = 15;
// Room beside the caption: the check area before it, the margin after it.
constexpr int kCaptionPadding = 64;
constexpr int kCaptionIndent = 26;
constexpr int kShortCutMargin = 22;

} // namespace

gfx::TFont TSePopupWindow::MenuFont()
{
    gfx::TFont font;
    font.Name = "Tahoma";
    font.Height = -11;
    font.Color = gfx::clMenuText;
    return font;
}

int TSePopupWindow::EntryHeight()
{
    return std::max(20, wnd::GetSystemMetrics(wnd::SM_CYMENU));
}

TSePopupWindow::TSePopupWindow(const std::vector<TSeCustomItem*>& Items, gfx::TPoint At)
{
    for (TSeCustomItem* item : Items)
        if (item->Visible)
            m_entries.push_back(item);
    Layout();
    m_handle = wnd::CreateWindowEx(wnd::WS_EX_TOPMOST | wnd::WS_EX_TOOLWINDOW | wnd::WS_EX_NOACTIVATE,
        [this](wnd::HWND Hwnd, wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam) -> wnd::LRESULT {
            if (Msg == wnd::WM_PAINT) {
                wnd::TPaintDC dc(Hwnd);
                Paint(dc.Canvas());
                return 0;
            }
            if (Msg == wnd::WM_ERASEBKGND)
                return 1;
            return wnd::DefWindowProc(Hwnd, Msg, WParam, LParam);
        },
        "", wnd::WS_POPUP, At.X, At.Y, m_size.cx, m_size.cy, nullptr);
}

TSePopupWindow::~TSePopupWindow()
{
    if (m_handle && wnd::IsWindow(m_handle))
        wnd::DestroyWindow(m_handle);
}

void TSePopupWindow::Layout()
{
    gfx::TBitmap scratch(1, 1);
    gfx::TCanvas& canvas = scratch.Canvas();
    canvas.Font = MenuFont();
    int width = 0;
    for (const TSeCustomItem* entry : m_entries) {
        if (entry->IsSeparator())
            continue;
        int w = canvas.TextWidth(entry->Caption) + kCaptionPadding;
        if (!entry->ShortCut.empty())
            w += canvas.TextWidth(entry->ShortCut);
        width = std::max(width, w);
    }
    int top = kFrameWidth;
    for (TSeCustomItem* entry : m_entries) {
        const int height = entry->IsSeparator() ? kSeparatorHeight : EntryHeight();
        entry->BoundsRect = gfx::Rect(kFrameWidth, top, kFrameWidth + width, top + height);
        top += height;
    }
    m_size = { width + 2 * kFrameWidth, top + kFrameWidth };
}

gfx::TRect TSePopupWindow::BoundsRect() const
{
    return wnd::GetWindowRect(m_handle);
}

void TSePopupWindow::MoveTo(gfx::TPoint TopLeft)
{
    wnd::SetWindowPos(m_handle, nullptr, TopLeft.X, TopLeft.Y, 0, 0,
        wnd::SWP_NOSIZE | wnd::SWP_NOZORDER | wnd::SWP_NOACTIVATE);
}

void TSePopupWindow::Show()
{
    wnd::SetWindowPos(m_handle, nullptr, 0, 0, 0, 0,
        wnd::SWP_NOMOVE | wnd::SWP_NOSIZE | wnd::SWP_NOZORDER | wnd::SWP_NOACTIVATE | wnd::SWP_SHOWWINDOW);
    wnd::UpdateWindow(m_handle);
}

int TSePopupWindow::EntryAt(gfx::TPoint Screen) const
{
    for (int i = 0; i < static_cast<int>(m_entries.size()); ++i)
        if (EntryScreenRect(i).Contains(Screen))
            return i;
    return -1;
}

gfx::TRect TSePopupWindow::EntryScreenRect(int Index) const
{
    const gfx::TRect window = BoundsRect();
    return gfx::Offset(m_entries[static_cast<std::size_t>(Index)]->BoundsRect, window.Left, window.Top);
}

TSeCustomItem* TSePopupWindow::HighlightedEntry() const
{
    return m_highlighted < 0 ? nullptr : m_entries[static_cast<std::size_t>(m_highlighted)];
}

void TSePopupWindow::SetHighlighted(int Index)
{
    if (Index == m_highlighted)
        return;
    InvalidateEntry(m_highlighted);
    m_highlighted = Index;
    InvalidateEntry(m_highlighted);
}

void TSePopupWindow::InvalidateEntry(int Index) const
{
    if (Index < 0 || Index >= static_cast<int>(m_entries.size()))
        return;
    const gfx::TRect r = m_entries[static_cast<std::size_t>(Index)]->BoundsRect;
    wnd::InvalidateRect(m_handle, &r, false);
}

void TSePopupWindow::Paint(gfx::TCanvas& Canvas) const
{
    PaintFrame(Canvas);
    for (int i = 0; i < static_cast<int>(m_entries.size()); ++i)
        PaintEntry(Canvas, *m_entries[static_cast<std::size_t>(i)], i == m_highlighted);
}

void TSePopupWindow::PaintFrame(gfx::TCanvas& Canvas) const
{
    gfx::TRect r = gfx::Rect(0, 0, m_size.cx, m_size.cy);
    gfx::Frame3D(Canvas, r, gfx::clBtnFace, gfx::clBlack);
    gfx::Frame3D(Canvas, r, gfx::clBtnHighlight, gfx::clBtnShadow);
    gfx::Frame3D(Canvas, r, gfx::clMenu, gfx::clMenu);
    // Below the last entry, should the column be shorter than the window.
    gfx::FillSolid(Canvas, r, gfx::clMenu);
}

void TSePopupWindow::PaintEntry(gfx::TCanvas& Canvas, const TSeCustomItem& Entry, bool Highlighted) const
{
    const gfx::TRect r = Entry.BoundsRect;
    if (Entry.IsSeparator()) {
        gfx::FillSolid(Canvas, r, gfx::clMenu);
        gfx::TRect line = gfx::Rect(r.Left + 2, r.Top + 7, r.Right - 2, r.Top + 9);
        gfx::Frame3D(Canvas, line, gfx::clBtnShadow, gfx::clBtnHighlight);
        return;
    }
    gfx::FillSolid(Canvas, r, Highlighted ? gfx::clHighlight : gfx::clMenu);
    Canvas.Font = MenuFont();
    const gfx::TColor textColor = Highlighted ? gfx::clHighlightText : gfx::clMenuText;
    const auto drawTexts = [&](gfx::TColor Color, int Shift) {
        Canvas.Font.Color = Color;
        gfx::TRect caption = gfx::Rect(r.Left + kCaptionIndent + Shift, r.Top + Shift, r.Right + Shift, r.Bottom + Shift);
        DrawTextWide(Canvas, Entry.Caption, caption, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_LEFT);
        if (!Entry.ShortCut.empty()) {
            gfx::TRect shortCut = gfx::Rect(r.Left + Shift, r.Top + Shift, r.Right - kShortCutMargin + Shift, r.Bottom + Shift);
            DrawTextWide(Canvas, Entry.ShortCut, shortCut,
                gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_RIGHT | gfx::DT_NOPREFIX);
        }
    };
    // A disabled entry is never highlighted: its caption is always embossed.
    if (!Entry.Enabled) {
        drawTexts(gfx::clBtnHighlight, 1);
        drawTexts(gfx::clBtnShadow, 0);
    } else {
        drawTexts(textColor, 0);
    }
}

} // namespace selfdrawn
