#include "skinform/FrameGeometry.h"

#include "skin/SkinWindowRecords.h"

#include <algorithm>

namespace skinform {

skin::TbsSkinGeometry SkinFrameGeometry(const skin::SkinFormInfo& info)
{
    return { info.LTPoint, info.RTPoint, info.LBPoint, info.RBPoint, info.ClientRect };
}

TbsFrameGeometry ComputeFrameGeometry(const skin::SkinFormInfo& info, gfx::TSize pictureSize, int width, int height)
{
    const int dx = width - pictureSize.cx;
    const int dy = height - pictureSize.cy;
    TbsFrameGeometry g;
    g.Frame = skin::NewSkinGeometry(SkinFrameGeometry(info), pictureSize, width, height);

    g.CaptionRect = info.CaptionRect;
    if (!g.CaptionRect.IsEmpty())
        g.CaptionRect.Right += dx;

    // Buttons right of the picture's middle stay with the right edge; buttons
    // left of it stay put and are laid out from the left.
    g.ButtonsRect = info.ButtonsRect;
    if (!g.ButtonsRect.IsEmpty()) {
        if (g.ButtonsRect.Left > pictureSize.cx / 2)
            g.ButtonsRect = gfx::Offset(g.ButtonsRect, dx, 0);
        else
            g.ButtonsInLeft = true;
    }

    g.HitTestLT = info.HitTestLTPoint;
    g.HitTestRT = { info.HitTestRTPoint.X + dx, info.HitTestRTPoint.Y };
    g.HitTestLB = { info.HitTestLBPoint.X, info.HitTestLBPoint.Y + dy };
    g.HitTestRB = { info.HitTestRBPoint.X + dx, info.HitTestRBPoint.Y + dy };

    g.MaskRectArea = info.MaskRectArea;
    g.MaskRectArea.Right += dx;
    g.MaskRectArea.Bottom += dy;
    return g;
}

gfx::TRect SkinnedClientRect(const skin::SkinFormInfo& info, gfx::TSize pictureSize, gfx::TRect window)
{
    gfx::TRect r = window;
    r.Left += info.ClientRect.Left;
    r.Top += info.ClientRect.Top;
    r.Right -= pictureSize.cx - info.ClientRect.Right;
    r.Bottom -= pictureSize.cy - info.ClientRect.Bottom;
    r.Right = std::max(r.Right, r.Left);
    r.Bottom = std::max(r.Bottom, r.Top);
    return r;
}

gfx::TRect DefaultClientRect(gfx::TRect window, int captionHeight)
{
    gfx::TRect r = window;
    r.Left += kDefaultBorder;
    r.Top += captionHeight + kDefaultBorder;
    r.Right -= kDefaultBorder;
    r.Bottom -= kDefaultBorder;
    r.Right = std::max(r.Right, r.Left);
    r.Bottom = std::max(r.Bottom, r.Top);
    return r;
}

} // namespace skinform
