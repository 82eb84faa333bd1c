#pragma once

#include "platform/controls/TCustomControl.h"

#include <functional>

namespace ctl {

enum class TUDBtnType { btNext, btPrev };
using TUDClickEvent = std::function<void(TObject* Sender, TUDBtnType Button)>;
// Runs before the position moves to NewValue; clearing AllowChange keeps it.
using TUDChangingEvent = std::function<void(TObject* Sender, bool& AllowChange, int NewValue)>;

// A pair of small arrow buttons, up over down, that step a whole number
// between Min and Max by Increment (stopping at the ends, or wrapping round
// with Wrap). Holding a button down repeats the step.
//
// With an Associate (usually an edit), the up-down sits at the associate's
// right edge, as tall as it, shows Position as its text, and takes a number
// the user typed there as the position to step from. With ArrowKeys, Up and
// Down pressed in the associate step as the buttons do: the up-down wraps the
// associate's OnKeyDown, so set that handler before associating.
class TUpDown : public TCustomControl {
public:
    explicit TUpDown(TComponent* AOwner);
    ~TUpDown() override;

    int Min() const { return m_min; }
    int Max() const { return m_max; }
    // Min above Max is refused; the position is moved inside the new range.
    void SetMin(int Value);
    void SetMax(int Value);
    int Position() const { return m_position; }
    // Taken inside Min..Max; the associate shows it.
    void SetPosition(int Value);
    int Increment() const { return m_increment; }
    // Steps of zero or below are refused.
    void SetIncrement(int Value);
    bool Wrap { false };
    bool ArrowKeys { true };

    TWinControl* Associate() const { return m_associate; }
    void SetAssociate(TWinControl* Value);

    // Steps as a click on that button does (OnChanging, then OnClick).
    void Step(TUDBtnType Button);

    TUDChangingEvent OnChanging;
    TUDClickEvent OnClick;

    wnd::LRESULT WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void BoundsChanged(const gfx::TRect& OldBounds) override;

private:
    enum class TPart { None, Up, Down };

    TPart PartAt(int Y) const;
    gfx::TRect PartRect(TPart Part) const;
    void SetPressedPart(TPart Part);
    // A number the user typed in the associate becomes the position.
    void ReadAssociateText();
    void ShowPositionInAssociate();
    void PlaceBesideAssociate();
    void HookAssociateKeys();
    void UnhookAssociateKeys();
    void StartRepeat(unsigned Delay);
    void StopRepeat();

    int m_min { 0 };
    int m_max { 100 };
    int m_position { 0 };
    int m_increment { 1 };
    TWinControl* m_associate { nullptr };
    TKeyEvent m_associateKeyDown;
    TPart m_trackedPart { TPart::None };
    TPart m_pressedPart { TPart::None };
    bool m_repeating { false };
};

} // namespace ctl
