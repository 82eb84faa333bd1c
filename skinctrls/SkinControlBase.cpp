#include "skinctrls/SkinControlBase.h"

#include "skin/TbsSkinData.h"
#include "skinctrls/SkinLookup.h"

#include <algorithm>
#include <optional>

namespace skinctrls {

template <class PlatformControl>
SkinControlBase<PlatformControl>::SkinControlBase(ctl::TComponent* AOwner) : PlatformControl(AOwner)
{
}

template <class PlatformControl>
void SkinControlBase<PlatformControl>::SetSkinData(skin::TbsSkinData* Value)
{
    skin::FollowSkinData(*this, m_skinData, Value);
    m_skinData = Value;
    if (m_skinData && !m_skinData->IsEmpty())
        ApplySkin();
}

template <class PlatformControl>
void SkinControlBase<PlatformControl>::Notification(ctl::TComponent* AComponent, ctl::TOperation Operation)
{
    // The control goes back to its default look (and drops its region) at once.
    if (Operation == ctl::TOperation::opRemove && skin::IsSkinData(AComponent, m_skinData)) {
        m_skinData = nullptr;
        ResetSkinIndex();
        if (!this->Destroying())
            ApplySkin();
    }
    PlatformControl::Notification(AComponent, Operation);
}

template <class PlatformControl>
void SkinControlBase<PlatformControl>::LookupSkinRecord()
{
    m_skinIndex = LookupSkinIndex(m_skinData, m_skinDataName);
}

template <class PlatformControl>
void SkinControlBase<PlatformControl>::ApplySkin()
{
    LookupSkinRecord();
    this->Invalidate();
}

template <class PlatformControl>
const skin::TbsDataSkinControl* SkinControlBase<PlatformControl>::SkinRecord() const
{
    return SkinRecordAt(m_skinData, m_skinIndex);
}

template <class PlatformControl>
int SkinControlBase<PlatformControl>::SkinCharSet(int Fallback) const
{
    return SkinCharSetOr(m_skinData, Fallback);
}

namespace {

// Makes the pixels of `bitmap` inside `area` white, as a new bitmap's are.
void Whiten(gfx::TBitmap& bitmap, const gfx::TRegion& area)
{
    const gfx::Pixel white = gfx::ColorToPixel(gfx::clWhite);
    for (const gfx::TRect& r : (area & gfx::TRegion(gfx::Rect(0, 0, bitmap.Width(), bitmap.Height()))).Rects())
        for (int y = r.Top; y < r.Bottom; ++y)
            std::fill_n(bitmap.ScanLine(y) + r.Left, r.Width(), white);
}

} // namespace

template <class PlatformControl>
void SkinControlBase<PlatformControl>::PaintThroughBitmap(gfx::TCanvas& Canvas)
{
    // Only the pixels the canvas lets through are drawn: the parts under
    // child windows, which paint them again, and outside the update area are
    // left out.
    std::optional<gfx::TRegion> shown = Canvas.ClipRegion();
    if (shown)
        shown->Offset(-Canvas.Origin().X, -Canvas.Origin().Y);
    const gfx::TRegion all(gfx::Rect(0, 0, this->Width(), this->Height()));

    // The picture of the last paint, taken with its pixels but with a fresh
    // canvas, made white where it will be drawn as a new one would be.
    gfx::TBitmap bitmap(std::move(m_lookBuffer));
    if (bitmap.Width() == this->Width() && bitmap.Height() == this->Height()) {
        bitmap.PixelFormat = gfx::TPixelFormat::pf24bit;
        bitmap.Palette.clear();
        bitmap.Transparent = false;
        bitmap.TransparentColor = gfx::clNone;
        Whiten(bitmap, shown ? *shown : all);
    } else {
        bitmap = gfx::TBitmap(this->Width(), this->Height());
    }
    if (shown)
        bitmap.Canvas().SetClipRegion(*shown);
    if (m_skinIndex == -1 || !HasSkinImage())
        DrawDefault(bitmap);
    else
        DrawSkin(bitmap);
    Canvas.Draw(0, 0, bitmap);
    m_lookBuffer = std::move(bitmap);
}

template <class PlatformControl>
void SkinControlBase<PlatformControl>::Paint()
{
    if (this->Width() <= 0 || this->Height() <= 0)
        return;
    LookupSkinRecord();
    PaintThroughBitmap(this->Canvas());
}

template class SkinControlBase<ctl::TCustomControl>;
template class SkinControlBase<ctl::TGraphicControl>;

} // namespace skinctrls
