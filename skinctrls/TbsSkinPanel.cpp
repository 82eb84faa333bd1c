#include "skinctrls/TbsSkinPanel.h"

#include "platform/graphics/TCanvas.h"
#include "skin/SkinControlRecords.h"
#include "skin/SkinGlyphs.h"
#include "skin/SkinImageBuilders.h"
#include "skin/TbsSkinData.h"
#include "skinctrls/DefaultLook.h"

namespace skinctrls {

namespace {

ctl::TAlignment FromSkin(skin::TAlignment Value)
{
    switch (Value) {
    case skin::TAlignment::taLeftJustify:
        return ctl::TAlignment::taLeftJustify;
    case skin::TAlignment::taRightJustify:
        return ctl::TAlignment::taRightJustify;
    case skin::TAlignment::taCenter:
        break;
    }
    return ctl::TAlignment::taCenter;
}

// Tiles Picture's area Source over Target from (0, 0), clipping the last row and column.
void TileOver(gfx::TCanvas& Canvas, const gfx::TBitmap& Picture, const gfx::TRect& Source, int Width, int Height)
{
    const int w = Source.Width();
    const int h = Source.Height();
    if (w <= 0 || h <= 0)
        return;
    for (int y = 0; y < Height; y += h)
        for (int x = 0; x < Width; x += w)
            Canvas.CopyRect(gfx::Bounds(x, y, std::min(w, Width - x), std::min(h, Height - y)), Picture,
                gfx::Bounds(Source.Left, Source.Top, std::min(w, Width - x), std::min(h, Height - y)));
}

} // namespace

TbsSkinPanel::TbsSkinPanel(ctl::TComponent* AOwner) : TbsSkinCustomControl(AOwner)
{
    SetSkinDataName("panel");
    TbsSkinCustomControl::SetBounds(0, 0, 150, 150);
}

TbsSkinPanel::~TbsSkinPanel() = default;

void TbsSkinPanel::Notification(ctl::TComponent* AComponent, ctl::TOperation Operation)
{
    if (Operation == ctl::TOperation::opRemove)
        std::erase(m_hiddenChildren, AComponent);
    TbsSkinCustomControl::Notification(AComponent, Operation);
}

const skin::TbsDataSkinPanelControl* TbsSkinPanel::PanelRecord() const
{
    return dynamic_cast<const skin::TbsDataSkinPanelControl*>(SkinRecord());
}

void TbsSkinPanel::Relayout()
{
    AlignControls();
}

void TbsSkinPanel::SetBorderStyle(TbsSkinBorderStyle Value)
{
    m_borderStyle = Value;
    if (SkinIndex() == -1)
        Invalidate();
    Relayout();
}

void TbsSkinPanel::SetCaptionMode(bool Value)
{
    m_captionMode = Value;
    Invalidate();
    Relayout();
}

void TbsSkinPanel::SetDefaultCaptionHeight(int Value)
{
    m_defaultCaptionHeight = Value;
    if (SkinIndex() == -1 && m_captionMode) {
        Invalidate();
        Relayout();
    }
}

void TbsSkinPanel::SetDefaultAlignment(ctl::TAlignment Value)
{
    m_defaultAlignment = Value;
    if (SkinIndex() == -1 && m_captionMode)
        Invalidate();
}

wnd::LRESULT TbsSkinPanel::WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam)
{
    if (Msg != ctl::CM_DIALOGCHAR)
        return TbsSkinCustomControl::WndProc(Msg, WParam, LParam);
    if (!m_captionMode || !Enabled() || !Showing() || !ctl::IsAccel(static_cast<char32_t>(WParam), Caption()))
        return 0;
    if (m_checkedMode)
        SetChecked(!m_checked);
    if (ctl::TWinControl* first = FindNextControl(nullptr, true, true, false))
        first->SetFocus();
    return 1;
}

void TbsSkinPanel::SetCheckedMode(bool Value)
{
    m_checkedMode = Value;
    Invalidate();
}

