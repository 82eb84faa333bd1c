#pragma once

#include "platform/controls/ControlTypes.h"
#include "skinctrls/TbsSkinCustomControl.h"

#include <vector>

namespace skin {
class TbsDataSkinPanelControl;
}

namespace skinctrls {

enum class TbsSkinBorderStyle { bvFrame, bvRaised, bvLowered, bvNone };

// A skinned container: a frame by BorderStyle and, in caption mode, a
// caption band at the top (with an optional check box, glyph and roll-up
// arrow) that keeps the children below it.
class TbsSkinPanel : public TbsSkinCustomControl {
public:
    explicit TbsSkinPanel(ctl::TComponent* AOwner);
    ~TbsSkinPanel() override;

    TbsSkinBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TbsSkinBorderStyle Value);
    bool CaptionMode() const { return m_captionMode; }
    void SetCaptionMode(bool Value);
    int DefaultCaptionHeight() const { return m_defaultCaptionHeight; }
    void SetDefaultCaptionHeight(int Value);
    ctl::TAlignment DefaultAlignment() const { return m_defaultAlignment; }
    void SetDefaultAlignment(ctl::TAlignment Value);

    bool CheckedMode() const { return m_checkedMode; }
    void SetCheckedMode(bool Value);
    bool Checked() const { return m_checked; }
    void SetChecked(bool Value);
    bool AutoEnabledControls { true };
    ctl::TNotifyEvent OnChecked;

    bool RollUpMode() const { return m_rollUpMode; }
    void SetRollUpMode(bool Value);
    bool RollUpState() const { return m_rollUpState; }
    void SetRollUpState(bool Value);
    // The height before the panel was rolled up; -1 when it is not.
    int RealHeight() const { return m_realHeight; }

    const gfx::TBitmap& Glyph() const { return m_glyph; }
    void SetGlyph(const gfx::TBitmap& Value);
    int NumGlyphs() const { return m_numGlyphs; }
    void SetNumGlyphs(int Value);
    int Spacing() const { return m_spacing; }
    void SetSpacing(int Value);

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void AdjustClientRect(gfx::TRect& Rect) const override;
    void ApplySkin() override;
    // The access key of a caption band toggles its check box (in checked
    // mode) and moves the focus to the first child that takes it.
    wnd::LRESULT WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam) override;

protected:
    // A child hidden by the roll-up that goes away leaves the hidden list.
    void Notification(ctl::TComponent* AComponent, ctl::TOperation Operation) override;
    void Paint() override;
    void DrawDefault(gfx::TBitmap& Bitmap) override;
    void DrawSkin(gfx::TBitmap& Bitmap) override;
    void MouseUp(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y) override;
    void TextChanged() override;
    void EnabledChanged() override;
    // The record as a panel record, nullptr for no record or another kind.
    const skin::TbsDataSkinPanelControl* PanelRecord() const;

private:
    // Check box, glyph, caption and roll-up arrow inside the band R.
    void DrawCaptionContent(gfx::TCanvas& Canvas, gfx::TRect R, ctl::TAlignment Alignment, gfx::TColor ArrowColor,
        bool Skinned);
    gfx::TRect CaptionHitRect() const;
    void RollUp();
    void RollDown();
    void Relayout();

    TbsSkinBorderStyle m_borderStyle { TbsSkinBorderStyle::bvFrame };
    bool m_captionMode { false };
    int m_defaultCaptionHeight { 22 };
    ctl::TAlignment m_defaultAlignment { ctl::TAlignment::taLeftJustify };
    bool m_checkedMode { false };
    bool m_checked { false };
    bool m_rollUpMode { false };
    bool m_rollUpState { false };
    int m_realHeight { -1 };
    gfx::TBitmap m_glyph;
    int m_numGlyphs { 1 };
    int m_spacing { 2 };
    std::vector<ctl::TControl*> m_hiddenChildren;
    bool m_hasHiddenList { false };
};

} // namespace skinctrls
