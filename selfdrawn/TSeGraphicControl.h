#pragma once

#include "platform/controls/TGraphicControl.h"
#include "selfdrawn/SeTypes.h"

namespace selfdrawn {

// A windowless self-drawn control, painted on its parent's surface through
// the same pipeline as TSeCustomControl but without a frame.
class TSeGraphicControl : public ctl::TGraphicControl {
public:
    explicit TSeGraphicControl(ctl::TComponent* AOwner);

    TSePerformance Performance() const { return m_performance; }
    void SetPerformance(TSePerformance Value);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool Value);
    TSeBlending& Blending() { return m_blending; }
    bool Hot() const { return m_hot; }

protected:
    void Paint() override;
    virtual void PaintClient(gfx::TCanvas& Canvas);
    const gfx::TFont& PaintFont() const { return m_paintFont; }
    void MouseEnter() override;
    void MouseLeave() override;

private:
    void BlendingChanged();
    void PaintParentBackground(gfx::TCanvas& Canvas);

    TSePerformance m_performance { TSePerformance::kspNoBuffer };
    bool m_transparent { false };
    TSeBlending m_blending;
    bool m_hot { false };
    gfx::TFont m_paintFont;
};

} // namespace selfdrawn
