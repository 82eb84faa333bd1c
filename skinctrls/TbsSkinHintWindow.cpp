#include "skinctrls/TbsSkinHintWindow.h"

#include "platform/controls/TApplication.h"
#include "platform/graphics/EdgePainter.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TextFormat.h"
#include "platform/window/Painting.h"
#include "skin/SkinImageBuilders.h"
#include "skin/SkinMonitor.h"
#include "skin/SkinRegions.h"
#include "skin/TbsSkinData.h"
#include "skinctrls/SkinLookup.h"
#include "skinctrls/TbsSkinHint.h"

#include <algorithm>

namespace skinctrls {
namespace {

constexpr int kPlainInset = 2;

const skin::TbsDataSkinHintWindow* HintRecord(const skin::TbsSkinData* Data)
{
    if (!Data || Data->IsEmpty() || Data->HintWindow().WindowPictureIndex == -1)
        return nullptr;
    if (!Data->ActivePicture(Data->HintWindow().WindowPictureIndex))
        return nullptr;
    return &Data->HintWindow();
}

skin::TbsSkinGeometry RecordGeometry(const skin::TbsDataSkinHintWindow& Record)
{
    return { Record.LTPoint, Record.RTPoint, Record.LBPoint, Record.RBPoint, Record.ClientRect };
}

} // namespace

TbsSkinHintWindow::TbsSkinHintWindow(TbsSkinHint* Hint) : m_fixedHint(Hint) { }

TbsSkinHint* TbsSkinHintWindow::HintInCharge() const
{
    if (m_fixedHint)
        return m_fixedHint->Active() ? m_fixedHint : nullptr;
    const ctl::TForm* form = ctl::Application->MainForm();
    if (!form)
        return nullptr;
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (auto* hint = dynamic_cast<TbsSkinHint*>(form->Components(i)); hint && hint->Active())
            return hint;
    return nullptr;
}

void TbsSkinHintWindow::PrepareLook(TbsSkinHint& Hint)
{
    m_skinData = HintRecord(Hint.SkinData()) ? Hint.SkinData() : nullptr;
    const skin::TbsDataSkinHintWindow* record = HintRecord(m_skinData);
    Font = Hint.DefaultFont();
    if (record && Hint.UseSkinFont) {
        Font.Name = record->FontName;
        Font.Height = record->FontHeight;
        Font.Style = record->FontStyle;
    }
    Font.CharSet = SkinCharSetOr(Hint.SkinData(), Hint.DefaultFont().CharSet);
    Font.Color = record ? record->FontColor : gfx::clInfoText;
}

gfx::TRect TbsSkinHintWindow::CalcHintRect(int, const std::string& Hint)
{
    TbsSkinHint* hint = HintInCharge();
    if (hint)
        PrepareLook(*hint);
    m_textSize = MeasureText(Hint);
    const skin::TbsDataSkinHintWindow* record = HintRecord(m_skinData);
    if (!record) {
        m_size = { m_textSize.cx + 2 * kPlainInset, m_textSize.cy + 2 * kPlainInset };
        return gfx::Rect(0, 0, m_size.cx, m_size.cy);
    }
    const gfx::TBitmap& picture = *m_skinData->ActivePicture(record->WindowPictureIndex);
    const gfx::TRect& c = record->ClientRect;
    const int pw = picture.Width();
    const int ph = picture.Height();
    m_size = { std::max(pw, m_textSize.cx + c.Left + pw - c.Right), std::max(ph, m_textSize.cy + c.Top + ph - c.Bottom) };
    m_sized = skin::NewSkinGeometry(RecordGeometry(*record), { pw, ph }, m_size.cx, m_size.cy);
    return gfx::Rect(0, 0, m_size.cx, m_size.cy);
}

void TbsSkinHintWindow::ActivateHint(gfx::TRect Rect, const std::string& Hint)
{
    TbsSkinHint* hint = HintInCharge();
    if (!hint)
        return;
    SetCaption(Hint);
    CalcHintRect(0, Hint);
    // Against the work area: a hint that would pass its right or bottom edge
    // opens to the left of or above the anchor instead.
    const gfx::TRect area = ctl::WorkAreaAt(Rect.TopLeft());
    gfx::TRect r = gfx::Bounds(Rect.Left, Rect.Top, m_size.cx, m_size.cy);
    if (r.Right > area.Right)
        gfx::OffsetRect(r, -(m_size.cx + 2), 0);
    if (r.Bottom > area.Bottom)
        gfx::OffsetRect(r, 0, -(m_size.cy + 2));
    r = ctl::KeepInside(r, area);
    EnsureHandle();
    ApplyAlpha(*hint);
    ApplyRegion();
    ShowAt(r);
}

void TbsSkinHintWindow::ApplyAlpha(const TbsSkinHint& Hint)
{
    if (Hint.AlphaBlend && (!m_alphaApplied || m_alphaValue != Hint.AlphaBlendValue)) {
        skin::SetWindowAlpha(Handle(), Hint.AlphaBlendValue);
        m_alphaApplied = true;
        m_alphaValue = Hint.AlphaBlendValue;
    } else if (!Hint.AlphaBlend && m_alphaApplied) {
        skin::SetWindowAlpha(Handle(), 255);
        m_alphaApplied = false;
    }
}

void TbsSkinHintWindow::ApplyRegion()
{
    const skin::TbsDataSkinHintWindow* record = HintRecord(m_skinData);
    const gfx::TBitmap* mask = record ? m_skinData->ActivePicture(record->MaskPictureIndex) : nullptr;
    if (!mask) {
        wnd::SetWindowRgn(Handle(), std::nullopt, false);
        return;
    }
    wnd::SetWindowRgn(Handle(), skin::BuildFrameRegion(*mask, RecordGeometry(*record), m_size.cx, m_size.cy), false);
}

void TbsSkinHintWindow::Paint(gfx::TCanvas& Canvas)
{
    const skin::TbsDataSkinHintWindow* record = HintRecord(m_skinData);
    Canvas.Font = Font;
    Canvas.Brush.Style = gfx::TBrushStyle::bsClear;
    if (!record) {
        gfx::DrawFramedFill(Canvas, gfx::Rect(0, 0, m_size.cx, m_size.cy), gfx::clBtnShadow, gfx::clInfoBk);
        Canvas.Brush.Style = gfx::TBrushStyle::bsClear;
        gfx::TRect text = gfx::Rect(kPlainInset, kPlainInset, m_size.cx - kPlainInset, m_size.cy - kPlainInset);
        Canvas.DrawText(Caption(), text, gfx::DT_NOPREFIX);
        return;
    }
    const gfx::TBitmap& picture = *m_skinData->ActivePicture(record->WindowPictureIndex);
    gfx::TBitmap image(m_size.cx, m_size.cy);
    const skin::TbsStretchFlags stretch { record->LeftStretch, record->TopStretch, record->RightStretch,
        record->BottomStretch };
    skin::BuildSkinImage(RecordGeometry(*record), m_sized, image, picture,
        gfx::Rect(0, 0, picture.Width(), picture.Height()), m_size.cx, m_size.cy, true, stretch);
    Canvas.Draw(0, 0, image);
    Canvas.Brush.Style = gfx::TBrushStyle::bsClear;
    const gfx::TRect& c = m_sized.ClientRect;
    gfx::TRect text = gfx::Bounds(c.Left + c.Width() / 2 - m_textSize.cx / 2, c.Top + c.Height() / 2 - m_textSize.cy / 2,
        m_textSize.cx, m_textSize.cy);
    Canvas.DrawText(Caption(), text, gfx::DT_NOPREFIX);
}

} // namespace skinctrls
