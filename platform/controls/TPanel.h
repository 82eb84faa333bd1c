#pragma once

#include "platform/controls/TCustomControl.h"

namespace ctl {

enum class TPanelBevel { bvNone, bvLowered, bvRaised };

// A container with an outer and an inner bevel and a caption in the middle.
// Children are aligned inside the bevels and the border.
class TPanel : public TCustomControl {
public:
    explicit TPanel(TComponent* AOwner);

    TPanelBevel BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(TPanelBevel Value);
    TPanelBevel BevelInner() const { return m_bevelInner; }
    void SetBevelInner(TPanelBevel Value);
    int BevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(int Value);
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int Value);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment Value);

    void AdjustClientRect(gfx::TRect& Rect) const override;

protected:
    void Paint() override;

private:
    void FrameChanged();

    TPanelBevel m_bevelOuter { TPanelBevel::bvRaised };
    TPanelBevel m_bevelInner { TPanelBevel::bvNone };
    int m_bevelWidth { 1 };
    int m_borderWidth { 0 };
    TAlignment m_alignment { TAlignment::taCenter };
};

} // namespace ctl
