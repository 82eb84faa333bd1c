#include "platform/controls/TUpDown.h"

#include "platform/controls/StylePainter.h"
#include "platform/text/IntegerText.h"
#include "platform/window/Timers.h"
#include "platform/window/VirtualKeys.h"

#include <algorithm>
#include <string>

namespace ctl {

namespace {

constexpr wnd::WPARAM kRepeatTimer = 1;
// A held button steps once at once, again after the first delay, then at the repeat rate.
constexpr unsigned kFirstRepeatDelay = 400;
constexpr unsigned kRepeatInterval = 100;
constexpr int kDefaultWidth = 16;

} // namespace

TUpDown::TUpDown(TComponent* AOwner) : TCustomControl(AOwner)
{
    TControl::SetBounds(0, 0, kDefaultWidth, 24);
}

TUpDown::~TUpDown()
{
    UnhookAssociateKeys();
}

void TUpDown::SetMin(int Value)
{
    if (Value > m_max)
        return;
    m_min = Value;
    SetPosition(m_position);
}

void TUpDown::SetMax(int Value)
{
    if (Value < m_min)
        return;
    m_max = Value;
    SetPosition(m_position);
}

void TUpDown::SetPosition(int Value)
{
    m_position = std::clamp(Value, m_min, m_max);
    ShowPositionInAssociate();
}

void TUpDown::SetIncrement(int Value)
{
    if (Value > 0)
        m_increment = Value;
}

void TUpDown::SetAssociate(TWinControl* Value)
{
    if (Value == m_associate || Value == this)
        return;
    UnhookAssociateKeys();
    if (m_associate)
        RemoveFreeNotification(m_associate);
    m_associate = Value;
    if (!m_associate)
        return;
    FreeNotification(m_associate);
    HookAssociateKeys();
    PlaceBesideAssociate();
    ShowPositionInAssociate();
}

void TUpDown::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == TOperation::opRemove && AComponent == m_associate) {
        // The associate is going: its handlers go with it.
        m_associate = nullptr;
        m_associateKeyDown = nullptr;
    }
    TCustomControl::Notification(AComponent, Operation);
}

void TUpDown::HookAssociateKeys()
{
    m_associateKeyDown = m_associate->OnKeyDown;
    m_associate->OnKeyDown = [this](TObject* Sender, int& Key, TShiftState Shift) {
        if (m_associateKeyDown)
            m_associateKeyDown(Sender, Key, Shift);
        if (!ArrowKeys || !Enabled() || (Key != wnd::VK_UP && Key != wnd::VK_DOWN))
            return;
        Step(Key == wnd::VK_UP ? TUDBtnType::btNext : TUDBtnType::btPrev);
        Key = 0;
    };
}

void TUpDown::UnhookAssociateKeys()
{
    if (m_associate)
        m_associate->OnKeyDown = std::move(m_associateKeyDown);
    m_associateKeyDown = nullptr;
}

void TUpDown::PlaceBesideAssociate()
{
    if (!m_associate)
        return;
    if (Parent() != m_associate->Parent())
        SetParent(m_associate->Parent());
    SetBounds(m_associate->Left() + m_associate->Width(), m_associate->Top(), Width(), m_associate->Height());
}

void TUpDown::BoundsChanged(const gfx::TRect& OldBounds)
{
    TCustomControl::BoundsChanged(OldBounds);
    Invalidate();
}

void TUpDown::ShowPositionInAssociate()
{
    if (m_associate)
        m_associate->SetText(std::to_string(m_position));
}

void TUpDown::ReadAssociateText()
{
    if (!m_associate)
        return;
    if (const std::optional<int> typed = text::ParseInteger(m_associate->Text()))
        m_position = std::clamp(*typed, m_min, m_max);
}

void TUpDown::Step(TUDBtnType Button)
{
    ReadAssociateText();
    // Computed in a wider type: a step past the end of int wraps or stops like any other.
    const long long step = Button == TUDBtnType::btNext ? m_increment : -static_cast<long long>(m_increment);
    long long next = static_cast<long long>(m_position) + step;
    if (next > m_max)
        next = Wrap ? m_min : m_max;
    else if (next < m_min)
        next = Wrap ? m_max : m_min;
    bool allow = true;
    if (OnChanging)
        OnChanging(this, allow, static_cast<int>(next));
    if (allow)
        SetPosition(static_cast<int>(next));
    else
        ShowPositionInAssociate();
    if (OnClick)
        OnClick(this, Button);
}

TUpDown::TPart TUpDown::PartAt(int Y) const
{
    return Y < Height() / 2 ? TPart::Up : TPart::Down;
}

gfx::TRect TUpDown::PartRect(TPart Part) const
{
    const int middle = Height() / 2;
    return Part == TPart::Up ? gfx::Rect(0, 0, Width(), middle) : gfx::Rect(0, middle, Width(), Height());
}

void TUpDown::SetPressedPart(TPart Part)
{
    if (Part == m_pressedPart)
        return;
    m_pressedPart = Part;
    Invalidate();
}

void TUpDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != TMouseButton::mbLeft || !Enabled())
        return;
    m_trackedPart = PartAt(Y);
    SetPressedPart(m_trackedPart);
    Step(m_trackedPart == TPart::Up ? TUDBtnType::btNext : TUDBtnType::btPrev);
    StartRepeat(kFirstRepeatDelay);
}

void TUpDown::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (m_trackedPart != TPart::None)
        SetPressedPart(PartRect(m_trackedPart).Contains({ X, Y }) ? m_trackedPart : TPart::None);
}

void TUpDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button != TMouseButton::mbLeft)
        return;
    m_trackedPart = TPart::None;
    SetPressedPart(TPart::None);
    StopRepeat();
}

void TUpDown::StartRepeat(unsigned Delay)
{
    if (!HandleAllocated())
        return;
    wnd::SetTimer(Handle(), kRepeatTimer, Delay);
    m_repeating = true;
}

void TUpDown::StopRepeat()
{
    if (m_repeating && HandleAllocated())
        wnd::KillTimer(Handle(), kRepeatTimer);
    m_repeating = false;
}

wnd::LRESULT TUpDown::WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam)
{
    if (Msg == wnd::WM_TIMER && WParam == kRepeatTimer) {
        if (m_trackedPart == TPart::None) {
            StopRepeat();
            return 0;
        }
        StartRepeat(kRepeatInterval);
        // The pointer may have left the button: the repeat waits until it comes back.
        if (m_pressedPart == m_trackedPart)
            Step(m_trackedPart == TPart::Up ? TUDBtnType::btNext : TUDBtnType::btPrev);
        return 0;
    }
    if (Msg == wnd::WM_CAPTURECHANGED) {
        m_trackedPart = TPart::None;
        SetPressedPart(TPart::None);
        StopRepeat();
    }
    return TCustomControl::WndProc(Msg, WParam, LParam);
}

void TUpDown::Paint()
{
    gfx::TCanvas& canvas = Canvas();
    StylePainter::DrawSpinButton(canvas, PartRect(TPart::Up), gfx::TArrowDirection::Up, m_pressedPart == TPart::Up,
        Enabled());
    StylePainter::DrawSpinButton(canvas, PartRect(TPart::Down), gfx::TArrowDirection::Down,
        m_pressedPart == TPart::Down, Enabled());
}

} // namespace ctl
