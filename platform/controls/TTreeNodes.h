#pragma once

#include "platform/controls/TObject.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ctl {

class TTreeNodes;

// One node of a tree view: a label, image indexes and children. Nodes belong
// to their TTreeNodes; a program holds plain pointers that stay valid until
// the node is deleted or the tree cleared.
class TTreeNode {
public:
    TTreeNode(TTreeNodes& owner, TTreeNode* parent, std::string text);

    const std::string& Text() const { return m_text; }
    void SetText(const std::string& Value);
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int Value);
    int SelectedIndex() const { return m_selectedIndex; }
    void SetSelectedIndex(int Value);
    void* Data { nullptr };

    TTreeNode* Parent() const { return m_parent; }
    // 0 for a root, 1 for its children, …
    int Level() const;
    int Count() const { return static_cast<int>(Children().size()); }
    TTreeNode* Item(int Index) const;
    bool HasChildren() const { return m_childrenSource || !m_children.empty(); }
    // Lets a large tree make a branch's children only when they are first
    // needed: the first look at this node's children (counting, walking,
    // expanding) calls `fill`, which adds them as usual. Until then the node
    // holds none of them, so a tree of many collapsed branches costs only its
    // roots. Give a source only to a node known to have children: it counts as
    // having some (its button is drawn) without being filled.
    void SetChildrenSource(std::function<void(TTreeNode&)> fill);
    // Removes every child (and a source that waits to make them), keeping the
    // node itself; a selection among them is cleared.
    void DeleteChildren();
    // Position among its siblings; kept up to date as siblings come and go,
    // so walking a branch of many notes stays linear.
    int Index() const { return m_index; }
    // Position in the whole tree, counting every node before it depth-first.
    int AbsoluteIndex() const;

    bool Expanded() const { return m_expanded; }
    void SetExpanded(bool Value);
    void Expand(bool Recurse);
    void Collapse(bool Recurse);

    TTreeNode* GetFirstChild() const { return Children().empty() ? nullptr : Children().front().get(); }
    TTreeNode* GetLastChild() const { return Children().empty() ? nullptr : Children().back().get(); }
    TTreeNode* GetNextSibling() const;
    TTreeNode* GetPrevSibling() const;
    // The next node depth-first, whether shown or not.
    TTreeNode* GetNext() const;
    // Neighbours among the nodes a reader can see (all ancestors expanded).
    TTreeNode* GetNextVisible() const;
    TTreeNode* GetPrevVisible() const;
    bool IsVisible() const;

    bool Selected() const;
    TTreeNodes& Owner() const { return *m_owner; }

private:
    friend class TTreeNodes;

    // The children, made first if a source waits to make them.
    const std::vector<std::unique_ptr<TTreeNode>>& Children() const;

    TTreeNodes* m_owner;
    TTreeNode* m_parent;
    int m_index { 0 };
    std::string m_text;
    int m_imageIndex { 0 };
    int m_selectedIndex { 0 };
    bool m_expanded { false };
    std::vector<std::unique_ptr<TTreeNode>> m_children;
    std::function<void(TTreeNode&)> m_childrenSource;
};

// The nodes of a tree view. Adding and deleting report to the view through
// OnChange; deleting the selected node clears the selection.
class TTreeNodes {
public:
    TTreeNodes() = default;
    TTreeNodes(const TTreeNodes&) = delete;
    TTreeNodes& operator=(const TTreeNodes&) = delete;

    // Adds a node at the end of Sibling's level (a root when Sibling is null or a root).
    TTreeNode* Add(TTreeNode* Sibling, const std::string& S);
    // Adds a node at the end of Parent's children (a root when Parent is null).
    TTreeNode* AddChild(TTreeNode* Parent, const std::string& S);
    // Adds a node just before Sibling, on its level (at the end of the roots
    // when Sibling is null).
    TTreeNode* Insert(TTreeNode* Sibling, const std::string& S);
    void Delete(TTreeNode* Node);
    void Clear();

    // Number of nodes in the whole tree.
    int Count() const;
    // A node by its absolute index.
    TTreeNode* Item(int Index) const;
    TTreeNode* GetFirstNode() const { return m_roots.empty() ? nullptr : m_roots.front().get(); }
    int RootCount() const { return static_cast<int>(m_roots.size()); }
    TTreeNode* Root(int Index) const;

    TTreeNode* Selected() const { return m_selected; }
    void SetSelected(TTreeNode* Node);

    void BeginUpdate() { ++m_updateCount; }
    void EndUpdate();

    // The view repaints and re-measures on change; OnSelect follows a new selection.
    std::function<void()> OnChange;
    std::function<void(TTreeNode*)> OnSelect;

private:
    friend class TTreeNode;

    std::vector<std::unique_ptr<TTreeNode>>& SiblingsOf(TTreeNode* parent);
    const std::vector<std::unique_ptr<TTreeNode>>& SiblingsOf(const TTreeNode* parent) const;
    bool Contains(const TTreeNode* ancestor, const TTreeNode* node) const;
    void Changed();

    std::vector<std::unique_ptr<TTreeNode>> m_roots;
    TTreeNode* m_selected { nullptr };
    int m_updateCount { 0 };
    // Children made on demand do not change what the view shows, so they do
    // not report to it.
    int m_fillCount { 0 };
};

// Holds a tree's change reports back for a scope, so that the view measures
// and repaints once however many nodes change, also when the scope ends by
// an exception.
class TTreeNodesUpdate {
public:
    explicit TTreeNodesUpdate(TTreeNodes& nodes)
        : m_nodes(nodes)
    {
        m_nodes.BeginUpdate();
    }
    ~TTreeNodesUpdate() { m_nodes.EndUpdate(); }
    TTreeNodesUpdate(const TTreeNodesUpdate&) = delete;
    TTreeNodesUpdate& operator=(const TTreeNodesUpdate&) = delete;

private:
    TTreeNodes& m_nodes;
};

} // namespace ctl
