#pragma once

#include "platform/controls/TCustomControl.h"
#include "platform/controls/TGraphicControl.h"
#include "selfdrawn/SeTypes.h"

#include <type_traits>

namespace selfdrawn {

// What every self-drawn control does, windowed or windowless: it paints every
// pixel itself through one pipeline: choose the surface (Performance), paint
// the parent's background when Transparent, paint the frame around the
// content rectangle, PaintClient inside it, blend, copy to the screen.
// PlatformControl is the platform class it stands on: ctl::TCustomControl
// or ctl::TGraphicControl.
// The second parameter of an erase-background message by which a
// transparent self-drawn control asks its parent for the picture behind it.
inline constexpr wnd::LPARAM kEraseForChild = 1;

template <class PlatformControl>
class SeControlBase : public PlatformControl {
public:
    explicit SeControlBase(ctl::TComponent* AOwner);

    TSePerformance Performance() const { return m_performance; }
    // kspNoBuffer is refused while blending is enabled.
    void SetPerformance(TSePerformance Value);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool Value);
    TSeBlending& Blending() { return m_blending; }

    // The mouse is over the control.
    bool Hot() const { return m_hot; }
    // The rectangle PaintClient fills; the frame lies around it.
    virtual gfx::TRect GetContentRect() const;

protected:
    void Paint() override;
    virtual void PaintClient(gfx::TCanvas& Canvas);
    // Paints around the content rectangle, which is clipped out.
    virtual void PaintFrameArea(gfx::TCanvas&) { }
    // The font the current paint uses (a copy of Font taken as it starts).
    const gfx::TFont& PaintFont() const { return m_paintFont; }
    // Paints what lies behind the control on its parent: the canvas is moved
    // into the parent's coordinates and the parent asked to erase into it.
    void PaintParentBackground(gfx::TCanvas& Canvas);

    void MouseEnter() override;
    void MouseLeave() override;

private:
    static constexpr bool kWindowless = std::is_same_v<PlatformControl, ctl::TGraphicControl>;

    void BlendingChanged();

    TSePerformance m_performance { TSePerformance::kspNoBuffer };
    bool m_transparent { false };
    TSeBlending m_blending;
    bool m_hot { false };
    gfx::TFont m_paintFont;
    // A buffer that could not be made has been reported for this control.
    bool m_bufferErrorReported { false };
};

extern template class SeControlBase<ctl::TCustomControl>;
extern template class SeControlBase<ctl::TGraphicControl>;

} // namespace selfdrawn
