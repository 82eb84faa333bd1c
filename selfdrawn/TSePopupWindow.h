#pragma once

#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/window/WinTypes.h"
#include "selfdrawn/TSeCustomItem.h"

#include <vector>

namespace selfdrawn {

// The window of an open self-drawn pop-up menu: a top-most tool window that
// never takes the activation, with a 3-pixel frame around a column of its
// visible entries, each as wide as the widest. It lays the entries out,
// paints them and tells which entry lies under a point; the menu's loop
// decides what happens.
class TSePopupWindow {
public:
    // Lays out Items (the invisible ones take no room) with the top-left corner at At.
    TSePopupWindow(const std::vector<TSeCustomItem*>& Items, gfx::TPoint At);
    ~TSePopupWindow();
    TSePopupWindow(const TSePopupWindow&) = delete;
    TSePopupWindow& operator=(const TSePopupWindow&) = delete;

    wnd::HWND Handle() const { return m_handle; }
    // Screen rectangle of the window.
    gfx::TRect BoundsRect() const;
    void MoveTo(gfx::TPoint TopLeft);
    void Show();

    // The laid-out entries, in menu order.
    const std::vector<TSeCustomItem*>& Entries() const { return m_entries; }
    // The entry under a screen point, or -1.
    int EntryAt(gfx::TPoint Screen) const;
    int Highlighted() const { return m_highlighted; }
    TSeCustomItem* HighlightedEntry() const;
    // Moves the highlight and repaints the two entries concerned.
    void SetHighlighted(int Index);
    // Screen rectangle of entry Index.
    gfx::TRect EntryScreenRect(int Index) const;

    // The menu font and the height of an ordinary entry.
    static gfx::TFont MenuFont();
    static int EntryHeight();

private:
    void Layout();
    void Paint(gfx::TCanvas& Canvas) const;
    void PaintFrame(gfx::TCanvas& Canvas) const;
    void PaintEntry(gfx::TCanvas& Canvas, const TSeCustomItem& Entry, bool Highlighted) const;
    void InvalidateEntry(int Index) const;

    std::vector<TSeCustomItem*> m_entries;
    wnd::HWND m_handle { nullptr };
    gfx::TSize m_size;
    int m_highlighted { -1 };
};

} // namespace selfdrawn
