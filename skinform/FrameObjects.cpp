#include "skinform/FrameObjects.h"

#include "platform/graphics/TCanvas.h"
#include "skin/SkinGlyphs.h"
#include "skin/SkinImageBuilders.h"
#include "skin/SkinText.h"
#include "skin/TbsSkinData.h"
#include "skinform/FrameTimers.h"
#include "skinform/TbsSkinForm.h"

namespace skinform {

namespace {

    gfx::TBitmap Piece(const gfx::TBitmap& source, const gfx::TRect& r)
    {
        gfx::TBitmap piece(std::max(0, r.Width()), std::max(0, r.Height()));
        if (!piece.Empty()) {
            gfx::TCanvas c(piece);
            c.BitBlt(0, 0, r.Width(), r.Height(), source, r.Left, r.Top);
        }
        return piece;
    }

    const gfx::TBitmap* OwnPicture(const skin::TbsDataSkinObject* record, const skin::TbsSkinData* data)
    {
        if (!record || !data)
            return nullptr;
        return data->ActivePicture(record->ActivePictureIndex);
    }

    // Navy frame and light fills of the built-in buttons under the mouse.
    constexpr gfx::TColor kHotFrame = 8388608;
    constexpr gfx::TColor kHotFill = 13811126;
    constexpr gfx::TColor kDownFill = 11899781;

} // namespace

// --- TbsActiveSkinObject ------------------------------------------------------

TbsActiveSkinObject::TbsActiveSkinObject(TbsSkinForm& form, const skin::TbsDataSkinObject* record,
    const skin::TbsSkinData* data)
    : m_form(form)
{
    if (data)
        m_framePicture = &data->Picture();
    m_ownPicture = OwnPicture(record, data);
    if (!record)
        return;
    IDName = record->IDName();
    Hint = record->Hint;
    SkinRectInAPicture = record->SkinRectInAPicture;
    SkinRect = record->SkinRect;
    ActiveSkinRect = m_ownPicture ? record->ActiveSkinRect : gfx::TRect {};
    InActiveSkinRect = record->InActiveSkinRect;
    Morphing = record->Morphing;
    MorphKind = record->MorphingKind;
    ObjectRect = SkinRect;
}

bool TbsActiveSkinObject::CanMorph() const
{
    return (Active && MorphFactor < 1) || (!Active && MorphFactor > 0);
}

bool TbsActiveSkinObject::StepMorph()
{
    if (!Morphing || !CanMorph())
        return false;
    MorphFactor = std::clamp(MorphFactor + (Active ? kMorphStep : -kMorphStep), 0.0, 1.0);
    // Five steps of 0.2 land on the ends despite rounding.
    if (MorphFactor > 0.999)
        MorphFactor = 1;
    if (MorphFactor < 0.001)
        MorphFactor = 0;
    Redraw();
    return true;
}

void TbsActiveSkinObject::DrawPiece(gfx::TCanvas& canvas, const gfx::TRect& source, bool fromOwnPicture) const
{
    const gfx::TBitmap* picture = fromOwnPicture ? m_ownPicture : m_framePicture;
    if (!picture || source.IsEmpty())
        return;
    canvas.BitBlt(ObjectRect.Left, ObjectRect.Top, std::min(source.Width(), ObjectRect.Width()),
        std::min(source.Height(), ObjectRect.Height()), *picture, source.Left, source.Top);
}

void TbsActiveSkinObject::DrawMorph(gfx::TCanvas& canvas, const gfx::TRect& normal, bool normalFromOwn,
    const gfx::TRect& active) const
{
    const gfx::TBitmap* normalPicture = normalFromOwn ? m_ownPicture : m_framePicture;
    if (!normalPicture || !m_ownPicture)
        return;
    skin::TbsEffectBmp from(Piece(*normalPicture, normal));
    const skin::TbsEffectBmp to(Piece(*m_ownPicture, active));
    from.Morph(to, MorphKind, MorphFactor);
    from.DrawTo(canvas, ObjectRect.Left, ObjectRect.Top);
}

void TbsActiveSkinObject::Draw(gfx::TCanvas& canvas, bool full)
{
    if (Enabled && !m_form.IsActive() && !InActiveSkinRect.IsEmpty() && m_ownPicture) {
        DrawPiece(canvas, InActiveSkinRect, true);
        return;
    }
    if (Morphing && CanMorph() && !ActiveSkinRect.IsEmpty()) {
        DrawMorph(canvas, SkinRect, HasOwnPicture(), ActiveSkinRect);
        return;
    }
    if (Active && !ActiveSkinRect.IsEmpty()) {
        DrawPiece(canvas, ActiveSkinRect, true);
        return;
    }
    if (HasOwnPicture() || full)
        DrawPiece(canvas, SkinRect, HasOwnPicture());
}

void TbsActiveSkinObject::Redraw()
{
    m_form.RedrawFrameObject(*this);
}

void TbsActiveSkinObject::StartFade()
{
    if (ActiveSkinRect.IsEmpty())
        return;
    if (Morphing)
        m_form.StartMorphTimer();
    else
        Redraw();
}

void TbsActiveSkinObject::MouseDown(int X, int Y, wnd::TMouseButton Button)
{
    if (m_form.OnMouseDownEvent)
        m_form.OnMouseDownEvent(IDName, X, Y, ObjectRect, Button);
}

void TbsActiveSkinObject::MouseUp(int X, int Y, wnd::TMouseButton Button)
{
    if (Active && m_form.OnMouseUpEvent)
        m_form.OnMouseUpEvent(IDName, X, Y, ObjectRect, Button);
}

void TbsActiveSkinObject::MouseMove(int X, int Y)
{
    if (m_form.OnMouseMoveEvent)
        m_form.OnMouseMoveEvent(IDName, X, Y, ObjectRect);
}

void TbsActiveSkinObject::MouseEnter()
{
    MouseIn = Active = true;
    if (m_form.OnMouseEnterEvent)
        m_form.OnMouseEnterEvent(IDName);
    StartFade();
}

void TbsActiveSkinObject::MouseLeave()
{
    MouseIn = Active = false;
    if (m_form.OnMouseLeaveEvent)
        m_form.OnMouseLeaveEvent(IDName);
    StartFade();
}

// --- TbsUserObject -------------------------------------------------------------

void TbsUserObject::Draw(gfx::TCanvas& canvas, bool)
{
    if (m_form.OnPaintEvent)
        m_form.OnPaintEvent(IDName, canvas, ObjectRect);
}

// --- TbsSkinButtonObject ----------------------------------------------------------

TbsSkinButtonObject::TbsSkinButtonObject(TbsSkinForm& form, const skin::TbsDataSkinButton* record,
    const skin::TbsSkinData* data)
    : TbsActiveSkinObject(form, record, data)
{
    if (!record)
        return;
    DownRect = record->DownRect;
    DisableSkinRect = record->DisableSkinRect;
}

bool TbsSkinButtonObject::CanMorph() const
{
    if (Down && HasMenu())
        return false;
    return TbsActiveSkinObject::CanMorph();
}

void TbsSkinButtonObject::Draw(gfx::TCanvas& canvas, bool full)
{
    if (!Enabled && !DisableSkinRect.IsEmpty()) {
        DrawPiece(canvas, DisableSkinRect, HasOwnPicture());
        return;
    }
    if (ShowsDown() && !DownRect.IsEmpty()) {
        DrawPiece(canvas, DownRect, HasOwnPicture());
        return;
    }
    TbsActiveSkinObject::Draw(canvas, full);
}

void TbsSkinButtonObject::Press(wnd::TMouseButton Button)
{
    if (Button != wnd::TMouseButton::mbLeft || !Enabled || Down)
        return;
    Down = true;
    if (Morphing && Active)
        MorphFactor = 1;
    Redraw();
    if (HasMenu())
        m_form.ButtonMenuRequested(*this);
}

void TbsSkinButtonObject::MouseDown(int X, int Y, wnd::TMouseButton Button)
{
    Press(Button);
    TbsActiveSkinObject::MouseDown(X, Y, Button);
}

void TbsSkinButtonObject::MouseUp(int X, int Y, wnd::TMouseButton Button)
{
    if (Button == wnd::TMouseButton::mbLeft && Enabled && !HasMenu() && Down) {
        Down = false;
        Redraw();
        StartFade();
    }
    TbsActiveSkinObject::MouseUp(X, Y, Button);
}

void TbsSkinButtonObject::MouseEnter()
{
    if (Down && !DownRect.IsEmpty()) {
        MouseIn = Active = true;
        MorphFactor = 1;
        Redraw();
        if (m_form.OnMouseEnterEvent)
            m_form.OnMouseEnterEvent(IDName);
        return;
    }
    TbsActiveSkinObject::MouseEnter();
}

void TbsSkinButtonObject::MouseLeave()
{
    if (Down && HasMenu()) {
        MouseIn = false;
        return; // the open menu keeps the button pressed
    }
    if (Down && !DownRect.IsEmpty()) {
        MouseIn = Active = false;
        Redraw();
        if (m_form.OnMouseLeaveEvent)
            m_form.OnMouseLeaveEvent(IDName);
        return;
    }
    TbsActiveSkinObject::MouseLeave();
}

void TbsSkinButtonObject::ReleaseMenu()
{
    if (!Down)
        return;
    Down = false;
    Active = MouseIn;
    Redraw();
    StartFade();
}

// --- TbsSkinStdButtonObject --------------------------------------------------------

TbsSkinStdButtonObject::TbsSkinStdButtonObject(TbsSkinForm& form, const skin::TbsDataSkinStdButton* record,
    const skin::TbsSkinData* data)
    : TbsSkinButtonObject(form, record, data)
{
    if (!record)
        return;
    Command = record->Command;
    RestoreRect = record->RestoreRect;
    RestoreActiveRect = record->RestoreActiveRect;
    RestoreDownRect = record->RestoreDownRect;
    RestoreInActiveRect = record->RestoreInActiveRect;
}

TbsSkinStdButtonObject::TbsSkinStdButtonObject(TbsSkinForm& form, std::string name, skin::TbsStdCommand command)
    : TbsSkinButtonObject(form, nullptr, nullptr)
{
    IDName = std::move(name);
    Command = command;
    FromSkin = false;
}

bool TbsSkinStdButtonObject::InRestoreState() const
{
    switch (Command) {
    case skin::TbsStdCommand::cmMaximize:
        return m_form.FormState() == TbsFormState::fsMaximized;
    case skin::TbsStdCommand::cmMinimize:
        return m_form.FormState() == TbsFormState::fsMinimized;
    case skin::TbsStdCommand::cmRollUp:
        return m_form.RolledUp();
    default:
        return false;
    }
}

bool TbsSkinStdButtonObject::CanMorph() const
{
    return FromSkin && TbsSkinButtonObject::CanMorph();
}

void TbsSkinStdButtonObject::Draw(gfx::TCanvas& canvas, bool full)
{
    if (!FromSkin) {
        DrawBuiltIn(canvas);
        return;
    }
    const bool activeLook = m_form.IsActive() || InActiveSkinRect.IsEmpty();
    if (Enabled && activeLook && InRestoreState() && !RestoreRect.IsEmpty()) {
        DrawRestoreState(canvas);
        return;
    }
    if (Enabled && !m_form.IsActive() && InRestoreState() && !RestoreInActiveRect.IsEmpty()) {
        DrawPiece(canvas, RestoreInActiveRect, HasOwnPicture());
        return;
    }
    TbsSkinButtonObject::Draw(canvas, full);
}

void TbsSkinStdButtonObject::DrawRestoreState(gfx::TCanvas& canvas)
{
    if (ShowsDown() && !RestoreDownRect.IsEmpty()) {
        DrawPiece(canvas, RestoreDownRect, HasOwnPicture());
        return;
    }
    if (Morphing && CanMorph() && !RestoreActiveRect.IsEmpty() && HasOwnPicture()) {
        DrawMorph(canvas, RestoreRect, true, RestoreActiveRect);
        return;
    }
    if (Active && !RestoreActiveRect.IsEmpty()) {
        DrawPiece(canvas, RestoreActiveRect, HasOwnPicture());
        return;
    }
    DrawPiece(canvas, RestoreRect, HasOwnPicture());
}

void TbsSkinStdButtonObject::DrawBuiltIn(gfx::TCanvas& canvas) const
{
    const gfx::TRect& r = ObjectRect;
    if (r.IsEmpty())
        return;
    canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
    if (MouseIn && Enabled) {
        canvas.Brush.Color = kHotFrame;
        canvas.FillRect(r);
        canvas.Brush.Color = ShowsDown() ? kDownFill : kHotFill;
        canvas.FillRect(gfx::Inflate(r, -1, -1));
    } else {
        canvas.Brush.Color = gfx::clBtnFace;
        canvas.FillRect(r);
    }
    const gfx::TColor color = Enabled ? gfx::clBtnText : gfx::clBtnShadow;
    const int shift = ShowsDown() ? 1 : 0;
    const int x = r.Left + r.Width() / 2 - 5 + shift;
    const int y = r.Top + r.Height() / 2 - 4 + shift;
    switch (Command) {
    case skin::TbsStdCommand::cmClose:
        skin::DrawCloseGlyph(canvas, x, y, color);
        break;
    case skin::TbsStdCommand::cmMaximize:
        (InRestoreState() ? skin::DrawRestoreGlyph : skin::DrawMaximizeGlyph)(canvas, x, y, color);
        break;
    case skin::TbsStdCommand::cmMinimize:
        (InRestoreState() ? skin::DrawRestoreGlyph : skin::DrawMinimizeGlyph)(canvas, x, y, color);
        break;
    case skin::TbsStdCommand::cmSysMenu:
        skin::DrawSmallBarGlyph(canvas, x, y, color);
        break;
    case skin::TbsStdCommand::cmRollUp:
        (InRestoreState() ? skin::DrawTriangleDownGlyph : skin::DrawTriangleUpGlyph)(canvas, x, y, color);
        break;
    case skin::TbsStdCommand::cmMinimizeToTray:
        skin::DrawSquareGlyph(canvas, x, y, color);
        break;
    case skin::TbsStdCommand::cmDefault:
        break;
    }
}

void TbsSkinStdButtonObject::MouseDown(int, int, wnd::TMouseButton Button)
{
    // A caption button reports no mouse-down event of its own.
    Press(Button);
}

void TbsSkinStdButtonObject::MouseUp(int X, int Y, wnd::TMouseButton Button)
{
    const bool execute = Button == wnd::TMouseButton::mbLeft && Enabled && Active && Down && !HasMenu();
    if (execute && Command != skin::TbsStdCommand::cmClose)
        m_form.ExecuteCommand(Command);
    TbsSkinButtonObject::MouseUp(X, Y, Button);
    if (execute && Command == skin::TbsStdCommand::cmClose)
        m_form.ExecuteCommand(Command);
}

void TbsSkinStdButtonObject::DblClick()
{
    if (Command == skin::TbsStdCommand::cmSysMenu)
        m_form.ExecuteCommand(skin::TbsStdCommand::cmClose);
}

// --- TbsSkinCaptionObject -------------------------------------------------------------

TbsSkinCaptionObject::TbsSkinCaptionObject(TbsSkinForm& form, const skin::TbsDataSkinCaption* record,
    const skin::TbsSkinData* data)
    : TbsActiveSkinObject(form, record, data), m_record(record)
{
    m_charSet = data && data->ResourceStrData() ? data->ResourceStrData()->CharSet : form.DefCaptionFont.CharSet;
}

void TbsSkinCaptionObject::Draw(gfx::TCanvas& canvas, bool full)
{
    if (!ActiveSkinRect.IsEmpty() || full)
        TbsActiveSkinObject::Draw(canvas, full);
    DrawText(canvas);
}

void TbsSkinCaptionObject::DrawText(gfx::TCanvas& canvas) const
{
    const std::string caption = m_form.CaptionText();
    if (!m_record || caption.empty() || m_record->TextRect.IsEmpty())
        return;
    gfx::TRect tr = m_record->TextRect;
    tr.Right += ObjectRect.Width() - SkinWidth();
    const bool framed = !m_record->FrameRect.IsEmpty();
    if (framed)
        tr = gfx::Offset(tr, m_record->FrameTextRect.Left, m_record->FrameTextRect.Top);

    const bool active = m_form.IsActive();
    canvas.Font.Name = m_record->FontName;
    canvas.Font.Height = m_record->FontHeight;
    canvas.Font.Style = m_record->FontStyle;
    canvas.Font.CharSet = m_charSet;
    const std::string text = skin::FitTextToWidth(canvas, caption, tr.Width());
    const gfx::TSize extent = canvas.TextExtent(text);
    int y = tr.Top + tr.Height() / 2 - extent.cy / 2;
    int x = tr.Left;
    if (m_record->Alignment == skin::TAlignment::taRightJustify)
        x = tr.Right - extent.cx;
    else if (m_record->Alignment == skin::TAlignment::taCenter)
        x = tr.Left + tr.Width() / 2 - extent.cx / 2;
    x += ObjectRect.Left;
    y += ObjectRect.Top;

    if (framed && m_ownPicture) {
        const gfx::TRect source = active && !m_record->ActiveFrameRect.IsEmpty() ? m_record->ActiveFrameRect
                                                                                 : m_record->FrameRect;
        const int width = m_record->FrameRect.Width() + extent.cx - m_record->FrameTextRect.Width();
        gfx::TBitmap frame;
        skin::BuildHorzSkinImage(m_record->FrameLeftOffset, m_record->FrameRightOffset, frame, width, source, *m_ownPicture);
        canvas.Draw(x - m_record->FrameTextRect.Left, y - m_record->FrameTextRect.Top, frame);
    }
    canvas.Brush.Style = gfx::TBrushStyle::bsClear;
    if (m_record->Shadow) {
        canvas.Font.Color = active ? m_record->ActiveShadowColor : m_record->ShadowColor;
        canvas.TextOut(x + 1, y + 1, text);
    }
    canvas.Font.Color = active ? m_record->ActiveFontColor : m_record->FontColor;
    canvas.TextOut(x, y, text);
    canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
}

} // namespace skinform
