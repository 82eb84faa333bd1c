#include "platform/controls/TMenuItem.h"

#include "platform/controls/TImageList.h"
#include "platform/graphics/TextLayout.h"

#include <algorithm>

namespace ctl {

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) { }

TMenuItem::~TMenuItem()
{
    Clear();
    if (m_parent)
        m_parent->Remove(this);
}

unsigned TMenuItem::AccessKey() const
{
    const gfx::textlayout::Unprefixed plain = gfx::textlayout::StripPrefixes(m_caption);
    if (plain.Underlined.empty())
        return 0;
    const unsigned char c = static_cast<unsigned char>(plain.Text[plain.Underlined.front()]);
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 'A';
    // Only plain ASCII characters can be typed as a key of their own.
    return c < 0x80 ? c : 0;
}

TMenuItem* TMenuItem::Items(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw EListError("Menu index out of bounds");
    return m_items[static_cast<std::size_t>(Index)];
}

int TMenuItem::IndexOf(const TMenuItem* Item) const
{
    const auto it = std::find(m_items.begin(), m_items.end(), Item);
    return it == m_items.end() ? -1 : static_cast<int>(it - m_items.begin());
}

void TMenuItem::Add(TMenuItem* Item) { Insert(Count(), Item); }

void TMenuItem::Insert(int Index, TMenuItem* Item)
{
    if (!Item || Item == this)
        return;
    for (const TMenuItem* up = m_parent; up; up = up->m_parent)
        if (up == Item)
            throw EComponentError("A menu item cannot hold its own parent");
    if (Item->m_parent)
        Item->m_parent->Remove(Item);
    Index = std::clamp(Index, 0, Count());
    m_items.insert(m_items.begin() + Index, Item);
    Item->m_parent = this;
}

void TMenuItem::Remove(TMenuItem* Item)
{
    const int index = IndexOf(Item);
    if (index < 0)
        return;
    m_items.erase(m_items.begin() + index);
    Item->m_parent = nullptr;
}

void TMenuItem::Delete(int Index)
{
    TMenuItem* item = Items(Index);
    delete item; // leaves the list in its destructor
}

void TMenuItem::Clear()
{
    while (!m_items.empty())
        delete m_items.back();
}

TMenuItem* TMenuItem::Find(const std::string& AName) const
{
    for (TMenuItem* item : m_items)
        if (item->Name() == AName)
            return item;
    return nullptr;
}

int TMenuItem::VisibleCount() const
{
    return static_cast<int>(std::count_if(m_items.begin(), m_items.end(), [](const TMenuItem* i) { return i->Visible; }));
}

TImageList* TMenuItem::GetImageList() const
{
    const TMenuItem* root = this;
    while (root->m_parent)
        root = root->m_parent;
    return root->m_images;
}

void TMenuItem::Click()
{
    if (Enabled && OnClick)
        OnClick(this);
}

TPopupMenu::TPopupMenu(TComponent* AOwner) : TComponent(AOwner), m_items(new TMenuItem(nullptr)) { }

TPopupMenu::~TPopupMenu() { delete m_items; }

void TPopupMenu::SetImages(TImageList* Value)
{
    if (m_images)
        m_images->RemoveFreeNotification(this);
    m_images = Value;
    if (m_images)
        m_images->FreeNotification(this);
    m_items->SetImages(Value);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == TOperation::opRemove && AComponent == m_images) {
        m_images = nullptr;
        m_items->SetImages(nullptr);
    }
    TComponent::Notification(AComponent, Operation);
}

} // namespace ctl