void TbsSkinPanel::SetChecked(bool Value)
{
    m_checked = Value;
    if (m_checkedMode)
        Invalidate();
    if (AutoEnabledControls && m_checkedMode)
        for (int i = 0; i < ControlCount(); ++i)
            Controls(i)->SetEnabled(m_checked);
    if (OnChecked)
        OnChecked(this);
}

void TbsSkinPanel::SetRollUpMode(bool Value)
{
    m_rollUpMode = Value;
    if (SkinIndex() == -1 && m_captionMode)
        Invalidate();
}

void TbsSkinPanel::SetRollUpState(bool Value)
{
    if (Value == m_rollUpState)
        return;
    if (!m_rollUpMode) {
        m_rollUpState = false;
        return;
    }
    m_rollUpState = Value;
    if (m_rollUpState)
        RollUp();
    else
        RollDown();
    Invalidate();
}

void TbsSkinPanel::RollUp()
{
    if (m_realHeight != -1)
        return;
    m_realHeight = Height();
    if (!m_hasHiddenList) {
        m_hasHiddenList = true;
        for (int i = 0; i < ControlCount(); ++i)
            if (Controls(i)->Visible())
                m_hiddenChildren.push_back(Controls(i));
        for (ctl::TControl* child : m_hiddenChildren) {
            child->FreeNotification(this);
            child->SetVisible(false);
        }
    }
    if (SkinIndex() == -1) {
        SetHeight(m_defaultCaptionHeight + 1);
    } else {
        const gfx::TRect client = SkinClientRect();
        SetHeight(Height() - client.Height());
    }
}

void TbsSkinPanel::RollDown()
{
    if (m_realHeight == -1)
        return;
    SetHeight(m_realHeight);
    m_realHeight = -1;
    for (ctl::TControl* child : m_hiddenChildren) {
        child->RemoveFreeNotification(this);
        if (ContainsControl(child))
            child->SetVisible(true);
    }
    m_hiddenChildren.clear();
    m_hasHiddenList = false;
}

void TbsSkinPanel::SetGlyph(const gfx::TBitmap& Value)
{
    m_glyph = Value;
    Invalidate();
}

void TbsSkinPanel::SetNumGlyphs(int Value)
{
    m_numGlyphs = Value == 2 ? 2 : 1;
    Invalidate();
}

void TbsSkinPanel::SetSpacing(int Value)
{
    m_spacing = Value;
    Invalidate();
}

void TbsSkinPanel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TbsSkinCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (SkinIndex() == -1)
        Invalidate();
}

void TbsSkinPanel::ApplySkin()
{
    TbsSkinCustomControl::ApplySkin();
    if (m_realHeight == -1) {
        Relayout();
    } else {
        // Roll up again for the new look, keeping the height to come back to.
        const int real = m_realHeight;
        m_realHeight = -1;
        RollUp();
        m_realHeight = real;
    }
}

void TbsSkinPanel::AdjustClientRect(gfx::TRect& Rect) const
{
    Rect = ClientRect();
    const skin::TbsDataSkinPanelControl* record = PanelRecord();
    if (SkinIndex() == -1 || !record) {
        if (m_borderStyle != TbsSkinBorderStyle::bvNone)
            gfx::InflateRect(Rect, -1, -1);
        if (m_captionMode)
            Rect.Top += m_defaultCaptionHeight;
        return;
    }
    const bool wholeArea = record->BGPictureIndex != -1
        || (m_borderStyle == TbsSkinBorderStyle::bvNone && !m_captionMode && SkinSizing() == TbsSkinSizing::NineParts);
    if (!wholeArea)
        Rect = SkinClientRect();
}

void TbsSkinPanel::Paint()
{
    if (Width() <= 0 || Height() <= 0)
        return;
    LookupSkinRecord();
    const skin::TbsDataSkinPanelControl* record = PanelRecord();
    if (record && record->BGPictureIndex != -1) {
        if (const gfx::TBitmap* picture = SkinData()->ActivePicture(record->BGPictureIndex)) {
            TileOver(Canvas(), *picture, gfx::Rect(0, 0, picture->Width(), picture->Height()), Width(), Height());
            return;
        }
    }
    PaintThroughBitmap(Canvas());
}

