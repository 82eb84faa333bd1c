#include "tools/draw-icons/IconPainter.h"

#include "platform/graphics/TCanvas.h"

#include <array>

namespace icons {
namespace {

using gfx::RGB;

// A calm palette: dark slate outlines, white paper, one blue accent and a few
// warm tones for folders and pencils.
constexpr gfx::TColor kOutline = RGB(62, 72, 86);
constexpr gfx::TColor kPaper = RGB(255, 255, 255);
constexpr gfx::TColor kPaperShade = RGB(222, 228, 236);
constexpr gfx::TColor kRule = RGB(150, 172, 200);
constexpr gfx::TColor kAccent = RGB(44, 110, 186);
constexpr gfx::TColor kAccentLight = RGB(120, 170, 226);
constexpr gfx::TColor kFolder = RGB(236, 184, 72);
constexpr gfx::TColor kFolderDark = RGB(196, 138, 36);
constexpr gfx::TColor kGlass = RGB(200, 228, 250);
constexpr gfx::TColor kHandle = RGB(120, 86, 54);
constexpr gfx::TColor kPencil = RGB(242, 170, 40);
constexpr gfx::TColor kRed = RGB(206, 64, 56);
constexpr gfx::TColor kGreen = RGB(62, 150, 78);
constexpr gfx::TColor kMetal = RGB(176, 184, 194);

} // namespace

void IconPainter::Fill(int left, int top, int right, int bottom, gfx::TColor color)
{
    m_canvas.Brush.Color = color;
    m_canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
    m_canvas.FillRect(gfx::TRect { left, top, right, bottom });
}

void IconPainter::Frame(int left, int top, int right, int bottom, gfx::TColor color)
{
    m_canvas.Brush.Color = color;
    m_canvas.FrameRect(gfx::TRect { left, top, right, bottom });
}

void IconPainter::Line(int x0, int y0, int x1, int y1, gfx::TColor color)
{
    m_canvas.Pen.Color = color;
    m_canvas.Pen.Width = 1;
    m_canvas.Pen.Style = gfx::TPenStyle::psSolid;
    m_canvas.MoveTo(x0, y0);
    m_canvas.LineTo(x1, y1);
    m_canvas.Pixels(x1, y1, color); // lines include their end point here
}

void IconPainter::Dot(int x, int y, gfx::TColor color)
{
    m_canvas.Pixels(x, y, color);
}

void IconPainter::Sheet(int left, int top, int right, int bottom, bool ruled)
{
    const int fold = 4;
    Fill(left + 1, top + 1, right - 1, bottom - 1, kPaper);
    Line(left, top, right - 1 - fold, top, kOutline);
    Line(left, top, left, bottom - 1, kOutline);
    Line(left, bottom - 1, right - 1, bottom - 1, kOutline);
    Line(right - 1, top + fold, right - 1, bottom - 1, kOutline);
    // The folded corner.
    for (int i = 0; i <= fold; ++i)
        for (int j = 0; j <= fold; ++j)
            if (j > i)
                Dot(right - 1 - fold + j, top + i, icons::kTransparent);
    Line(right - 1 - fold, top, right - 1, top + fold, kOutline);
    Fill(right - 1 - fold, top + 1, right - 1 - fold + 1, top + fold + 1, kOutline);
    Line(right - 1 - fold, top + fold, right - 1, top + fold, kOutline);
    for (int i = 1; i < fold; ++i)
        for (int j = 1; j <= i; ++j)
            Dot(right - 1 - fold + j, top + i, kPaperShade);
    if (!ruled)
        return;
    for (int y = top + 4; y < bottom - 2; y += 2)
        Line(left + 2, y, (y < top + fold + 2 ? right - fold - 3 : right - 3), y, kRule);
}

void IconPainter::Page(int x, int y)
{
    Sheet(x + 2, y + 1, x + 14, y + 16, true);
}

void IconPainter::TwoPages(int x, int y)
{
    Sheet(x + 5, y + 0, x + 16, y + 12, false);
    Sheet(x + 1, y + 4, x + 12, y + 16, true);
}

void IconPainter::OpenFolder(int x, int y)
{
    // Back of the folder with its tab.
    Fill(x + 1, y + 3, x + 6, y + 5, kFolderDark);
    Fill(x + 1, y + 4, x + 14, y + 14, kFolderDark);
    Frame(x + 1, y + 4, x + 14, y + 14, kOutline);
    Line(x + 1, y + 3, x + 6, y + 3, kOutline);
    Line(x + 6, y + 3, x + 7, y + 4, kOutline);
    // A sheet sticking out.
    Fill(x + 3, y + 6, x + 13, y + 9, kPaper);
    // The front flap, tilted open.
    for (int row = 0; row < 6; ++row) {
        int left = x + 3 - row / 3 + 0;
        Line(left + (5 - row) / 2, y + 8 + row, x + 15 - row / 2, y + 8 + row, kFolder);
    }
    Line(x + 3, y + 8, x + 15, y + 8, kOutline);
    Line(x + 15, y + 8, x + 13, y + 13, kOutline);
    Line(x + 3, y + 8, x + 1, y + 13, kOutline);
    Line(x + 1, y + 13, x + 13, y + 13, kOutline);
}

void IconPainter::Disk(int x, int y)
{
    Fill(x + 1, y + 1, x + 15, y + 15, kAccent);
    Frame(x + 1, y + 1, x + 15, y + 15, kOutline);
    Fill(x + 4, y + 2, x + 12, y + 7, kPaper);
    Fill(x + 9, y + 3, x + 11, y + 6, kOutline);
    Fill(x + 4, y + 9, x + 12, y + 14, kPaperShade);
    Line(x + 5, y + 11, x + 10, y + 11, kRule);
}

void IconPainter::Pencil(int x, int y)
{
    for (int i = 0; i < 9; ++i) {
        Line(x + 4 + i, y + 11 - i, x + 5 + i, y + 11 - i, kPencil);
        Line(x + 4 + i, y + 12 - i, x + 5 + i, y + 12 - i, kPencil);
        Dot(x + 4 + i, y + 10 - i, kOutline);
        Dot(x + 6 + i, y + 12 - i, kOutline);
    }
    Line(x + 12, y + 2, x + 14, y + 4, kRed);
    Line(x + 2, y + 14, x + 4, y + 11, kOutline);
    Line(x + 2, y + 14, x + 5, y + 13, kOutline);
    Dot(x + 3, y + 13, kOutline);
}

void IconPainter::TrashCan(int x, int y)
{
    Fill(x + 6, y + 1, x + 10, y + 3, kMetal);
    Frame(x + 6, y + 1, x + 10, y + 3, kOutline);
    Fill(x + 2, y + 3, x + 14, y + 5, kMetal);
    Frame(x + 2, y + 3, x + 14, y + 5, kOutline);
    Fill(x + 3, y + 5, x + 13, y + 15, kMetal);
    Frame(x + 3, y + 5, x + 13, y + 15, kOutline);
    for (int column = x + 5; column <= x + 10; column += 2)
        Line(column, y + 7, column, y + 12, kOutline);
}

void IconPainter::Calendar(int x, int y)
{
    Fill(x + 1, y + 2, x + 15, y + 15, kPaper);
    Fill(x + 1, y + 2, x + 15, y + 6, kRed);
    Frame(x + 1, y + 2, x + 15, y + 15, kOutline);
    Fill(x + 4, y + 1, x + 5, y + 4, kOutline);
    Fill(x + 11, y + 1, x + 12, y + 4, kOutline);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 4; ++column)
            Fill(x + 3 + column * 3, y + 7 + row * 3, x + 5 + column * 3, y + 9 + row * 3, row == 1 && column == 2 ? kAccent : kRule);
}

