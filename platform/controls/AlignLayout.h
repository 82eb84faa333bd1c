#pragma once

#include "platform/graphics/Geometry.h"

#include <initializer_list>
#include <span>

namespace ctl {

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum class TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };

// A set of anchors: `{ TAnchorKind::akLeft, TAnchorKind::akTop }` (the default).
class TAnchors {
public:
    constexpr TAnchors() = default;
    constexpr TAnchors(std::initializer_list<TAnchorKind> kinds)
    {
        for (TAnchorKind k : kinds)
            m_bits |= static_cast<unsigned>(k);
    }
    constexpr bool Contains(TAnchorKind k) const { return (m_bits & static_cast<unsigned>(k)) != 0; }
    friend constexpr bool operator==(const TAnchors&, const TAnchors&) = default;

private:
    unsigned m_bits { 0 };
};

inline constexpr TAnchors kDefaultAnchors { TAnchorKind::akLeft, TAnchorKind::akTop };

// One child as the layout sees it. Bounds are in the parent's client
// coordinates and are rewritten by AlignItems.
struct TAlignItem {
    TAlign Align { TAlign::alNone };
    TAnchors Anchors { kDefaultAnchors };
    bool Visible { true };
    gfx::TRect Bounds;
    // For alNone: the bounds the control was given and the parent's client
    // size at that moment; anchors keep the distances of that placement.
    gfx::TRect AnchorBounds;
    gfx::TSize AnchorParentSize;
    // The control whose bounds or alignment just changed: among controls of
    // the same alignment at the same position it goes first.
    bool Moving { false };
};

// Lays the children out in the client rectangle, in the classic order: the
// top-aligned controls from the top edge down (ordered by their Top), then the
// bottom-aligned ones from the bottom edge up (by their bottom edge, lowest
// first), then left-aligned (by Left) and right-aligned (by their right edge)
// in the height that remains, and finally the client-aligned ones fill what is
// left. Aligned controls keep their thickness across the alignment edge;
// sizes never go below zero. Controls that are not aligned follow their anchors.
// Invisible controls take no space and are left as they are.
void AlignItems(std::span<TAlignItem> items, const gfx::TRect& clientRect);

} // namespace ctl
