#include "skinctrls/TbsSkinHint.h"

#include "platform/controls/TTimer.h"
#include "platform/window/Input.h"
#include "skinctrls/SkinCustomControlBase.h"
#include "skinctrls/TbsSkinHintWindow.h"

#include <algorithm>

namespace skinctrls {
namespace {

constexpr int kShortHintPause = 100;

} // namespace

TbsSkinHint::TbsSkinHint(ctl::TComponent* AOwner)
    : ctl::TComponent(AOwner), m_defaultFont(MakeSkinDefaultFont()),
      m_hintWindow(std::make_unique<TbsSkinHintWindow>(this))
{
    ctl::TApplication& app = *ctl::Application;
    m_previousClass = app.HintWindowClass();
    m_previousShowHint = app.OnShowHint;
    m_previousShortPause = app.HintShortPause;
    app.SetHintWindowClass([] { return std::make_unique<TbsSkinHintWindow>(); });
    // Off and on again: the application's hint window is made anew of the new class.
    app.SetShowHint(false);
    app.SetShowHint(true);
    RouteShowHint();
    app.HintShortPause = kShortHintPause;
}

TbsSkinHint::~TbsSkinHint()
{
    m_timer.reset();
    ctl::TApplication& app = *ctl::Application;
    // The application gets back the hint window it had before.
    app.SetHintWindowClass(m_previousClass);
    app.OnShowHint = m_previousShowHint;
    app.HintShortPause = m_previousShortPause;
    if (app.ShowHint()) {
        app.SetShowHint(false);
        app.SetShowHint(true);
    }
}

void TbsSkinHint::RouteShowHint()
{
    ctl::Application->OnShowHint = [this](std::string& HintStr, bool& CanShow, ctl::THintInfo& Info) {
        if (OnShowHint)
            OnShowHint(HintStr, CanShow, Info);
    };
}

void TbsSkinHint::SetActive(bool Value)
{
    m_active = Value;
    if (!Value)
        return;
    if (ctl::TForm* form = ctl::Application->MainForm())
        for (int i = 0; i < form->ComponentCount(); ++i)
            if (auto* other = dynamic_cast<TbsSkinHint*>(form->Components(i)); other && other != this)
                other->m_active = false;
    RouteShowHint();
}

void TbsSkinHint::ShowHintText(const std::string& Text)
{
    m_timer.reset();
    m_text = Text;
    StartTimer(ctl::Application->HintPause, true);
}

void TbsSkinHint::HideHintText()
{
    m_timer.reset();
    m_hintWindow->ReleaseHandle();
}

void TbsSkinHint::StartTimer(int Milliseconds, bool Showing)
{
    m_timer = std::make_unique<ctl::TTimer>(nullptr);
    m_timerShows = Showing;
    m_timer->OnTimer = [this](ctl::TObject*) { TimerTick(); };
    m_timer->SetInterval(static_cast<unsigned>(std::max(Milliseconds, 1)));
}

void TbsSkinHint::TimerTick()
{
    if (!m_timerShows) {
        HideHintText();
        return;
    }
    const gfx::TPoint anchor = ctl::HintAnchorBelowPointer(wnd::GetCursorPos());
    m_hintWindow->ActivateHint(gfx::Rect(anchor.X, anchor.Y, anchor.X, anchor.Y), m_text);
    StartTimer(ctl::Application->HintHidePause, false);
}

} // namespace skinctrls
