#pragma once

#include "platform/controls/TTimer.h"
#include "skinctrls/GlyphCaption.h"
#include "skinctrls/TbsSkinCustomControl.h"

#include <memory>

namespace skinctrls {

// A windowed skinned push button: it takes the focus, answers Space, Enter
// (as the focused or default button) and Esc (as the cancel button), hands
// its ModalResult to its form, and can work as a toggle in a group or repeat
// its click while held.
class TbsSkinButton : public TbsSkinCustomControl {
public:
    explicit TbsSkinButton(ctl::TComponent* AOwner);
    ~TbsSkinButton() override;

    const gfx::TBitmap& Glyph() const { return m_glyph; }
    void SetGlyph(const gfx::TBitmap& Value);
    int NumGlyphs() const { return m_numGlyphs; }
    void SetNumGlyphs(int Value);
    TbsButtonLayout Layout() const { return m_style.Layout; }
    void SetLayout(TbsButtonLayout Value);
    int Margin() const { return m_style.Margin; }
    void SetMargin(int Value);
    int Spacing() const { return m_style.Spacing; }
    void SetSpacing(int Value);

    bool Down() const { return m_down; }
    void SetDown(bool Value);
    int GroupIndex() const { return m_groupIndex; }
    // A grouped button does not take the focus.
    void SetGroupIndex(int Value);
    bool AllowAllUp { false };
    bool RepeatMode { false };
    int RepeatInterval { 100 };

    bool CanFocused() const { return m_canFocused; }
    void SetCanFocused(bool Value);
    bool Default() const { return m_default; }
    void SetDefault(bool Value);
    bool Cancel { false };
    ctl::TModalResult ModalResult { ctl::mrNone };

    // The pointer is over the button.
    bool MouseIn() const { return m_mouseIn; }
    // This button answers its form's Enter key: it has the focus, or it is the
    // Default button and no other skinned button has the focus.
    bool ActiveDefault() const;
    // The click users of the button see: sets the form's modal result, then OnClick.
    virtual void ButtonClick();
    void Click() override;

    wnd::LRESULT WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam) override;

protected:
    void DrawDefault(gfx::TBitmap& Bitmap) override;
    void DrawSkin(gfx::TBitmap& Bitmap) override;
    void MouseDown(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y) override;
    void MouseUp(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(int& Key, ctl::TShiftState Shift) override;
    void KeyUp(int& Key, ctl::TShiftState Shift) override;
    void DoEnter() override;
    void DoExit() override;
    void EnabledChanged() override;
    void TextChanged() override;

private:
    bool FocusedLook() const { return m_canFocused && Focused(); }
    // The Default button lights up while a control of another kind has the focus.
    bool DefaultHighlight() const;
    bool Hot() const { return m_mouseIn || FocusedLook() || DefaultHighlight(); }
    bool PressedLook() const;
    void DrawContent(gfx::TCanvas& Canvas, bool Pressed) const;
    void DrawSkinState(gfx::TBitmap& Bitmap, const gfx::TRect& Source, bool Hot, bool DownState);
    void ReleaseOthers();
    void StartRepeat();
    void StopRepeat();
    void RefreshForm();

    gfx::TBitmap m_glyph;
    int m_numGlyphs { 1 };
    TbsGlyphCaptionStyle m_style;
    bool m_down { false };
    int m_groupIndex { 0 };
    bool m_canFocused { true };
    bool m_default { false };
    bool m_mouseIn { false };
    bool m_mousePressed { false };
    bool m_downAtPress { false };
    std::unique_ptr<ctl::TTimer> m_repeatTimer;
};

} // namespace skinctrls
