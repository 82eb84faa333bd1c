#pragma once

#include "platform/controls/TEdit.h"
#include "platform/graphics/TBitmap.h"

namespace skinctrls {

// The base of the skinned one-line edits: a platform edit without a border of
// its own and without a background of its own. A descendant draws one picture
// of the whole window, its frame in the non-client area and the field the text
// lies on; the non-client paint shows the frame part of it, the client paint
// the part under the text, and the text is drawn over that without a
// background. Every change of text, selection, caret position or focus
// repaints frame and client together.
class TbsCustomEdit : public ctl::TEdit {
public:
    explicit TbsCustomEdit(ctl::TComponent* AOwner);

    void AdjustClientRect(gfx::TRect& Rect) const override;
    void Invalidate() override;
    void Repaint() override;
    wnd::LRESULT WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam) override;

protected:
    // Draws the picture of the whole window into a bitmap of the window's size.
    virtual void DrawWindowImage(gfx::TBitmap& Bitmap) = 0;
    // The client area's top-left corner in window coordinates.
    gfx::TPoint ClientOrigin() const;

    void PaintFrame(gfx::TCanvas& Canvas) override;
    bool EraseBackground(gfx::TCanvas& Canvas) override;

private:
    gfx::TBitmap WindowImage();
    void PaintNonClient();
};

} // namespace skinctrls
