#include "skin/SkinnedControlWalk.h"

#include "platform/controls/TComponent.h"
#include "skin/SkinnedControl.h"

#include <vector>

namespace skin {

namespace {

void CollectComponents(const ctl::TComponent& owner, std::vector<ctl::TComponent*>& out)
{
    for (int i = 0; i < owner.ComponentCount(); ++i) {
        ctl::TComponent* c = owner.Components(i);
        out.push_back(c);
        CollectComponents(*c, out);
    }
}

} // namespace

void ForwardSkinChange(ctl::TComponent& Owner, unsigned Message, TbsSkinData* Sender)
{
    if (Message != SKINMSG_BEFORELOAD && Message != SKINMSG_LOADED)
        return;
    // Collected first: applying a skin may resize and re-align, never create or free components.
    std::vector<ctl::TComponent*> components;
    CollectComponents(Owner, components);
    for (ctl::TComponent* c : components) {
        auto* control = dynamic_cast<SkinnedControl*>(c);
        if (!control || !control->SkinData() || (Sender && control->SkinData() != Sender))
            continue;
        if (Message == SKINMSG_BEFORELOAD)
            control->ResetSkinIndex();
        else
            control->ApplySkin();
    }
}

std::intptr_t SkinChangeListener::Perform(unsigned message, std::intptr_t wparam, std::intptr_t)
{
    ForwardSkinChange(m_owner, message, reinterpret_cast<TbsSkinData*>(wparam));
    return 0;
}

} // namespace skin
