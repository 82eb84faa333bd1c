#pragma once

#include "platform/graphics/ArrowGlyph.h"
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

    // The square of a check box, 13 x 13 with its top-left at (X, Y): sunken,
    // the window colour inside (button face while pressed or disabled), with a
    // check mark when checked, a grey one when grayed.
    enum class TCheckMark { Unchecked, Checked, Grayed };
    inline constexpr int kCheckBoxSize = 13;
    void DrawCheckBox(gfx::TCanvas& Canvas, int X, int Y, TCheckMark Mark, bool Pressed, bool Enabled);

    // The round mark of a radio button, 12 x 12 with its top-left at (X, Y),
    // with a dot when checked.
    inline constexpr int kRadioSize = 12;
    void DrawRadioMark(gfx::TCanvas& Canvas, int X, int Y, bool Checked, bool Pressed, bool Enabled);

    // One half of an up-down control: a button face with a small arrow.
    void DrawSpinButton(gfx::TCanvas& Canvas, const gfx::TRect& Rect, gfx::TArrowDirection Direction, bool Pressed,
        bool Enabled);

    enum class TMessageIcon { None, Question, Error, Information, Warning };
    // A 32 x 32 message icon with its top-left at (X, Y).
    void DrawMessageIcon(gfx::TCanvas& Canvas, int X, int Y, TMessageIcon Icon);

} // namespace StylePainter

} // namespace ctl
