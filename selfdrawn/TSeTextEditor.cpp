#include "selfdrawn/TSeTextEditor.h"

#include "platform/text/Utf8.h"
#include "platform/window/Clipboard.h"
#include "platform/window/Input.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Messages.h"
#include "platform/window/VirtualKeys.h"
#include "platform/window/Window.h"

#include <algorithm>

namespace selfdrawn {

std::u32string PastedLineBreaks(std::u32string_view Text, bool MultiLine)
{
    std::u32string out;
    out.reserve(Text.size());
    for (std::size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] == U'\r' || Text[i] == U'\n') {
            if (Text[i] == U'\r' && i + 1 < Text.size() && Text[i + 1] == U'\n')
                ++i;
            out += MultiLine ? U'\n' : U' ';
        } else {
            out += Text[i];
        }
    }
    return out;
}

std::string TSeTextEditor::SelText() const
{
    return text::Utf32ToUtf8(m_model.SelectedText());
}

void TSeTextEditor::CopyToClipboard()
{
    if (m_model.HasSelection() && MayCopy())
        wnd::SetClipboardText(SelText());
}

void TSeTextEditor::CutToClipboard()
{
    if (m_model.ReadOnly)
        return;
    CopyToClipboard();
    ClearSelection();
}

void TSeTextEditor::PasteFromClipboard()
{
    if (!m_model.ReadOnly && wnd::HasClipboardText())
        ReplaceSelection(PastedLineBreaks(text::Utf8ToUtf32(wnd::GetClipboardText()), MultiLine()));
}

void TSeTextEditor::ClearSelection()
{
    if (m_model.DeleteSelection())
        TextEdited();
}

void TSeTextEditor::SelectAll()
{
    m_model.SelectAll();
    CaretMoved();
}

void TSeTextEditor::Undo()
{
    if (m_model.Undo())
        TextEdited();
    else
        CaretMoved();
}

std::unique_ptr<TSeCustomPopupMenu> TSeTextEditor::CreateContextMenu()
{
    return std::make_unique<TSeCustomPopupMenu>(nullptr);
}

void TSeTextEditor::ShowContextMenu(gfx::TPoint Screen)
{
    if (!m_contextMenu) {
        m_contextMenu = CreateContextMenu();
        m_contextMenu->Add("Undo", [this](ctl::TObject*) { Undo(); });
        m_contextMenu->Add("-");
        m_contextMenu->Add("Cut", [this](ctl::TObject*) { CutToClipboard(); });
        m_contextMenu->Add("Copy", [this](ctl::TObject*) { CopyToClipboard(); });
        m_contextMenu->Add("Paste", [this](ctl::TObject*) { PasteFromClipboard(); });
        m_contextMenu->Add("Delete", [this](ctl::TObject*) { ClearSelection(); });
        m_contextMenu->Add("-");
        m_contextMenu->Add("Select All", [this](ctl::TObject*) { SelectAll(); });
    }
    PrepareContextMenu();
    m_contextMenu->PopupMenuOptions = ContextMenuOptions;
    // A drag or another mode of the form must not go on under the menu.
    if (wnd::GetCapture())
        wnd::ReleaseCapture();
    m_contextMenu->Popup(Screen.X, Screen.Y);
}

void TSeTextEditor::PrepareContextMenu()
{
    const bool selection = m_model.HasSelection();
    const bool writable = !m_model.ReadOnly;
    const auto entry = [this](int Index) { return m_contextMenu->Items(Index); };
    entry(0)->Enabled = m_model.CanUndo() && writable;
    entry(2)->Enabled = selection && MayCopy() && writable;
    entry(3)->Enabled = selection && MayCopy();
    entry(4)->Enabled = wnd::HasClipboardText() && writable;
    entry(5)->Enabled = selection && writable;
    entry(7)->Enabled = m_model.SelLength() != m_model.Length();
}

void TSeTextEditor::ReplaceSelection(const std::u32string& Insert)
{
    if (m_model.ReplaceSelection(Insert))
        TextEdited();
    else
        CaretMoved();
}

void TSeTextEditor::MoveCaretTo(int Index, bool Extend)
{
    m_model.MoveCaret(Index, Extend);
}

bool TSeTextEditor::EditingKey(int Key, ctl::TShiftState Shift)
{
    const bool shift = Shift.Contains(ctl::TShiftKind::ssShift);
    const bool ctrl = Shift.Contains(ctl::TShiftKind::ssCtrl);
    const bool alt = Shift.Contains(ctl::TShiftKind::ssAlt);
    const int caret = m_model.Caret();
    switch (Key) {
    case wnd::VK_BACK:
    case wnd::VK_DELETE:
        if (m_model.HasSelection() && shift && !ctrl && !alt)
            CutToClipboard();
        else if (Key == wnd::VK_DELETE ? m_model.DeleteForward() : m_model.DeleteBackward())
            TextEdited();
        return true;
    case wnd::VK_LEFT:
        MoveCaretTo(ctrl ? m_model.PreviousWordStart(caret) : std::max(0, caret - 1), shift);
        return true;
    case wnd::VK_RIGHT:
        MoveCaretTo(ctrl ? m_model.NextWordStart(caret) : std::min(m_model.Length(), caret + 1), shift);
        return true;
    case wnd::VK_INSERT:
        if (ctrl)
            CopyToClipboard();
        else if (shift)
            PasteFromClipboard();
        return ctrl || shift;
    default:
        break;
    }
    if (!ctrl)
        return false;
    switch (Key) {
    case 'C':
        CopyToClipboard();
        return true;
    case 'V':
        PasteFromClipboard();
        return true;
    case 'X':
        CutToClipboard();
        return true;
    case 'Z':
        Undo();
        return true;
    default:
        return false;
    }
}

void TSeTextEditor::TypeCharacter(unsigned Key)
{
    if (Key >= 0x20 && Key != 0x7F && !m_model.ReadOnly)
        ReplaceSelection(std::u32string(1, static_cast<char32_t>(Key)));
}

bool TSeTextEditor::EditorMessage(wnd::HWND Window, wnd::UINT Msg, wnd::LPARAM LParam)
{
    switch (Msg) {
    case wnd::WM_CONTEXTMENU: {
        if (!HasContextMenu())
            return true;
        // The menu key sends no point: the menu opens at the pointer then too.
        const gfx::TPoint at = wnd::PointFromLParam(LParam);
        ShowContextMenu(at.X == -1 && at.Y == -1 ? wnd::GetCursorPos() : at);
        return true;
    }
    case wnd::WM_IME_COMPOSITION:
        if ((LParam & wnd::GCS_RESULTSTR) == 0 || !Window)
            return false;
        for (char32_t c : text::Utf8ToUtf32(wnd::ImmGetCompositionString(Window, wnd::GCS_RESULTSTR)))
            if (!m_model.ReadOnly)
                ReplaceSelection(std::u32string(1, c));
        return true;
    case wnd::WM_CUT:
        CutToClipboard();
        return true;
    case wnd::WM_COPY:
        CopyToClipboard();
        return true;
    case wnd::WM_PASTE:
        PasteFromClipboard();
        return true;
    case wnd::WM_UNDO:
        Undo();
        return true;
    default:
        return false;
    }
}

} // namespace selfdrawn