void TbsSkinPanel::DrawDefault(gfx::TBitmap& Bitmap)
{
    gfx::TCanvas& canvas = Bitmap.Canvas();
    canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
    canvas.Brush.Color = gfx::clBtnFace;
    canvas.FillRect(ClientRect());
    gfx::TRect r = gfx::Rect(0, 0, Width(), Height());
    switch (m_borderStyle) {
    case TbsSkinBorderStyle::bvFrame:
        DrawBevelFrame(canvas, r, gfx::clBtnShadow, gfx::clBtnShadow);
        break;
    case TbsSkinBorderStyle::bvRaised:
        DrawBevelFrame(canvas, r, gfx::clBtnHighlight, gfx::clBtnShadow);
        break;
    case TbsSkinBorderStyle::bvLowered:
        DrawBevelFrame(canvas, r, gfx::clBtnShadow, gfx::clBtnHighlight);
        break;
    case TbsSkinBorderStyle::bvNone:
        break;
    }
    if (!m_captionMode)
        return;
    if (m_borderStyle == TbsSkinBorderStyle::bvFrame) {
        r = gfx::Rect(0, 0, Width(), m_defaultCaptionHeight);
        DrawBevelFrame(canvas, r, gfx::clBtnShadow, gfx::clBtnShadow);
        DrawBevelFrame(canvas, r, gfx::clBtnHighlight, gfx::clBtnFace);
    } else {
        r = gfx::Rect(1, 1, Width() - 1, m_defaultCaptionHeight);
        DrawBevelFrame(canvas, r, gfx::clBtnShadow, gfx::clBtnHighlight);
        DrawBevelFrame(canvas, r, gfx::clBtnHighlight, gfx::clBtnShadow);
    }
    canvas.Font = DefaultLookFont();
    DrawCaptionContent(canvas, r, m_defaultAlignment, gfx::clBtnText, false);
}

void TbsSkinPanel::DrawCaptionContent(gfx::TCanvas& Canvas, gfx::TRect R, ctl::TAlignment Alignment,
    gfx::TColor ArrowColor, bool Skinned)
{
    const skin::TbsDataSkinPanelControl* record = PanelRecord();
    if (m_rollUpMode)
        R.Right -= Skinned ? 12 : 10;
    if (m_checkedMode) {
        if (Skinned && record && SkinPicture()) {
            const gfx::TRect source = m_checked ? record->CheckImageRect : record->UnCheckImageRect;
            const int w = record->CheckImageRect.Width();
            const int h = record->CheckImageRect.Height();
            gfx::TBitmap box(w, h);
            box.Canvas().CopyRect(gfx::Rect(0, 0, w, h), *SkinPicture(), gfx::Bounds(source.Left, source.Top, w, h));
            box.Transparent = true;
            Canvas.Draw(R.Left, R.Top + R.Height() / 2 - h / 2, box);
            R.Left += w + 2;
        } else if (!Skinned) {
            R.Left += 20;
        }
    }
    const gfx::TSize text = Canvas.TextExtent(Caption());
    const int glyphWidth = m_glyph.Empty() ? 0 : m_glyph.Width() / m_numGlyphs;
    const int cw = text.cx + (m_glyph.Empty() ? 0 : glyphWidth + m_spacing);
    const int y = R.Top + R.Height() / 2 - text.cy / 2;
    int x = R.Left;
    switch (Alignment) {
    case ctl::TAlignment::taLeftJustify:
        x = Skinned ? R.Left : R.Left + 2;
        break;
    case ctl::TAlignment::taRightJustify:
        x = R.Right - cw;
        break;
    case ctl::TAlignment::taCenter:
        x = (Skinned ? R.Left : R.Left + 2) + R.Width() / 2 - cw / 2;
        break;
    }
    if (m_checkedMode && !Skinned) {
        gfx::TRect box = gfx::Rect(5, R.Top + R.Height() / 2 - 7, 19, R.Top + R.Height() / 2 + 7);
        DrawBevelFrame(Canvas, box, gfx::clBtnShadow, gfx::clBtnShadow);
        if (m_checked) {
            Canvas.Pen.Color = gfx::clBtnText;
            const int cx = box.Left + 3;
            const int cy = box.Top + 2;
            for (int i = 0; i < 3; ++i) {
                Canvas.MoveTo(cx, cy + 5 - i);
                Canvas.LineTo(cx + 2, cy + 7 - i);
                Canvas.LineTo(cx + 7, cy + 2 - i);
            }
        }
    }
    gfx::TPoint glyphAt;
    if (!m_glyph.Empty()) {
        glyphAt = { x, R.Top + R.Height() / 2 - m_glyph.Height() / 2 };
        x += glyphWidth + m_spacing;
    }
    Canvas.Brush.Style = gfx::TBrushStyle::bsClear;
    Canvas.TextRect(R, x, y, Caption());
    if (!m_glyph.Empty())
        skin::DrawStripFrame(Canvas, glyphAt.X, glyphAt.Y, (!Enabled() && m_numGlyphs == 2) ? 2 : 1, m_numGlyphs,
            m_glyph);
    if (m_rollUpMode)
        skin::DrawArrowGlyph(Canvas, gfx::Rect(R.Right, R.Top, R.Right + 10, R.Bottom), ArrowColor,
            m_rollUpState ? skin::TbsArrowKind::akDown : skin::TbsArrowKind::akUp);
}

