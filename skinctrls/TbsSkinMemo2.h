#pragma once

#include "platform/controls/TMemo.h"
#include "skinctrls/TbsSkinScrollBar.h"

namespace skinctrls {

// A memo that shows its vertical scroll state on a separate skinned scroll
// bar: the bar follows every scroll of the memo, and moving the bar scrolls
// the memo. The bar is not owned.
class TbsSkinMemo2 : public ctl::TMemo {
public:
    explicit TbsSkinMemo2(ctl::TComponent* AOwner);
    ~TbsSkinMemo2() override;

    TbsSkinScrollBar* VScrollBar() const { return m_vScrollBar; }
    // Resets the bar, makes the memo its OnChange handler and updates it; nullptr only forgets the bar.
    void SetVScrollBar(TbsSkinScrollBar* Value);
    void UpdateScrollBars();

    // The name of this control's record in the skin.
    const std::string& SkinDataName() const { return m_skinDataName; }
    void SetSkinDataName(const std::string& Value) { m_skinDataName = Value; }

protected:
    void ScrollChanged() override;
    void EnabledChanged() override;
    void Notification(ctl::TComponent* AComponent, ctl::TOperation Operation) override;

private:
    TbsSkinScrollBar* m_vScrollBar { nullptr };
    std::string m_skinDataName { "memo" };
};

} // namespace skinctrls
