#pragma once

#include "skinctrls/SkinButtonBase.h"

namespace skinctrls {

// A windowed skinned push button: it takes the focus, answers Space, Enter
// (as the focused or default button) and Esc (as the cancel button), hands
// its ModalResult to its form, and can work as a toggle in a group or repeat
// its click while held.
class TbsSkinButton : public SkinButtonBase<TbsSkinCustomControl> {
public:
    explicit TbsSkinButton(ctl::TComponent* AOwner);

    // A grouped button does not take the focus.
    void SetGroupIndex(int Value) override;

    bool CanFocused() const { return m_canFocused; }
    void SetCanFocused(bool Value);
    bool Default() const { return m_default; }
    void SetDefault(bool Value);
    bool Cancel { false };
    ctl::TModalResult ModalResult { ctl::mrNone };

    // This button answers its form's Enter key: it has the focus, or it is the
    // Default button and no other skinned button has the focus.
    bool ActiveDefault() const;
    // The click users of the button see: sets the form's modal result, then
    // OnClick, or the linked action when there is no OnClick.
    void ButtonClick() override;
    void Click() override;

    wnd::LRESULT WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam) override;

protected:
    void DrawDefault(gfx::TBitmap& Bitmap) override;
    bool PressedLook() const override;
    bool HotLook() const override { return m_mouseIn || FocusedLook() || DefaultHighlight(); }
    void DrawSkinState(gfx::TBitmap& Bitmap, const gfx::TRect& Source, bool Hot, bool DownState) override;
    void MouseDown(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y) override;
    void MouseUp(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(int& Key, ctl::TShiftState Shift) override;
    void KeyUp(int& Key, ctl::TShiftState Shift) override;
    void DoEnter() override;
    void DoExit() override;
    bool Lit() const override { return m_mouseIn || FocusedLook(); }

private:
    bool FocusedLook() const { return m_canFocused && Focused(); }
    // The Default button lights up while a control of another kind has the focus.
    bool DefaultHighlight() const;
    void DrawContent(gfx::TCanvas& Canvas, bool Pressed) const;
    void RefreshForm();

    bool m_canFocused { true };
    bool m_default { false };
};

} // namespace skinctrls
