#pragma once

#include "platform/controls/ControlTypes.h"
#include "platform/text/TextEditModel.h"
#include "selfdrawn/TSeCustomControl.h"

namespace selfdrawn {

enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

// A self-drawn one-line edit. It keeps its own Unicode text (Text/SetText of
// the control, UTF-8), caret and selection, and handles the keyboard, the
// mouse, the input method, the clipboard and undo (no redo) itself. Setting
// the text from the program records no undo; OnChange runs whenever the
// stored text changes.
class TSeCustomEdit : public TSeCustomControl {
public:
    explicit TSeCustomEdit(ctl::TComponent* AOwner);
    ~TSeCustomEdit() override;

    bool ReadOnly() const { return m_model.ReadOnly; }
    void SetReadOnly(bool Value) { m_model.ReadOnly = Value; }
    // 0: no limit; otherwise the most characters the text may hold.
    int MaxLength() const { return m_model.MaxLength; }
    void SetMaxLength(int Value) { m_model.MaxLength = std::max(0, Value); }
    TEditCharCase CharCase() const { return m_charCase; }
    void SetCharCase(TEditCharCase Value);
    bool AutoSelect { true };
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool Value);
    bool HideSelection() const { return m_hideSelection; }
    void SetHideSelection(bool Value);
    ctl::TAlignment TextAlignment() const { return m_alignment; }
    void SetTextAlignment(ctl::TAlignment Value);

    // Caret and selection in characters.
    int CaretIndex() const { return m_model.Caret(); }
    int SelStart() const { return m_model.SelStart(); }
    int SelLength() const { return m_model.SelLength(); }
    void SetSelStart(int Value);
    void SetSelLength(int Value);
    std::string SelText() const;
    // The first visible character, counted from 1.
    int FirstVisible() const { return m_first; }

    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    void ClearSelection();
    void SelectAll();
    void Undo();
    bool CanUndo() const { return m_model.CanUndo(); }
    void Clear() { SetText(""); }

    // The line the text is drawn on.
    virtual gfx::TRect GetTextRect() const;
    // The x of caret index I.
    int CaretX(int I) const;
    // The caret index nearest to X.
    int HitTest(int X) const;

    ctl::TNotifyEvent OnChange;

    ctl::TCursor DisplayCursor() const override;
    wnd::LRESULT WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam) override;

protected:
    void PaintClient(gfx::TCanvas& Canvas) override;
    void FrameChanged() override;
    void FontChanged() override;
    void TextChanged() override;
    unsigned WantedKeys() const override;
    void KeyDown(int& Key, ctl::TShiftState Shift) override;
    void KeyPress(unsigned& Key) override;
    void MouseDown(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y) override;
    void MouseMove(ctl::TShiftState Shift, int X, int Y) override;
    void MouseUp(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y) override;
    void DblClick() override;
    void DoEnter() override;
    void DoExit() override;
    // Draws nothing of the text (a pick-only combo box draws its item itself).
    virtual bool DrawsText() const { return true; }
    text::TextEditModel& Model() { return m_model; }

    // Replaces the selection with typed, pasted or composed text.
    void ReplaceSelection(const std::u32string& Insert);
    // The model's text changed: store it in the control and notify.
    void ModelChanged();
    // Puts the caret where the model says, scrolling it into view.
    void CaretMoved();

private:
    bool DeleteBackward();
    int TextWidth(std::u32string_view Text) const;
    int LineHeight() const;
    void ScrollToCaret();
    void PlaceCaret();
    void AdjustHeight();
    void CommitComposition();

    text::TextEditModel m_model;
    TEditCharCase m_charCase { TEditCharCase::ecNormal };
    bool m_autoSize { true };
    bool m_hideSelection { true };
    ctl::TAlignment m_alignment { ctl::TAlignment::taLeftJustify };
    int m_first { 1 };
    bool m_dragging { false };
    bool m_caretCreated { false };
    bool m_storing { false };
};

class TSeSkinEdit : public TSeCustomEdit, public TSeSkinHook {
public:
    explicit TSeSkinEdit(ctl::TComponent* AOwner) : TSeCustomEdit(AOwner), TSeSkinHook("Edit") { }
};

// The text as an upper- or lower-case box stores it: characters the legacy
// code page lacks are lost, letters change case.
std::u32string ConvertCharCase(const std::u32string& Text, TEditCharCase Case);

} // namespace selfdrawn