void IconPainter::UndoArrow(int x, int y)
{
    // A curved arrow turning back to the left.
    Line(x + 5, y + 5, x + 11, y + 5, kAccent);
    Line(x + 5, y + 6, x + 12, y + 6, kAccent);
    Line(x + 12, y + 7, x + 13, y + 9, kAccent);
    Line(x + 11, y + 7, x + 12, y + 10, kAccent);
    Line(x + 12, y + 10, x + 9, y + 13, kAccent);
    Line(x + 11, y + 10, x + 8, y + 13, kAccent);
    for (int i = 0; i < 4; ++i)
        Line(x + 5 - i, y + 5 - i + i, x + 5 - i, y + 6 + 0, kAccent);
    Line(x + 2, y + 5, x + 6, y + 1, kAccent);
    Line(x + 2, y + 6, x + 6, y + 10, kAccent);
    Line(x + 3, y + 5, x + 6, y + 2, kAccent);
    Line(x + 3, y + 6, x + 6, y + 9, kAccent);
}

void IconPainter::Star(int x, int y)
{
    const std::array<gfx::TPoint, 10> points { { { x + 8, y + 1 }, { x + 10, y + 6 }, { x + 15, y + 6 }, { x + 11, y + 9 },
        { x + 13, y + 14 }, { x + 8, y + 11 }, { x + 3, y + 14 }, { x + 5, y + 9 }, { x + 1, y + 6 }, { x + 6, y + 6 } } };
    m_canvas.Pen.Color = kFolderDark;
    m_canvas.Brush.Color = kFolder;
    m_canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
    m_canvas.Polygon(points);
}

void IconPainter::Tag(int x, int y)
{
    const std::array<gfx::TPoint, 5> points { { { x + 1, y + 8 }, { x + 6, y + 3 }, { x + 14, y + 3 }, { x + 14, y + 13 }, { x + 6, y + 13 } } };
    m_canvas.Pen.Color = kOutline;
    m_canvas.Brush.Color = kAccentLight;
    m_canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
    m_canvas.Polygon(points);
    Fill(x + 6, y + 7, x + 8, y + 9, kPaper);
}

void IconPainter::PageWithPen(int x, int y)
{
    Sheet(x + 1, y + 1, x + 12, y + 16, true);
    // A pen lying across the page's lower right.
    for (int i = 0; i < 7; ++i) {
        Dot(x + 8 + i, y + 13 - i, kAccent);
        Dot(x + 9 + i, y + 13 - i, kAccent);
        Dot(x + 8 + i, y + 12 - i, kOutline);
        Dot(x + 10 + i, y + 13 - i, kOutline);
    }
    Dot(x + 7, y + 14, kOutline);
    Dot(x + 8, y + 14, kOutline);
}

