#include "skin/SkinImageBuilders.h"

#include "platform/graphics/TCanvas.h"

#include <algorithm>

namespace skin {

using gfx::TBitmap;
using gfx::TRect;

namespace {

// Copies the source rectangle of the picture unscaled into the target
// rectangle (the smaller of the two sizes); whatever lies outside either bitmap
// is left out.
void CopyPixels(TBitmap& image, const TRect& dest, const TBitmap& picture, const TRect& source)
{
    int width = std::min(dest.Width(), source.Width());
    int height = std::min(dest.Height(), source.Height());
    int sx = source.Left;
    int sy = source.Top;
    int dx = dest.Left;
    int dy = dest.Top;
    const int shiftX = std::max({ 0, -sx, -dx });
    const int shiftY = std::max({ 0, -sy, -dy });
    sx += shiftX;
    dx += shiftX;
    sy += shiftY;
    dy += shiftY;
    width = std::min({ width - shiftX, picture.Width() - sx, image.Width() - dx });
    height = std::min({ height - shiftY, picture.Height() - sy, image.Height() - dy });
    if (width <= 0 || height <= 0)
        return;
    for (int row = 0; row < height; ++row)
        std::copy_n(picture.ScanLine(sy + row) + sx, width, image.ScanLine(dy + row) + dx);
}

// Copies the source rectangle into a scratch bitmap of its own size and draws
// that scaled into the target rectangle, each target pixel taking the source
// pixel under its centre.
void StretchPixels(TBitmap& image, const TRect& dest, const TBitmap& picture, const TRect& source)
{
    if (dest.IsEmpty() || source.IsEmpty())
        return;
    const int sw = source.Width();
    const int sh = source.Height();
    TBitmap scratch(sw, sh);
    CopyPixels(scratch, { 0, 0, sw, sh }, picture, source);
    const int dw = dest.Width();
    const int dh = dest.Height();
    const int top = std::max(0, dest.Top);
    const int bottom = std::min(image.Height(), dest.Bottom);
    const int left = std::max(0, dest.Left);
    const int right = std::min(image.Width(), dest.Right);
    for (int y = top; y < bottom; ++y) {
        const int sy = static_cast<int>((2LL * (y - dest.Top) + 1) * sh / (2LL * dh));
        const gfx::Pixel* from = scratch.ScanLine(sy);
        gfx::Pixel* to = image.ScanLine(y);
        for (int x = left; x < right; ++x)
            to[x] = from[(2LL * (x - dest.Left) + 1) * sw / (2LL * dw)];
    }
}

// A source band of the picture repeated along x from `from` up to `to` on the
// target rows top..bottom; the last tile is cut at `to` and may be empty.
void TileAcross(TBitmap& image, const TBitmap& picture, const TRect& source, int from, int to, int top, int bottom)
{
    const int d = source.Right - source.Left;
    if (d <= 0 || to < from)
        return;
    const int count = (to - from) / d;
    for (int k = 0; k <= count; ++k) {
        const int x = from + k * d;
        const int over = std::max(0, x + d - to);
        CopyPixels(image, { x, top, x + d - over, bottom }, picture,
            { source.Left, source.Top, source.Right - over, source.Bottom });
    }
}

// The same downwards: the band is repeated along y from `from` up to `to` on
// the target columns left..right.
void TileDown(TBitmap& image, const TBitmap& picture, const TRect& source, int from, int to, int left, int right)
{
    const int d = source.Bottom - source.Top;
    if (d <= 0 || to < from)
        return;
    const int count = (to - from) / d;
    for (int k = 0; k <= count; ++k) {
        const int y = from + k * d;
        const int over = std::max(0, y + d - to);
        CopyPixels(image, { left, y, right, y + d - over }, picture,
            { source.Left, source.Top, source.Right, source.Bottom - over });
    }
}

int NonNegative(int value) { return std::max(0, value); }

} // namespace

void BuildSkinImage(const TbsSkinGeometry& skin, const TbsSkinGeometry& target, TBitmap& image, const TBitmap& picture,
    const TRect& skinRect, int width, int height, bool fillClient, TbsStretchFlags stretch)
{
    const int W = NonNegative(width);
    const int H = NonNegative(height);
    image.SetSize(W, H);
    const auto& [LT, RT, LB, RB, C] = skin;
    const auto& [NLT, NRT, NLB, NRB, NC] = target;
    if (RB.X == LT.X || RB.Y == LT.Y || picture.Empty())
        return;
    const int SL = skinRect.Left;
    const int ST = skinRect.Top;
    const int SR = skinRect.Right;
    const int SB = skinRect.Bottom;

    // Edge middles.
    if (stretch.Top)
        StretchPixels(image, { NLT.X, 0, NRT.X, NC.Top }, picture, { SL + LT.X, ST, SL + RT.X, ST + C.Top });
    else
        TileAcross(image, picture, { SL + LT.X, ST, SL + RT.X, ST + C.Top }, NLT.X, NRT.X, 0, NC.Top);

    if (stretch.Bottom)
        StretchPixels(image, { NLB.X, NC.Bottom, NRB.X, H }, picture, { SL + LB.X, ST + C.Bottom, SL + RB.X, SB });
    else
        TileAcross(image, picture, { SL + LB.X, ST + C.Bottom, SL + RB.X, SB }, NLB.X, NRB.X, NC.Bottom, H);

    if (stretch.Left)
        StretchPixels(image, { 0, NLT.Y, NC.Left, NLB.Y }, picture, { SL, ST + LT.Y, SL + C.Left, ST + LB.Y });
    else
        TileDown(image, picture, { SL, ST + LT.Y, SL + C.Left, ST + LB.Y }, NLT.Y, NLB.Y, 0, NC.Left);

    if (stretch.Right)
        StretchPixels(image, { NC.Right, NRT.Y, W, NRB.Y }, picture, { SL + C.Right, ST + RT.Y, SR, ST + RB.Y });
    else
        TileDown(image, picture, { SL + C.Right, ST + RT.Y, SR, ST + RB.Y }, NRT.Y, NRB.Y, NC.Right, W);

    // The eight fixed pieces around the corners.
    CopyPixels(image, { 0, 0, NLT.X, NC.Top }, picture, { SL, ST, SL + LT.X, ST + C.Top });
    CopyPixels(image, { 0, NC.Top, NC.Left, NLT.Y }, picture, { SL, ST + C.Top, SL + C.Left, ST + LT.Y });
    CopyPixels(image, { NRT.X, 0, W, NC.Top }, picture, { SL + RT.X, ST, SR, ST + C.Top });
    CopyPixels(image, { NC.Right, NC.Top, W, NRT.Y }, picture, { SL + C.Right, ST + C.Top, SR, ST + RT.Y });
    CopyPixels(image, { 0, NLB.Y, NC.Left, H }, picture, { SL, ST + LB.Y, SL + C.Left, SB });
    CopyPixels(image, { NC.Left, NC.Bottom, NLB.X, H }, picture, { SL + C.Left, ST + C.Bottom, SL + LB.X, SB });
    CopyPixels(image, { NRB.X, NC.Bottom, W, H }, picture, { SL + RB.X, ST + C.Bottom, SR, SB });
    CopyPixels(image, { NC.Right, NRB.Y, W, NC.Bottom }, picture, { SL + C.Right, ST + RB.Y, SR, ST + C.Bottom });

    // The client area, tiled with the source client from its top-left corner.
    const int cw = C.Width();
    const int ch = C.Height();
    if (!fillClient || cw <= 0 || ch <= 0)
        return;
    const int ncw = NC.Width();
    const int nch = NC.Height();
    for (int i = 0; i <= ncw / cw; ++i) {
        for (int j = 0; j <= nch / ch; ++j) {
            const int overX = std::max(0, cw * (i + 1) - ncw);
            const int overY = std::max(0, ch * (j + 1) - nch);
            const int x = NC.Left + cw * i;
            const int y = NC.Top + ch * j;
            CopyPixels(image, { x, y, x + cw - overX, y + ch - overY }, picture,
                { SL + C.Left, ST + C.Top, SL + C.Right - overX, ST + C.Bottom - overY });
        }
    }
}

void BuildTiledSkinImage(const TbsSkinGeometry& skin, const TbsSkinGeometry& target, TBitmap& image,
    const TBitmap& picture, const TRect& skinRect, int width, int height, bool fillClient)
{
    BuildSkinImage(skin, target, image, picture, skinRect, width, height, fillClient, TbsStretchFlags {});
}

void BuildHorzSkinImage(int leftWidth, int rightWidth, TBitmap& image, int width, const TRect& skinRect,
    const TBitmap& picture)
{
    const int W = NonNegative(width);
    const int h = NonNegative(skinRect.Height());
    image.SetSize(W, h);
    const int SL = skinRect.Left;
    const int ST = skinRect.Top;
    const int SR = skinRect.Right;
    const int SB = skinRect.Bottom;
    if (leftWidth != 0)
        CopyPixels(image, { 0, 0, leftWidth, h }, picture, { SL, ST, SL + leftWidth, SB });
    if (rightWidth != 0)
        CopyPixels(image, { W - rightWidth, 0, W, h }, picture, { SR - rightWidth, ST, SR, SB });
    TileAcross(image, picture, { SL + leftWidth, ST, SR - rightWidth, SB }, leftWidth, W - rightWidth, 0, h);
}

void BuildHorzMiddleSkinImage(int leftOffset, int rightOffset, TBitmap& image, int width, const TRect& skinRect,
    const TBitmap& picture)
{
    const int W = NonNegative(width);
    const int h = NonNegative(skinRect.Height());
    image.SetSize(W, h);
    TileAcross(image, picture, { skinRect.Left + leftOffset, skinRect.Top, skinRect.Right - rightOffset, skinRect.Bottom },
        0, W, 0, h);
}

void BuildVertSkinImage(int topHeight, int bottomHeight, TBitmap& image, int height, const TRect& skinRect,
    const TBitmap& picture)
{
    const int H = NonNegative(height);
    const int w = NonNegative(skinRect.Width());
    image.SetSize(w, H);
    const int SL = skinRect.Left;
    const int ST = skinRect.Top;
    const int SR = skinRect.Right;
    const int SB = skinRect.Bottom;
    if (topHeight != 0)
        CopyPixels(image, { 0, 0, w, topHeight }, picture, { SL, ST, SR, ST + topHeight });
    if (bottomHeight != 0)
        CopyPixels(image, { 0, H - bottomHeight, w, H }, picture, { SL, SB - bottomHeight, SR, SB });
    TileDown(image, picture, { SL, ST + topHeight, SR, SB - bottomHeight }, topHeight, H - bottomHeight, 0, w);
}

void BuildFrameStrips(const TbsSkinGeometry& skin, const TbsSkinGeometry& target, const TBitmap& picture,
    const TRect& skinRect, int width, int height, TbsStretchFlags stretch, TbsFrameStrips& strips)
{
    if (picture.Empty())
        return;
    const auto& [LT, RT, LB, RB, C] = skin;
    const auto& [NLT, NRT, NLB, NRB, NC] = target;
    const int SL = skinRect.Left;
    const int ST = skinRect.Top;
    const int SR = skinRect.Right;
    const int SB = skinRect.Bottom;
    const int W = width;
    const int topH = C.Top;
    const int bottomH = height - NC.Bottom;
    const int rightW = W - NC.Right;
    const int sideH = height - topH - bottomH;

    if (W > 0 && topH > 0 && RT.X > LT.X) {
        TBitmap& strip = strips.Top;
        strip.SetSize(W, topH);
        const TRect middle { SL + LT.X, ST, SL + RT.X, ST + topH };
        if (stretch.Top)
            StretchPixels(strip, { NLT.X, 0, NRT.X, topH }, picture, middle);
        else
            TileAcross(strip, picture, middle, 0, W, 0, topH);
        CopyPixels(strip, { 0, 0, NLT.X, topH }, picture, { SL, ST, SL + LT.X, ST + topH });
        CopyPixels(strip, { NRT.X, 0, W, topH }, picture, { SL + RT.X, ST, SR, ST + topH });
    }

    if (W > 0 && bottomH > 0 && RB.X > LB.X) {
        TBitmap& strip = strips.Bottom;
        strip.SetSize(W, bottomH);
        const TRect middle { SL + LB.X, SB - bottomH, SL + RB.X, SB };
        if (stretch.Bottom)
            StretchPixels(strip, { NLB.X, 0, NRB.X, bottomH }, picture, middle);
        else
            TileAcross(strip, picture, middle, 0, W, 0, bottomH);
        CopyPixels(strip, { 0, 0, NLB.X, bottomH }, picture, { SL, SB - bottomH, SL + LB.X, SB });
        CopyPixels(strip, { NRB.X, 0, W, bottomH }, picture, { SL + RB.X, SB - bottomH, SR, SB });
    }

    if (C.Left > 0 && sideH > 0 && LB.Y > LT.Y) {
        TBitmap& strip = strips.Left;
        strip.SetSize(C.Left, sideH);
        const TRect middle { SL, ST + LT.Y, SL + C.Left, ST + LB.Y };
        if (stretch.Left)
            StretchPixels(strip, { 0, LT.Y - C.Top, C.Left, sideH + LB.Y - C.Bottom }, picture, middle);
        else
            TileDown(strip, picture, middle, 0, sideH, 0, C.Left);
        if (LT.Y > C.Top)
            CopyPixels(strip, { 0, 0, C.Left, LT.Y - C.Top }, picture, { SL, ST + C.Top, SL + C.Left, ST + LT.Y });
        if (C.Bottom > LB.Y)
            CopyPixels(strip, { 0, sideH + LB.Y - C.Bottom, C.Left, sideH }, picture,
                { SL, ST + LB.Y, SL + C.Left, ST + C.Bottom });
    }

    if (rightW > 0 && sideH > 0 && RB.Y > RT.Y) {
        TBitmap& strip = strips.Right;
        strip.SetSize(rightW, sideH);
        const TRect middle { SL + C.Right, ST + RT.Y, SR, ST + RB.Y };
        if (stretch.Right)
            StretchPixels(strip, { 0, RT.Y - C.Top, rightW, sideH + RB.Y - C.Bottom }, picture, middle);
        else
            TileDown(strip, picture, middle, 0, sideH, 0, rightW);
        if (RT.Y > C.Top)
            CopyPixels(strip, { 0, 0, rightW, RT.Y - C.Top }, picture, { SL + C.Right, ST + C.Top, SR, ST + RT.Y });
        if (C.Bottom > RB.Y)
            CopyPixels(strip, { 0, sideH + RB.Y - C.Bottom, rightW, sideH }, picture,
                { SL + C.Right, ST + RB.Y, SR, ST + C.Bottom });
    }
}

void DrawStripFrame(gfx::TCanvas& canvas, int x, int y, int frame, int count, const TBitmap& strip)
{
    if (strip.Empty() || count < 1 || frame < 1 || frame > count)
        return;
    const int fw = strip.Width() / count;
    const int h = strip.Height();
    if (fw <= 0)
        return;
    TBitmap piece(fw, h);
    CopyPixels(piece, { 0, 0, fw, h }, strip, { fw * (frame - 1), 0, fw * frame, h });
    piece.Transparent = true;
    piece.TransparentColor = piece.GetPixel(0, h - 1);
    canvas.Draw(x, y, piece);
}

} // namespace skin
