#include "platform/controls/TRadioButton.h"

#include "platform/window/VirtualKeys.h"

#include <algorithm>

namespace ctl {

TRadioButton::TRadioButton(TComponent* AOwner) : TCheckControl(AOwner) { }

std::vector<TRadioButton*> TRadioButton::Group() const
{
    std::vector<TRadioButton*> group;
    if (!Parent())
        return group;
    for (int i = 0; i < Parent()->ControlCount(); ++i)
        if (auto* radio = dynamic_cast<TRadioButton*>(Parent()->Controls(i)))
            group.push_back(radio);
    std::stable_sort(group.begin(), group.end(),
        [](const TRadioButton* a, const TRadioButton* b) { return a->TabOrder() < b->TabOrder(); });
    return group;
}

void TRadioButton::SetChecked(bool Value)
{
    if (Value == m_checked)
        return;
    m_checked = Value;
    if (Value)
        for (TRadioButton* other : Group())
            if (other != this && other->m_checked) {
                other->m_checked = false;
                other->Invalidate();
            }
    UpdateGroupTabStops();
    Invalidate();
}

void TRadioButton::SetParent(TWinControl* AParent)
{
    if (AParent == Parent()) {
        TCheckControl::SetParent(AParent);
        return;
    }
    // The old group may have lost its checked button; the new one may now
    // hold two, of which the newcomer gives way.
    std::vector<TRadioButton*> oldGroup = Group();
    TCheckControl::SetParent(AParent);
    for (TRadioButton* radio : oldGroup)
        if (radio != this) {
            radio->UpdateGroupTabStops();
            break;
        }
    if (m_checked)
        for (TRadioButton* other : Group())
            if (other != this && other->m_checked) {
                m_checked = false;
                break;
            }
    UpdateGroupTabStops();
}

void TRadioButton::UpdateGroupTabStops()
{
    std::vector<TRadioButton*> group = Group();
    if (group.empty())
        group.push_back(this);
    const bool anyChecked = std::any_of(group.begin(), group.end(), [](const TRadioButton* r) { return r->m_checked; });
    for (TRadioButton* radio : group)
        radio->SetTabStop(!anyChecked || radio->m_checked);
}

void TRadioButton::KeyDown(int& Key, TShiftState Shift)
{
    TCheckControl::KeyDown(Key, Shift);
    switch (Key) {
    case wnd::VK_LEFT:
    case wnd::VK_UP:
        MoveInGroup(false);
        break;
    case wnd::VK_RIGHT:
    case wnd::VK_DOWN:
        MoveInGroup(true);
        break;
    default:
        break;
    }
}

void TRadioButton::MoveInGroup(bool Forward)
{
    const std::vector<TRadioButton*> group = Group();
    const auto self = std::find(group.begin(), group.end(), this);
    if (self == group.end())
        return;
    const std::size_t count = group.size();
    std::size_t index = static_cast<std::size_t>(self - group.begin());
    for (std::size_t step = 1; step < count; ++step) {
        index = Forward ? (index + 1) % count : (index + count - 1) % count;
        TRadioButton* next = group[index];
        if (next->CanFocus()) {
            next->SetFocus();
            next->Click();
            return;
        }
    }
}

void TRadioButton::PaintMark(gfx::TCanvas& Canvas, int X, int Y, bool Pressed)
{
    StylePainter::DrawRadioMark(Canvas, X, Y, m_checked, Pressed, Enabled());
}

} // namespace ctl
