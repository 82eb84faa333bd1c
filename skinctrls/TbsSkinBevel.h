#pragma once

#include "platform/controls/TGraphicControl.h"
#include "skin/SkinnedControl.h"

#include <string>

namespace skin {
class TbsSkinData;
}

namespace skinctrls {

enum class TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum class TBevelStyle { bsLowered, bsRaised };

// A line, box or spacer in two colours: the system highlight and shadow
// colours, or the light and dark colours of the skin's bevel record. In
// divider mode lines and boxes shrink to a thin divider across the middle.
class TbsSkinBevel : public ctl::TGraphicControl, public skin::SkinnedControl {
public:
    explicit TbsSkinBevel(ctl::TComponent* AOwner);

    TBevelShape Shape() const { return m_shape; }
    void SetShape(TBevelShape Value);
    TBevelStyle Style() const { return m_style; }
    void SetStyle(TBevelStyle Value);
    bool DividerMode() const { return m_dividerMode; }
    void SetDividerMode(bool Value);

    skin::TbsSkinData* SkinData() const override { return m_skinData; }
    void SetSkinData(skin::TbsSkinData* Value) override;
    // The name of this control's record in the skin.
    const std::string& SkinDataName() const { return m_skinDataName; }
    void SetSkinDataName(const std::string& Value) { m_skinDataName = Value; }
    int SkinIndex() const { return m_skinIndex; }
    gfx::TColor LightColor() const { return m_lightColor; }
    gfx::TColor DarkColor() const { return m_darkColor; }

    // Takes the colours of the skin's record (or the system colours without one).
    void ApplySkin() override;
    // Forgets the record; the colours stay until the next apply.
    void ResetSkinIndex() override { m_skinIndex = -1; }

protected:
    void Paint() override;
    void Notification(ctl::TComponent* AComponent, ctl::TOperation Operation) override;

private:
    // Colour 1 on the left and top edges, colour 2 on the right and bottom.
    void DrawBox(gfx::TCanvas& Canvas, const gfx::TRect& R, gfx::TColor C1, gfx::TColor C2) const;
    void DrawLine(gfx::TCanvas& Canvas, int X1, int Y1, int X2, int Y2, gfx::TColor Color) const;

    TBevelShape m_shape { TBevelShape::bsBox };
    TBevelStyle m_style { TBevelStyle::bsLowered };
    bool m_dividerMode { false };
    skin::TbsSkinData* m_skinData { nullptr };
    std::string m_skinDataName { "bevel" };
    int m_skinIndex { -1 };
    gfx::TColor m_lightColor { gfx::clBtnHighlight };
    gfx::TColor m_darkColor { gfx::clBtnShadow };
};

} // namespace skinctrls
