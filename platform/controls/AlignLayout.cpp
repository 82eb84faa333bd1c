#include "platform/controls/AlignLayout.h"

#include <algorithm>
#include <vector>

namespace ctl {
namespace {

// The position along which controls of one alignment are stacked.
int StackKey(const TAlignItem& item)
{
    switch (item.Align) {
    case TAlign::alTop:
        return item.Bounds.Top;
    case TAlign::alBottom:
        return -item.Bounds.Bottom;
    case TAlign::alLeft:
        return item.Bounds.Left;
    case TAlign::alRight:
        return -item.Bounds.Right;
    default:
        return 0;
    }
}

std::vector<TAlignItem*> ItemsOf(std::span<TAlignItem> items, TAlign align)
{
    std::vector<TAlignItem*> list;
    for (TAlignItem& item : items)
        if (item.Visible && item.Align == align)
            list.push_back(&item);
    std::stable_sort(list.begin(), list.end(), [](const TAlignItem* a, const TAlignItem* b) {
        const int ka = StackKey(*a);
        const int kb = StackKey(*b);
        if (ka != kb)
            return ka < kb;
        return a->Moving && !b->Moving;
    });
    return list;
}

void Place(TAlignItem& item, gfx::TRect& rest)
{
    const int width = std::max(0, item.Bounds.Width());
    const int height = std::max(0, item.Bounds.Height());
    const int restWidth = std::max(0, rest.Width());
    const int restHeight = std::max(0, rest.Height());
    switch (item.Align) {
    case TAlign::alTop:
        item.Bounds = gfx::Bounds(rest.Left, rest.Top, restWidth, height);
        rest.Top += height;
        break;
    case TAlign::alBottom:
        rest.Bottom -= height;
        item.Bounds = gfx::Bounds(rest.Left, rest.Bottom, restWidth, height);
        break;
    case TAlign::alLeft:
        item.Bounds = gfx::Bounds(rest.Left, rest.Top, width, restHeight);
        rest.Left += width;
        break;
    case TAlign::alRight:
        rest.Right -= width;
        item.Bounds = gfx::Bounds(rest.Right, rest.Top, width, restHeight);
        break;
    case TAlign::alClient:
        item.Bounds = gfx::Bounds(rest.Left, rest.Top, restWidth, restHeight);
        break;
    case TAlign::alNone:
        break;
    }
}

// One axis of an anchored control: its start and length for the new parent
// length, from its placement in the old one.
void Anchor(bool anchorStart, bool anchorEnd, int start, int length, int oldParent, int newParent, int& outStart,
    int& outLength)
{
    const int delta = newParent - oldParent;
    outStart = start;
    outLength = length;
    if (anchorStart && anchorEnd) {
        outLength = std::max(0, length + delta);
    } else if (anchorEnd) {
        outStart = start + delta;
    } else if (!anchorStart && oldParent > 0) {
        // Neither edge anchored: the centre keeps its relative position.
        const int centre = start + length / 2;
        outStart = static_cast<int>(static_cast<long long>(centre) * newParent / oldParent) - length / 2;
    }
}

void PlaceAnchored(TAlignItem& item, const gfx::TRect& clientRect)
{
    if (item.AnchorParentSize.cx <= 0 && item.AnchorParentSize.cy <= 0)
        return;
    const gfx::TRect& b = item.AnchorBounds;
    int left = 0, width = 0, top = 0, height = 0;
    Anchor(item.Anchors.Contains(TAnchorKind::akLeft), item.Anchors.Contains(TAnchorKind::akRight), b.Left,
        b.Width(), item.AnchorParentSize.cx, clientRect.Width(), left, width);
    Anchor(item.Anchors.Contains(TAnchorKind::akTop), item.Anchors.Contains(TAnchorKind::akBottom), b.Top,
        b.Height(), item.AnchorParentSize.cy, clientRect.Height(), top, height);
    item.Bounds = gfx::Bounds(left, top, width, height);
}

} // namespace

void AlignItems(std::span<TAlignItem> items, const gfx::TRect& clientRect)
{
    gfx::TRect rest = clientRect;
    for (TAlign align : { TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient })
        for (TAlignItem* item : ItemsOf(items, align))
            Place(*item, rest);
    for (TAlignItem& item : items)
        if (item.Visible && item.Align == TAlign::alNone)
            PlaceAnchored(item, clientRect);
}

} // namespace ctl
