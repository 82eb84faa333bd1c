#pragma once

#include "platform/graphics/TCanvas.h"

#include <string_view>

namespace ctl {

// The shared looks of the standard controls, built on the 3-D edges of
// platform/graphics/EdgePainter.h: button faces, sunken fields, disabled
// text, small buttons and the icons of the message boxes. Every control
// draws these through here, so they look alike everywhere.
namespace StylePainter {

    // A push button face filling Rect: raised, or sunk while pressed; the
    // default button carries an extra dark outer ring.
    void DrawButtonFace(gfx::TCanvas& Canvas, const gfx::TRect& Rect, bool Pressed, bool IsDefault);

    // A sunken field (list boxes, tree views, date pickers): two rings, the
    // inside filled with Fill; Rect becomes the inside.
    void DrawSunkenField(gfx::TCanvas& Canvas, gfx::TRect& Rect, gfx::TColor Fill);
    // The same when the caller has no use for the inside.
    void DrawSunkenField(gfx::TCanvas& Canvas, const gfx::TRect& Rect, gfx::TColor Fill);

    // Text drawn in the greyed look of a disabled control.
    void DrawDisabledText(gfx::TCanvas& Canvas, std::string_view Text, gfx::TRect Rect, unsigned Format);

    // A small square button with a downward arrow (the date picker's).
    void DrawDropDownButton(gfx::TCanvas& Canvas, const gfx::TRect& Rect, bool Enabled);

    // The [+] / [-] box of a tree node centred on (X, Y).
    void DrawExpandButton(gfx::TCanvas& Canvas, int X, int Y, bool Expanded);

    enum class TMessageIcon { None, Question, Error, Information, Warning };
    // A 32 x 32 message icon with its top-left at (X, Y).
    void DrawMessageIcon(gfx::TCanvas& Canvas, int X, int Y, TMessageIcon Icon);

} // namespace StylePainter

} // namespace ctl
