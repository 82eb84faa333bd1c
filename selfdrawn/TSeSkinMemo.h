#pragma once

#include "selfdrawn/TSeCustomControl.h"
#include "selfdrawn/TSeScrollBar.h"
#include "selfdrawn/TSeTextEditor.h"

namespace selfdrawn {

// A self-drawn multi-line edit: the text (UTF-8, lines separated by "\n")
// with caret, selection, typing (Enter breaks the line), the input method,
// the clipboard and undo on the shared editing model, in a sunken frame with
// a vertical self-drawn scroll bar that appears when the lines do not fit.
class TSeCustomMemo : public TSeCustomControl, public TSeTextEditor {
public:
    explicit TSeCustomMemo(ctl::TComponent* AOwner);
    ~TSeCustomMemo() override;

    int LineCount() const;
    int TopLine() const { return m_topLine; }
    int VisibleLines() const;
    TSeCustomScrollBar& ScrollBar() { return *m_scrollBar; }

    ctl::TNotifyEvent OnChange;

    wnd::LRESULT WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam) override;

protected:
    void PaintClient(gfx::TCanvas& Canvas) override;
    void TextChanged() override;
    void BoundsChanged(const gfx::TRect& OldBounds) override;
    unsigned WantedKeys() const override;
    void KeyDown(int& Key, ctl::TShiftState Shift) override;
    void KeyPress(unsigned& Key) override;
    void MouseDown(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y) override;
    void MouseMove(ctl::TShiftState Shift, int X, int Y) override;
    void MouseUp(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y) override;
    void DoEnter() override;
    void DoExit() override;
    void TextEdited() override;
    void CaretMoved() override;
    bool MultiLine() const override { return true; }

private:
    struct TLine {
        int start;
        int length;
    };
    std::vector<TLine> Lines() const;
    int LineOf(int Index) const;
    int RowHeight() const;
    gfx::TRect TextArea() const;
    int XOf(const TLine& Line, int Index) const;
    int IndexAt(const TLine& Line, int X) const;
    void UpdateScrollBar();
    // The caret index nearest to a point of the client area; rows above or
    // below the text area count as the lines there.
    int IndexAtPoint(int X, int Y) const;

    int m_topLine { 0 };
    bool m_caretCreated { false };
    bool m_dragging { false };
    bool m_storing { false };
    TSeCustomScrollBar* m_scrollBar;
};

class TSeSkinMemo : public TSeCustomMemo, public TSeSkinHook {
public:
    explicit TSeSkinMemo(ctl::TComponent* AOwner) : TSeCustomMemo(AOwner), TSeSkinHook("Edit") { }

protected:
    std::unique_ptr<TSeCustomPopupMenu> CreateContextMenu() override
    {
        return std::make_unique<TSeSkinPopupMenu>(nullptr);
    }
};

} // namespace selfdrawn