void IconPainter::QuestionMark(int x, int y)
{
    m_canvas.Pen.Color = kAccent;
    m_canvas.Brush.Color = kAccent;
    m_canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
    m_canvas.Ellipse(x + 1, y + 1, x + 16, y + 16);
    // The question mark in white, two pixels wide.
    Fill(x + 6, y + 4, x + 10, y + 5, kPaper);
    Fill(x + 5, y + 5, x + 7, y + 7, kPaper);
    Fill(x + 9, y + 5, x + 11, y + 8, kPaper);
    Fill(x + 8, y + 8, x + 10, y + 9, kPaper);
    Fill(x + 7, y + 9, x + 9, y + 11, kPaper);
    Fill(x + 7, y + 12, x + 9, y + 14, kPaper);
}

void IconPainter::Lens(int x, int y)
{
    m_canvas.Pen.Color = kOutline;
    m_canvas.Brush.Color = kGlass;
    m_canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
    m_canvas.Ellipse(x, y, x + 10, y + 10);
    Dot(x + 3, y + 3, kPaper);
    Dot(x + 3, y + 4, kPaper);
    Dot(x + 4, y + 3, kPaper);
}

void IconPainter::Magnifier(int x, int y)
{
    Lens(x + 1, y + 1);
    for (int i = 0; i < 5; ++i) {
        Dot(x + 10 + i, y + 10 + i, kHandle);
        Dot(x + 11 + i, y + 10 + i, kHandle);
        Dot(x + 10 + i, y + 11 + i, kHandle);
    }
}

void IconPainter::MagnifierWithArrows(int x, int y)
{
    // A smaller lens in the middle, an arrow above pointing right and one
    // below pointing left: search again.
    m_canvas.Pen.Color = kOutline;
    m_canvas.Brush.Color = kGlass;
    m_canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
    m_canvas.Ellipse(x + 4, y + 4, x + 11, y + 11);
    Line(x + 10, y + 10, x + 12, y + 12, kHandle);
    Line(x + 11, y + 10, x + 12, y + 11, kHandle);
    Line(x + 2, y + 1, x + 12, y + 1, kGreen);
    Line(x + 12, y + 0, x + 14, y + 2, kGreen);
    Line(x + 12, y + 3, x + 13, y + 2, kGreen);
    Line(x + 1, y + 2, x + 1, y + 4, kGreen);
    Line(x + 3, y + 14, x + 13, y + 14, kGreen);
    Line(x + 1, y + 14, x + 3, y + 12, kGreen);
    Line(x + 2, y + 15, x + 3, y + 15, kGreen);
    Line(x + 14, y + 11, x + 14, y + 13, kGreen);
}

void IconPainter::Printer(int x, int y)
{
    // Paper in, body, paper out.
    Fill(x + 4, y + 1, x + 12, y + 6, kPaper);
    Frame(x + 4, y + 1, x + 12, y + 6, kOutline);
    Fill(x + 1, y + 6, x + 15, y + 12, kMetal);
    Frame(x + 1, y + 6, x + 15, y + 12, kOutline);
    Line(x + 2, y + 7, x + 13, y + 7, kPaper);
    Dot(x + 12, y + 9, kGreen);
    Fill(x + 4, y + 10, x + 12, y + 15, kPaper);
    Frame(x + 4, y + 10, x + 12, y + 15, kOutline);
    Line(x + 6, y + 12, x + 9, y + 12, kRule);
}

void IconPainter::ChequeredSquare(int x, int y)
{
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            Fill(x + 2 + column * 3, y + 2 + row * 3, x + 5 + column * 3, y + 5 + row * 3,
                (row + column) % 2 == 0 ? kOutline : kPaper);
    Frame(x + 1, y + 1, x + 15, y + 15, kOutline);
}

void IconPainter::ProgramIcon(int x, int y, int size)
{
    // A blue notebook with a white label and a red ribbon, scaled by whole pixels.
    const int s = size / 16;
    Fill(x + 3 * s, y + 1 * s, x + 14 * s, y + 15 * s, kAccent);
    Frame(x + 3 * s, y + 1 * s, x + 14 * s, y + 15 * s, kOutline);
    Fill(x + 3 * s, y + 1 * s, x + 5 * s, y + 15 * s, RGB(30, 80, 140));
    for (int ring = 0; ring < 6; ++ring)
        Fill(x + 2 * s, y + (3 + 2 * ring) * s, x + 5 * s, y + (3 + 2 * ring) * s + s, kMetal);
    Fill(x + 7 * s, y + 4 * s, x + 12 * s, y + 7 * s, kPaper);
    Line(x + 8 * s, y + 5 * s, x + 11 * s - 1, y + 5 * s, kRule);
    Fill(x + 11 * s, y + 1 * s, x + 12 * s + (s > 1 ? s / 2 : 0), y + 16 * s - 1, kRed);
}

} // namespace icons
