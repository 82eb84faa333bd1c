#include "skinctrls/SkinCustomControlBase.h"

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

template <class SkinControl>
SkinCustomControlBase<SkinControl>::SkinCustomControlBase(ctl::TComponent* AOwner)
    : SkinControl(AOwner), m_defaultFont(MakeSkinDefaultFont())
{
}

template <class SkinControl>
void SkinCustomControlBase<SkinControl>::SetDefaultFont(const gfx::TFont& Value)
{
    m_defaultFont = Value;
    DefaultFontChanged();
    if (this->SkinIndex() == -1)
        this->Invalidate();
}

template <class SkinControl>
void SkinCustomControlBase<SkinControl>::SetDefaultWidth(int Value)
{
    m_defaultWidth = Value;
    if (this->SkinIndex() == -1 && Value > 0)
        this->SetWidth(Value);
}

template <class SkinControl>
void SkinCustomControlBase<SkinControl>::SetDefaultHeight(int Value)
{
    m_defaultHeight = Value;
    if (this->SkinIndex() == -1 && Value > 0)
        this->SetHeight(Value);
}

template <class SkinControl>
void SkinCustomControlBase<SkinControl>::LookupSkinRecord()
{
    SkinControl::LookupSkinRecord();
    if (const skin::TbsDataSkinControl* record = this->SkinRecord()) {
        m_part.Take(*record, *this->SkinData());
        // The sized geometry follows the current size until a resize moves it.
        int w = this->Width();
        int h = this->Height();
        m_part.CalcSkinSize(w, h);
    } else {
        m_part.Clear();
    }
}

template <class SkinControl>
void SkinCustomControlBase<SkinControl>::ResetSkinIndex()
{
    SkinControl::ResetSkinIndex();
    m_part.Clear();
}

template <class SkinControl>
bool SkinCustomControlBase<SkinControl>::HasSkinImage() const
{
    return m_part.Picture() && !m_part.Picture()->Empty() && m_part.Sizing() != TbsSkinSizing::None;
}

template <class SkinControl>
void SkinCustomControlBase<SkinControl>::CalcSkinSize(int& AWidth, int& AHeight)
{
    if (this->SkinIndex() == -1)
        return;
    m_part.CalcSkinSize(AWidth, AHeight);
}

template <class SkinControl>
void SkinCustomControlBase<SkinControl>::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    LookupSkinRecord();
    const bool resize = (AWidth != this->Width() || AHeight != this->Height()) && this->SkinIndex() != -1;
    if (resize) {
        CalcSkinSize(AWidth, AHeight);
        if (m_part.Sizing() == TbsSkinSizing::Fixed)
            m_part.SetSizedClientRect(m_part.Geometry().ClientRect);
    }
    SkinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (resize) {
        UpdateSkinRegion();
        this->Invalidate();
    }
}

template <class SkinControl>
void SkinCustomControlBase<SkinControl>::ApplySkin()
{
    LookupSkinRecord();
    if (this->SkinIndex() == -1) {
        if (m_defaultWidth > 0)
            this->SetWidth(m_defaultWidth);
        if (m_defaultHeight > 0)
            this->SetHeight(m_defaultHeight);
    } else {
        int w = this->Width();
        int h = this->Height();
        CalcSkinSize(w, h);
        if (w != this->Width() || h != this->Height()) {
            SetBounds(this->Left(), this->Top(), w, h);
            return;
        }
    }
    UpdateSkinRegion();
    this->Invalidate();
}

template <class SkinControl>
void SkinCustomControlBase<SkinControl>::DrawSkin(gfx::TBitmap& Bitmap)
{
    DrawSkinImage(Bitmap, m_part.SkinRect());
}

template <class SkinControl>
void SkinCustomControlBase<SkinControl>::DrawSkinImage(gfx::TBitmap& Bitmap, const gfx::TRect& Source)
{
    m_part.DrawImage(Bitmap, Source, this->Width(), this->Height());
}

template <class SkinControl>
gfx::TFont SkinCustomControlBase<SkinControl>::DefaultLookFont() const
{
    gfx::TFont font = m_defaultFont;
    font.CharSet = this->SkinCharSet(font.CharSet);
    return font;
}

template class SkinCustomControlBase<TbsSkinControl>;
template class SkinCustomControlBase<TbsGraphicSkinControl>;

} // namespace skinctrls
