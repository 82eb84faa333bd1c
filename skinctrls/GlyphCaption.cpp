#include "skinctrls/GlyphCaption.h"

#include "platform/controls/TImageList.h"
#include "platform/graphics/TCanvas.h"
#include "skin/SkinImageBuilders.h"

namespace skinctrls {

TbsGlyphCaptionPlace LayoutGlyphCaption(const gfx::TRect& R, TbsButtonLayout Layout, int Margin, int Spacing,
    gfx::TSize GlyphSize, gfx::TSize TextSize)
{
    const int gw = GlyphSize.cx;
    const int gh = GlyphSize.cy;
    const int tw = TextSize.cx;
    const int th = TextSize.cy;
    const int cx = R.Left + R.Width() / 2;
    const int cy = R.Top + R.Height() / 2;
    TbsGlyphCaptionPlace p;
    if (Margin == -1) {
        const int hw = (gw + tw + Spacing) / 2;
        const int hh = (gh + th + Spacing) / 2;
        switch (Layout) {
        case TbsButtonLayout::blGlyphLeft:
            p.Glyph = { cx - hw, cy - gh / 2 };
            p.Caption = { cx + hw - tw, cy - th / 2 };
            break;
        case TbsButtonLayout::blGlyphRight:
            p.Caption = { cx - hw, cy - th / 2 };
            p.Glyph = { cx + hw - gw, cy - gh / 2 };
            break;
        case TbsButtonLayout::blGlyphTop:
            p.Glyph = { cx - gw / 2, cy - hh };
            p.Caption = { cx - tw / 2, cy + hh - th };
            break;
        case TbsButtonLayout::blGlyphBottom:
            p.Caption = { cx - tw / 2, cy - hh };
            p.Glyph = { cx - gw / 2, cy + hh - gh };
            break;
        }
        return p;
    }
    switch (Layout) {
    case TbsButtonLayout::blGlyphLeft:
        p.Glyph = { R.Left + Margin, cy - gh / 2 };
        p.Caption = { p.Glyph.X + gw + Spacing, cy - th / 2 };
        break;
    case TbsButtonLayout::blGlyphRight:
        p.Glyph = { R.Right - gw - Margin, cy - gh / 2 };
        p.Caption = { p.Glyph.X - Spacing - tw, cy - th / 2 };
        break;
    case TbsButtonLayout::blGlyphTop:
        p.Glyph = { cx - gw / 2, R.Top + Margin };
        p.Caption = { cx - tw / 2, p.Glyph.Y + gh + Spacing };
        break;
    case TbsButtonLayout::blGlyphBottom:
        p.Glyph = { cx - gw / 2, R.Bottom - gh - Margin };
        p.Caption = { cx - tw / 2, p.Glyph.Y - Spacing - th };
        break;
    }
    return p;
}

namespace {

gfx::TSize MeasureCaption(gfx::TCanvas& Canvas, const std::string& Caption)
{
    if (Caption.empty())
        return {};
    // An "&" marks the access key: it is not drawn, the key is underlined.
    gfx::TRect r { 0, 0, 0, 0 };
    Canvas.DrawText(Caption, r, gfx::DT_CALCRECT);
    return { r.Width(), r.Height() };
}

// Places glyph and caption, draws the caption and returns the glyph's position.
gfx::TPoint PlaceAndDrawCaption(gfx::TCanvas& Canvas, const gfx::TRect& R, const TbsGlyphCaptionStyle& Style,
    const std::string& Caption, gfx::TSize GlyphSize)
{
    const gfx::TSize text = MeasureCaption(Canvas, Caption);
    TbsGlyphCaptionPlace p = LayoutGlyphCaption(R, Style.Layout, Style.Margin, Style.Spacing, GlyphSize, text);
    if (Style.Pressed) {
        p.Glyph = { p.Glyph.X + 1, p.Glyph.Y + 1 };
        p.Caption = { p.Caption.X + 1, p.Caption.Y + 1 };
    }
    if (!Caption.empty()) {
        Canvas.Brush.Style = gfx::TBrushStyle::bsClear;
        // Two rows more than the text so that an access key's underline,
        // one row below the ascent, is not clipped away.
        gfx::TRect box = gfx::Bounds(p.Caption.X, p.Caption.Y, text.cx + 2, text.cy + 2);
        Canvas.DrawText(Caption, box, gfx::DT_CENTER);
    }
    return p.Glyph;
}

} // namespace

void DrawGlyphCaption(gfx::TCanvas& Canvas, const gfx::TRect& R, const TbsGlyphCaptionStyle& Style,
    const std::string& Caption, const gfx::TBitmap& Glyph, int NumGlyphs, int Frame)
{
    const int count = NumGlyphs > 0 ? NumGlyphs : 1;
    const gfx::TSize size = Glyph.Empty() ? gfx::TSize {} : gfx::TSize { Glyph.Width() / count, Glyph.Height() };
    const gfx::TPoint at = PlaceAndDrawCaption(Canvas, R, Style, Caption, size);
    if (size.cx != 0)
        skin::DrawStripFrame(Canvas, at.X, at.Y, Frame, count, Glyph);
}

void DrawImageCaption(gfx::TCanvas& Canvas, const gfx::TRect& R, const TbsGlyphCaptionStyle& Style,
    const std::string& Caption, const ctl::TImageList* Images, int Index, bool Enabled)
{
    const bool hasImage = Images && Index >= 0 && Index < Images->Count();
    const gfx::TSize size = hasImage ? gfx::TSize { Images->Width(), Images->Height() } : gfx::TSize {};
    const gfx::TPoint at = PlaceAndDrawCaption(Canvas, R, Style, Caption, size);
    if (hasImage)
        Images->Draw(Canvas, at.X, at.Y, Index, Enabled);
}

} // namespace skinctrls
