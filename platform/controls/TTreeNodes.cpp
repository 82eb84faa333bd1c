#include "platform/controls/TTreeNodes.h"

#include <algorithm>

namespace ctl {

TTreeNode::TTreeNode(TTreeNodes& owner, TTreeNode* parent, std::string text)
    : m_owner(&owner)
    , m_parent(parent)
    , m_text(std::move(text))
{
}

void TTreeNode::SetText(const std::string& Value)
{
    m_text = Value;
    m_owner->Changed();
}

void TTreeNode::SetImageIndex(int Value)
{
    m_imageIndex = Value;
    m_owner->Changed();
}

void TTreeNode::SetSelectedIndex(int Value)
{
    m_selectedIndex = Value;
    m_owner->Changed();
}

int TTreeNode::Level() const
{
    int level = 0;
    for (const TTreeNode* p = m_parent; p; p = p->m_parent)
        ++level;
    return level;
}

TTreeNode* TTreeNode::Item(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw EListError("Tree node index out of bounds (" + std::to_string(Index) + ")");
    return Children()[static_cast<std::size_t>(Index)].get();
}

void TTreeNode::SetChildrenSource(std::function<void(TTreeNode&)> fill)
{
    m_childrenSource = std::move(fill);
}

void TTreeNode::DeleteChildren()
{
    m_childrenSource = nullptr;
    if (m_children.empty())
        return;
    if (m_owner->Contains(this, m_owner->m_selected))
        m_owner->SetSelected(nullptr);
    m_children.clear();
    m_owner->Changed();
}

const std::vector<std::unique_ptr<TTreeNode>>& TTreeNode::Children() const
{
    if (m_childrenSource) {
        // Nodes are never made const, so the node may fill itself in; the
        // source is taken first so that adding the children does not ask it again.
        auto& self = const_cast<TTreeNode&>(*this);
        const auto fill = std::move(self.m_childrenSource);
        self.m_childrenSource = nullptr;
        ++m_owner->m_fillCount;
        try {
            fill(self);
        } catch (...) {
            --m_owner->m_fillCount;
            throw;
        }
        --m_owner->m_fillCount;
    }
    return m_children;
}

int TTreeNode::AbsoluteIndex() const
{
    int index = 0;
    for (TTreeNode* n = m_owner->GetFirstNode(); n && n != this; n = n->GetNext())
        ++index;
    return index;
}

void TTreeNode::SetExpanded(bool Value)
{
    if (Value == m_expanded)
        return;
    if (Value)
        Children();
    m_expanded = Value;
    // A node that is collapsed over the selection takes the selection itself.
    if (!Value && m_owner->m_selected && m_owner->Contains(this, m_owner->m_selected))
        m_owner->SetSelected(this);
    m_owner->Changed();
}

void TTreeNode::Expand(bool Recurse)
{
    SetExpanded(true);
    if (Recurse)
        for (auto& child : m_children)
            child->Expand(true);
}

void TTreeNode::Collapse(bool Recurse)
{
    if (Recurse)
        for (auto& child : m_children)
            child->Collapse(true);
    SetExpanded(false);
}

TTreeNode* TTreeNode::GetNextSibling() const
{
    const auto& siblings = m_owner->SiblingsOf(m_parent);
    const std::size_t i = static_cast<std::size_t>(m_index) + 1;
    return i < siblings.size() ? siblings[i].get() : nullptr;
}

TTreeNode* TTreeNode::GetPrevSibling() const
{
    return m_index > 0 ? m_owner->SiblingsOf(m_parent)[static_cast<std::size_t>(m_index - 1)].get() : nullptr;
}

TTreeNode* TTreeNode::GetNext() const
{
    if (!Children().empty())
        return m_children.front().get();
    for (const TTreeNode* n = this; n; n = n->m_parent)
        if (TTreeNode* next = n->GetNextSibling())
            return next;
    return nullptr;
}

bool TTreeNode::IsVisible() const
{
    for (const TTreeNode* p = m_parent; p; p = p->m_parent)
        if (!p->m_expanded)
            return false;
    return true;
}

TTreeNode* TTreeNode::GetNextVisible() const
{
    if (m_expanded && !Children().empty())
        return m_children.front().get();
    for (const TTreeNode* n = this; n; n = n->m_parent)
        if (TTreeNode* next = n->GetNextSibling())
            return next;
    return nullptr;
}

TTreeNode* TTreeNode::GetPrevVisible() const
{
    TTreeNode* prev = GetPrevSibling();
    if (!prev)
        return m_parent;
    while (prev->m_expanded && !prev->Children().empty())
        prev = prev->m_children.back().get();
    return prev;
}

bool TTreeNode::Selected() const
{
    return m_owner->m_selected == this;
}

std::vector<std::unique_ptr<TTreeNode>>& TTreeNodes::SiblingsOf(TTreeNode* parent)
{
    if (!parent)
        return m_roots;
    parent->Children();
    return parent->m_children;
}

const std::vector<std::unique_ptr<TTreeNode>>& TTreeNodes::SiblingsOf(const TTreeNode* parent) const
{
    return parent ? parent->m_children : m_roots;
}

bool TTreeNodes::Contains(const TTreeNode* ancestor, const TTreeNode* node) const
{
    for (const TTreeNode* p = node ? node->m_parent : nullptr; p; p = p->m_parent)
        if (p == ancestor)
            return true;
    return false;
}

TTreeNode* TTreeNodes::Add(TTreeNode* Sibling, const std::string& S)
{
    return AddChild(Sibling ? Sibling->m_parent : nullptr, S);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* Parent, const std::string& S)
{
    auto& siblings = SiblingsOf(Parent);
    siblings.push_back(std::make_unique<TTreeNode>(*this, Parent, S));
    TTreeNode* node = siblings.back().get();
    node->m_index = static_cast<int>(siblings.size()) - 1;
    Changed();
    return node;
}

TTreeNode* TTreeNodes::Insert(TTreeNode* Sibling, const std::string& S)
{
    if (!Sibling)
        return AddChild(nullptr, S);
    auto& siblings = SiblingsOf(Sibling->m_parent);
    const auto inserted = siblings.insert(siblings.begin() + Sibling->m_index,
        std::make_unique<TTreeNode>(*this, Sibling->m_parent, S));
    int index = Sibling->m_index;
    for (auto later = inserted; later != siblings.end(); ++later)
        (*later)->m_index = index++;
    Changed();
    return inserted->get();
}

void TTreeNodes::Delete(TTreeNode* Node)
{
    if (!Node)
        return;
    if (m_selected == Node || Contains(Node, m_selected))
        SetSelected(nullptr);
    auto& siblings = SiblingsOf(Node->m_parent);
    const auto position = siblings.erase(siblings.begin() + Node->m_index);
    for (auto later = position; later != siblings.end(); ++later)
        --(*later)->m_index;
    Changed();
}

void TTreeNodes::Clear()
{
    if (m_roots.empty())
        return;
    SetSelected(nullptr);
    m_roots.clear();
    Changed();
}

int TTreeNodes::Count() const
{
    int count = 0;
    for (TTreeNode* n = GetFirstNode(); n; n = n->GetNext())
        ++count;
    return count;
}

TTreeNode* TTreeNodes::Item(int Index) const
{
    TTreeNode* n = GetFirstNode();
    for (int i = 0; n && i < Index; ++i)
        n = n->GetNext();
    if (Index < 0 || !n)
        throw EListError("Tree node index out of bounds (" + std::to_string(Index) + ")");
    return n;
}

TTreeNode* TTreeNodes::Root(int Index) const
{
    if (Index < 0 || Index >= RootCount())
        throw EListError("Tree root index out of bounds (" + std::to_string(Index) + ")");
    return m_roots[static_cast<std::size_t>(Index)].get();
}

void TTreeNodes::SetSelected(TTreeNode* Node)
{
    if (Node == m_selected)
        return;
    m_selected = Node;
    // Selecting a hidden node opens the branches above it.
    for (TTreeNode* p = Node ? Node->m_parent : nullptr; p; p = p->m_parent)
        p->m_expanded = true;
    if (OnSelect)
        OnSelect(Node);
}

void TTreeNodes::EndUpdate()
{
    if (m_updateCount > 0 && --m_updateCount == 0)
        Changed();
}

void TTreeNodes::Changed()
{
    if (m_updateCount == 0 && m_fillCount == 0 && OnChange)
        OnChange();
}

} // namespace ctl
