#pragma once

#include "platform/controls/TCustomControl.h"
#include "platform/text/TextEditModel.h"

#include <string>

namespace gfx {
class TCanvas;
}

namespace ctl {

// Case the text box forces on every text it gets, typed or set.
enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

// The common part of the native text boxes: the text lives in a shared
// editing model (caret, selection, undo) and this class turns keys, typed
// characters, input method text, mouse clicks and the clipboard into edits
// of that model. Descendants lay the text out: where a character index is
// drawn, which index lies under a point, and how the view scrolls.
//
// Positions (SelStart, SelLength) count characters, not bytes.
class TCustomEdit : public TCustomControl {
public:
    explicit TCustomEdit(TComponent* AOwner);
    ~TCustomEdit() override;

    int SelStart() const { return m_model.SelStart(); }
    int SelLength() const { return m_model.SelLength(); }
    void SetSelStart(int Value);
    void SetSelLength(int Value);
    std::string SelText() const;
    // Replaces the selection as typing would (undoable, MaxLength applies).
    void SetSelText(const std::string& Value);
    void SelectAll();
    void ClearSelection();
    void Clear() { SetText(""); }
    void CopyToClipboard() const;
    void CutToClipboard();
    void PasteFromClipboard();
    bool CanUndo() const { return m_model.CanUndo(); }
    void Undo();

    bool ReadOnly() const { return m_model.ReadOnly; }
    void SetReadOnly(bool Value);
    // 0: no limit; otherwise the most characters the user can enter.
    // Text set by the program is not limited.
    int MaxLength() const { return m_model.MaxLength; }
    void SetMaxLength(int Value) { m_model.MaxLength = Value; }
    // ASCII letters of the text, present and future, turned to one case.
    TEditCharCase CharCase() const { return m_charCase; }
    void SetCharCase(TEditCharCase Value);

    // Gaps between the field's inner edges and the text, in pixels (1 and 1 by default).
    int LeftMargin() const { return m_leftMargin; }
    int RightMargin() const { return m_rightMargin; }
    void SetMargins(int Left, int Right);

    TNotifyEvent OnChange;

    void AdjustClientRect(gfx::TRect& Rect) const override;

protected:
    const text::TextEditModel& Model() const { return m_model; }

    // Layout, in client coordinates.
    virtual gfx::TPoint CaretPoint(int Index) const = 0; // top-left of the caret before character Index
    virtual int IndexAt(int X, int Y) const = 0;
    // Moves the view so that the caret is visible.
    virtual void ScrollToCaret() = 0;
    // Draws the text and the selection inside the frame.
    virtual void PaintText(gfx::TCanvas& Canvas) = 0;
    // Line boxes turn pasted line breaks away; memos keep them.
    virtual bool MultiLine() const { return false; }
    // Up/Down/PageUp/PageDown: the index to move to, or -1 when the box has no lines.
    virtual int VerticalTarget(int Key) const;
    // Home/End without Ctrl: the line's ends (the whole text for a line box).
    virtual int LineStartOf(int Index) const;
    virtual int LineEndOf(int Index) const;
    // The text changed, from the user or the program; layout caches go stale.
    virtual void LayoutChanged() { }

    // The sunken field around the text.
    virtual void PaintFrame(gfx::TCanvas& Canvas);
    gfx::TRect TextArea() const;
    int LineHeight() const;
    int TextWidth(const std::u32string& Text) const;
    // The colour of the text: the font's while enabled, grey text while disabled.
    virtual gfx::TColor TextColor() const;

    void Paint() override;
    unsigned WantedKeys() const override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void KeyPress(unsigned& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void DoEnter() override;
    void DoExit() override;
    void TextChanged() override;
    void FontChanged() override;
    void Resize() override;

    // Moves the caret (selecting with Extend), scrolls to it and repaints.
    void MoveCaret(int Index, bool Extend);
    void UpdateCaret();

private:
    // Runs an edit of the model and publishes the new text when it changed.
    template <typename Edit>
    bool Apply(Edit&& edit);
    void Publish();
    std::u32string Incoming(const std::string& Utf8) const;

    text::TextEditModel m_model;
    TEditCharCase m_charCase { TEditCharCase::ecNormal };
    int m_leftMargin { 1 };
    int m_rightMargin { 1 };
    bool m_publishing { false };
    bool m_caretCreated { false };
};

} // namespace ctl
