#include "platform/text/TextEditModel.h"

#include <algorithm>

namespace text {
namespace {

bool IsBlank(char32_t c) { return c == U' ' || c == U'\t' || c == U'\r' || c == U'\n' || c == 0x3000; }

} // namespace

int TextEditModel::SelStart() const
{
    if (m_selection > 0)
        return m_anchor;
    if (m_selection < 0)
        return m_anchor + m_selection;
    return m_caret;
}

std::u32string TextEditModel::SelectedText() const
{
    return m_text.substr(static_cast<std::size_t>(SelStart()), static_cast<std::size_t>(SelLength()));
}

void TextEditModel::StoreText(std::u32string text)
{
    m_text = Filter ? Filter(text) : std::move(text);
    m_caret = std::clamp(m_caret, 0, Length());
}

bool TextEditModel::SetText(std::u32string text)
{
    std::u32string old = m_text;
    StoreText(std::move(text));
    m_selection = 0;
    if (m_text == old)
        return false;
    m_undo.clear();
    return true;
}

void TextEditModel::MoveCaret(int index, bool extend)
{
    int target = std::clamp(index, 0, Length());
    if (extend) {
        if (m_selection == 0)
            m_anchor = m_caret;
        m_selection += m_caret - target;
        m_anchor = target;
    } else {
        m_selection = 0;
    }
    m_caret = target;
}

void TextEditModel::SetSelection(int start, int length)
{
    start = std::clamp(start, 0, Length());
    length = std::clamp(length, 0, Length() - start);
    // The anchor is kept at the caret, the selection counted back from it, so
    // that a Shift move afterwards extends or shrinks it from the caret end.
    m_caret = start + length;
    m_anchor = m_caret;
    m_selection = -length;
}

void TextEditModel::SelectAll()
{
    SetSelection(0, Length());
}

int TextEditModel::PreviousWordStart(int index) const
{
    int i = std::clamp(index, 0, Length());
    while (i > 0 && IsBlank(m_text[i - 1]))
        --i;
    while (i > 0 && !IsBlank(m_text[i - 1]))
        --i;
    return i;
}

int TextEditModel::NextWordStart(int index) const
{
    int i = std::clamp(index, 0, Length());
    while (i < Length() && !IsBlank(m_text[i]))
        ++i;
    while (i < Length() && IsBlank(m_text[i]))
        ++i;
    return i;
}

void TextEditModel::SelectWordAt(int index)
{
    int i = std::clamp(index, 0, Length());
    int start = i;
    while (start > 0 && !IsBlank(m_text[start - 1]))
        --start;
    SetSelection(start, NextWordStart(i) - start);
}

void TextEditModel::Remove(int start, int count)
{
    std::u32string text = m_text;
    text.erase(static_cast<std::size_t>(start), static_cast<std::size_t>(count));
    StoreText(std::move(text));
}

void TextEditModel::RecordDeletion(const std::u32string& removed, int position)
{
    if (removed.empty())
        return;
    if (!m_undo.empty() && m_undo.back().kind == ActionKind::Deletion) {
        Action& top = m_undo.back();
        // Only a deletion that touches the one before joins it: right before
        // it (Backspace) or at the same place (Delete). Joining across a gap
        // would put the characters back in the wrong places on undo.
        const bool before = position + static_cast<int>(removed.size()) == top.position;
        const bool same = position == top.position;
        if (before || same) {
            top.text = before ? removed + top.text : top.text + removed;
            top.position = position;
            return;
        }
    }
    m_undo.push_back(Action { ActionKind::Deletion, position, removed, 0, false });
}

void TextEditModel::RecordInsertion(int count, int position, bool linked)
{
    if (!m_undo.empty() && m_undo.back().kind == ActionKind::Insertion
        && m_undo.back().position + m_undo.back().count == position) {
        m_undo.back().count += count;
        return;
    }
    m_undo.push_back(Action { ActionKind::Insertion, position, {}, count, linked });
}

bool TextEditModel::ReplaceSelection(const std::u32string& insert)
{
    if (ReadOnly)
        return false;
    const int start = SelStart();
    const std::u32string removed = SelectedText();
    std::u32string text = m_text;
    text.replace(static_cast<std::size_t>(start), removed.size(), insert);
    if (MaxLength > 0 && static_cast<int>(text.size()) > MaxLength) {
        m_selection = 0;
        return false;
    }
    RecordDeletion(removed, start + 1);
    if (!insert.empty())
        RecordInsertion(static_cast<int>(insert.size()), start + 1, !removed.empty());
    std::u32string old = m_text;
    StoreText(std::move(text));
    m_caret = std::min(start + static_cast<int>(insert.size()), Length());
    m_selection = 0;
    return m_text != old;
}

bool TextEditModel::DeleteSelection()
{
    if (ReadOnly || !HasSelection())
        return false;
    const int start = SelStart();
    RecordDeletion(SelectedText(), start + 1);
    Remove(start, SelLength());
    m_caret = start;
    m_selection = 0;
    return true;
}

bool TextEditModel::DeleteForward()
{
    if (HasSelection())
        return DeleteSelection();
    if (ReadOnly || m_caret >= Length())
        return false;
    RecordDeletion(m_text.substr(static_cast<std::size_t>(m_caret), 1), m_caret + 1);
    Remove(m_caret, 1);
    return true;
}

bool TextEditModel::DeleteBackward()
{
    if (HasSelection())
        return DeleteSelection();
    if (ReadOnly || m_caret <= 0)
        return false;
    RecordDeletion(m_text.substr(static_cast<std::size_t>(m_caret - 1), 1), m_caret);
    --m_caret;
    Remove(m_caret, 1);
    return true;
}

bool TextEditModel::Undo()
{
    if (m_undo.empty())
        return false;
    bool linked = true;
    while (linked && !m_undo.empty()) {
        Action action = m_undo.back();
        m_undo.pop_back();
        linked = action.linked;
        const int index = std::clamp(action.position - 1, 0, Length());
        if (action.kind == ActionKind::Deletion) {
            std::u32string restored = action.text;
            if (MaxLength > 0)
                restored.resize(static_cast<std::size_t>(std::clamp(MaxLength - Length(), 0, static_cast<int>(restored.size()))));
            std::u32string text = m_text;
            text.insert(static_cast<std::size_t>(index), restored);
            StoreText(std::move(text));
            SetSelection(index, static_cast<int>(restored.size()));
        } else {
            Remove(index, std::min(action.count, Length() - index));
            m_caret = index;
            m_selection = 0;
        }
    }
    return true;
}

} // namespace text
