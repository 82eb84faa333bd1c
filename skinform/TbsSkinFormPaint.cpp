// Painting the skinned frame, the default frame and the client background.

#include "skinform/TbsSkinForm.h"

#include "platform/controls/TForm.h"
#include "platform/graphics/EdgePainter.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TextFormat.h"
#include "platform/window/Painting.h"
#include "platform/window/Window.h"
#include "skin/SkinText.h"
#include "skin/TbsEffectBmp.h"
#include "skin/TbsSkinData.h"

namespace skinform {

namespace {

    skin::TbsStretchFlags StretchFlags(const skin::SkinFormInfo& f)
    {
        return { f.LeftStretch, f.TopStretch, f.RightStretch, f.BottomStretch };
    }

    void ApplyInactiveEffect(gfx::TBitmap& strip, skin::TbsInactiveEffect effect)
    {
        if (strip.Empty())
            return;
        skin::TbsEffectBmp bmp(strip);
        bmp.ApplyInactiveEffect(effect);
        strip = bmp.ToBitmap();
    }

    // Covers `area` with copies of `source`'s `piece`, starting at the area's top-left.
    void Tile(gfx::TCanvas& canvas, const gfx::TRect& area, const gfx::TBitmap& source, const gfx::TRect& piece)
    {
        if (piece.IsEmpty())
            return;
        for (int y = area.Top; y < area.Bottom; y += piece.Height())
            for (int x = area.Left; x < area.Right; x += piece.Width())
                canvas.BitBlt(x, y, std::min(piece.Width(), area.Right - x), std::min(piece.Height(), area.Bottom - y),
                    source, piece.Left, piece.Top);
    }

} // namespace

void TbsSkinForm::UpdateFrameGeometry()
{
    if (!m_skinMode || !Handle())
        return;
    const gfx::TSize size = WindowSize();
    const gfx::TBitmap& p = m_skinData->Picture();
    m_geometry = ComputeFrameGeometry(m_skinData->FormInfo(), { p.Width(), p.Height() }, size.cx, size.cy);
}

void TbsSkinForm::PaintFrame()
{
    if (!Handle() || !HasBorder())
        return;
    wnd::TWindowDC dc(Handle(), true);
    if (!dc.Valid())
        return;
    if (m_skinMode)
        PaintSkinFrame(dc.Canvas());
    else
        PaintDefaultFrame(dc.Canvas());
}

void TbsSkinForm::PaintSkinFrame(gfx::TCanvas& canvas)
{
    const gfx::TSize size = WindowSize();
    const gfx::TSize min = MinimumSize();
    if (size.cx < min.cx || size.cy < min.cy)
        return;
    UpdateFrameGeometry();
    LayoutFrameObjects();

    const skin::SkinFormInfo& info = m_skinData->FormInfo();
    const gfx::TBitmap& main = m_skinData->Picture();
    const gfx::TBitmap& source = (m_active || m_skinData->InActivePicture().Empty()) ? main : m_skinData->InActivePicture();
    skin::TbsFrameStrips strips;
    skin::BuildFrameStrips(SkinFrameGeometry(info), m_geometry.Frame, source, gfx::Rect(0, 0, main.Width(), main.Height()),
        size.cx, size.cy, StretchFlags(info), strips);
    DrawObjectsOnStrips(strips);

    if (!m_active && info.AutoRenderingInActiveImage) {
        for (gfx::TBitmap* strip : { &strips.Top, &strips.Left, &strips.Right, &strips.Bottom })
            ApplyInactiveEffect(*strip, info.InActiveEffect);
    }
    canvas.ExcludeClipRect(m_geometry.Frame.ClientRect);
    canvas.Draw(0, 0, strips.Top);
    canvas.Draw(0, strips.Top.Height(), strips.Left);
    canvas.Draw(size.cx - strips.Right.Width(), strips.Top.Height(), strips.Right);
    canvas.Draw(0, size.cy - strips.Bottom.Height(), strips.Bottom);
}

// Objects in the caption go onto the top strip; those reaching below the
// client's top (a status part of the bottom edge) onto the bottom strip.
void TbsSkinForm::DrawObjectsOnStrips(skin::TbsFrameStrips& strips)
{
    const gfx::TRect& client = m_geometry.Frame.ClientRect;
    for (const auto& object : m_frameObjects) {
        if (!object->Visible)
            continue;
        if (object->ObjectRect.Bottom > client.Top) {
            if (strips.Bottom.Empty())
                continue;
            gfx::TCanvas c(strips.Bottom);
            c.SetOrigin({ 0, -client.Bottom });
            object->Draw(c, false);
        } else {
            if (strips.Top.Empty())
                continue;
            gfx::TCanvas c(strips.Top);
            object->Draw(c, false);
        }
    }
}

void TbsSkinForm::RedrawFrameObject(TbsActiveSkinObject& object)
{
    if (!Handle() || !HasBorder() || !object.Visible)
        return;
    wnd::TWindowDC dc(Handle(), true);
    if (!dc.Valid())
        return;
    gfx::TCanvas& canvas = dc.Canvas();
    canvas.ExcludeClipRect(wnd::GetClientRectInWindow(Handle()));
    canvas.IntersectClipRect(object.ObjectRect);
    object.Draw(canvas, true);
}

void TbsSkinForm::PaintDefaultFrame(gfx::TCanvas& canvas)
{
    const gfx::TSize size = WindowSize();
    LayoutFrameObjects();
    const gfx::TRect client = wnd::GetClientRectInWindow(Handle());
    canvas.ExcludeClipRect(client);
    gfx::TRect r = gfx::Rect(0, 0, size.cx, size.cy);
    canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
    canvas.Brush.Color = gfx::clBtnFace;
    canvas.FillRect(r);
    gfx::DrawEdge(canvas, r, gfx::TEdgeRing::Raised, gfx::TEdgeRing::Raised);

    // The caption bar: grooves between the buttons, the text in a gap of its own.
    const int captionHeight = DefaultCaptionHeight();
    const gfx::TRect bar = gfx::Bounds(kDefaultBorder, kDefaultBorder, size.cx - 2 * kDefaultBorder, captionHeight);
    int left = bar.Left + 2;
    int right = bar.Right - 2;
    for (const auto& object : m_frameObjects) {
        if (!object->Visible || object->ObjectRect.IsEmpty())
            continue;
        if (object->ObjectRect.Left < size.cx / 2)
            left = std::max(left, object->ObjectRect.Right + 2);
        else
            right = std::min(right, object->ObjectRect.Left - 2);
    }
    for (int y = 2; y <= captionHeight - 4; ++y) {
        canvas.Pen.Color = (y % 2 == 0) ? gfx::clBtnShadow : gfx::clBtnHighlight;
        canvas.MoveTo(left, bar.Top + y);
        canvas.LineTo(right, bar.Top + y);
    }
    const std::string caption = CaptionText();
    if (!caption.empty() && right > left) {
        canvas.Font = m_active ? DefCaptionFont : DefInActiveCaptionFont;
        const std::string text = skin::FitTextToWidth(canvas, caption, right - left - 8);
        const gfx::TSize extent = canvas.TextExtent(text);
        const int x = left + (right - left) / 2 - extent.cx / 2;
        canvas.FillRect(gfx::Rect(x - 4, bar.Top + 1, x + extent.cx + 4, bar.Bottom - 1));
        canvas.Brush.Style = gfx::TBrushStyle::bsClear;
        canvas.TextOut(x, bar.Top + captionHeight / 2 - extent.cy / 2, text);
        canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
    }
    for (const auto& object : m_frameObjects)
        if (object->Visible)
            object->Draw(canvas, true);
}

void TbsSkinForm::PaintClientBackground(gfx::TCanvas& canvas)
{
    const gfx::TRect client = wnd::GetClientRect(Handle());
    canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
    canvas.Brush.Color = gfx::clBtnFace;
    if (!m_skinMode) {
        canvas.FillRect(client);
        return;
    }
    const skin::SkinFormInfo& info = m_skinData->FormInfo();
    if (info.BGPictureIndex != -1) {
        if (const gfx::TBitmap* bg = m_skinData->ActivePicture(info.BGPictureIndex); bg && !bg->Empty()) {
            Tile(canvas, client, *bg, gfx::Rect(0, 0, bg->Width(), bg->Height()));
            return;
        }
        canvas.FillRect(client);
        return;
    }
    if (info.ClientRect.IsEmpty()) {
        canvas.FillRect(client);
        return;
    }
    Tile(canvas, client, m_skinData->Picture(), info.ClientRect);
}

} // namespace skinform
