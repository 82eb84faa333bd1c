#pragma once

#include "platform/controls/ControlTypes.h"
#include "platform/text/TextEditModel.h"
#include "platform/window/WinTypes.h"
#include "selfdrawn/TSeCustomPopupMenu.h"

#include <memory>
#include <string>

namespace selfdrawn {

// The editing that the self-drawn one-line edit and memo share: the text
// model with its caret, selection and undo, the clipboard, the editing keys
// and typed or composed characters. The control passes keys and characters
// in; the editor answers with TextEdited when the text changed and with
// CaretMoved after every other change of caret or selection.
// Line breaks of pasted text (CR LF, CR or LF) as "\n", or as one space each
// for a text of one line.
std::u32string PastedLineBreaks(std::u32string_view Text, bool MultiLine);

class TSeTextEditor {
public:
    virtual ~TSeTextEditor() = default;

    bool ReadOnly() const { return m_model.ReadOnly; }
    void SetReadOnly(bool Value) { m_model.ReadOnly = Value; }
    // 0: no limit; otherwise the most characters the text may hold.
    int MaxLength() const { return m_model.MaxLength; }
    void SetMaxLength(int Value) { m_model.MaxLength = Value > 0 ? Value : 0; }

    // Caret and selection in characters.
    int CaretIndex() const { return m_model.Caret(); }
    int SelStart() const { return m_model.SelStart(); }
    int SelLength() const { return m_model.SelLength(); }
    std::string SelText() const;
    bool CanUndo() const { return m_model.CanUndo(); }

    // Copy puts only a non-empty selection on the clipboard, and only when
    // the control lets its text be copied; cut deletes the selection even
    // when it could not be copied.
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    void ClearSelection();
    void SelectAll();
    void Undo();

    // The effects of the right-click menu (all off).
    TSePopupMenuOptions ContextMenuOptions;
    // The right-click menu: made on its first showing and kept from then on.
    TSeCustomPopupMenu* ContextMenu() const { return m_contextMenu.get(); }
    // Enables the menu's entries for the text as it is now and opens it at a
    // screen point; returns once it has closed (the chosen entry runs later).
    void ShowContextMenu(gfx::TPoint Screen);

protected:
    text::TextEditModel& Model() { return m_model; }
    const text::TextEditModel& Model() const { return m_model; }

    // The text changed by editing: the control stores it and notifies.
    virtual void TextEdited() = 0;
    // The caret or the selection moved: the control scrolls and repaints.
    virtual void CaretMoved() = 0;
    // Whether the selected text may leave the control through the clipboard.
    virtual bool MayCopy() const { return true; }
    // Whether the text may hold line breaks; pasted breaks of a one-line
    // text become spaces, so that nothing pasted disappears.
    virtual bool MultiLine() const { return false; }
    // The menu class of the control: the skin classes take the skin menu.
    virtual std::unique_ptr<TSeCustomPopupMenu> CreateContextMenu();
    virtual bool HasContextMenu() const { return true; }
    // Sets each entry's enabled state from the text, the selection and the clipboard.
    void PrepareContextMenu();

    // Replaces the selection with typed, pasted or composed text (refused
    // as a whole beyond MaxLength, silently when ReadOnly).
    void ReplaceSelection(const std::u32string& Insert);
    // Moves the caret to Index. With Extend the selection keeps its end away
    // from the caret and grows or shrinks on the caret's side, however it
    // was made (keys, mouse, select all, double click, undo).
    void MoveCaretTo(int Index, bool Extend);
    // Backspace, Delete (Shift alone with a selection: cut), Left and Right
    // (Ctrl: by words, Shift: extending), Ctrl+C/V/X/Z, Ctrl+Insert and
    // Shift+Insert. Returns whether Key was one of them; the caller places
    // the caret afterwards.
    bool EditingKey(int Key, ctl::TShiftState Shift);
    // A typed character: codes from 32 on (but Delete, 127) replace the selection.
    void TypeCharacter(unsigned Key);
    // The messages the editor answers for the control's window Window: the
    // input method's result (each character replaces the selection in turn,
    // and no character messages follow for it) the context menu and the platform's cut, copy,
    // paste and undo. True when Msg was one of them.
    bool EditorMessage(wnd::HWND Window, wnd::UINT Msg, wnd::LPARAM LParam);

private:
    text::TextEditModel m_model;
    std::unique_ptr<TSeCustomPopupMenu> m_contextMenu;
};

} // namespace selfdrawn
