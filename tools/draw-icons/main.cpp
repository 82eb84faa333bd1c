// Draws the program's own pictures into BMP files: the tool bar image strip,
// the tree's folder and page images, and the program icon.
// Usage: draw-icons <output folder> [magnified preview.png]

#include "tools/draw-icons/IconPainter.h"

#include "platform/graphics/TCanvas.h"

#include <filesystem>
#include <functional>
#include <iostream>
#include <vector>

namespace {

using Painter = void (icons::IconPainter::*)(int, int);

gfx::TBitmap PaintStrip(const std::vector<Painter>& painters)
{
    gfx::TBitmap strip(16 * static_cast<int>(painters.size()), 16);
    strip.Fill(icons::kTransparent);
    icons::IconPainter painter(strip.Canvas());
    for (std::size_t i = 0; i < painters.size(); ++i)
        std::invoke(painters[i], painter, 16 * static_cast<int>(i), 0);
    strip.PixelFormat = gfx::TPixelFormat::pf24bit;
    return strip;
}

gfx::TBitmap PaintProgramIcon(int size)
{
    gfx::TBitmap icon(size, size);
    icon.Fill(icons::kTransparent);
    icons::IconPainter painter(icon.Canvas());
    painter.ProgramIcon(0, 0, size);
    icon.PixelFormat = gfx::TPixelFormat::pf24bit;
    return icon;
}

// A magnified copy on the tool bar's face colour, for people to look at.
void SavePreview(const gfx::TBitmap& strip, const std::string& path)
{
    const int scale = 6;
    gfx::TBitmap preview(strip.Width() * scale + 16, strip.Height() * scale + 16);
    preview.Fill(gfx::clBtnFace);
    gfx::TBitmap shown = strip;
    shown.Transparent = true;
    shown.TransparentColor = icons::kTransparent;
    gfx::TBitmap face(strip.Width(), strip.Height());
    face.Fill(gfx::clBtnFace);
    face.Canvas().Draw(0, 0, shown);
    preview.Canvas().StretchDraw(gfx::TRect { 8, 8, 8 + strip.Width() * scale, 8 + strip.Height() * scale }, face);
    preview.SaveToPngFile(path);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 3) {
        std::cerr << "usage: draw-icons <output folder> [magnified preview.png]\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    using P = icons::IconPainter;
    // The tool bar's sixteen images, in image-list order.
    const std::vector<Painter> toolbar { &P::Page, &P::TwoPages, &P::OpenFolder, &P::Disk, &P::Pencil, &P::TrashCan,
        &P::Calendar, &P::UndoArrow, &P::Star, &P::Tag, &P::PageWithPen, &P::QuestionMark, &P::Magnifier,
        &P::MagnifierWithArrows, &P::Printer, &P::ChequeredSquare };
    // The tree's images: 0 an open folder (categories), 1 a page (notes).
    const std::vector<Painter> tree { &P::OpenFolder, &P::Page };
    try {
        PaintStrip(toolbar).SaveToFile((folder / "toolbar.bmp").string());
        PaintStrip(tree).SaveToFile((folder / "tree.bmp").string());
        PaintProgramIcon(16).SaveToFile((folder / "veltrin16.bmp").string());
        PaintProgramIcon(32).SaveToFile((folder / "veltrin32.bmp").string());
        if (argc == 3)
            SavePreview(PaintStrip(toolbar), argv[2]);
    } catch (const std::exception& error) {
        std::cerr << "draw-icons: " << error.what() << "\n";
        return 1;
    }
    std::cout << folder.string() << "\n";
    return 0;
}
