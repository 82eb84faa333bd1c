#pragma once

#include "platform/controls/TCustomControl.h"

namespace report {

class TfrPreviewForm;

// The preview's page area: grey around the pages (button face when there are
// none), each page white with a black border and a one-pixel shadow on its
// right and bottom, its objects drawn scaled to it. Only pages and objects
// that meet the repaint area are drawn. The object the last search found is
// marked with a frame.
class TfrPBox : public ctl::TCustomControl {
public:
    TfrPBox(ctl::TComponent* AOwner, TfrPreviewForm& Preview);

    wnd::LRESULT WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam) override;

    // The background around the pages.
    static constexpr gfx::TColor kBackground = 0x808080;

protected:
    void Paint() override;
    bool EraseBackground(gfx::TCanvas& Canvas) override;
    void MouseDown(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y) override;
    unsigned WantedKeys() const override;

private:
    void PaintPage(gfx::TBitmap& buffer, int index, const gfx::TRect& rect, const gfx::TRect& clip);

    TfrPreviewForm& m_preview;
};

} // namespace report
