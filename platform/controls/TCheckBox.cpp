#include "platform/controls/TCheckBox.h"

namespace ctl {

TCheckBox::TCheckBox(TComponent* AOwner) : TCheckControl(AOwner) { }

void TCheckBox::SetChecked(bool Value)
{
    SetState(Value ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked);
}

void TCheckBox::SetState(TCheckBoxState Value)
{
    if (Value == m_state)
        return;
    m_state = Value;
    Invalidate();
}

void TCheckBox::Toggle()
{
    switch (m_state) {
    case TCheckBoxState::cbUnchecked:
        SetState(TCheckBoxState::cbChecked);
        break;
    case TCheckBoxState::cbChecked:
        SetState(m_allowGrayed ? TCheckBoxState::cbGrayed : TCheckBoxState::cbUnchecked);
        break;
    case TCheckBoxState::cbGrayed:
        SetState(TCheckBoxState::cbUnchecked);
        break;
    }
}

void TCheckBox::PaintMark(gfx::TCanvas& Canvas, int X, int Y, bool Pressed)
{
    using StylePainter::TCheckMark;
    const TCheckMark mark = m_state == TCheckBoxState::cbChecked ? TCheckMark::Checked
        : m_state == TCheckBoxState::cbGrayed                    ? TCheckMark::Grayed
                                                                 : TCheckMark::Unchecked;
    StylePainter::DrawCheckBox(Canvas, X, Y, mark, Pressed, Enabled());
}

} // namespace ctl
