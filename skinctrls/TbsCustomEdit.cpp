#include "skinctrls/TbsCustomEdit.h"

#include "platform/window/Painting.h"
#include "platform/window/Window.h"

namespace skinctrls {

TbsCustomEdit::TbsCustomEdit(ctl::TComponent* AOwner) : ctl::TEdit(AOwner)
{
}

void TbsCustomEdit::AdjustClientRect(gfx::TRect&) const
{
}

void TbsCustomEdit::Invalidate()
{
    if (HandleAllocated())
        wnd::RedrawWindow(Handle(), nullptr, nullptr, wnd::RDW_INVALIDATE | wnd::RDW_FRAME);
}

void TbsCustomEdit::Repaint()
{
    Invalidate();
    if (HandleAllocated())
        wnd::UpdateWindow(Handle());
}

wnd::LRESULT TbsCustomEdit::WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam)
{
    if (Msg == wnd::WM_NCPAINT) {
        PaintNonClient();
        return 0;
    }
    return ctl::TEdit::WndProc(Msg, WParam, LParam);
}

gfx::TPoint TbsCustomEdit::ClientOrigin() const
{
    return HandleAllocated() ? wnd::GetClientRectInWindow(Handle()).TopLeft() : gfx::TPoint {};
}

gfx::TBitmap TbsCustomEdit::WindowImage()
{
    gfx::TBitmap bitmap(Width(), Height());
    DrawWindowImage(bitmap);
    return bitmap;
}

void TbsCustomEdit::PaintNonClient()
{
    if (Width() <= 0 || Height() <= 0)
        return;
    const gfx::TBitmap image = WindowImage();
    wnd::TWindowDC dc(Handle(), true);
    if (!dc.Valid())
        return;
    // The client part is the client paint's: the text lies on it.
    dc.Canvas().ExcludeClipRect(wnd::GetClientRectInWindow(Handle()));
    dc.Canvas().Draw(0, 0, image);
}

void TbsCustomEdit::PaintFrame(gfx::TCanvas& Canvas)
{
    if (Width() <= 0 || Height() <= 0)
        return;
    const gfx::TPoint origin = ClientOrigin();
    Canvas.Draw(-origin.X, -origin.Y, WindowImage());
}

bool TbsCustomEdit::EraseBackground(gfx::TCanvas&)
{
    return false;
}

} // namespace skinctrls
