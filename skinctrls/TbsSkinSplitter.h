#pragma once

#include "platform/controls/TSplitter.h"
#include "skin/SkinnedControl.h"
#include "skinctrls/SkinPart.h"

#include <string>

namespace skin {
class TbsSkinData;
}

namespace skinctrls {

// The platform splitter drawn from a three-part skin image when its skin has
// a splitter record, keeping the skin's thickness; otherwise the platform's
// own (optionally beveled) look. Dragging is the platform splitter's.
class TbsSkinSplitter : public ctl::TSplitter, public skin::SkinnedControl {
public:
    explicit TbsSkinSplitter(ctl::TComponent* AOwner);

    skin::TbsSkinData* SkinData() const override { return m_skinData; }
    void SetSkinData(skin::TbsSkinData* Value) override;
    // The name of this control's record in the skin.
    const std::string& SkinDataName() const { return m_skinDataName; }
    void SetSkinDataName(const std::string& Value) { m_skinDataName = Value; }
    // The thickness without a skin record, taken when the skin is applied.
    int DefaultSize { 10 };
    int SkinIndex() const { return m_skinIndex; }

    // Takes the thickness of the record (or DefaultSize) as width or height and MinSize.
    void ApplySkin() override;
    // Forgets the record and the picture it pointed into.
    void ResetSkinIndex() override;

protected:
    void Paint() override;
    void Notification(ctl::TComponent* AComponent, ctl::TOperation Operation) override;

private:
    void LookupSkinRecord();
    bool Horizontal() const;

    skin::TbsSkinData* m_skinData { nullptr };
    std::string m_skinDataName { "vsplitter" };
    int m_skinIndex { -1 };
    TbsSkinPart m_part;
};

} // namespace skinctrls
