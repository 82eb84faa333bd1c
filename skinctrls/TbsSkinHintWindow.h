#pragma once

#include "platform/controls/THintWindow.h"
#include "skin/SkinGeometry.h"

namespace skin {
class TbsSkinData;
}

namespace skinctrls {

class TbsSkinHint;

// The application's hint window while a TbsSkinHint is in place: drawn from
// the skin's hint window picture (nine parts around the text, cut to the
// mask's shape) or, without one, as the text on the information colour in a
// one-pixel button-shadow frame. The TbsSkinHint in charge decides font,
// skin and transparency; with none in charge no hint is shown.
class TbsSkinHintWindow : public ctl::THintWindow {
public:
    // Hint: the component in charge; nullptr looks for the first active
    // TbsSkinHint of the application's main form at every activation.
    explicit TbsSkinHintWindow(TbsSkinHint* Hint = nullptr);

    gfx::TRect CalcHintRect(int MaxWidth, const std::string& Hint) override;
    void ActivateHint(gfx::TRect Rect, const std::string& Hint) override;

    // The skin of the last activation (nullptr: the plain look).
    const skin::TbsSkinData* SkinData() const { return m_skinData; }

protected:
    void Paint(gfx::TCanvas& Canvas) override;

private:
    TbsSkinHint* HintInCharge() const;
    // Font, skin and the window size for Hint, from the hint in charge.
    void PrepareLook(TbsSkinHint& Hint);
    void ApplyAlpha(const TbsSkinHint& Hint);
    void ApplyRegion();

    TbsSkinHint* m_fixedHint { nullptr };
    skin::TbsSkinData* m_skinData { nullptr };
    gfx::TSize m_textSize;
    gfx::TSize m_size;
    skin::TbsSkinGeometry m_sized;
    bool m_alphaApplied { false };
    unsigned char m_alphaValue { 255 };
};

} // namespace skinctrls
