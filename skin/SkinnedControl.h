#pragma once

namespace skin {

class TbsSkinData;

// A control that draws from a skin. A form hands its skin to its controls
// through SetSkinData, and tells them when that skin changes: they drop their
// record before the load and take the new one after it.
class SkinnedControl {
public:
    virtual ~SkinnedControl() = default;
    virtual TbsSkinData* SkinData() const = 0;
    virtual void SetSkinData(TbsSkinData* Value) = 0;
    virtual void ResetSkinIndex() = 0;
    virtual void ApplySkin() = 0;
};

} // namespace skin
