#include "skinctrls/TbsSkinCustomControl.h"

#include "platform/window/Painting.h"
#include "skin/TbsSkinData.h"

namespace skinctrls {

gfx::TFont MakeSkinDefaultFont()
{
    gfx::TFont font;
    font.Name = "宋体";
    font.Height = 12;
    font.Color = gfx::clBlack;
    return font;
}

TbsSkinCustomControl::TbsSkinCustomControl(ctl::TComponent* AOwner)
    : TbsSkinControl(AOwner), m_defaultFont(MakeSkinDefaultFont())
{
}

TbsSkinCustomControl::~TbsSkinCustomControl() = default;

void TbsSkinCustomControl::SetDefaultFont(const gfx::TFont& Value)
{
    m_defaultFont = Value;
    DefaultFontChanged();
    if (SkinIndex() == -1)
        Invalidate();
}

void TbsSkinCustomControl::DefaultFontChanged()
{
}

void TbsSkinCustomControl::SetDefaultWidth(int Value)
{
    m_defaultWidth = Value;
    if (SkinIndex() == -1 && Value > 0)
        SetWidth(Value);
}

void TbsSkinCustomControl::SetDefaultHeight(int Value)
{
    m_defaultHeight = Value;
    if (SkinIndex() == -1 && Value > 0)
        SetHeight(Value);
}

void TbsSkinCustomControl::LookupSkinRecord()
{
    TbsSkinControl::LookupSkinRecord();
    if (const skin::TbsDataSkinControl* record = SkinRecord()) {
        m_part.Take(*record, *SkinData());
        // The sized geometry follows the current size until a resize moves it.
        int w = Width();
        int h = Height();
        m_part.CalcSkinSize(w, h);
    } else {
        m_part.Clear();
    }
}

void TbsSkinCustomControl::CalcSkinSize(int& AWidth, int& AHeight)
{
    if (SkinIndex() == -1)
        return;
    m_part.CalcSkinSize(AWidth, AHeight);
}

void TbsSkinCustomControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    LookupSkinRecord();
    const bool resize = (AWidth != Width() || AHeight != Height()) && SkinIndex() != -1;
    if (resize) {
        CalcSkinSize(AWidth, AHeight);
        if (m_part.Sizing() == TbsSkinSizing::Fixed)
            m_part.SetSizedClientRect(m_part.Geometry().ClientRect);
    }
    TbsSkinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (resize) {
        UpdateSkinRegion();
        Invalidate();
    }
}

void TbsSkinCustomControl::ApplySkin()
{
    LookupSkinRecord();
    const int w = Width();
    const int h = Height();
    if (SkinIndex() == -1) {
        if (m_defaultWidth > 0)
            SetWidth(m_defaultWidth);
        if (m_defaultHeight > 0)
            SetHeight(m_defaultHeight);
    } else {
        int nw = w;
        int nh = h;
        CalcSkinSize(nw, nh);
        if (nw != w || nh != h) {
            SetBounds(Left(), Top(), nw, nh);
            return;
        }
    }
    UpdateSkinRegion();
    Invalidate();
}

void TbsSkinCustomControl::UpdateSkinRegion()
{
    std::optional<gfx::TRegion> region;
    if (SkinIndex() != -1)
        region = m_part.BuildRegion(Width(), Height());
    if (!region) {
        if (m_hasRegion && HandleAllocated())
            wnd::SetWindowRgn(Handle(), std::nullopt, true);
        m_hasRegion = false;
        return;
    }
    if (HandleAllocated()) {
        wnd::SetWindowRgn(Handle(), std::move(region), true);
        m_hasRegion = true;
    }
}

void TbsSkinCustomControl::DrawDefault(gfx::TBitmap&)
{
}

void TbsSkinCustomControl::DrawSkin(gfx::TBitmap& Bitmap)
{
    DrawSkinImage(Bitmap, m_part.SkinRect());
}

void TbsSkinCustomControl::DrawSkinImage(gfx::TBitmap& Bitmap, const gfx::TRect& Source)
{
    m_part.DrawImage(Bitmap, Source, Width(), Height());
}

gfx::TFont TbsSkinCustomControl::DefaultLookFont() const
{
    gfx::TFont font = m_defaultFont;
    font.CharSet = SkinCharSet(font.CharSet);
    return font;
}

} // namespace skinctrls
