#pragma once

#include "platform/controls/TCustomControl.h"

#include <memory>
#include <vector>

namespace ctl {

class TStatusBar;

// One field of a status bar: a width in pixels and a text.
class TStatusPanel {
public:
    explicit TStatusPanel(TStatusBar& owner) : m_owner(&owner) { }

    int Width() const { return m_width; }
    void SetWidth(int Value);
    const std::string& Text() const { return m_text; }
    void SetText(const std::string& Value);

private:
    TStatusBar* m_owner;
    int m_width { 50 };
    std::string m_text;
};

// The panels of a status bar, left to right.
class TStatusPanels {
public:
    explicit TStatusPanels(TStatusBar& owner) : m_owner(&owner) { }

    TStatusPanel* Add();
    int Count() const { return static_cast<int>(m_panels.size()); }
    TStatusPanel* Items(int Index) const;
    TStatusPanel* operator[](int Index) const { return Items(Index); }
    void Clear();

private:
    TStatusBar* m_owner;
    std::vector<std::unique_ptr<TStatusPanel>> m_panels;
};

// A bar along the bottom of a form with sunken panels of fixed widths, left
// to right from x 0, each showing a line of text; a sizing grip at the right
// end when its form can be sized.
class TStatusBar : public TCustomControl {
public:
    explicit TStatusBar(TComponent* AOwner);

    TStatusPanels& Panels() { return m_panels; }
    const TStatusPanels& Panels() const { return m_panels; }
    // The rectangle of panel Index in client coordinates.
    gfx::TRect PanelRect(int Index) const;
    bool SizeGrip { true };

    void PanelChanged();

protected:
    void Paint() override;

private:
    TStatusPanels m_panels;
};

} // namespace ctl
