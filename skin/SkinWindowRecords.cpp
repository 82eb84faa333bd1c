#include "skin/SkinWindowRecords.h"

#include <algorithm>

namespace skin {

namespace {

void VisitCornerPoints(SkinKeyVisitor& keys, gfx::TPoint& lt, gfx::TPoint& rt, gfx::TPoint& lb, gfx::TPoint& rb)
{
    keys.Point("lefttoppoint", lt);
    keys.Point("righttoppoint", rt);
    keys.Point("leftbottompoint", lb);
    keys.Point("rightbottompoint", rb);
}

void VisitStretchFlags(SkinKeyVisitor& keys, bool& left, bool& right, bool& top, bool& bottom)
{
    keys.Flag("leftstretch", left);
    keys.Flag("rightstretch", right);
    keys.Flag("topstretch", top);
    keys.Flag("bottomstretch", bottom);
}

gfx::TPoint OrCorner(gfx::TPoint hitTest, gfx::TPoint corner)
{
    return hitTest.X == 0 || hitTest.Y == 0 ? corner : hitTest;
}

} // namespace

void SkinFormInfo::VisitKeys(SkinKeyVisitor& keys)
{
    VisitCornerPoints(keys, LTPoint, RTPoint, LBPoint, RBPoint);
    keys.Rect("clientrect", ClientRect);
    keys.Integer("bgpictureindex", BGPictureIndex, -1);
    keys.Integer("mdibgpictureindex", MDIBGPictureIndex, -1);
    VisitStretchFlags(keys, LeftStretch, RightStretch, TopStretch, BottomStretch);
    keys.Rect("maskrectarea", MaskRectArea);
    keys.Point("hittestlefttoppoint", HitTestLTPoint);
    keys.Point("hittestrighttoppoint", HitTestRTPoint);
    keys.Point("hittestleftbottompoint", HitTestLBPoint);
    keys.Point("hittestrightbottompoint", HitTestRBPoint);
    keys.Rect("buttonsrect", ButtonsRect);
    keys.Rect("captionrect", CaptionRect);
    keys.Integer("buttonsoffset", ButtonsOffset, 0);
    keys.Flag("buttonsinleft", ButtonsInLeft);
    keys.Flag("mainmenupopupup", MainMenuPopupUp);
    keys.Integer("borderwidth", BorderWidth, 0);
    keys.Flag("autorenderinginactiveimage", AutoRenderingInActiveImage);
    keys.Effect("inactiveeffect", InActiveEffect);
}

void SkinFormInfo::LoadFromIni(const SkinIniFile& ini, bool skinHasMask)
{
    SkinIniKeyReader reader(ini, "FORMINFO");
    VisitKeys(reader);

    if (skinHasMask) {
        if (MaskRectArea.Width() <= 0 || MaskRectArea.Height() <= 0) {
            MaskRectArea = ClientRect;
        } else {
            MaskRectArea.Left = std::min(MaskRectArea.Left, ClientRect.Left);
            MaskRectArea.Top = std::min(MaskRectArea.Top, ClientRect.Top);
            MaskRectArea.Right = std::max(MaskRectArea.Right, ClientRect.Right);
            MaskRectArea.Bottom = std::max(MaskRectArea.Bottom, ClientRect.Bottom);
        }
        HitTestLTPoint = OrCorner(HitTestLTPoint, LTPoint);
        HitTestRTPoint = OrCorner(HitTestRTPoint, RTPoint);
        HitTestLBPoint = OrCorner(HitTestLBPoint, LBPoint);
        HitTestRBPoint = OrCorner(HitTestRBPoint, RBPoint);
    }

    if (RBPoint.X != LTPoint.X && RBPoint.Y != LTPoint.Y) {
        LTPoint.X = std::max(LTPoint.X, ClientRect.Left);
        LBPoint.X = std::max(LBPoint.X, ClientRect.Left);
        LTPoint.Y = std::max(LTPoint.Y, ClientRect.Top);
        RTPoint.Y = std::max(RTPoint.Y, ClientRect.Top);
        RTPoint.X = std::min(RTPoint.X, ClientRect.Right);
        RBPoint.X = std::min(RBPoint.X, ClientRect.Right);
        LBPoint.Y = std::min(LBPoint.Y, ClientRect.Bottom);
        RBPoint.Y = std::min(RBPoint.Y, ClientRect.Bottom);
    }
}

void TbsDataSkinPopupWindow::LoadFromIni(const SkinIniFile& ini)
{
    SkinIniKeyReader reader(ini, "POPUPWINDOW");
    VisitKeys(reader);
}

void TbsDataSkinPopupWindow::VisitKeys(SkinKeyVisitor& keys)
{
    keys.Integer("windowpictureindex", WindowPictureIndex, -1);
    keys.Integer("maskpictureindex", MaskPictureIndex, -1);
    VisitCornerPoints(keys, LTPoint, RTPoint, LBPoint, RBPoint);
    keys.Rect("itemsrect", ItemsRect);
    keys.Integer("scrollmarkercolor", ScrollMarkerColor, 0);
    keys.Integer("scrollmarkeractivecolor", ScrollMarkerActiveColor, 0);
    VisitStretchFlags(keys, LeftStretch, RightStretch, TopStretch, BottomStretch);
}

void TbsDataSkinHintWindow::LoadFromIni(const SkinIniFile& ini)
{
    SkinIniKeyReader reader(ini, "HINTWINDOW");
    VisitKeys(reader);
}

void TbsDataSkinHintWindow::VisitKeys(SkinKeyVisitor& keys)
{
    keys.Integer("windowpictureindex", WindowPictureIndex, -1);
    keys.Integer("maskpictureindex", MaskPictureIndex, -1);
    VisitCornerPoints(keys, LTPoint, RTPoint, LBPoint, RBPoint);
    keys.Rect("clientrect", ClientRect);
    keys.Text("fontname", FontName, "Arial");
    keys.Integer("fontheight", FontHeight, 14);
    keys.FontStyle("fontstyle", FontStyle);
    keys.Integer("fontcolor", FontColor, 0);
    VisitStretchFlags(keys, LeftStretch, RightStretch, TopStretch, BottomStretch);
}

} // namespace skin
