#pragma once

#include "skinctrls/TbsSkinPanel.h"

namespace ctl {
class TImageList;
}

namespace skinctrls {

// A borderless skinned panel for tool buttons: it lends its image lists to
// the TbsSkinSpeedButton children and passes its skin and flat look on to them.
class TbsSkinToolBar : public TbsSkinPanel {
public:
    explicit TbsSkinToolBar(ctl::TComponent* AOwner);
    ~TbsSkinToolBar() override;

    ctl::TImageList* Images() const { return m_images; }
    void SetImages(ctl::TImageList* Value);
    ctl::TImageList* HotImages() const { return m_hotImages; }
    void SetHotImages(ctl::TImageList* Value);
    ctl::TImageList* DisabledImages() const { return m_disabledImages; }
    void SetDisabledImages(ctl::TImageList* Value);

    bool Flat() const { return m_flat; }
    void SetFlat(bool Value);
    bool ShowCaptions() const { return m_showCaptions; }
    void SetShowCaptions(bool Value);
    bool AutoShowHideCaptions { false };
    int WidthWithCaptions { 0 };
    int WidthWithoutCaptions { 0 };

    void SetSkinData(skin::TbsSkinData* Value) override;

protected:
    void Notification(ctl::TComponent* AComponent, ctl::TOperation Operation) override;

private:
    void Watch(ctl::TImageList* Old, ctl::TImageList* New);

    ctl::TImageList* m_images { nullptr };
    ctl::TImageList* m_hotImages { nullptr };
    ctl::TImageList* m_disabledImages { nullptr };
    bool m_flat { false };
    bool m_showCaptions { false };
};

} // namespace skinctrls
