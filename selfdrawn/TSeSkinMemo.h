#pragma once

#include "platform/controls/TTimer.h"
#include "selfdrawn/TSeCustomControl.h"
#include "selfdrawn/TSeScrollBar.h"
#include "selfdrawn/TSeTextEditor.h"

#include <vector>

namespace selfdrawn {

// Which scroll bars a memo may show; each appears only while the text does not fit.
enum class TSeScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// A self-drawn multi-line edit: the text (UTF-8, lines separated by "\n")
// with caret, selection, typing (Enter breaks the line), the input method,
// the clipboard, undo and a right-click menu on the shared editing model, in
// a sunken frame. With WordWrap the lines break at spaces and between Chinese
// characters to fit the width; without it a horizontal bar scrolls the long
// lines. The self-drawn bars mirror the rows and the widest line, the wheel
// scrolls, and dragging past the top or bottom edge keeps selecting and
// scrolling while the button is held.
class TSeCustomMemo : public TSeCustomControl, public TSeTextEditor {
public:
    explicit TSeCustomMemo(ctl::TComponent* AOwner);
    ~TSeCustomMemo() override;

    // One shown row of text: a whole line, or the part of a wrapped line.
    struct TRow {
        int start;
        int length;
    };

    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool Value);
    TSeScrollStyle ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(TSeScrollStyle Value);

    // Rows as shown at the current width (one per line without WordWrap).
    const std::vector<TRow>& Rows() const;
    int LineCount() const { return static_cast<int>(Rows().size()); }
    int TopLine() const { return m_topLine; }
    int VisibleLines() const;
    // The horizontal scroll offset in pixels.
    int LeftOffset() const { return m_leftOffset; }
    TSeCustomScrollBar& ScrollBar() { return *m_scrollBar; }
    TSeCustomScrollBar& HorzScrollBar() { return *m_horzScrollBar; }
    // Where the rows are drawn: inside the frame, beside the shown bars.
    gfx::TRect TextArea() const;

    ctl::TNotifyEvent OnChange;

    wnd::LRESULT WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam) override;

protected:
    void PaintClient(gfx::TCanvas& Canvas) override;
    void TextChanged() override;
    void FontChanged() override;
    void EnabledChanged() override;
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
    int RowOf(int Index) const;
    int RowHeight() const;
    int XOf(const TRow& Row, int Index) const;
    int IndexAt(const TRow& Row, int X) const;
    // The caret index nearest to a point of the client area; rows above or
    // below the text area count as the rows there.
    int IndexAtPoint(int X, int Y) const;
    int WidestRow() const;
    void LayoutChanged();
    void PlaceScrollBars();
    void UpdateScrollBars();
    void ScrollToRow(int Row);
    // Scrolls so that the caret's row (and, without a wrap, its column) shows.
    void KeepCaretInView();
    // After a scroll or a change of caret or text: bars, caret and picture follow.
    void ViewChanged();
    void ScrollByWheel(int Delta);
    void AutoScrollTick();

    bool m_wordWrap { true };
    TSeScrollStyle m_scrollBars { TSeScrollStyle::ssVertical };
    int m_topLine { 0 };
    int m_leftOffset { 0 };
    bool m_caretCreated { false };
    bool m_storing { false };
    bool m_dragging { false };
    gfx::TPoint m_dragPoint;
    mutable std::vector<TRow> m_rows;
    mutable bool m_rowsValid { false };
    mutable int m_widest { 0 };
    mutable bool m_widestValid { false };
    TSeCustomScrollBar* m_scrollBar;
    TSeCustomScrollBar* m_horzScrollBar;
    ctl::TTimer* m_autoScrollTimer;
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
