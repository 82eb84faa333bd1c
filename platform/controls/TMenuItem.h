#pragma once

#include "platform/controls/ControlTypes.h"
#include "platform/controls/TComponent.h"

#include <string>
#include <vector>

namespace ctl {

class TImageList;

// One entry of a menu: a caption with an optional "&" access key, a shortcut
// text shown at its right, its states, an image and the entries of its
// submenu. A caption of "-" makes the entry a separator line.
//
// An entry frees the entries of its submenu; an entry freed on its own (by
// its owner or directly) leaves its parent's submenu first.
class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* AOwner = nullptr);
    ~TMenuItem() override;

    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& Value) { m_caption = Value; }
    // The shortcut as the text shown (such as "Alt+F4").
    const std::string& ShortCut() const { return m_shortCut; }
    void SetShortCut(const std::string& Value) { m_shortCut = Value; }

    bool Enabled { true };
    bool Visible { true };
    bool Checked { false };
    // A checked radio item shows a dot instead of a check mark.
    bool RadioItem { false };
    // The entry Enter would choose (shown in bold by menus that mark it).
    bool Default { false };
    // Index into the menu's image list; -1 for none.
    int ImageIndex { -1 };

    // A separator line (caption "-").
    bool IsLine() const { return m_caption == "-"; }
    // The access key: the character after a single "&" of the caption, in
    // upper case for ASCII letters; 0 when there is none.
    unsigned AccessKey() const;

    // The submenu.
    int Count() const { return static_cast<int>(m_items.size()); }
    TMenuItem* Items(int Index) const;
    TMenuItem* Parent() const { return m_parent; }
    int IndexOf(const TMenuItem* Item) const;
    // Takes the entry into the submenu (taking it out of another parent first).
    void Add(TMenuItem* Item);
    void Insert(int Index, TMenuItem* Item);
    // Takes the entry out of the submenu without freeing it.
    void Remove(TMenuItem* Item);
    // Frees the entry at Index, or every entry.
    void Delete(int Index);
    void Clear();
    // The entry of the submenu with this component name, or nullptr.
    TMenuItem* Find(const std::string& AName) const;
    // Visible entries of the submenu.
    int VisibleCount() const;

    // The image list of the menu the entry belongs to, looked up at its root.
    TImageList* GetImageList() const;
    // Set on the root entry by the menu that owns it.
    void SetImages(TImageList* Value) { m_images = Value; }

    // Runs OnClick when the entry is enabled.
    virtual void Click();
    TNotifyEvent OnClick;

private:
    std::string m_caption;
    std::string m_shortCut;
    TMenuItem* m_parent { nullptr };
    std::vector<TMenuItem*> m_items;
    TImageList* m_images { nullptr };
};

// A menu opened on demand (a right-click menu): its root entry holds the
// entries shown, and its image list the pictures of their ImageIndex.
class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* AOwner = nullptr);
    ~TPopupMenu() override;

    TMenuItem* Items() const { return m_items; }
    TImageList* Images() const { return m_images; }
    void SetImages(TImageList* Value);
    // Opens the menu with its top-left at the screen point and waits until
    // it closes; the chosen entry's OnClick runs then (TPopupMenuWindow).
    void Popup(int X, int Y);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TMenuItem* m_items;
    TImageList* m_images { nullptr };
};

} // namespace ctl
