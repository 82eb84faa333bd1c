#pragma once

#include "platform/graphics/Geometry.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TFont.h"
#include "skin/SkinIniFile.h"
#include "skin/SkinIniValues.h"
#include "skin/SkinRecordKeys.h"

#include <string>

namespace skin {

// The skinned window frame (section "FORMINFO"): how the main picture is cut
// into the frame, where the caption and its buttons go, and how the frame is
// hit-tested for resizing.
struct SkinFormInfo {
    gfx::TPoint LTPoint; // "lefttoppoint"
    gfx::TPoint RTPoint; // "righttoppoint"
    gfx::TPoint LBPoint; // "leftbottompoint"
    gfx::TPoint RBPoint; // "rightbottompoint"
    gfx::TRect ClientRect;
    int BGPictureIndex { -1 };
    int MDIBGPictureIndex { -1 };
    bool LeftStretch { false };
    bool RightStretch { false };
    bool TopStretch { false };
    bool BottomStretch { false };
    gfx::TRect MaskRectArea;
    gfx::TPoint HitTestLTPoint;
    gfx::TPoint HitTestRTPoint;
    gfx::TPoint HitTestLBPoint;
    gfx::TPoint HitTestRBPoint;
    gfx::TRect ButtonsRect;
    gfx::TRect CaptionRect;
    int ButtonsOffset { 0 };
    bool ButtonsInLeft { false };
    bool MainMenuPopupUp { false };
    int BorderWidth { 0 };
    bool AutoRenderingInActiveImage { false };
    TbsInactiveEffect InActiveEffect { TbsInactiveEffect::ieBrightness };

    void VisitKeys(SkinKeyVisitor& keys);
    // Reads the section and settles the geometry: with a mask picture the mask
    // area takes in the client rectangle and unset hit-test points fall back to
    // the frame corners; the corner points are pulled into the client span.
    void LoadFromIni(const SkinIniFile& ini, bool skinHasMask);
};

// The window of the skinned popup menus (section "POPUPWINDOW").
class TbsDataSkinPopupWindow {
public:
    void LoadFromIni(const SkinIniFile& ini);
    void VisitKeys(SkinKeyVisitor& keys);

    int WindowPictureIndex { -1 };
    int MaskPictureIndex { -1 };
    gfx::TPoint LTPoint;
    gfx::TPoint RTPoint;
    gfx::TPoint LBPoint;
    gfx::TPoint RBPoint;
    gfx::TRect ItemsRect;
    gfx::TColor ScrollMarkerColor { 0 };
    gfx::TColor ScrollMarkerActiveColor { 0 };
    bool LeftStretch { false };
    bool RightStretch { false };
    bool TopStretch { false };
    bool BottomStretch { false };
};

// The window of the skinned hints (section "HINTWINDOW").
class TbsDataSkinHintWindow {
public:
    void LoadFromIni(const SkinIniFile& ini);
    void VisitKeys(SkinKeyVisitor& keys);

    int WindowPictureIndex { -1 };
    int MaskPictureIndex { -1 };
    gfx::TPoint LTPoint;
    gfx::TPoint RTPoint;
    gfx::TPoint LBPoint;
    gfx::TPoint RBPoint;
    gfx::TRect ClientRect;
    std::string FontName { "Arial" };
    int FontHeight { 14 };
    gfx::TFontStyles FontStyle;
    gfx::TColor FontColor { 0 };
    bool LeftStretch { false };
    bool RightStretch { false };
    bool TopStretch { false };
    bool BottomStretch { false };
};

} // namespace skin
