#pragma once

#include "platform/controls/ControlTypes.h"
#include "selfdrawn/TSeCustomControl.h"
#include "selfdrawn/TSeTextEditor.h"

namespace selfdrawn {

enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
// How a password edit hides its characters: not at all, by one character,
// or by one drawn shape per character.
enum class TSePasswordKind { pkNone, pkChar, pkRect, pkRoundRect, pkCircle, pkTriangle };

// A self-drawn one-line edit. It keeps its own Unicode text (Text/SetText of
// the control, UTF-8), caret and selection, and handles the keyboard, the
// mouse, the input method, the clipboard and undo (no redo) itself. Setting
// the text from the program records no undo; OnChange runs whenever the
// stored text changes.
class TSeCustomEdit : public TSeCustomControl, public TSeTextEditor {
public:
    explicit TSeCustomEdit(ctl::TComponent* AOwner);
    ~TSeCustomEdit() override;

    TEditCharCase CharCase() const { return m_charCase; }
    void SetCharCase(TEditCharCase Value);
    bool AutoSelect { true };
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool Value);
    bool HideSelection() const { return m_hideSelection; }
    void SetHideSelection(bool Value);
    ctl::TAlignment TextAlignment() const { return m_alignment; }
    void SetTextAlignment(ctl::TAlignment Value);

    // With a password kind every character is shown as one cell holding a
    // symbol, and the text never goes to the clipboard.
    TSePasswordKind PasswordKind() const { return m_passwordKind; }
    void SetPasswordKind(TSePasswordKind Value);
    // The character of pkChar; setting one (not 0) switches to pkChar.
    char32_t PasswordWideChar() const { return m_passwordChar; }
    void SetPasswordWideChar(char32_t Value);

    void SetSelStart(int Value);
    void SetSelLength(int Value);
    // The first visible character, counted from 1.
    int FirstVisible() const { return m_first; }
    void Clear() { SetText(""); }

    // The line the text is drawn on.
    virtual gfx::TRect GetTextRect() const;
    // The width of one password cell (at least 1).
    virtual int GetPasswordCellWidth() const;
    // The highlighted part of the text line (empty without a selection).
    virtual gfx::TRect GetSelectionRect() const;
    // The x of caret index I.
    int CaretX(int I) const;
    // The caret index nearest to X.
    int HitTest(int X) const;

    ctl::TNotifyEvent OnChange;

    ctl::TCursor DisplayCursor() const override;
    wnd::LRESULT WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam) override;

protected:
    void PaintClient(gfx::TCanvas& Canvas) override;
    // The text line's background, in Color.
    virtual void PaintTextBackground(gfx::TCanvas& Canvas);
    // The visible text (or its password symbols) from the first visible character on.
    virtual void PaintText(gfx::TCanvas& Canvas);
    // The visible selected text again, in the highlight text colour, over Selection.
    virtual void PaintSelectedText(gfx::TCanvas& Canvas, const gfx::TRect& Selection);
    // One password symbol in its cell, in the font colour or, selected, the highlight text colour.
    virtual void PaintPasswordSymbol(gfx::TCanvas& Canvas, const gfx::TRect& Cell, bool Selected);
    // The system caret while focused (a pick-only combo box has none).
    virtual void ShowEditCaret();
    virtual void HideEditCaret();
    // Draws nothing of the text (a pick-only combo box draws its item itself).
    virtual bool DrawsText() const { return true; }

    void FrameChanged() override;
    void FontChanged() override;
    void TextChanged() override;
    void Loaded() override;
    unsigned WantedKeys() const override;
    void KeyDown(int& Key, ctl::TShiftState Shift) override;
    void KeyPress(unsigned& Key) override;
    void MouseDown(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y) override;
    void MouseMove(ctl::TShiftState Shift, int X, int Y) override;
    void MouseUp(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y) override;
    void DblClick() override;
    void DoEnter() override;
    void DoExit() override;

    void TextEdited() override;
    void CaretMoved() override;
    bool MayCopy() const override { return m_passwordKind == TSePasswordKind::pkNone; }

private:
    // Width of Count characters from index From (0-based), as drawn.
    int SpanWidth(int From, int Count) const;
    // The characters from the first shown one that reach past the control's
    // right edge (or all that remain), as UTF-8, with the rectangle they are
    // drawn in: painting a very long line costs only what can be seen.
    std::string VisibleText(gfx::TRect& Line) const;
    int LineHeight() const;
    void ScrollToCaret();
    void PlaceCaret();
    void AdjustHeight();
    void PaintPasswordSymbols(gfx::TCanvas& Canvas, int From, int To, bool Selected);

    TEditCharCase m_charCase { TEditCharCase::ecNormal };
    bool m_autoSize { true };
    bool m_hideSelection { true };
    ctl::TAlignment m_alignment { ctl::TAlignment::taLeftJustify };
    TSePasswordKind m_passwordKind { TSePasswordKind::pkNone };
    char32_t m_passwordChar { 0 };
    int m_first { 1 };
    bool m_dragging { false };
    bool m_caretCreated { false };
    bool m_storing { false };
};

class TSeSkinEdit : public TSeCustomEdit, public TSeSkinHook {
public:
    explicit TSeSkinEdit(ctl::TComponent* AOwner) : TSeCustomEdit(AOwner), TSeSkinHook("Edit") { }

protected:
    std::unique_ptr<TSeCustomPopupMenu> CreateContextMenu() override
    {
        return std::make_unique<TSeSkinPopupMenu>(nullptr);
    }
};

// The text as an upper- or lower-case box stores it: characters the legacy
// code page lacks are lost, letters change case.
std::u32string ConvertCharCase(const std::u32string& Text, TEditCharCase Case);

} // namespace selfdrawn
