#pragma once

#include "platform/window/Messages.h"
#include "skinform/FrameGeometry.h"

#include <functional>

namespace skinform {

// What the hit test of the skinned frame needs to know of the form.
struct TbsFrameHitState {
    gfx::TSize WindowSize;
    bool RolledUpOrMinimized { false };
    // Not maximized and with a sizeable border: the edges resize.
    bool Resizable { false };
    // A frame object is hot and no move or size loop runs: the frame keeps the mouse.
    bool ObjectHot { false };
    int BorderWidth { 0 };
    // Whether a point lies inside a caption object.
    std::function<bool(gfx::TPoint)> InCaptionObject;
    // Whether a probe point lies outside the window's shape; empty: outside
    // the window rectangle.
    std::function<bool(gfx::TPoint)> OutsideShape;
};

// The hit-test code of a point (window coordinates) on the skinned frame:
// HTCLIENT, HTCAPTION, one of the eight edge codes, or HTOBJECT for a frame
// object or the plain frame, which the window system leaves alone so that
// the frame objects get the mouse.
wnd::LRESULT FrameHitTest(const TbsFrameGeometry& g, gfx::TPoint p, const TbsFrameHitState& state);

} // namespace skinform
