#include "skin/SkinGlyphs.h"

#include "platform/graphics/TCanvas.h"

namespace skin {

namespace {

// Keeps the caller's pen and brush across a glyph.
class ToolsKeeper {
public:
    explicit ToolsKeeper(gfx::TCanvas& canvas) : m_canvas(canvas), m_pen(canvas.Pen), m_brush(canvas.Brush) {}
    ~ToolsKeeper()
    {
        m_canvas.Pen = m_pen;
        m_canvas.Brush = m_brush;
    }
    ToolsKeeper(const ToolsKeeper&) = delete;
    ToolsKeeper& operator=(const ToolsKeeper&) = delete;

private:
    gfx::TCanvas& m_canvas;
    gfx::TPen m_pen;
    gfx::TBrush m_brush;
};

void UsePen(gfx::TCanvas& canvas, gfx::TColor color)
{
    canvas.Pen = gfx::TPen {};
    canvas.Pen.Color = color;
}

void UseBrush(gfx::TCanvas& canvas, gfx::TColor color)
{
    canvas.Brush = gfx::TBrush {};
    canvas.Brush.Color = color;
}

void Line(gfx::TCanvas& canvas, int x1, int y1, int x2, int y2)
{
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

// A one-pixel outline covering left..right-1 and top..bottom-1.
void Outline(gfx::TCanvas& canvas, int left, int top, int right, int bottom)
{
    canvas.FrameRect({ left, top, right, bottom });
}

// A vertical or horizontal run that covers both of its end pixels.
void Span(gfx::TCanvas& canvas, int x1, int y1, int x2, int y2)
{
    canvas.FillRect({ x1, y1, x2 + 1, y2 + 1 });
}

} // namespace

void DrawCloseGlyph(gfx::TCanvas& canvas, int x, int y, gfx::TColor color)
{
    ToolsKeeper keep(canvas);
    UsePen(canvas, color);
    Line(canvas, x + 1, y + 1, x + 9, y + 9);
    Line(canvas, x + 9, y + 1, x + 1, y + 9);
    Line(canvas, x + 2, y + 1, x + 10, y + 9);
    Line(canvas, x + 8, y + 1, x, y + 9);
}

void DrawCheckGlyph(gfx::TCanvas& canvas, int x, int y, gfx::TColor color)
{
    ToolsKeeper keep(canvas);
    UseBrush(canvas, color);
    // A short stroke down to the corner and a long one up, three pixels thick.
    for (int i = 0; i < 3; ++i)
        Span(canvas, x + 1 + i, y + 4 + i, x + 1 + i, y + 6 + i);
    for (int i = 0; i < 5; ++i)
        Span(canvas, x + 4 + i, y + 5 - i, x + 4 + i, y + 7 - i);
}

void DrawRadioDotGlyph(gfx::TCanvas& canvas, int x, int y, gfx::TColor color)
{
    ToolsKeeper keep(canvas);
    UseBrush(canvas, color);
    // Rows of 2, 4, 6, 6, 4 and 2 pixels.
    Span(canvas, x + 4, y + 2, x + 5, y + 7);
    Span(canvas, x + 3, y + 3, x + 6, y + 6);
    Span(canvas, x + 2, y + 4, x + 7, y + 5);
}

void DrawMinimizeGlyph(gfx::TCanvas& canvas, int x, int y, gfx::TColor color)
{
    ToolsKeeper keep(canvas);
    UsePen(canvas, color);
    Line(canvas, x + 1, y + 8, x + 9, y + 8);
    Line(canvas, x + 1, y + 9, x + 9, y + 9);
}

void DrawMaximizeGlyph(gfx::TCanvas& canvas, int x, int y, gfx::TColor color)
{
    ToolsKeeper keep(canvas);
    UseBrush(canvas, color);
    Outline(canvas, x, y, x + 11, y + 10);
    Outline(canvas, x, y, x + 11, y + 2);
}

void DrawRestoreGlyph(gfx::TCanvas& canvas, int x, int y, gfx::TColor color)
{
    ToolsKeeper keep(canvas);
    UseBrush(canvas, color);
    Outline(canvas, x + 2, y, x + 10, y + 6);
    Outline(canvas, x + 2, y, x + 10, y + 2);
    Outline(canvas, x, y + 4, x + 7, y + 10);
    Outline(canvas, x, y + 4, x + 7, y + 6);
}

void DrawSmallBarGlyph(gfx::TCanvas& canvas, int x, int y, gfx::TColor color)
{
    ToolsKeeper keep(canvas);
    UseBrush(canvas, color);
    Outline(canvas, x + 1, y + 3, x + 9, y + 6);
}

void DrawTriangleDownGlyph(gfx::TCanvas& canvas, int x, int y, gfx::TColor color)
{
    ToolsKeeper keep(canvas);
    UsePen(canvas, color);
    for (int i = 0; i <= 4; ++i)
        Line(canvas, x + 5 - i, y + 6 - i, x + 5 + i, y + 6 - i);
}

void DrawTriangleUpGlyph(gfx::TCanvas& canvas, int x, int y, gfx::TColor color)
{
    ToolsKeeper keep(canvas);
    UsePen(canvas, color);
    for (int i = 0; i <= 4; ++i)
        Line(canvas, x + 1 + i, y + 6 - i, x + 9 - i, y + 6 - i);
}

void DrawSquareGlyph(gfx::TCanvas& canvas, int x, int y, gfx::TColor color)
{
    ToolsKeeper keep(canvas);
    UseBrush(canvas, color);
    canvas.FillRect({ x + 2, y + 2, x + 7, y + 7 });
}

void DrawArrowGlyph(gfx::TCanvas& canvas, const gfx::TRect& rect, gfx::TColor color, TbsArrowKind kind)
{
    ToolsKeeper keep(canvas);
    UseBrush(canvas, color);
    const int cx = rect.Left + rect.Width() / 2;
    const int cy = rect.Top + rect.Height() / 2;
    switch (kind) {
    case TbsArrowKind::akLeft:
        for (int i = 0; i <= 3; ++i)
            Span(canvas, cx - 2 + i, cy - i, cx - 2 + i, cy + i);
        break;
    case TbsArrowKind::akRight:
        for (int n = 3; n >= 0; --n)
            Span(canvas, cx + 2 - n, cy - n, cx + 2 - n, cy + n);
        break;
    case TbsArrowKind::akUp:
        for (int i = 0; i <= 3; ++i)
            Span(canvas, cx - i, cy - 2 + i, cx + i, cy - 2 + i);
        break;
    case TbsArrowKind::akDown:
        for (int n = 3; n >= 0; --n)
            Span(canvas, cx - n, cy + 2 - n, cx + n, cy + 2 - n);
        break;
    }
}

} // namespace skin
