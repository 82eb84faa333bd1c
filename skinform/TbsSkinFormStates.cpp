// Window states of the skinned form (kept by the component: the window system
// never sees a maximized window), roll-up, the window region and the fade-in.

#include "skinform/TbsSkinForm.h"

#include "platform/controls/TApplication.h"
#include "platform/controls/TForm.h"
#include "platform/window/Painting.h"
#include "platform/window/SystemInfo.h"
#include "platform/window/Timers.h"
#include "platform/window/Window.h"
#include "skin/SkinMonitor.h"
#include "skin/SkinRegions.h"
#include "skin/TbsSkinData.h"
#include "skinform/FrameTimers.h"
#include "skinform/WindowPlacement.h"

namespace skinform {

void TbsSkinForm::SetBoundsRect(const gfx::TRect& r)
{
    m_form->SetBounds(r.Left, r.Top, r.Width(), r.Height());
}

// A resize by one pixel and back makes every part lay itself out again.
void TbsSkinForm::ForceLayout()
{
    const gfx::TRect r = WindowRect();
    SetBoundsRect(gfx::Bounds(r.Left, r.Top, r.Width() + 1, r.Height()));
    SetBoundsRect(r);
}

void TbsSkinForm::SetFormState(TbsFormState Value)
{
    if (Value == m_formState || !Handle())
        return;
    switch (Value) {
    case TbsFormState::fsMinimized:
        Minimize();
        break;
    case TbsFormState::fsMaximized:
        Maximize();
        break;
    case TbsFormState::fsNormal:
        Restore();
        break;
    }
    ResetHover();
    PaintFrame();
}

void TbsSkinForm::Minimize()
{
    if (IsMainForm()) {
        // The application goes to the task bar as a whole; the form itself
        // stays in its normal state and comes back as it was.
        ctl::Application->Minimize();
        return;
    }
    if (m_savedBounds.IsEmpty())
        m_savedBounds = WindowRect();
    m_formState = TbsFormState::fsMinimized;
    const gfx::TSize min = MinimumSize();
    const gfx::TRect r = WindowRect();
    SetBoundsRect(gfx::Bounds(r.Left, r.Top, min.cx, min.cy));
}

void TbsSkinForm::Maximize()
{
    // A rolled-up form unrolls first: a maximized form shows its whole client.
    if (m_rolledUp) {
        m_rolledUp = false;
        if (m_rollUpHeight > 0) {
            const gfx::TRect r = WindowRect();
            SetBoundsRect(gfx::Bounds(r.Left, r.Top, r.Width(), m_rollUpHeight));
        }
        if (OnChangeRollUpState)
            OnChangeRollUpState(this);
    }
    if (m_savedBounds.IsEmpty())
        m_savedBounds = WindowRect();
    m_formState = TbsFormState::fsMaximized;
    m_rolledUpWhileMaximized = false;
    const gfx::TRect monitor = skin::GetMonitorArea(Handle(), false);
    const gfx::TRect work = skin::GetMonitorArea(Handle(), true);
    SetBoundsRect(MaximizedBounds(monitor, work, MaximizeOnFullScreen));
}

void TbsSkinForm::Restore()
{
    m_rolledUpWhileMaximized = false;
    m_formState = TbsFormState::fsNormal;
    if (m_rolledUp) {
        m_rolledUp = false;
        if (OnChangeRollUpState)
            OnChangeRollUpState(this);
    }
    gfx::TRect target = m_savedBounds;
    m_savedBounds = {};
    const gfx::TRect before = WindowRect();
    // Without saved bounds (restored before it was ever maximized or
    // minimized), the form keeps a sound size where it is.
    if (target.IsEmpty()) {
        const gfx::TSize min = MinimumSize();
        target = gfx::Bounds(before.Left, before.Top, std::max(before.Width(), min.cx), std::max(before.Height(), min.cy));
        if (m_rollUpHeight > target.Height())
            target.Bottom = target.Top + m_rollUpHeight;
    }
    SetBoundsRect(target);
    if (before.Width() == target.Width() && before.Height() == target.Height())
        ForceLayout();
    if (m_active && !m_hoverTimer) {
        wnd::SetTimer(Handle(), kHoverTimerId, kHoverInterval);
        m_hoverTimer = true;
    }
    wnd::RedrawWindow(Handle(), nullptr, nullptr,
        wnd::RDW_FRAME | wnd::RDW_INVALIDATE | wnd::RDW_ERASE | wnd::RDW_ALLCHILDREN);
}

void TbsSkinForm::SetRolledUp(bool Value)
{
    if (!Handle() || Value == m_rolledUp || !m_borderIcons.Contains(TbsBorderIcon::biRollUp)
        || m_formState == TbsFormState::fsMinimized)
        return;
    if (m_formState == TbsFormState::fsMaximized) {
        if (m_rolledUp && !m_rolledUpWhileMaximized)
            return;
        m_rolledUpWhileMaximized = Value;
    }
    m_rolledUp = Value;
    const gfx::TRect r = WindowRect();
    if (Value) {
        m_rollUpHeight = r.Height();
        SetBoundsRect(gfx::Bounds(r.Left, r.Top, r.Width(), MinimumSize().cy));
    } else {
        SetBoundsRect(gfx::Bounds(r.Left, r.Top, r.Width(), std::max(m_rollUpHeight, MinimumSize().cy)));
    }
    ResetHover();
    PaintFrame();
    if (OnChangeRollUpState)
        OnChangeRollUpState(this);
}

void TbsSkinForm::UpdateFrameRegion(bool sizeChanged)
{
    if (!Handle())
        return;
    if (!m_skinMode || m_skinData->Mask().Empty()) {
        if (m_region) {
            m_region.reset();
            wnd::SetWindowRgn(Handle(), std::nullopt, true);
        }
        return;
    }
    const gfx::TSize size = WindowSize();
    const skin::SkinFormInfo& info = m_skinData->FormInfo();
    std::optional<gfx::TRegion> region;
    if (sizeChanged) {
        skin::TbsFrameStrips strips;
        skin::TbsSkinGeometry maskGeometry = SkinFrameGeometry(info);
        maskGeometry.ClientRect = info.MaskRectArea;
        skin::BuildMaskStrips(m_skinData->Mask(), maskGeometry, size.cx, size.cy, strips);
        region = skin::FrameRegionFromStrips(strips, m_geometry.MaskRectArea);
    } else {
        region = skin::RegionFromMask(m_skinData->Mask());
    }
    m_region = region;
    wnd::SetWindowRgn(Handle(), region, true);
}

void TbsSkinForm::SetAlphaBlend(bool Value)
{
    m_alphaBlend = Value;
    if (!Handle() || !skin::LayeredWindowsAvailable())
        return;
    const wnd::DWORD ex = wnd::GetWindowExStyle(Handle());
    wnd::SetWindowLongPtr(Handle(), wnd::GWL_EXSTYLE,
        static_cast<std::intptr_t>(Value ? (ex | wnd::WS_EX_LAYERED) : (ex & ~wnd::WS_EX_LAYERED)));
    if (Value)
        skin::SetWindowAlpha(Handle(), AlphaBlendValue);
}

// Showing with a fade: the window starts transparent and each tick of a
// 1 ms timer raises the alpha by one step, so the loop keeps running.
void TbsSkinForm::StartAlphaFade()
{
    if (!(m_alphaBlend || AlphaBlendAnimation) || !skin::LayeredWindowsAvailable())
        return;
    wnd::SetWindowLongPtr(Handle(), wnd::GWL_EXSTYLE,
        static_cast<std::intptr_t>(wnd::GetWindowExStyle(Handle()) | wnd::WS_EX_LAYERED));
    m_alphaTarget = (m_alphaBlend || !AlphaBlendAnimation) ? AlphaBlendValue : 255;
    if (!AlphaBlendAnimation) {
        skin::SetWindowAlpha(Handle(), m_alphaTarget);
        FinishAlphaFade();
        return;
    }
    m_alpha = 0;
    skin::SetWindowAlpha(Handle(), 0);
    wnd::SetTimer(Handle(), kAlphaTimerId, kAlphaInterval);
}

void TbsSkinForm::AlphaTick()
{
    m_alpha = std::min<int>(m_alpha + kAlphaStep, m_alphaTarget);
    skin::SetWindowAlpha(Handle(), static_cast<unsigned char>(m_alpha));
    if (m_alpha >= m_alphaTarget) {
        wnd::KillTimer(Handle(), kAlphaTimerId);
        FinishAlphaFade();
    }
}

void TbsSkinForm::FinishAlphaFade()
{
    if (m_alphaTarget == 255)
        wnd::SetWindowLongPtr(Handle(), wnd::GWL_EXSTYLE,
            static_cast<std::intptr_t>(wnd::GetWindowExStyle(Handle()) & ~wnd::WS_EX_LAYERED));
}

} // namespace skinform
