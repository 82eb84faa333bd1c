#pragma once

#include <initializer_list>

namespace report {

// How a preview opens: as the last one was left, or fitted to the page width,
// the whole page or two pages side by side.
enum class TfrPreviewZoom { pzDefault, pzPageWidth, pzOnePage, pzTwoPages };

// The preview window's buttons, in their order on its tool bar.
enum class TfrPreviewButton { pbZoom, pbLoad, pbSave, pbPrint, pbFind, pbHelp, pbExit, pbPageSetup };

class TfrPreviewButtons {
public:
    constexpr TfrPreviewButtons() = default;
    constexpr TfrPreviewButtons(std::initializer_list<TfrPreviewButton> buttons)
    {
        for (TfrPreviewButton b : buttons)
            m_bits |= 1u << static_cast<unsigned>(b);
    }
    constexpr bool Contains(TfrPreviewButton b) const { return (m_bits & (1u << static_cast<unsigned>(b))) != 0; }

private:
    unsigned m_bits { 0 };
};

// Every button but page setup.
inline constexpr TfrPreviewButtons kDefaultPreviewButtons { TfrPreviewButton::pbZoom, TfrPreviewButton::pbLoad,
    TfrPreviewButton::pbSave, TfrPreviewButton::pbPrint, TfrPreviewButton::pbFind, TfrPreviewButton::pbHelp,
    TfrPreviewButton::pbExit };

} // namespace report
