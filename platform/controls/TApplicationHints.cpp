#include "platform/controls/TApplication.h"

#include "platform/controls/TTimer.h"
#include "platform/controls/TWinControl.h"
#include "platform/window/Input.h"

#include <algorithm>

namespace ctl {
namespace {

// The control whose hint applies at Control: the first of it and its
// parents that has a hint text.
TControl* HintSource(TControl* Control)
{
    for (TControl* c = Control; c; c = c->Parent())
        if (!c->Hint().empty())
            return c;
    return nullptr;
}

// The short hint: the text before the first "|".
std::string ShortHint(const std::string& Hint)
{
    return Hint.substr(0, Hint.find('|'));
}

} // namespace

void TApplication::SetShowHint(bool Value)
{
    if (Value == m_showHint)
        return;
    m_showHint = Value;
    CancelHint();
    // The window is made anew, of the current class, for the next hint.
    m_hintWindow.reset();
}

void TApplication::SetHintWindowClass(THintWindowClass Value)
{
    m_hintWindowClass = std::move(Value);
}

void TApplication::HintMouseMessage(TControl* Control)
{
    TControl* source = m_showHint ? HintSource(Control) : nullptr;
    if (source == m_hintControl)
        return;
    // From one hint to the next the wait is short, also across the gap between two controls.
    const bool shortPause = m_hintShowing || m_hintJustLeft;
    CancelHint();
    m_hintJustLeft = shortPause;
    if (!source || !source->ShowHint)
        return;
    m_hintControl = source;
    StartHintTimer(shortPause ? HintShortPause : HintPause, true);
}

void TApplication::CancelHint()
{
    m_hintJustLeft = false;
    m_hintTimer.reset();
    m_hintControl = nullptr;
    m_hintShowing = false;
    if (m_hintWindow)
        m_hintWindow->ReleaseHandle();
}

void TApplication::StartHintTimer(int Milliseconds, bool Showing)
{
    // A new timer each time: a timer window never outlives the wait it serves.
    m_hintTimer = std::make_unique<TTimer>(nullptr);
    m_hintTimerShows = Showing;
    m_hintTimer->OnTimer = [this](TObject*) { HintTimerTick(); };
    m_hintTimer->SetInterval(static_cast<unsigned>(std::max(Milliseconds, 1)));
}

void TApplication::HintTimerTick()
{
    if (m_hintTimerShows) {
        ShowHintNow();
        return;
    }
    // The hint's time is up; it stays away until the pointer moves to another control.
    m_hintTimer.reset();
    m_hintShowing = false;
    if (m_hintWindow)
        m_hintWindow->ReleaseHandle();
}

void TApplication::ShowHintNow()
{
    m_hintTimer.reset();
    TControl* control = m_hintControl;
    if (!control || !control->Showing())
        return;
    THintInfo info;
    info.HintControl = control;
    info.HintPos = HintAnchorBelowPointer(wnd::GetCursorPos());
    info.HintMaxWidth = WorkAreaAt(info.HintPos).Width();
    info.HideTimeout = HintHidePause;
    std::string text = ShortHint(control->Hint());
    bool canShow = true;
    if (OnShowHint)
        OnShowHint(text, canShow, info);
    if (!canShow || text.empty())
        return;
    if (!m_hintWindow)
        m_hintWindow = m_hintWindowClass ? m_hintWindowClass() : std::make_unique<THintWindow>();
    if (!m_hintWindow)
        return;
    const gfx::TRect size = m_hintWindow->CalcHintRect(info.HintMaxWidth, text);
    m_hintWindow->ActivateHint(gfx::Offset(size, info.HintPos.X, info.HintPos.Y), text);
    m_hintShowing = true;
    m_hintJustLeft = false;
    StartHintTimer(info.HideTimeout, false);
}

} // namespace ctl
