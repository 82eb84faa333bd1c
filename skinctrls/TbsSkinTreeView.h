#pragma once

#include "platform/controls/TTreeView.h"
#include "skin/SkinnedControl.h"
#include "skinctrls/TbsScrollBarLink.h"
#include "skinctrls/TbsSkinScrollBar.h"

#include <string>

namespace skin {
class TbsSkinData;
}

namespace skinctrls {

// The platform tree view with its colour and font taken from the skin's tree
// record, or from DefaultColor and DefaultFont without one. It shows no
// scroll bars of its own: a tree that does not fit scrolls by keyboard and
// wheel, or by external skinned bars: VScrollBar shows while the rows do
// not fit, HScrollBar while a label reaches past the tree's width (leaving
// the corner to a shown vertical bar); each follows every scroll of the tree.
class TbsSkinTreeView : public ctl::TTreeView, public skin::SkinnedControl {
public:
    explicit TbsSkinTreeView(ctl::TComponent* AOwner);
    ~TbsSkinTreeView() override;

    // The vertical bar (not owned): enabled, hidden until needed, and moving
    // it scrolls the tree. nullptr only forgets the bar.
    TbsSkinScrollBar* VScrollBar() const { return m_vBar.Bar(); }
    void SetVScrollBar(TbsSkinScrollBar* Value);
    TbsSkinScrollBar* HScrollBar() const { return m_hBar.Bar(); }
    void SetHScrollBar(TbsSkinScrollBar* Value);
    // Shows the bar while the rows do not fit and gives it the tree's range.
    void CheckScrollBars();

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
    void Paint() override;
    void Resize() override;
    void KeyDown(int& Key, ctl::TShiftState Shift) override;
    void MouseUp(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y) override;
    void VisibleChanged() override;

public:
    wnd::LRESULT WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam) override;

private:
    void TakeBar(TbsScrollBarLink& Link, TbsSkinScrollBar* Value);
    // Whether each bar is needed, with its range when it is.
    bool CheckVScrollBar(TbsSkinScrollBar& Bar);
    bool CheckHScrollBar(TbsSkinScrollBar& Bar);

    TbsScrollBarLink m_vBar;
    TbsScrollBarLink m_hBar;
    // Set while a check runs, so that the sizes and paints it causes start no other.
    bool m_checkingBars { false };
    skin::TbsSkinData* m_skinData { nullptr };
    std::string m_skinDataName { "treeview" };
    int m_skinIndex { -1 };
    gfx::TFont m_defaultFont;
    gfx::TColor m_defaultColor { gfx::clWindow };
};

} // namespace skinctrls
