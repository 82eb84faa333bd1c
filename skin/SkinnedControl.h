#pragma once

namespace skin {

class TbsSkinData;

// What a form tells its skinned controls when their skin changes: they drop
// their record before the load and take the new one after it.
class SkinnedControl {
public:
    virtual ~SkinnedControl() = default;
    virtual TbsSkinData* SkinData() const = 0;
    virtual void ResetSkinIndex() = 0;
    virtual void ApplySkin() = 0;
};

} // namespace skin
