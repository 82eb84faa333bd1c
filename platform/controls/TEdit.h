#pragma once

#include "platform/controls/TCustomControl.h"

#include <algorithm>
#include <cstdlib>

namespace ctl {

// A one-line text box: a caret, a selection, typing (also through the input
// method), Backspace/Delete, Home/End and the arrows (with Shift to select),
// Ctrl+A/C/X/V with the clipboard, and mouse placement and selection. The
// text scrolls sideways to keep the caret in view. OnChange runs after every
// change of the text.
class TEdit : public TCustomControl {
public:
    explicit TEdit(TComponent* AOwner);
    ~TEdit() override;

    // Caret and selection in bytes of the UTF-8 text, always on character boundaries.
    int SelStart() const { return std::min(m_anchor, m_caret); }
    int SelLength() const { return std::abs(m_caret - m_anchor); }
    void SetSelStart(int Value);
    void SetSelLength(int Value);
    std::string SelText() const;
    void SetSelText(const std::string& Value);
    void SelectAll();
    void Clear() { SetText(""); }
    void CopyToClipboard() const;
    void CutToClipboard();
    void PasteFromClipboard();

    bool ReadOnly { false };
    // 0: no limit; otherwise the most characters the user can type.
    int MaxLength { 0 };

    TNotifyEvent OnChange;

    void AdjustClientRect(gfx::TRect& Rect) const override;

protected:
    void Paint() override;
    unsigned WantedKeys() const override { return DLGC_WANTARROWS | DLGC_WANTCHARS; }
    void KeyDown(int& Key, TShiftState Shift) override;
    void KeyPress(unsigned& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void DoEnter() override;
    void DoExit() override;
    void TextChanged() override;

private:
    gfx::TRect TextArea() const;
    int TextX(int Offset) const;
    int OffsetAt(int X) const;
    void MoveCaret(int Offset, bool Extend);
    void ReplaceSelection(const std::string& Text);
    void ScrollToCaret();
    void UpdateCaret();

    int m_anchor { 0 };
    int m_caret { 0 };
    int m_scroll { 0 };
    bool m_caretCreated { false };
};

} // namespace ctl
