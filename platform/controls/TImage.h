#pragma once

#include "platform/controls/TGraphicControl.h"
#include "platform/graphics/TBitmap.h"

namespace ctl {

// Shows a picture: at its natural size from the top-left, centred, or
// stretched to fill the control. A transparent picture leaves out its
// transparent colour (its bottom-left pixel unless it names one).
class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* AOwner);

    const gfx::TBitmap& Picture() const { return m_picture; }
    void SetPicture(const gfx::TBitmap& Value);
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool Value);
    bool Center() const { return m_center; }
    void SetCenter(bool Value);
    bool Transparent() const { return m_picture.Transparent; }
    void SetTransparent(bool Value);

protected:
    void Paint() override;

private:
    gfx::TBitmap m_picture;
    bool m_stretch { false };
    bool m_center { false };
};

} // namespace ctl
