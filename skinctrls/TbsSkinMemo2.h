#pragma once

#include "platform/controls/TMemo.h"
#include "skin/SkinnedControl.h"
#include "skinctrls/TbsEditSystemMenu.h"
#include "skinctrls/TbsScrollBarLink.h"
#include "skinctrls/TbsSkinScrollBar.h"

namespace skin {
class TbsDataSkinMemoControl;
}

namespace skinctrls {

// A memo that shows its scroll state on separate skinned scroll bars: each
// bar follows every scroll of the memo, and moving a bar scrolls the memo.
// The horizontal bar is enabled while lines that do not wrap are wider than
// the memo. The bars are not owned. With a record of the memo kind in its skin
// the memo takes the record's font and colours (brighter ones while the
// pointer is over it or it has the focus); without one it uses DefaultFont.
// Right-clicking it opens the skinned text menu.
class TbsSkinMemo2 : public ctl::TMemo, public skin::SkinnedControl {
public:
    explicit TbsSkinMemo2(ctl::TComponent* AOwner);
    ~TbsSkinMemo2() override;

    TbsSkinScrollBar* VScrollBar() const { return m_vBar.Bar(); }
    // Resets the bar, makes the memo its OnChange handler and updates it; nullptr only forgets the bar.
    void SetVScrollBar(TbsSkinScrollBar* Value);
    TbsSkinScrollBar* HScrollBar() const { return m_hBar.Bar(); }
    void SetHScrollBar(TbsSkinScrollBar* Value);
    void UpdateScrollBars();

    // The skin to draw with (not owned). Setting a loaded skin applies it.
    skin::TbsSkinData* SkinData() const override { return m_skinData; }
    void SetSkinData(skin::TbsSkinData* Value);
    // The name of this control's record in the skin.
    const std::string& SkinDataName() const { return m_skinDataName; }
    void SetSkinDataName(const std::string& Value) { m_skinDataName = Value; }
    int SkinIndex() const { return m_skinIndex; }
    // The font without a record, and with one when UseSkinFont is false.
    const gfx::TFont& DefaultFont() const { return m_defaultFont; }
    void SetDefaultFont(const gfx::TFont& Value);
    bool UseSkinFont { true };

    // Takes font and colours from the record (or DefaultFont without one).
    void ApplySkin() override;
    void ResetSkinIndex() override { m_skinIndex = -1; }

    wnd::LRESULT WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam) override;

protected:
    void ScrollChanged() override;
    void EnabledChanged() override;
    void TextChanged() override;
    void Resize() override;
    void MouseEnter() override;
    void MouseLeave() override;
    void DoEnter() override;
    void DoExit() override;
    void Notification(ctl::TComponent* AComponent, ctl::TOperation Operation) override;

private:
    const skin::TbsDataSkinMemoControl* MemoRecord() const;
    // The record's brighter colours while the pointer is over the memo or it has the focus.
    void UpdateColors();
    void UpdateVScrollBar(TbsSkinScrollBar& Bar);
    void UpdateHScrollBar(TbsSkinScrollBar& Bar);

    TbsScrollBarLink m_vBar;
    TbsScrollBarLink m_hBar;
    skin::TbsSkinData* m_skinData { nullptr };
    std::string m_skinDataName { "memo" };
    int m_skinIndex { -1 };
    gfx::TFont m_defaultFont;
    TbsEditSystemMenu m_systemMenu;
};

} // namespace skinctrls
