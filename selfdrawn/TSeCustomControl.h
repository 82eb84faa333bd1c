#pragma once

#include "selfdrawn/SeControlBase.h"

namespace selfdrawn {

// A windowed control that paints every pixel itself, through the pipeline
// of SeControlBase; its frame is made of bevels and border rings around the
// content rectangle.
class TSeCustomControl : public SeControlBase<ctl::TCustomControl> {
public:
    using SeControlBase::SeControlBase;

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

    // The rectangle inside the border rings and the bevels.
    gfx::TRect GetContentRect() const override;

protected:
    // A self-drawn control paints its whole area; the window system never clears it.
    bool EraseBackground(gfx::TCanvas&) override { return true; }
    void PaintFrameArea(gfx::TCanvas& Canvas) override;
    // After a bevel or border property changed.
    virtual void FrameChanged();
    // A stored form finished loading: repaint with the loaded properties.
    void Loaded() override;

    // The hot look and the focus look repaint the control.
    void MouseEnter() override;
    void MouseLeave() override;
    void DoEnter() override;
    void DoExit() override;

private:
    TSeBevelSides m_bevelSides { TSeBevelSides::All() };
    TSeBevelCut m_bevelOuter { TSeBevelCut::kbvLowered };
    TSeBevelCut m_bevelInner { TSeBevelCut::kbvLowered };
    TSeBevelKind m_bevelKind { TSeBevelKind::kbkNone };
    int m_bevelWidth { 0 };
    int m_borderWidth { 0 };
};

// Paints the bevel rings and border rings of a frame into Rect.
void PaintBevelFrame(gfx::TCanvas& Canvas, gfx::TRect Rect, TSeBevelSides Sides, TSeBevelCut Outer, TSeBevelCut Inner,
    int BevelWidth, int BorderWidth, gfx::TColor Color);
// The rectangle left inside such a frame.
gfx::TRect BevelContentRect(gfx::TRect Rect, TSeBevelSides Sides, TSeBevelCut Outer, TSeBevelCut Inner, int BevelWidth,
    int BorderWidth);

} // namespace selfdrawn
