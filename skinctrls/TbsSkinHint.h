#pragma once

#include "platform/controls/TApplication.h"
#include "platform/controls/TComponent.h"
#include "platform/graphics/TFont.h"

#include <memory>
#include <string>

namespace skin {
class TbsSkinData;
}
namespace ctl {
class TTimer;
}

namespace skinctrls {

class TbsSkinHintWindow;

// Puts the skinned hint window in place for the whole application while it
// lives (the previous hint window class comes back when it goes), routes the
// application's show-hint event to its own OnShowHint, and shows hint texts on
// request below the pointer (the skinned form's caption buttons use this).
// Of the TbsSkinHint components on the main form only one is active at a time.
class TbsSkinHint : public ctl::TComponent {
public:
    explicit TbsSkinHint(ctl::TComponent* AOwner);
    ~TbsSkinHint() override;

    skin::TbsSkinData* SkinData() const { return m_skinData; }
    void SetSkinData(skin::TbsSkinData* Value) { m_skinData = Value; }
    bool Active() const { return m_active; }
    // Turning one on turns every other active one of the main form off.
    void SetActive(bool Value);
    bool AlphaBlend { false };
    unsigned char AlphaBlendValue { 0 };
    const gfx::TFont& DefaultFont() const { return m_defaultFont; }
    void SetDefaultFont(const gfx::TFont& Value) { m_defaultFont = Value; }
    bool UseSkinFont { true };
    ctl::TShowHintEvent OnShowHint;

    // Shows Text below the pointer after the application's hint pause, for
    // the application's hide pause; a new request replaces a pending one.
    void ShowHintText(const std::string& Text);
    void HideHintText();
    // This component's own window (for the requested hint texts).
    TbsSkinHintWindow& HintWindow() const { return *m_hintWindow; }

private:
    void RouteShowHint();
    void StartTimer(int Milliseconds, bool Showing);
    void TimerTick();

    skin::TbsSkinData* m_skinData { nullptr };
    bool m_active { true };
    gfx::TFont m_defaultFont;
    std::unique_ptr<TbsSkinHintWindow> m_hintWindow;
    std::unique_ptr<ctl::TTimer> m_timer;
    bool m_timerShows { false };
    std::string m_text;
    // What the application had before this component took the hints over.
    ctl::THintWindowClass m_previousClass;
    ctl::TShowHintEvent m_previousShowHint;
    int m_previousShortPause { 0 };
};

} // namespace skinctrls