void TbsSkinPanel::DrawSkin(gfx::TBitmap& Bitmap)
{
    const skin::TbsDataSkinPanelControl* record = PanelRecord();
    if (m_borderStyle == TbsSkinBorderStyle::bvNone && SkinSizing() == TbsSkinSizing::NineParts && !m_captionMode) {
        if (SkinPicture() && record) {
            const gfx::TRect client = gfx::Offset(record->ClientRect, record->SkinRect.Left, record->SkinRect.Top);
            TileOver(Bitmap.Canvas(), *SkinPicture(), client, Width(), Height());
        }
        return;
    }
    TbsSkinCustomControl::DrawSkin(Bitmap);
    if (!record || Caption().empty() || record->CaptionRect.IsEmpty())
        return;
    const gfx::TRect band = MapSkinRect(record->CaptionRect);
    gfx::TCanvas& canvas = Bitmap.Canvas();
    canvas.Font = DefaultLookFont();
    if (UseSkinFont) {
        canvas.Font.Name = record->FontName;
        canvas.Font.Height = record->FontHeight;
        canvas.Font.Style = record->FontStyle;
    }
    canvas.Font.Color = record->FontColor;
    DrawCaptionContent(canvas, band, FromSkin(record->Alignment), record->FontColor, true);
}

gfx::TRect TbsSkinPanel::CaptionHitRect() const
{
    if (const skin::TbsDataSkinPanelControl* record = PanelRecord(); record && SkinIndex() != -1)
        return MapSkinRect(record->CaptionRect);
    return gfx::Rect(1, 1, Width() - 1, m_defaultCaptionHeight);
}

void TbsSkinPanel::MouseUp(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y)
{
    if (Button == ctl::TMouseButton::mbLeft && m_captionMode && (m_checkedMode || m_rollUpMode)) {
        const gfx::TRect band = CaptionHitRect();
        if (X >= band.Left && X <= band.Right && Y >= band.Top && Y <= band.Bottom) {
            if (m_checkedMode)
                SetChecked(!m_checked);
            if (m_rollUpMode)
                SetRollUpState(!m_rollUpState);
        }
    }
    TbsSkinCustomControl::MouseUp(Button, Shift, X, Y);
}

void TbsSkinPanel::TextChanged()
{
    TbsSkinCustomControl::TextChanged();
    if (m_captionMode)
        Invalidate();
}

void TbsSkinPanel::EnabledChanged()
{
    TbsSkinCustomControl::EnabledChanged();
    Invalidate();
}

} // namespace skinctrls
