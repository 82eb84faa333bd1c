#pragma once

#include "platform/graphics/TCanvas.h"

#include <memory>
#include <string_view>

namespace selfdrawn {

// The desktop's visual-style theme, through which the self-drawn controls
// draw their themed frames, buttons and bars: one part of a named theme class
// ("Edit", "Button", "Progress", "ScrollBar", "ComboBox") in one state. This
// desktop offers no such library, so the installed style is the null one:
// it is never active and the controls draw their classic looks. A real
// theme can be installed later without touching the controls.
class TSeVisualStyle {
public:
    virtual ~TSeVisualStyle() = default;

    // Whether the program is themed and a theme is active.
    virtual bool Active() const { return false; }
    // Draws part Part of theme class ClassName in State over Rect.
    virtual void DrawPart(gfx::TCanvas&, std::string_view /*ClassName*/, int /*Part*/, int /*State*/, const gfx::TRect&) { }

    // The installed style.
    static TSeVisualStyle& Current();
    // Installs a style; nullptr puts the null style back.
    static void Install(std::unique_ptr<TSeVisualStyle> Style);
};

// Theme states shared by the parts the controls draw.
inline constexpr int kThemeNormal = 1;
inline constexpr int kThemeHot = 2;
inline constexpr int kThemePressed = 3;
inline constexpr int kThemeFocused = 3;
inline constexpr int kThemeDisabled = 4;
inline constexpr int kThemeDefaulted = 5;

// Parts of the theme classes the controls draw.
inline constexpr int kThemeEditFrame = 1;      // "Edit"
inline constexpr int kThemeButtonFace = 1;     // "Button"
inline constexpr int kThemeProgressTrough = 1; // "Progress"
inline constexpr int kThemeProgressFill = 3;   // "Progress"
inline constexpr int kThemeScrollArrow = 1;    // "ScrollBar"
inline constexpr int kThemeScrollThumb = 2;    // "ScrollBar"
inline constexpr int kThemeScrollTrack = 4;    // "ScrollBar"
inline constexpr int kThemeComboButton = 1;    // "ComboBox"

} // namespace selfdrawn
