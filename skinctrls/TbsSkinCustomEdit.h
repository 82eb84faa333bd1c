#pragma once

#include "platform/graphics/TFont.h"
#include "skin/SkinnedControl.h"
#include "skinctrls/SkinPart.h"
#include "skinctrls/TbsCustomEdit.h"

#include <string>

namespace skin {
class TbsSkinData;
class TbsDataSkinEditControl;
}

namespace skinctrls {

// A one-line edit whose frame lies in the window's non-client area, drawn from
// the control's record (of the edit kind) in a loaded skin or, without one, in
// the default look: a button-shadow outline, a button-face ring and a white
// field. In button mode the right end of the frame is a button; pressing and
// releasing the mouse on it runs OnButtonClick. As in every one-line platform
// edit, Enter only raises the key-press event; Escape raises key-down and
// key-press before the form acts on it.
class TbsSkinCustomEdit : public TbsCustomEdit, public skin::SkinnedControl {
public:
    explicit TbsSkinCustomEdit(ctl::TComponent* AOwner);

    // The skin to draw with (not owned). Setting a loaded skin applies it.
    skin::TbsSkinData* SkinData() const override { return m_skinData; }
    void SetSkinData(skin::TbsSkinData* Value) override;
    // The name of the control's record in the skin; stored only, the next
    // apply uses it.
    // The name of this control's record in the skin.
    const std::string& SkinDataName() const { return m_skinDataName; }
    void SetSkinDataName(const std::string& Value) { m_skinDataName = Value; }
    // Index of the record in the skin's control list; -1 draws the default look.
    int SkinIndex() const { return m_skinIndex; }

    // The font without a record, and with one when UseSkinFont is false.
    // Without a record every change of it is copied to Font.
    const gfx::TFont& DefaultFont() const { return m_defaultFont; }
    void SetDefaultFont(const gfx::TFont& Value);
    // Take font name, height and style from the skin record.
    bool UseSkinFont { true };
    // The size taken without a record; 0 keeps the current size.
    int DefaultWidth() const { return m_defaultWidth; }
    void SetDefaultWidth(int Value);
    int DefaultHeight() const { return m_defaultHeight; }
    void SetDefaultHeight(int Value);

    bool ButtonMode() const { return m_buttonMode; }
    void SetButtonMode(bool Value);
    // Selects the whole text whenever the box gets the focus.
    bool AutoSelect { true };
    ctl::TNotifyEvent OnButtonClick;

    // In window coordinates (frame included): where the text goes, and the
    // button (empty outside button mode).
    gfx::TRect TextRect() const;
    gfx::TRect ButtonRect() const;
    bool ButtonHot() const { return m_buttonHot; }
    bool ButtonPressed() const { return m_buttonPressed; }

    // Finds the edit record of SkinDataName in SkinData (-1 without one).
    void LookupSkinRecord();
    // Re-reads the record and adapts font, colour, height and frame to it.
    void ApplySkin() override;
    // Forgets the record (the skin is about to be replaced).
    void ResetSkinIndex() override;

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    wnd::LRESULT WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam) override;

protected:
    // The frame and the field in the default look and in the skin look.
    virtual void DrawDefault(gfx::TBitmap& Bitmap);
    virtual void DrawSkin(gfx::TBitmap& Bitmap);

    void DrawWindowImage(gfx::TBitmap& Bitmap) override;
    gfx::TColor TextColor() const override;
    void FontChanged() override;
    void EnabledChanged() override;
    void MouseEnter() override;
    void MouseLeave() override;
    void DoEnter() override;
    void DoExit() override;
    void KeyDown(int& Key, ctl::TShiftState Shift) override;
    // The skin's replaceable strings decide the character set of the text.
    void Loaded() override;
    // A skin data going away leaves the edit without skin.
    void Notification(ctl::TComponent* AComponent, ctl::TOperation Operation) override;

private:
    const skin::TbsDataSkinEditControl* EditRecord() const;
    // The distances of the client area from the window's edges (left, top,
    // right, bottom) for a window of the given height.
    gfx::TRect FrameInsets(int AHeight) const;
    // The record's look while the pointer is over the box or it has the focus.
    bool Active() const { return m_focused || MouseInControl(); }
    void UpdateFontColor();
    // The frame changed its size: the window works out its client area again.
    void RecalcFrame();
    void SetButtonState(bool Hot, bool Pressed);
    gfx::TPoint ScreenToWindow(gfx::TPoint Screen) const;
    bool PointerOverWindow() const;
    wnd::LRESULT HitTest(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam);
    void NonClientMouseMove(gfx::TPoint Screen);
    bool NonClientButtonDown(gfx::TPoint Screen);
    void NonClientButtonUp(gfx::TPoint Screen);
    // A leave message: the pointer may only have crossed between frame and client.
    void PointerLeft();

    skin::TbsSkinData* m_skinData { nullptr };
    std::string m_skinDataName;
    int m_skinIndex { -1 };
    TbsSkinPart m_part;
    gfx::TFont m_defaultFont;
    int m_defaultWidth { 0 };
    int m_defaultHeight { 0 };
    bool m_buttonMode { false };
    bool m_buttonHot { false };
    bool m_buttonPressed { false };
    bool m_focused { false };
    bool m_escapePressed { false };
};

} // namespace skinctrls
