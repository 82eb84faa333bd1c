#pragma once

#include "platform/controls/TForm.h"
#include "platform/controls/TMenuItem.h"

#include <vector>

namespace ctl {

// The window a TPopupMenu opens: its visible entries in a plain menu look,
// one row each, separators as thin lines. The pointer or Up/Down highlight an
// entry; a click or Enter chooses it, Esc or a click outside closes the menu
// with no choice. The chosen entry's OnClick runs after the window is gone.
class TPopupMenuWindow : public TForm {
public:
    explicit TPopupMenuWindow(TMenuItem& Root);

    // Shows the menu with its top-left at the screen point (kept on the
    // screen) and waits for the choice; null when the menu was closed.
    TMenuItem* Choose(int X, int Y);

    // The row of an entry in client coordinates, for tests and hit testing.
    gfx::TRect ItemRect(int Row) const;
    int RowCount() const { return static_cast<int>(m_rows.size()); }
    int Highlighted() const { return m_highlighted; }

    static constexpr int kRowHeight = 20;
    static constexpr int kLineHeight = 8;

protected:
    void PaintWindow(gfx::TCanvas& Canvas) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DialogKey(int Key) override;

private:
    int RowAt(int X, int Y) const;
    void Highlight(int Row);
    void Step(int Direction);
    void ChooseRow(int Row);

    std::vector<TMenuItem*> m_rows;
    int m_highlighted { -1 };
    TMenuItem* m_chosen { nullptr };
};

} // namespace ctl
