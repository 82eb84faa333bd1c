#pragma once

#include "platform/graphics/TBitmap.h"
#include "selfdrawn/SeButtonGlyph.h"
#include "selfdrawn/TSeCustomControl.h"

namespace selfdrawn {

enum class TSeButtonState { kbsNormal, kbsPressed };
// Where the glyph stands beside the caption.
enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// A push button with a Unicode caption (Caption/SetCaption of the control)
// and an optional glyph. Click gives ModalResult to the parent form and then
// runs OnClick. Enter clicks it while it is focused or acts as the form's
// default button (ActiveDefault), Esc when it is a Cancel button, and Alt
// with its caption's accelerator character focuses and clicks it.
class TSeCustomButton : public TSeCustomControl {
public:
    explicit TSeCustomButton(ctl::TComponent* AOwner);

    TSeButtonState State() const { return m_state; }
    bool Default() const { return m_default; }
    // Makes the parent form re-evaluate which button is its default one.
    void SetDefault(bool Value);
    // The button currently takes Enter as the form's default button: it is
    // Default and the focus is not on another button.
    bool ActiveDefault() const { return m_activeDefault; }
    bool Cancel() const { return m_cancel; }
    void SetCancel(bool Value) { m_cancel = Value; }
    int ModalResult() const { return m_modalResult; }
    void SetModalResult(int Value) { m_modalResult = Value; }
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool Value);
    int Spacing() const { return m_spacing; }
    void SetSpacing(int Value);

    // A strip of up to four images side by side: normal, disabled, pressed.
    // Setting it recomputes NumGlyphs from the strip's proportions.
    const gfx::TBitmap& Glyph() const { return m_glyph; }
    void SetGlyph(const gfx::TBitmap& Value);
    int NumGlyphs() const { return m_numGlyphs; }
    // Values outside 1..4 are ignored.
    void SetNumGlyphs(int Value);
    TButtonLayout Layout() const { return m_layout; }
    void SetLayout(TButtonLayout Value);
    // A kind other than bkCustom sets Default, the caption, ModalResult and a glyph.
    TBitBtnKind Kind() const { return m_kind; }
    void SetKind(TBitBtnKind Value);
    // The glyph is drawn in grey while the mouse is not over the button.
    bool BlackAndWhiteGlyph() const { return m_blackAndWhiteGlyph; }
    void SetBlackAndWhiteGlyph(bool Value);

    void Click() override;
    wnd::LRESULT WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam) override;

protected:
    void PaintClient(gfx::TCanvas& Canvas) override;
    void KeyDown(int& Key, ctl::TShiftState Shift) override;
    void KeyUp(int& Key, ctl::TShiftState Shift) override;
    void MouseDown(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y) override;
    void MouseMove(ctl::TShiftState Shift, int X, int Y) override;
    void MouseUp(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y) override;

private:
    void SetState(TSeButtonState Value);
    // Follows a focus change on the form: Control is the newly focused one.
    void FocusChanged(const ctl::TWinControl* Control);
    bool DialogKey(int Key);
    bool DialogChar(char32_t Character);
    void PaintFace(gfx::TCanvas& Canvas);
    int FaceThemeState() const;
    void PaintCaptionAndGlyph(gfx::TCanvas& Canvas);
    void PaintGlyph(gfx::TCanvas& Canvas, const gfx::TRect& Area);
    unsigned CaptionFlags() const;
    gfx::TSize GlyphSize() const;

    TSeButtonState m_state { TSeButtonState::kbsNormal };
    bool m_default { false };
    bool m_activeDefault { false };
    bool m_cancel { false };
    int m_modalResult { 0 };
    bool m_wordWrap { false };
    int m_spacing { 4 };
    gfx::TBitmap m_glyph;
    int m_numGlyphs { 1 };
    TButtonLayout m_layout { TButtonLayout::blGlyphLeft };
    TBitBtnKind m_kind { TBitBtnKind::bkCustom };
    bool m_blackAndWhiteGlyph { false };
    bool m_tracking { false };
};

class TSeSkinButton : public TSeCustomButton, public TSeSkinHook {
public:
    explicit TSeSkinButton(ctl::TComponent* AOwner) : TSeCustomButton(AOwner), TSeSkinHook("Button") { }
    // Only a skin hides the caption; the default look always draws it.
    bool ShowCaption { true };
    bool ShowGlyph { true };
};

} // namespace selfdrawn
