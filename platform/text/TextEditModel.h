#pragma once

#include <functional>
#include <string>
#include <vector>

namespace text {

// The editing state of a text box, without any drawing: the text as
// characters, the caret, the selection and the undo stack.
//
// The selection is an anchor A and a signed length d: for d > 0 it covers d
// characters from A on, for d < 0 the |d| characters before A, for d = 0
// nothing. Undo has no redo; consecutive typing, and consecutive deletions
// with Backspace or Delete, each undo as one step, and replacing a selection
// undoes together with the deletion it caused.
class TextEditModel {
public:
    const std::u32string& Text() const { return m_text; }
    int Length() const { return static_cast<int>(m_text.size()); }

    // Replaces the whole text without recording undo. The caret is clamped to
    // the new length and the selection cleared. A different text also empties
    // the undo stack: its entries point into the text they were made on.
    // Returns true when the text changed.
    bool SetText(std::u32string text);

    int Caret() const { return m_caret; }
    int SelStart() const;
    int SelLength() const { return m_selection < 0 ? -m_selection : m_selection; }
    std::u32string SelectedText() const;
    bool HasSelection() const { return m_selection != 0; }

    // Moves the caret; with `extend` the selection grows or shrinks with it,
    // otherwise it is cleared.
    void MoveCaret(int index, bool extend);
    void SetSelection(int start, int length);
    void SelectAll();
    void ClearSelection() { m_selection = 0; }
    // Selects from the start of the word around `index` to the start of the
    // next word and puts the caret at its end.
    void SelectWordAt(int index);

    // Word boundaries (words are separated by blanks).
    int PreviousWordStart(int index) const;
    int NextWordStart(int index) const;

    // Editing. Each returns true when the text changed; all refuse when ReadOnly.
    // Replacing the selection is refused as a whole when the result would be
    // longer than MaxLength (> 0); the selection then collapses.
    bool ReplaceSelection(const std::u32string& insert);
    bool DeleteSelection();
    // Delete: the selection, else the character after the caret.
    bool DeleteForward();
    // Backspace: the selection, else the character before the caret.
    bool DeleteBackward();
    bool CanUndo() const { return !m_undo.empty(); }
    bool Undo();

    int MaxLength { 0 };
    bool ReadOnly { false };
    // Applied to every new text, e.g. for upper- or lower-case boxes.
    std::function<std::u32string(const std::u32string&)> Filter;

private:
    enum class ActionKind { Deletion, Insertion };
    struct Action {
        ActionKind kind;
        int position; // counted from 1
        std::u32string text; // removed text of a deletion
        int count { 0 }; // inserted characters of an insertion
        bool linked { false }; // undo the entry below together with this one
    };

    void RecordDeletion(const std::u32string& removed, int position);
    void RecordInsertion(int count, int position, bool linked);
    void StoreText(std::u32string text);
    void Remove(int start, int count);

    std::u32string m_text;
    int m_caret { 0 };
    int m_selection { 0 }; // signed length from the caret-side anchor
    int m_anchor { 0 };
    std::vector<Action> m_undo;
};

} // namespace text
