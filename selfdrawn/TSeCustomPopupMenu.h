#pragma once

#include "platform/controls/TComponent.h"
#include "platform/window/WinTypes.h"
#include "selfdrawn/TSeCustomItem.h"
#include "selfdrawn/TSePopupMenuOptions.h"

#include <memory>
#include <vector>

namespace selfdrawn {

class TSePopupWindow;

// A pop-up menu that paints itself: Popup opens a window of its own at a
// screen point and runs its own message loop, with the mouse and the
// keyboard, until an entry is chosen or the menu is dismissed. A chosen entry
// runs after Popup has returned (TSeClickHandler). At most one such menu is
// open at a time; opening another closes the first.
class TSeCustomPopupMenu : public ctl::TComponent {
public:
    explicit TSeCustomPopupMenu(ctl::TComponent* AOwner);
    ~TSeCustomPopupMenu() override;

    // Appends an entry the menu owns.
    TSeCustomItem* Add(const std::string& Caption, ctl::TNotifyEvent OnClick = {});
    int Count() const { return static_cast<int>(m_items.size()); }
    TSeCustomItem* Items(int Index) const { return m_items.at(static_cast<std::size_t>(Index)).get(); }

    TSePopupMenuOptions PopupMenuOptions;
    // Runs each time before the menu opens.
    ctl::TNotifyEvent OnPopup;

    // Opens the menu with its top-left corner at the screen point (moved to
    // the left of or above it where the menu would leave the work area) and
    // returns once it has closed.
    void Popup(int X, int Y);
    // While open: the window and whether the loop still runs.
    TSePopupWindow* Window() const { return m_window.get(); }
    bool Active() const { return m_active; }
    // The hint of the highlighted entry.
    const std::string& CurrentHint() const { return m_hint; }

    // The menu that is open, or nullptr.
    static TSeCustomPopupMenu* OpenMenu();
    // Where a window of this size opened at (X, Y) is placed.
    static gfx::TPoint PlaceWithin(gfx::TRect Bounds, gfx::TSize Size, gfx::TPoint At);

protected:
    virtual std::unique_ptr<TSeCustomItem> CreateItem();
    // The effects the menu opens with.
    virtual void ApplyOptions() { }

private:
    void RunLoop();
    // Handles a message the loop has taken off the queue.
    void HandleMessage(wnd::MSG& Msg);
    void HandleKey(const wnd::MSG& Msg);
    void HandleCharacter(char32_t Character);
    void MoveHighlight(int Step);
    void Highlight(int Index);
    void TrackPointer(gfx::TPoint Screen);
    void ChooseHighlighted();
    bool InsideHighlighted(gfx::TPoint Screen) const;
    // Every open menu stops highlighting and its loop ends.
    void Deactivate();

    std::vector<std::unique_ptr<TSeCustomItem>> m_items;
    std::unique_ptr<TSePopupWindow> m_window;
    bool m_active { false };
    std::string m_hint;
    gfx::TPoint m_lastPointer { -1, -1 };
};

// The menu class of the skin controls; without a skin provider it opens
// without effects and looks like its base.
class TSeSkinPopupMenu : public TSeCustomPopupMenu {
public:
    using TSeCustomPopupMenu::TSeCustomPopupMenu;

protected:
    std::unique_ptr<TSeCustomItem> CreateItem() override { return std::make_unique<TSeSkinItem>(); }
    void ApplyOptions() override;
};

} // namespace selfdrawn
