#pragma once

#include "platform/controls/TTreeView.h"
#include "skin/SkinnedControl.h"

#include <string>

namespace skin {
class TbsSkinData;
}

namespace skinctrls {

// The platform tree view with its colour and font taken from the skin's tree
// record, or from DefaultColor and DefaultFont without one. It shows no
// scroll bars of its own: a tree that does not fit scrolls by keyboard and
// wheel.
class TbsSkinTreeView : public ctl::TTreeView, public skin::SkinnedControl {
public:
    explicit TbsSkinTreeView(ctl::TComponent* AOwner);

    skin::TbsSkinData* SkinData() const override { return m_skinData; }
    void SetSkinData(skin::TbsSkinData* Value) override;
    // The name of this control's record in the skin.
    const std::string& SkinDataName() const { return m_skinDataName; }
    void SetSkinDataName(const std::string& Value) { m_skinDataName = Value; }
    int SkinIndex() const { return m_skinIndex; }
    const gfx::TFont& DefaultFont() const { return m_defaultFont; }
    void SetDefaultFont(const gfx::TFont& Value);
    gfx::TColor DefaultColor() const { return m_defaultColor; }
    void SetDefaultColor(gfx::TColor Value);
    bool UseSkinFont { true };

    // Takes colour and font from the record (or the defaults) and gives the
    // image lists the tree's background colour.
    void ApplySkin() override;
    // Forgets the record; colour and font stay until the next apply.
    void ResetSkinIndex() override { m_skinIndex = -1; }

protected:
    void Loaded() override;
    void Notification(ctl::TComponent* AComponent, ctl::TOperation Operation) override;

private:
    skin::TbsSkinData* m_skinData { nullptr };
    std::string m_skinDataName { "treeview" };
    int m_skinIndex { -1 };
    gfx::TFont m_defaultFont;
    gfx::TColor m_defaultColor { gfx::clWindow };
};

} // namespace skinctrls
