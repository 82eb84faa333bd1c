#include "platform/controls/TSplitter.h"

#include "platform/controls/TWinControl.h"
#include "platform/window/Painting.h"

#include <algorithm>

namespace ctl {

TSplitter::TSplitter(TComponent* AOwner) : TGraphicControl(AOwner)
{
    TControl::SetBounds(0, 0, 3, 100);
    SetAlign(TAlign::alLeft);
}

TCursor TSplitter::DisplayCursor() const
{
    if (Cursor() != crDefault)
        return Cursor();
    return Horizontal() ? crVSplit : crHSplit;
}

void TSplitter::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == TOperation::opRemove && AComponent == m_control)
        m_control = nullptr;
    TGraphicControl::Notification(AComponent, Operation);
}

void TSplitter::SetBeveled(bool Value)
{
    m_beveled = Value;
    Invalidate();
}

bool TSplitter::Horizontal() const
{
    return Align() == TAlign::alTop || Align() == TAlign::alBottom;
}

TControl* TSplitter::FindResizeControl() const
{
    TWinControl* parent = Parent();
    if (!parent)
        return nullptr;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        if (c == this || !c->Visible() || c->Align() != Align())
            continue;
        const gfx::TRect b = c->BoundsRect();
        const bool touches = (Align() == TAlign::alLeft && b.Right == Left())
            || (Align() == TAlign::alRight && b.Left == Left() + Width())
            || (Align() == TAlign::alTop && b.Bottom == Top())
            || (Align() == TAlign::alBottom && b.Top == Top() + Height());
        if (touches)
            return c;
    }
    return nullptr;
}

int TSplitter::MaxSize() const
{
    // The control may grow into the client-aligned space, leaving it MinSize.
    TWinControl* parent = Parent();
    int room = 0;
    for (int i = 0; parent && i < parent->ControlCount(); ++i) {
        const TControl* c = parent->Controls(i);
        if (c->Visible() && c->Align() == TAlign::alClient)
            room = std::max(room, Horizontal() ? c->Height() : c->Width());
    }
    return m_startSize + std::max(0, room - MinSize);
}

int TSplitter::SizeFor(int Delta) const
{
    const bool growsWithDelta = Align() == TAlign::alLeft || Align() == TAlign::alTop;
    int size = m_startSize + (growsWithDelta ? Delta : -Delta);
    size = std::min(size, MaxSize());
    if (size < MinSize)
        size = AutoSnap && size < MinSize / 2 ? 0 : MinSize;
    return size;
}

void TSplitter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != TMouseButton::mbLeft || ResizeStyle == TResizeStyle::rsNone)
        return;
    m_control = FindResizeControl();
    if (!m_control)
        return;
    m_control->FreeNotification(this);
    m_downPos = { X, Y };
    m_startSize = Horizontal() ? m_control->Height() : m_control->Width();
    m_newSize = m_startSize;
    m_lineOffset = 0;
    if (ResizeStyle == TResizeStyle::rsLine)
        DrawLine();
}

void TSplitter::MouseMove(TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!m_control)
        return;
    const int delta = Horizontal() ? Y - m_downPos.Y : X - m_downPos.X;
    int size = SizeFor(delta);
    bool accept = true;
    if (OnCanResize)
        OnCanResize(this, size, accept);
    if (!accept || size == m_newSize)
        return;
    if (ResizeStyle == TResizeStyle::rsLine) {
        DrawLine();
        const bool growsWithDelta = Align() == TAlign::alLeft || Align() == TAlign::alTop;
        m_lineOffset = growsWithDelta ? size - m_startSize : m_startSize - size;
        m_newSize = size;
        DrawLine();
    } else {
        m_newSize = size;
        ApplySize(size);
    }
}

void TSplitter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!m_control || Button != TMouseButton::mbLeft)
        return;
    if (ResizeStyle == TResizeStyle::rsLine) {
        DrawLine();
        ApplySize(m_newSize);
    }
    m_control->RemoveFreeNotification(this);
    m_control = nullptr;
    if (OnMoved)
        OnMoved(this);
}

void TSplitter::ApplySize(int Size)
{
    if (Horizontal())
        m_control->SetHeight(Size);
    else
        m_control->SetWidth(Size);
}

void TSplitter::DrawLine()
{
    // The drag line is drawn inverted across the parent, so drawing it again removes it.
    TWinControl* parent = Parent();
    if (!parent || !parent->Handle())
        return;
    wnd::TWindowDC dc(parent->Handle());
    if (!dc.Valid())
        return;
    const gfx::TRect b = BoundsRect();
    if (Horizontal())
        dc.Canvas().PatBlt(b.Left, b.Top + m_lineOffset, b.Width(), b.Height(), gfx::DSTINVERT);
    else
        dc.Canvas().PatBlt(b.Left + m_lineOffset, b.Top, b.Width(), b.Height(), gfx::DSTINVERT);
    m_lineVisible = !m_lineVisible;
}

void TSplitter::Paint()
{
    gfx::TCanvas& canvas = Canvas();
    const gfx::TRect client = ClientRect();
    canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
    canvas.Brush.Color = Color();
    canvas.FillRect(client);
    if (m_beveled) {
        // Grown by 2 along the bar, shrunk by 1 across it; a highlight outline
        // one pixel down and right, a shadow outline one pixel up and left.
        gfx::TRect r = client;
        if (Horizontal())
            r = gfx::Rect(r.Left - 2, r.Top + 1, r.Right + 2, r.Bottom - 1);
        else
            r = gfx::Rect(r.Left + 1, r.Top - 2, r.Right - 1, r.Bottom + 2);
        canvas.Brush.Color = gfx::clBtnHighlight;
        canvas.FrameRect(gfx::Offset(r, 1, 1));
        canvas.Brush.Color = gfx::clBtnShadow;
        canvas.FrameRect(gfx::Offset(r, -1, -1));
    }
    if (OnPaint)
        OnPaint(this);
}

} // namespace ctl
