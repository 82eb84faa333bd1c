#include "skinctrls/TbsSkinBevel.h"

#include "platform/graphics/TCanvas.h"
#include "skin/SkinControlRecords.h"
#include "skin/TbsSkinData.h"
#include "skinctrls/SkinLookup.h"

namespace skinctrls {

TbsSkinBevel::TbsSkinBevel(ctl::TComponent* AOwner) : ctl::TGraphicControl(AOwner)
{
    TGraphicControl::SetBounds(0, 0, 50, 50);
    m_opaque = false;
}

void TbsSkinBevel::SetShape(TBevelShape Value)
{
    m_shape = Value;
    Invalidate();
}

void TbsSkinBevel::SetStyle(TBevelStyle Value)
{
    m_style = Value;
    Invalidate();
}

void TbsSkinBevel::SetDividerMode(bool Value)
{
    m_dividerMode = Value;
    Invalidate();
}

void TbsSkinBevel::SetSkinData(skin::TbsSkinData* Value)
{
    skin::FollowSkinData(*this, m_skinData, Value);
    m_skinData = Value;
    ApplySkin();
}

void TbsSkinBevel::Notification(ctl::TComponent* AComponent, ctl::TOperation Operation)
{
    if (Operation == ctl::TOperation::opRemove && skin::IsSkinData(AComponent, m_skinData)) {
        m_skinData = nullptr;
        m_skinIndex = -1;
    }
    ctl::TGraphicControl::Notification(AComponent, Operation);
}

void TbsSkinBevel::ApplySkin()
{
    m_skinIndex = LookupSkinIndex(m_skinData, m_skinDataName);
    if (m_skinIndex == -1) {
        m_lightColor = gfx::clBtnHighlight;
        m_darkColor = gfx::clBtnShadow;
    } else if (const auto* record = dynamic_cast<const skin::TbsDataSkinBevel*>(SkinRecordAt(m_skinData, m_skinIndex))) {
        m_lightColor = record->LightColor;
        m_darkColor = record->DarkColor;
    }
    Invalidate();
}

void TbsSkinBevel::DrawLine(gfx::TCanvas& Canvas, int X1, int Y1, int X2, int Y2, gfx::TColor Color) const
{
    Canvas.Pen.Color = Color;
    Canvas.MoveTo(X1, Y1);
    Canvas.LineTo(X2, Y2);
}

void TbsSkinBevel::DrawBox(gfx::TCanvas& Canvas, const gfx::TRect& R, gfx::TColor C1, gfx::TColor C2) const
{
    Canvas.Pen.Color = C1;
    Canvas.MoveTo(R.Left, R.Bottom);
    Canvas.LineTo(R.Left, R.Top);
    Canvas.LineTo(R.Right, R.Top);
    Canvas.Pen.Color = C2;
    Canvas.LineTo(R.Right, R.Bottom);
    Canvas.LineTo(R.Left, R.Bottom);
}

void TbsSkinBevel::Paint()
{
    gfx::TCanvas& canvas = Canvas();
    canvas.Pen.Width = 1;
    canvas.Pen.Style = gfx::TPenStyle::psSolid;
    canvas.Pen.Mode = gfx::TPenMode::pmCopy;
    const gfx::TColor c1 = m_style == TBevelStyle::bsLowered ? m_darkColor : m_lightColor;
    const gfx::TColor c2 = m_style == TBevelStyle::bsLowered ? m_lightColor : m_darkColor;
    const int w = Width();
    const int h = Height();
    if (m_dividerMode) {
        switch (m_shape) {
        case TBevelShape::bsBox:
        case TBevelShape::bsFrame:
        case TBevelShape::bsLeftLine:
        case TBevelShape::bsRightLine:
            DrawBox(canvas, gfx::Rect(w / 2 - 1, 2, w / 2, h - 2), c1, c2);
            break;
        case TBevelShape::bsTopLine:
        case TBevelShape::bsBottomLine:
            DrawBox(canvas, gfx::Rect(2, h / 2 - 1, w - 2, h / 2), c1, c2);
            break;
        case TBevelShape::bsSpacer:
            break;
        }
        return;
    }
    switch (m_shape) {
    case TBevelShape::bsBox:
        DrawBox(canvas, gfx::Rect(0, 0, w - 1, h - 1), c1, c2);
        break;
    case TBevelShape::bsFrame:
        DrawBox(canvas, gfx::Rect(1, 1, w - 1, h - 1), c2, c2);
        DrawBox(canvas, gfx::Rect(0, 0, w - 2, h - 2), c1, c1);
        break;
    case TBevelShape::bsTopLine:
        DrawLine(canvas, 0, 0, w, 0, c1);
        DrawLine(canvas, 0, 1, w, 1, c2);
        break;
    case TBevelShape::bsBottomLine:
        DrawLine(canvas, 0, h - 2, w, h - 2, c1);
        DrawLine(canvas, 0, h - 1, w, h - 1, c2);
        break;
    case TBevelShape::bsLeftLine:
        DrawLine(canvas, 0, 0, 0, h, c1);
        DrawLine(canvas, 1, 0, 1, h, c2);
        break;
    case TBevelShape::bsRightLine:
        DrawLine(canvas, w - 2, 0, w - 2, h, c1);
        DrawLine(canvas, w - 1, 0, w - 1, h, c2);
        break;
    case TBevelShape::bsSpacer:
        break;
    }
}

} // namespace skinctrls
