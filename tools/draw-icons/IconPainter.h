#pragma once

#include "platform/graphics/TBitmap.h"

namespace icons {

// The transparent key colour of every image strip: image lists leave it out.
inline constexpr gfx::TColor kTransparent = gfx::RGB(255, 0, 255);

// Paints the program's pixel-art images. Each function draws one 16 x 16 image
// with its top-left corner at (x, y) of the canvas.
class IconPainter {
public:
    explicit IconPainter(gfx::TCanvas& canvas) : m_canvas(canvas) {}

    void Page(int x, int y);
    void TwoPages(int x, int y);
    void OpenFolder(int x, int y);
    void Disk(int x, int y);
    void Pencil(int x, int y);
    void TrashCan(int x, int y);
    void Calendar(int x, int y);
    void UndoArrow(int x, int y);
    void Star(int x, int y);
    void Tag(int x, int y);
    void PageWithPen(int x, int y);
    void QuestionMark(int x, int y);
    void Magnifier(int x, int y);
    void MagnifierWithArrows(int x, int y);
    void Printer(int x, int y);
    void ChequeredSquare(int x, int y);
    // The program icon: a notebook with a ribbon, at 16 or 32 pixels.
    void ProgramIcon(int x, int y, int size);

private:
    void Fill(int left, int top, int right, int bottom, gfx::TColor color);
    void Frame(int left, int top, int right, int bottom, gfx::TColor color);
    void Line(int x0, int y0, int x1, int y1, gfx::TColor color);
    void Dot(int x, int y, gfx::TColor color);
    // A sheet of paper with a folded top-right corner and ruled lines.
    void Sheet(int left, int top, int right, int bottom, bool ruled);
    void Lens(int x, int y);

    gfx::TCanvas& m_canvas;
};

} // namespace icons
