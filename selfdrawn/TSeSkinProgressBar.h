#pragma once

#include "selfdrawn/TSeCustomControl.h"

namespace selfdrawn {

enum class TSeProgressBarOrientation { kboHorizontal, kboVertical };

// A horizontal or vertical progress bar: separate blocks, or a smooth bar,
// in the highlight colour inside an optional sunken frame. BorderWidth is an
// extra margin inside that frame.
class TSeCustomProgressBar : public TSeCustomControl {
public:
    explicit TSeCustomProgressBar(ctl::TComponent* AOwner);

    int Min() const { return m_min; }
    void SetMin(int Value);
    int Max() const { return m_max; }
    void SetMax(int Value);
    int Position() const { return m_position; }
    // Repaints and handles the pending window messages when what the bar
    // shows changes (DrawnExtent), so the new state is on screen before it
    // returns.
    void SetPosition(int Value);
    TSeProgressBarOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TSeProgressBarOrientation Value);
    bool Smooth() const { return m_smooth; }
    void SetSmooth(bool Value);
    bool ShowBorder() const { return m_showBorder; }
    void SetShowBorder(bool Value);

    // The fraction shown: 0 when Min is negative, Position is outside
    // Min..Max or Min equals Max.
    float Fraction() const;
    // The bar's rectangle inside the frame and the margin.
    gfx::TRect BarRect() const;
    // What the bar shows at its position: the number of blocks drawn, or for
    // a smooth or themed bar the filled length in pixels.
    int DrawnExtent() const;
    gfx::TRect GetContentRect() const override { return gfx::Rect(0, 0, Width(), Height()); }

protected:
    void PaintClient(gfx::TCanvas& Canvas) override;

private:
    void PaintBlocks(gfx::TCanvas& Canvas, const gfx::TRect& Bar, float F);
    int BlockThickness(const gfx::TRect& Bar) const;
    // Blocks drawn at fraction F: none below 0.01, else nearest(F * N) + 1.
    int BlockCount(const gfx::TRect& Bar, float F) const;
    // The part of Bar that fraction F fills, from the bar's start.
    gfx::TRect FilledRect(const gfx::TRect& Bar, float F) const;

    int m_min { 0 };
    int m_max { 100 };
    int m_position { 0 };
    TSeProgressBarOrientation m_orientation { TSeProgressBarOrientation::kboHorizontal };
    bool m_smooth { false };
    bool m_showBorder { true };
};

class TSeSkinProgressBar : public TSeCustomProgressBar, public TSeSkinHook {
public:
    explicit TSeSkinProgressBar(ctl::TComponent* AOwner) : TSeCustomProgressBar(AOwner), TSeSkinHook("ProgressBar") { }
};

} // namespace selfdrawn
