#pragma once

#include "skin/SkinMessages.h"

#include <cstdint>

namespace ctl {
class TComponent;
}

namespace skin {

class TbsSkinData;

// Tells the skinned controls owned by Owner (and by its components, nested)
// of a skin change: ResetSkinIndex on SKINMSG_BEFORELOAD and ApplySkin on
// SKINMSG_LOADED, for the controls drawing from Sender, or for all that draw
// from a skin when Sender is null. A control without skin is never touched;
// other messages are ignored.
void ForwardSkinChange(ctl::TComponent& Owner, unsigned Message, TbsSkinData* Sender);

// Lets the skinned controls of a window without a skinned frame follow the
// skin's changes: for its lifetime the window is one of the screen's forms,
// and the skin messages it gets go on to its controls.
class SkinChangeListener : public SkinMessageTarget {
public:
    explicit SkinChangeListener(ctl::TComponent& Owner) : m_owner(Owner), m_entry(*this) { }
    std::intptr_t Perform(unsigned message, std::intptr_t wparam, std::intptr_t lparam) override;

private:
    ctl::TComponent& m_owner;
    ScopedSkinForm m_entry;
};

} // namespace skin
