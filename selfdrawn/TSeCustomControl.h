#pragma once

#include "platform/controls/TCustomControl.h"
#include "selfdrawn/SeTypes.h"

namespace selfdrawn {

// A windowed control that paints every pixel itself, through one pipeline:
// choose the surface (Performance), paint the parent's background when
// Transparent, paint the frame (bevels and border rings) around the content
// rectangle, PaintClient inside it, blend, copy to the window.
class TSeCustomControl : public ctl::TCustomControl {
public:
    explicit TSeCustomControl(ctl::TComponent* AOwner);

    TSePerformance Performance() const { return m_performance; }
    // kspNoBuffer is refused while blending is enabled.
    void SetPerformance(TSePerformance Value);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool Value);
    TSeBlending& Blending() { return m_blending; }

    TSeBevelSides BevelSides() const { return m_bevelSides; }
    void SetBevelSides(TSeBevelSides Value);
    TSeBevelCut BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(TSeBevelCut Value);
    TSeBevelCut BevelInner() const { return m_bevelInner; }
    void SetBevelInner(TSeBevelCut Value);
    TSeBevelKind BevelKind() const { return m_bevelKind; }
    void SetBevelKind(TSeBevelKind Value);
    int BevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(int Value);
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int Value);

    // The mouse is over the control.
    bool Hot() const { return m_hot; }
    // The rectangle inside the border rings and the bevels.
    virtual gfx::TRect GetContentRect() const;

protected:
    void Paint() override;
    // A self-drawn control paints its whole area; the window system never clears it.
    bool EraseBackground(gfx::TCanvas&) override { return true; }
    virtual void PaintClient(gfx::TCanvas& Canvas);
    virtual void PaintFrameArea(gfx::TCanvas& Canvas);
    // After a bevel or border property changed.
    virtual void FrameChanged();
    // A stored form finished loading: repaint with the loaded properties.
    void Loaded() override;
    // The font the current paint uses (a copy of Font taken as it starts).
    const gfx::TFont& PaintFont() const { return m_paintFont; }
    // Paints what lies behind the control on its parent.
    void PaintParentBackground(gfx::TCanvas& Canvas);

    void MouseEnter() override;
    void MouseLeave() override;
    void DoEnter() override;
    void DoExit() override;

private:
    void BlendingChanged();

    TSePerformance m_performance { TSePerformance::kspNoBuffer };
    bool m_transparent { false };
    TSeBlending m_blending;
    TSeBevelSides m_bevelSides { TSeBevelSides::All() };
    TSeBevelCut m_bevelOuter { TSeBevelCut::kbvLowered };
    TSeBevelCut m_bevelInner { TSeBevelCut::kbvLowered };
    TSeBevelKind m_bevelKind { TSeBevelKind::kbkNone };
    int m_bevelWidth { 0 };
    int m_borderWidth { 0 };
    bool m_hot { false };
    gfx::TFont m_paintFont;
};

// Paints the bevel rings and border rings of a frame into Rect.
void PaintBevelFrame(gfx::TCanvas& Canvas, gfx::TRect Rect, TSeBevelSides Sides, TSeBevelCut Outer, TSeBevelCut Inner,
    int BevelWidth, int BorderWidth, gfx::TColor Color);
// The rectangle left inside such a frame.
gfx::TRect BevelContentRect(gfx::TRect Rect, TSeBevelSides Sides, TSeBevelCut Outer, TSeBevelCut Inner, int BevelWidth,
    int BorderWidth);

} // namespace selfdrawn
