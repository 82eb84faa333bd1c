#include "skinctrls/TbsSkinToolBar.h"

#include "platform/controls/TImageList.h"
#include "skinctrls/TbsSkinBevel.h"
#include "skinctrls/TbsSkinSpeedButton.h"

namespace skinctrls {

TbsSkinToolBar::TbsSkinToolBar(ctl::TComponent* AOwner) : TbsSkinPanel(AOwner)
{
    SetSkinDataName("toolpanel");
    SetDefaultHeight(25);
    SetBorderStyle(TbsSkinBorderStyle::bvNone);
}

TbsSkinToolBar::~TbsSkinToolBar()
{
    Watch(m_images, nullptr);
    Watch(m_hotImages, nullptr);
    Watch(m_disabledImages, nullptr);
}

void TbsSkinToolBar::Watch(ctl::TImageList* Old, ctl::TImageList* New)
{
    if (Old && Old != m_images && Old != m_hotImages && Old != m_disabledImages)
        RemoveFreeNotification(Old);
    if (New)
        FreeNotification(New);
}

void TbsSkinToolBar::SetImages(ctl::TImageList* Value)
{
    ctl::TImageList* old = m_images;
    m_images = Value;
    Watch(old, Value);
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* button = dynamic_cast<TbsSkinSpeedButton*>(Controls(i)))
            button->Invalidate();
}

void TbsSkinToolBar::SetHotImages(ctl::TImageList* Value)
{
    ctl::TImageList* old = m_hotImages;
    m_hotImages = Value;
    Watch(old, Value);
}

void TbsSkinToolBar::SetDisabledImages(ctl::TImageList* Value)
{
    ctl::TImageList* old = m_disabledImages;
    m_disabledImages = Value;
    Watch(old, Value);
}

void TbsSkinToolBar::Notification(ctl::TComponent* AComponent, ctl::TOperation Operation)
{
    if (Operation == ctl::TOperation::opRemove) {
        if (AComponent == m_images)
            m_images = nullptr;
        if (AComponent == m_hotImages)
            m_hotImages = nullptr;
        if (AComponent == m_disabledImages)
            m_disabledImages = nullptr;
    }
    TbsSkinPanel::Notification(AComponent, Operation);
}

void TbsSkinToolBar::SetFlat(bool Value)
{
    m_flat = Value;
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* button = dynamic_cast<TbsSkinSpeedButton*>(Controls(i)))
            button->SetFlat(Value);
}

void TbsSkinToolBar::SetShowCaptions(bool Value)
{
    if (Value == m_showCaptions)
        return;
    m_showCaptions = Value;
    if (AutoShowHideCaptions)
        for (int i = 0; i < ControlCount(); ++i)
            if (auto* button = dynamic_cast<TbsSkinSpeedButton*>(Controls(i)))
                button->SetShowCaption(Value);
    if (WidthWithCaptions != 0 && WidthWithoutCaptions != 0)
        SetWidth(m_showCaptions ? WidthWithCaptions : WidthWithoutCaptions);
}

void TbsSkinToolBar::SetSkinData(skin::TbsSkinData* Value)
{
    TbsSkinPanel::SetSkinData(Value);
    for (int i = 0; i < ControlCount(); ++i) {
        if (auto* button = dynamic_cast<TbsSkinSpeedButton*>(Controls(i)))
            button->SetSkinData(Value);
        else if (auto* bevel = dynamic_cast<TbsSkinBevel*>(Controls(i)))
            bevel->SetSkinData(Value);
    }
}

} // namespace skinctrls
