#include "platform/graphics/TCanvas.h"
#include "skin/SkinControlRecords.h"
#include "skin/TbsSkinData.h"
#include "skinctrls/DefaultLook.h"
#include "skinctrls/SkinPart.h"

#include <gtest/gtest.h>

using namespace skinctrls;

namespace {

skin::TbsSkinGeometry Geometry(gfx::TPoint lt, gfx::TPoint rt, gfx::TPoint lb, gfx::TPoint rb, gfx::TRect client)
{
    return { lt, rt, lb, rb, client };
}

TEST(SkinPartSizing, KindsFollowTheCornerPoints)
{
    const gfx::TRect r { 0, 0, 69, 25 };
    EXPECT_EQ(SizingOf({ 0, 0, 0, 25 }, {}), TbsSkinSizing::None);
    EXPECT_EQ(SizingOf(r, Geometry({ 5, 5 }, { 60, 5 }, { 5, 20 }, { 60, 20 }, {})), TbsSkinSizing::NineParts);
    EXPECT_EQ(SizingOf(r, Geometry({ 5, 0 }, { 60, 0 }, {}, {}, {})), TbsSkinSizing::Horizontal);
    EXPECT_EQ(SizingOf(r, Geometry({ 5, 5 }, {}, { 4, 16 }, {}, {})), TbsSkinSizing::Vertical);
    EXPECT_EQ(SizingOf(r, {}), TbsSkinSizing::Fixed);
}

TEST(SkinPartSizing, CalcAndMapForEachSizing)
{
    skin::TbsSkinData data;
    skin::TbsDataSkinCustomControl panel("panel", skin::SkinControlKind::Panel);
    panel.SkinRect = { 0, 0, 67, 49 };
    panel.LTPoint = { 5, 5 };
    panel.RTPoint = { 60, 5 };
    panel.LBPoint = { 5, 40 };
    panel.RBPoint = { 60, 40 };
    panel.ClientRect = { 1, 1, 66, 48 };
    TbsSkinPart part;
    part.Take(panel, data);
    EXPECT_EQ(part.Picture(), nullptr); // picture index -1
    int w = 200;
    int h = 100;
    part.CalcSkinSize(w, h);
    EXPECT_EQ(w, 200);
    EXPECT_EQ(h, 100);
    EXPECT_EQ(part.Sized().ClientRect, gfx::Rect(1, 1, 199, 99));
    // A caption band across the top grows with the width only.
    EXPECT_EQ(part.MapRect({ 2, 1, 62, 4 }, 200, 100), gfx::Rect(2, 1, 195, 4));
    // A rectangle inside the right-bottom corner moves with both.
    EXPECT_EQ(part.MapRect({ 61, 41, 64, 44 }, 200, 100), gfx::Rect(194, 92, 197, 95));

    skin::TbsDataSkinCustomControl button("button", skin::SkinControlKind::Button);
    button.SkinRect = { 0, 0, 69, 25 };
    button.LTPoint = { 5, 0 };
    button.RTPoint = { 60, 0 };
    button.ClientRect = { 3, 3, 66, 22 };
    part.Take(button, data);
    w = 120;
    h = 40;
    part.CalcSkinSize(w, h);
    EXPECT_EQ(w, 120);
    EXPECT_EQ(h, 25); // a horizontal part keeps the skin's height
    EXPECT_EQ(part.Sized().ClientRect, gfx::Rect(3, 3, 117, 22));

    skin::TbsDataSkinCustomControl splitter("vsplitter", skin::SkinControlKind::Splitter);
    splitter.SkinRect = { 276, 228, 286, 250 };
    splitter.LTPoint = { 5, 5 };
    splitter.LBPoint = { 4, 16 };
    part.Take(splitter, data);
    w = 30;
    h = 100;
    part.CalcSkinSize(w, h);
    EXPECT_EQ(w, 10);
    EXPECT_EQ(part.MapRect({ 0, 17, 10, 20 }, 10, 100), gfx::Rect(0, 95, 10, 98));
    EXPECT_EQ(part.MapRect({ 0, 0, 10, 4 }, 10, 100), gfx::Rect(0, 0, 10, 4));

    // A record without corner points: fixed, no picture.
    skin::TbsDataSkinBevel bevel("bevel", skin::SkinControlKind::Bevel);
    part.Take(bevel, data);
    EXPECT_EQ(part.Sizing(), TbsSkinSizing::Fixed);
    EXPECT_EQ(part.Picture(), nullptr);
}

TEST(DefaultLookFrame, TopLeftAndBottomRightColours)
{
    gfx::TBitmap bitmap(10, 8);
    bitmap.Fill(gfx::clWhite);
    gfx::TRect r { 0, 0, 10, 8 };
    DrawBevelFrame(bitmap.Canvas(), r, gfx::clRed, gfx::clBlue);
    EXPECT_EQ(r, gfx::Rect(1, 1, 9, 7));
    EXPECT_EQ(bitmap.GetPixel(0, 0), gfx::clRed);
    EXPECT_EQ(bitmap.GetPixel(0, 6), gfx::clRed);
    EXPECT_EQ(bitmap.GetPixel(8, 0), gfx::clRed);
    EXPECT_EQ(bitmap.GetPixel(9, 0), gfx::clBlue);
    EXPECT_EQ(bitmap.GetPixel(9, 7), gfx::clBlue);
    EXPECT_EQ(bitmap.GetPixel(0, 7), gfx::clBlue);
    EXPECT_EQ(bitmap.GetPixel(1, 1), gfx::clWhite);
}

} // namespace
