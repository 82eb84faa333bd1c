#pragma once

#include "platform/controls/TComponent.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

#include <vector>

namespace ctl {

// Pictures of one size, drawn by index (tree and list images, tool bar glyphs).
// Masked images leave out their transparent colour (the bottom-left pixel of
// the picture they were added from, unless one is given).
class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* AOwner);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Changing the size clears the list.
    void SetSize(int AWidth, int AHeight);
    int Count() const { return static_cast<int>(m_images.size()); }
    bool Masked { true };
    // The colour behind the images when drawn; clNone keeps what is there.
    gfx::TColor BkColor { gfx::clNone };

    // Adds the picture cut into images of the list's width, left to right;
    // returns the index of the first one.
    int Add(const gfx::TBitmap& Picture);
    int AddMasked(const gfx::TBitmap& Picture, gfx::TColor MaskColor);
    void Delete(int Index);
    void Clear();
    const gfx::TBitmap& GetBitmap(int Index) const;

    // Draws an image; a disabled image is drawn greyed. An index outside
    // the list draws nothing.
    void Draw(gfx::TCanvas& Canvas, int X, int Y, int Index, bool Enabled = true) const;

private:
    int m_width { 16 };
    int m_height { 16 };
    std::vector<gfx::TBitmap> m_images;
};

} // namespace ctl
