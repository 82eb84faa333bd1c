#include "report/preview/TfrPBox.h"

#include "report/output/PreparedPagesPdf.h"
#include "report/preview/TfrPreviewForm.h"
#include "report/template/TemplateFormat.h"

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TPageCanvas.h"
#include "platform/graphics/TextFormat.h"
#include "platform/window/Messages.h"

#include <cmath>

namespace report {
namespace {

constexpr int kWheelStep = 40;
constexpr int kMarkWidth = 2;

gfx::TRect ObjectRect(const TfrView& view, const gfx::TRect& page, double zoom)
{
    auto at = [zoom](std::int32_t units) { return static_cast<int>(std::lround(units * zoom)); };
    return gfx::Rect(page.Left + at(view.Left), page.Top + at(view.Top), page.Left + at(view.Left + view.Width) + 1,
        page.Top + at(view.Top + view.Height) + 1);
}

bool Meets(const gfx::TRect& a, const gfx::TRect& b)
{
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

} // namespace

TfrPBox::TfrPBox(ctl::TComponent* AOwner, TfrPreviewForm& Preview) : TCustomControl(AOwner), m_preview(Preview)
{
    SetName("PBox");
    SetTabStop(true);
    SetColor(kBackground);
}

unsigned TfrPBox::WantedKeys() const
{
    return ctl::DLGC_WANTARROWS;
}

bool TfrPBox::EraseBackground(gfx::TCanvas&)
{
    // Paint covers every pixel from its own buffer.
    return false;
}

void TfrPBox::Paint()
{
    gfx::TCanvas& canvas = Canvas();
    const gfx::TRect clip = canvas.ClipRect();
    gfx::TBitmap buffer(std::max(1, ClientWidth()), std::max(1, ClientHeight()));
    const TfrEMFPages& pages = m_preview.Pages();
    buffer.Canvas().Brush.Color = pages.Empty() ? gfx::clBtnFace : kBackground;
    buffer.Canvas().FillRect(ClientRect());
    const gfx::TPoint scroll = m_preview.ScrollPosition();
    const auto& rects = m_preview.Layout().Pages;
    for (std::size_t index = 0; index < rects.size(); ++index) {
        const gfx::TRect rect = gfx::Offset(rects[index], -scroll.X, -scroll.Y);
        // The shadow belongs to the page too.
        if (Meets(gfx::Rect(rect.Left, rect.Top, rect.Right + 1, rect.Bottom + 1), clip))
            PaintPage(buffer, static_cast<int>(index), rect, clip);
    }
    canvas.Draw(0, 0, buffer);
}

void TfrPBox::PaintPage(gfx::TBitmap& buffer, int index, const gfx::TRect& rect, const gfx::TRect& clip)
{
    gfx::TCanvas& canvas = buffer.Canvas();
    canvas.Brush.Color = gfx::clWhite;
    canvas.FillRect(rect);
    canvas.Brush.Color = gfx::clBlack;
    canvas.FrameRect(rect);
    canvas.FillRect(gfx::Rect(rect.Right, rect.Top + 1, rect.Right + 1, rect.Bottom + 1));
    canvas.FillRect(gfx::Rect(rect.Left + 1, rect.Bottom, rect.Right + 1, rect.Bottom + 1));

    const double zoom = m_preview.Layout().Zoom;
    const auto& hit = m_preview.Search().Hit;
    std::optional<gfx::TRect> mark;
    try {
        const auto& objects = m_preview.Pages().PageObjects(index).PageObjects;
        gfx::TPageCanvas page(buffer);
        page.PushClip({ static_cast<double>(rect.Left), static_cast<double>(rect.Top), static_cast<double>(rect.Right),
            static_cast<double>(rect.Bottom) });
        for (std::size_t number = 0; number < objects.size(); ++number) {
            const gfx::TRect area = ObjectRect(*objects[number], rect, zoom);
            if (hit && hit->first == index && hit->second == static_cast<int>(number))
                mark = area;
            if (Meets(area, clip))
                DrawPageObjects(page, std::span(&objects[number], 1), zoom, rect.Left, rect.Top);
        }
        page.PopClip();
    } catch (const TemplateError& error) {
        gfx::TRect text = gfx::Rect(rect.Left + 8, rect.Top + 8, rect.Right - 8, rect.Bottom - 8);
        canvas.Brush.Style = gfx::TBrushStyle::bsClear;
        canvas.Font.Color = gfx::clRed;
        canvas.DrawText(error.what(), text, gfx::DT_WORDBREAK);
        canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
    }
    if (mark) {
        canvas.Brush.Color = gfx::clHighlight;
        gfx::TRect ring = gfx::Rect(mark->Left - kMarkWidth, mark->Top - kMarkWidth, mark->Right + kMarkWidth,
            mark->Bottom + kMarkWidth);
        for (int width = 0; width < kMarkWidth; ++width) {
            canvas.FrameRect(ring);
            ring = gfx::Rect(ring.Left + 1, ring.Top + 1, ring.Right - 1, ring.Bottom - 1);
        }
    }
}

void TfrPBox::MouseDown(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (CanFocus())
        SetFocus();
}

wnd::LRESULT TfrPBox::WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam)
{
    if (Msg == wnd::WM_MOUSEWHEEL) {
        m_preview.ScrollBy(0, -wnd::GET_WHEEL_DELTA_WPARAM(WParam) / wnd::WHEEL_DELTA * kWheelStep);
        return 0;
    }
    return TCustomControl::WndProc(Msg, WParam, LParam);
}

} // namespace report
