#include "skinform/FrameHitTest.h"

namespace skinform {

namespace {

    bool InCaption(const TbsFrameHitState& s, gfx::TPoint p) { return s.InCaptionObject && s.InCaptionObject(p); }

    bool Outside(const TbsFrameHitState& s, gfx::TPoint p)
    {
        if (s.OutsideShape)
            return s.OutsideShape(p);
        return !gfx::Rect(0, 0, s.WindowSize.cx, s.WindowSize.cy).Contains(p);
    }

    bool NearEdge(const TbsFrameHitState& s, gfx::TPoint p)
    {
        const int b = s.BorderWidth;
        return Outside(s, { p.X - b, p.Y }) || Outside(s, { p.X, p.Y - b }) || Outside(s, { p.X + b, p.Y })
            || Outside(s, { p.X, p.Y + b });
    }

    wnd::LRESULT EdgeCode(const TbsFrameGeometry& g, gfx::TPoint p, gfx::TSize size)
    {
        const gfx::TRect& client = g.Frame.ClientRect;
        if (p.X <= g.HitTestLT.X && p.Y <= g.HitTestLT.Y)
            return wnd::HTTOPLEFT;
        if (p.X >= g.HitTestRT.X && p.Y <= g.HitTestRT.Y)
            return wnd::HTTOPRIGHT;
        if (p.X <= g.HitTestLB.X && p.Y >= g.HitTestLB.Y)
            return wnd::HTBOTTOMLEFT;
        if (p.X >= g.HitTestRB.X && p.Y >= g.HitTestRB.Y)
            return wnd::HTBOTTOMRIGHT;
        if (gfx::Rect(g.HitTestLT.X, 0, g.HitTestRT.X, client.Top).Contains(p))
            return wnd::HTTOP;
        if (gfx::Rect(g.HitTestLB.X, client.Bottom, g.HitTestRB.X, size.cy).Contains(p))
            return wnd::HTBOTTOM;
        if (gfx::Rect(0, g.HitTestLT.Y, client.Left, g.HitTestLB.Y).Contains(p))
            return wnd::HTLEFT;
        if (gfx::Rect(client.Right, g.HitTestRT.Y, size.cx, g.HitTestRB.Y).Contains(p))
            return wnd::HTRIGHT;
        return wnd::HTNOWHERE;
    }

} // namespace

wnd::LRESULT FrameHitTest(const TbsFrameGeometry& g, gfx::TPoint p, const TbsFrameHitState& s)
{
    const gfx::TRect& client = g.Frame.ClientRect;
    if (!s.RolledUpOrMinimized) {
        if (s.ObjectHot && !InCaption(s, p) && !client.Contains(p))
            return wnd::HTOBJECT;
        if (s.Resizable) {
            if (!NearEdge(s, p)) {
                if (client.Contains(p))
                    return wnd::HTCLIENT;
                return InCaption(s, p) ? wnd::HTCAPTION : wnd::HTOBJECT;
            }
            if (const wnd::LRESULT edge = EdgeCode(g, p, s.WindowSize); edge != wnd::HTNOWHERE)
                return edge;
        }
        if (client.Contains(p))
            return wnd::HTCLIENT;
    }
    return InCaption(s, p) ? wnd::HTCAPTION : wnd::HTOBJECT;
}

} // namespace skinform
