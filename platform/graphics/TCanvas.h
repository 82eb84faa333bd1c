#pragma once

#include "platform/graphics/Geometry.h"
#include "platform/graphics/RasterOp.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TPen.h"
#include "platform/graphics/TRegion.h"
#include "platform/graphics/TextFormat.h"

#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace gfx {

class TBitmap;
class TextEngine;

// Draws into a bitmap with a pen, a brush and a font.
//
// Coordinates are logical: the logical point (0, 0) lies at the device (bitmap)
// point Origin(). Lines, outlines and fills are pixel-exact (no anti-aliasing):
// Rectangle(l, t, r, b) covers the columns l..r-1 and rows t..b-1, and LineTo
// draws up to but not including its end point. Text is anti-aliased.
//
// Every operation is limited to the bitmap and, when set, to the clip region.
// A pen or brush whose colour is clNone (the reports' "no fill") paints nothing.
class TCanvas {
public:
    explicit TCanvas(TBitmap& bitmap);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TBitmap& Bitmap() { return *m_bitmap; }
    const TBitmap& Bitmap() const { return *m_bitmap; }

    TPen Pen;
    TBrush Brush;
    TFont Font;
    // Raster operation of CopyRect.
    TRasterOp CopyMode { SRCCOPY };
    // Current pen position (logical), moved by MoveTo and LineTo.
    TPoint PenPos;
    // Extra pixels after every character of text output and measuring.
    int TextCharacterExtra { 0 };

    // --- coordinate origin and clipping ------------------------------------
    TPoint Origin() const { return m_origin; }
    void SetOrigin(TPoint origin) { m_origin = origin; }
    // Clip region in device (bitmap) coordinates; independent of the origin.
    void SetClipRegion(const TRegion& region);
    void ClearClipRegion();
    const std::optional<TRegion>& ClipRegion() const { return m_clip; }
    // Narrows the clip region to a logical rectangle / removes one from it.
    void IntersectClipRect(const TRect& rect);
    void ExcludeClipRect(const TRect& rect);
    // The logical bounding rectangle of what can still be drawn.
    TRect ClipRect() const;

    // --- lines and shapes ---------------------------------------------------
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    // Connected lines through the points; like LineTo, the last point itself
    // is not drawn by a one-pixel pen.
    void Polyline(std::span<const TPoint> points);
    // A closed shape: filled with the brush, outlined with the pen.
    void Polygon(std::span<const TPoint> points);
    // Outlined with the pen and filled with the brush. Without a pen
    // (psClear) the fill covers l..r-2, t..b-2, as the classic call does.
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect& rect) { Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom); }
    void Ellipse(int left, int top, int right, int bottom);
    void Ellipse(const TRect& rect) { Ellipse(rect.Left, rect.Top, rect.Right, rect.Bottom); }
    // Rectangle with corners rounded by an ellipse of width w and height h.
    void RoundRect(int left, int top, int right, int bottom, int w, int h);
    // Fills with the brush, no outline.
    void FillRect(const TRect& rect);
    // A one-pixel frame in the brush colour.
    void FrameRect(const TRect& rect);
    // Fills a region (logical coordinates) with the brush.
    void FillRgn(const TRegion& region);
    // The dotted focus outline, drawn by inverting: drawing it twice removes it.
    void DrawFocusRect(const TRect& rect);

    TColor Pixels(int x, int y) const;
    void Pixels(int x, int y, TColor color);

    // --- text ---------------------------------------------------------------
    // Text with its cell's top-left at (x, y), in the font's colour; with a
    // solid brush the text cell is first filled with the brush colour.
    // Moves PenPos to the end of the text.
    void TextOut(int x, int y, std::string_view text);
    // TextOut clipped to a rectangle (the brush fills the whole rectangle when solid).
    void TextRect(const TRect& rect, int x, int y, std::string_view text);
    // Formatted text in a rectangle; flags are the DT_* values. Returns the
    // height of the text. With DT_CALCRECT nothing is drawn and the rectangle's
    // right and bottom are set to the measured extent.
    int DrawText(std::string_view text, TRect& rect, unsigned format);
    // The width of the text and the cell height of the font.
    TSize TextExtent(std::string_view text);
    int TextWidth(std::string_view text) { return TextExtent(text).cx; }
    int TextHeight(std::string_view text) { return TextExtent(text).cy; }
    TTextMetric TextMetrics() const { return GetTextMetrics(Font); }

    // --- pictures -----------------------------------------------------------
    // Copies a picture; when it is Transparent, its transparent colour is left out.
    void Draw(int x, int y, const TBitmap& picture);
    // Scales a picture (nearest pixel) to fill the rectangle exactly.
    void StretchDraw(const TRect& rect, const TBitmap& picture);
    // Copies (scaling when the sizes differ) with CopyMode.
    void CopyRect(const TRect& dest, const TBitmap& source, const TRect& sourceRect);
    void BitBlt(int x, int y, int width, int height, const TBitmap& source, int sx, int sy, TRasterOp rop = SRCCOPY);
    // Negative widths or heights mirror the picture.
    void StretchBlt(int x, int y, int width, int height, const TBitmap& source, int sx, int sy, int sw, int sh,
        TRasterOp rop = SRCCOPY);
    // Raster operations that use only the brush and the destination
    // (PATCOPY, PATINVERT, DSTINVERT, BLACKNESS, WHITENESS).
    void PatBlt(int x, int y, int width, int height, TRasterOp rop);
    // Copies (scaling when the sizes differ) every source pixel that is not the key colour.
    void TransparentBlt(int x, int y, int width, int height, const TBitmap& source, int sx, int sy, int sw, int sh,
        TColor key);

private:
    // The clip region (or the whole bitmap) limited to the bitmap, in device coordinates.
    TRegion DeviceClip() const;
    // Logical rectangles as a clipped device region.
    TRegion DeviceRegion(std::span<const TRect> rects) const;
    void PaintColor(const TRegion& device, TColor color, TPenMode mode);
    void PaintBrush(const TRegion& device, TPenMode mode);
    void BrushRow(Pixel* dst, int x, int y, int count) const;
    // The pen's pixels along a path (logical): `on` for the pen colour and
    // `off` for the gaps of a dashed pen.
    void PenPath(std::span<const TPoint> points, bool closed, std::vector<TRect>& on, std::vector<TRect>& off) const;
    void StrokePath(std::span<const TPoint> points, bool closed);
    // Paints a shape once per pixel: the fill (without the pen's pixels) with
    // the brush, the pen's pixels in its colour and, with an opaque brush, the
    // gaps of a dashed pen in the brush colour; all in the pen's mode.
    void PaintShape(const std::vector<TRect>& fill, const std::vector<TRect>& on, const std::vector<TRect>& off);
    // The outer box of an outline drawn with the current pen around a shape's box.
    TRect PenBox(const TRect& box) const;
    void DrawTextLine(std::string_view text, int x, int y, const TRegion& clip);
    int LineWidth(std::string_view text) const;
    void Blit(int x, int y, int width, int height, const TBitmap& source, int sx, int sy, int sw, int sh,
        TRasterOp rop, std::optional<Pixel> key);

    TBitmap* m_bitmap;
    TPoint m_origin;
    std::optional<TRegion> m_clip;
    std::unique_ptr<TextEngine> m_text;
};

} // namespace gfx
