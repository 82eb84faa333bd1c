#include "selfdrawn/TSeSkinEdit.h"

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TextFormat.h"
#include "platform/text/Gbk.h"
#include "platform/text/Utf8.h"
#include "platform/window/Input.h"
#include "platform/window/Messages.h"
#include "platform/window/VirtualKeys.h"
#include "selfdrawn/SeDrawing.h"

#include <array>

namespace selfdrawn {
namespace {

// Measures with a scratch canvas in the given font.
class TMeasure {
public:
    explicit TMeasure(const gfx::TFont& Font) : m_bitmap(1, 1) { m_bitmap.Canvas().Font = Font; }
    gfx::TCanvas& Canvas() { return m_bitmap.Canvas(); }

private:
    gfx::TBitmap m_bitmap;
};

bool InLegacyCodePage(char32_t c)
{
    const std::string utf8 = text::EncodeUtf8(c);
    return text::GbkToUtf8(text::Utf8ToGbk(utf8)) == utf8;
}

void FillShape(gfx::TCanvas& Canvas, gfx::TColor Color)
{
    Canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
    Canvas.Brush.Color = Color;
    Canvas.Pen.Style = gfx::TPenStyle::psSolid;
    Canvas.Pen.Width = 1;
    Canvas.Pen.Color = Color;
}

} // namespace

std::u32string ConvertCharCase(const std::u32string& Text, TEditCharCase Case)
{
    if (Case == TEditCharCase::ecNormal)
        return Text;
    std::u32string out;
    for (char32_t c : Text) {
        if (!InLegacyCodePage(c))
            continue;
        if (Case == TEditCharCase::ecUpperCase && c >= U'a' && c <= U'z')
            c = c - U'a' + U'A';
        else if (Case == TEditCharCase::ecLowerCase && c >= U'A' && c <= U'Z')
            c = c - U'A' + U'a';
        out += c;
    }
    return out;
}

TSeCustomEdit::TSeCustomEdit(ctl::TComponent* AOwner) : TSeCustomControl(AOwner)
{
    SetPerformance(TSePerformance::kspDoubleBuffer);
    SetBevelKind(TSeBevelKind::kbkSingle);
    SetBevelWidth(1);
    SetBorderWidth(3);
    SetColor(gfx::clWindow);
    SetCursor(ctl::crIBeam);
    SetTabStop(true);
    SetBounds(0, 0, 121, 21);
    AdjustHeight();
}

TSeCustomEdit::~TSeCustomEdit()
{
    if (m_caretCreated)
        wnd::DestroyCaret();
}

ctl::TCursor TSeCustomEdit::DisplayCursor() const
{
    return Cursor() == ctl::crDefault ? ctl::crIBeam : Cursor();
}

void TSeCustomEdit::SetCharCase(TEditCharCase Value)
{
    m_charCase = Value;
    if (Value == TEditCharCase::ecNormal)
        Model().Filter = nullptr;
    else
        Model().Filter = [Value](const std::u32string& t) { return ConvertCharCase(t, Value); };
    if (Model().SetText(Model().Text()))
        TextEdited();
}

void TSeCustomEdit::SetAutoSize(bool Value)
{
    m_autoSize = Value;
    AdjustHeight();
}

void TSeCustomEdit::SetHideSelection(bool Value)
{
    m_hideSelection = Value;
    Invalidate();
}

void TSeCustomEdit::SetTextAlignment(ctl::TAlignment Value)
{
    m_alignment = Value;
    Invalidate();
}

void TSeCustomEdit::SetPasswordKind(TSePasswordKind Value)
{
    m_passwordKind = Value;
    CaretMoved();
}

void TSeCustomEdit::SetPasswordWideChar(char32_t Value)
{
    m_passwordChar = Value;
    if (Value != 0)
        m_passwordKind = TSePasswordKind::pkChar;
    CaretMoved();
}

int TSeCustomEdit::GetPasswordCellWidth() const
{
    TMeasure m(Font());
    const std::string sample = m_passwordKind == TSePasswordKind::pkChar
        ? text::EncodeUtf8(m_passwordChar)
        : std::string("W");
    return std::max(1, TextWidthWide(m.Canvas(), sample, gfx::DT_NOPREFIX));
}

int TSeCustomEdit::SpanWidth(int From, int Count) const
{
    if (Count <= 0)
        return 0;
    if (m_passwordKind != TSePasswordKind::pkNone)
        return Count * GetPasswordCellWidth();
    TMeasure m(Font());
    const std::u32string_view span = std::u32string_view(Model().Text()).substr(static_cast<std::size_t>(From), static_cast<std::size_t>(Count));
    return TextWidthWide(m.Canvas(), text::Utf32ToUtf8(span), gfx::DT_NOPREFIX);
}

std::string TSeCustomEdit::VisibleText(gfx::TRect& Line) const
{
    const int from = m_first - 1;
    const int remaining = Model().Length() - from;
    const int left = CaretX(from);
    // Spans grow by doubling until they pass the right edge, so a long line
    // is measured in a few short pieces rather than whole.
    int count = std::min(remaining, 64);
    while (count < remaining && left + SpanWidth(from, count) <= Width())
        count = std::min(remaining, count * 2);
    Line = gfx::Rect(left, Line.Top, std::max(Line.Right, left + SpanWidth(from, count)), Line.Bottom);
    return text::Utf32ToUtf8(std::u32string_view(Model().Text()).substr(static_cast<std::size_t>(from), static_cast<std::size_t>(count)));
}

int TSeCustomEdit::LineHeight() const
{
    TMeasure m(Font());
    return TextHeightWide(m.Canvas(), "Pq");
}

gfx::TRect TSeCustomEdit::GetTextRect() const
{
    gfx::TRect r = GetContentRect();
    r.Bottom = r.Top + LineHeight();
    return r;
}

void TSeCustomEdit::AdjustHeight()
{
    if (m_autoSize)
        SetHeight(2 * GetContentRect().Top + LineHeight());
}

void TSeCustomEdit::FrameChanged()
{
    TSeCustomControl::FrameChanged();
    AdjustHeight();
}

void TSeCustomEdit::FontChanged()
{
    TSeCustomControl::FontChanged();
    AdjustHeight();
}

void TSeCustomEdit::Loaded()
{
    TSeCustomControl::Loaded();
    AdjustHeight();
}

int TSeCustomEdit::CaretX(int I) const
{
    const gfx::TRect r = GetTextRect();
    int x = r.Left;
    if (I >= m_first)
        x += SpanWidth(m_first - 1, I - m_first + 1);
    // Only a centred or right-aligned text that fits moves by its width; a
    // left-aligned one never needs the whole line measured (a long pasted
    // line would be measured at every caret move).
    if (m_alignment == ctl::TAlignment::taLeftJustify)
        return x;
    const int whole = SpanWidth(0, Model().Length());
    if (whole < r.Width()) {
        if (m_alignment == ctl::TAlignment::taRightJustify)
            x += r.Width() - whole;
        else
            x += (r.Width() - whole) / 2;
    }
    return x;
}

int TSeCustomEdit::HitTest(int X) const
{
    const gfx::TRect r = GetTextRect();
    int index = m_first - 1;
    int boundary = CaretX(index);
    if (m_passwordKind != TSePasswordKind::pkNone)
        return std::clamp(index + (X - boundary) / GetPasswordCellWidth(), 0, Model().Length());
    while (index < Model().Length() && boundary < r.Right) {
        const int w = SpanWidth(index, 1);
        if (X < boundary + w / 2)
            break;
        boundary += w;
        ++index;
    }
    return index;
}

gfx::TRect TSeCustomEdit::GetSelectionRect() const
{
    if (!Model().HasSelection())
        return {};
    const gfx::TRect r = GetTextRect();
    const int start = Model().SelStart();
    gfx::TRect selection;
    gfx::IntersectRect(selection, gfx::Rect(CaretX(start), r.Top, CaretX(start + Model().SelLength()), r.Bottom), r);
    return selection;
}

void TSeCustomEdit::ScrollToCaret()
{
    const int caret = Model().Caret();
    const int width = GetTextRect().Width();
    if (m_first <= caret) {
        // F moves right while the characters F..caret do not fit. Their width
        // only shrinks as F grows, so the first F that fits is searched by halves
        // (a long pasted text would otherwise be measured once per character).
        const auto tooWide = [&](int f) { return f < Model().Length() && SpanWidth(f - 1, caret - f + 1) > width; };
        int low = m_first;
        // Far from the caret the answer is known to lie above: spans ending at
        // the caret, doubled until one is too wide, keep every measured span
        // about as long as the box, even at the end of a very long line.
        for (int back = 64; caret - back > low; back *= 2) {
            if (tooWide(caret - back)) {
                low = caret - back + 1;
                break;
            }
        }
        int high = std::max(low, Model().Length());
        while (low < high) {
            const int middle = low + (high - low) / 2;
            if (tooWide(middle))
                low = middle + 1;
            else
                high = middle;
        }
        m_first = low;
    } else {
        m_first = std::max(1, caret);
    }
}

void TSeCustomEdit::PlaceCaret()
{
    if (!m_caretCreated || !HandleAllocated())
        return;
    const gfx::TRect r = GetTextRect();
    const int x = CaretX(Model().Caret());
    wnd::SetCaretPos(x, r.Top);
    wnd::ImmSetCompositionWindow(Handle(), gfx::Rect(x, r.Top, x + 1, r.Bottom));
}

void TSeCustomEdit::CaretMoved()
{
    ScrollToCaret();
    PlaceCaret();
    Invalidate();
}

void TSeCustomEdit::TextEdited()
{
    m_storing = true;
    SetText(text::Utf32ToUtf8(Model().Text()));
    m_storing = false;
    CaretMoved();
}

void TSeCustomEdit::TextChanged()
{
    TSeCustomControl::TextChanged();
    if (!m_storing) {
        std::u32string t = text::Utf8ToUtf32(Text());
        if (Model().Filter)
            t = Model().Filter(t);
        Model().SetText(std::move(t));
        const std::string stored = text::Utf32ToUtf8(Model().Text());
        if (stored != Text()) {
            SetText(stored);
            return;
        }
        CaretMoved();
    }
    Invalidate();
    if (OnChange)
        OnChange(this);
}

void TSeCustomEdit::SetSelStart(int Value)
{
    Model().SetSelection(Value, 0);
    CaretMoved();
}

void TSeCustomEdit::SetSelLength(int Value)
{
    Model().SetSelection(Model().SelStart(), Value);
    CaretMoved();
}

unsigned TSeCustomEdit::WantedKeys() const
{
    return ctl::DLGC_WANTARROWS | ctl::DLGC_WANTCHARS;
}

void TSeCustomEdit::KeyDown(int& Key, ctl::TShiftState Shift)
{
    TSeCustomControl::KeyDown(Key, Shift);
    const bool shift = Shift.Contains(ctl::TShiftKind::ssShift);
    if (Key == wnd::VK_HOME)
        MoveCaretTo(0, shift);
    else if (Key == wnd::VK_END)
        MoveCaretTo(Model().Length(), shift);
    else
        EditingKey(Key, Shift);
    CaretMoved();
}

void TSeCustomEdit::KeyPress(unsigned& Key)
{
    TSeCustomControl::KeyPress(Key);
    TypeCharacter(Key);
}

wnd::LRESULT TSeCustomEdit::WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam)
{
    if (Msg == wnd::WM_IME_STARTCOMPOSITION)
        PlaceCaret();
    if (EditorMessage(HandleAllocated() ? Handle() : nullptr, Msg, LParam))
        return 0;
    return TSeCustomControl::WndProc(Msg, WParam, LParam);
}

void TSeCustomEdit::MouseDown(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y)
{
    TSeCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != ctl::TMouseButton::mbLeft || Shift.Contains(ctl::TShiftKind::ssDouble))
        return;
    if (CanFocus() && !Focused())
        SetFocus();
    MoveCaretTo(HitTest(X), false);
    m_dragging = true;
    CaretMoved();
}

void TSeCustomEdit::MouseMove(ctl::TShiftState Shift, int X, int Y)
{
    TSeCustomControl::MouseMove(Shift, X, Y);
    if (!m_dragging)
        return;
    int index = HitTest(X);
    if (X > GetTextRect().Right)
        index = std::min(Model().Length(), index + 1);
    MoveCaretTo(index, true);
    CaretMoved();
}

void TSeCustomEdit::MouseUp(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y)
{
    TSeCustomControl::MouseUp(Button, Shift, X, Y);
    m_dragging = false;
    if (Button == ctl::TMouseButton::mbRight && HandleAllocated())
        RequestContextMenu(Handle(), X, Y);
}

void TSeCustomEdit::DblClick()
{
    TSeCustomControl::DblClick();
    Model().SelectWordAt(Model().Caret());
    CaretMoved();
}

void TSeCustomEdit::ShowEditCaret()
{
    if (!HandleAllocated())
        return;
    if (!m_caretCreated)
        m_caretCreated = wnd::CreateCaret(Handle(), 0, LineHeight());
    PlaceCaret();
    wnd::ShowCaret(Handle());
}

void TSeCustomEdit::HideEditCaret()
{
    if (!m_caretCreated)
        return;
    wnd::DestroyCaret();
    m_caretCreated = false;
}

void TSeCustomEdit::DoEnter()
{
    TSeCustomControl::DoEnter();
    if (AutoSelect)
        Model().SelectAll();
    ScrollToCaret();
    ShowEditCaret();
    Invalidate();
}

void TSeCustomEdit::DoExit()
{
    HideEditCaret();
    m_dragging = false;
    TSeCustomControl::DoExit();
}

void TSeCustomEdit::PaintClient(gfx::TCanvas& Canvas)
{
    PaintTextBackground(Canvas);
    if (!DrawsText())
        return;
    const gfx::TRect selection = Focused() || !m_hideSelection ? GetSelectionRect() : gfx::TRect {};
    if (!selection.IsEmpty())
        gfx::FillSolid(Canvas, selection, gfx::clHighlight);
    TClipGuard clip(Canvas);
    Canvas.IntersectClipRect(GetTextRect());
    PaintText(Canvas);
    if (!selection.IsEmpty())
        PaintSelectedText(Canvas, selection);
}

void TSeCustomEdit::PaintTextBackground(gfx::TCanvas& Canvas)
{
    const gfx::TRect content = GetContentRect();
    const int top = GetTextRect().Top;
    gfx::FillSolid(Canvas, gfx::Rect(content.Left, top, content.Right, Height() - top), Color());
}

void TSeCustomEdit::PaintText(gfx::TCanvas& Canvas)
{
    if (m_passwordKind != TSePasswordKind::pkNone) {
        PaintPasswordSymbols(Canvas, m_first - 1, Model().Length(), false);
        return;
    }
    Canvas.Font = PaintFont();
    gfx::TRect line = GetTextRect();
    const std::string visible = VisibleText(line);
    DrawTextWide(Canvas, visible, line, gfx::DT_NOPREFIX | gfx::DT_SINGLELINE);
}

void TSeCustomEdit::PaintSelectedText(gfx::TCanvas& Canvas, const gfx::TRect& Selection)
{
    Canvas.IntersectClipRect(Selection);
    if (m_passwordKind != TSePasswordKind::pkNone) {
        const int start = Model().SelStart();
        PaintPasswordSymbols(Canvas, std::max(start, m_first - 1), start + Model().SelLength(), true);
        return;
    }
    Canvas.Font = PaintFont();
    Canvas.Font.Color = gfx::clHighlightText;
    gfx::TRect line = GetTextRect();
    const std::string visible = VisibleText(line);
    DrawTextWide(Canvas, visible, line, gfx::DT_NOPREFIX | gfx::DT_SINGLELINE);
}

void TSeCustomEdit::PaintPasswordSymbols(gfx::TCanvas& Canvas, int From, int To, bool Selected)
{
    const gfx::TRect r = GetTextRect();
    const int cell = GetPasswordCellWidth();
    const int origin = CaretX(m_first - 1);
    for (int i = From; i < To; ++i) {
        const int left = origin + (i - (m_first - 1)) * cell;
        if (left >= r.Right)
            break;
        const gfx::TRect box = gfx::Rect(left, r.Top, left + cell, r.Bottom);
        TClipGuard clip(Canvas);
        Canvas.IntersectClipRect(box);
        PaintPasswordSymbol(Canvas, box, Selected);
    }
}

void TSeCustomEdit::PaintPasswordSymbol(gfx::TCanvas& Canvas, const gfx::TRect& Cell, bool Selected)
{
    const gfx::TColor color = Selected ? gfx::clHighlightText : PaintFont().Color;
    const gfx::TRect shape = gfx::Inflate(Cell, -2, -3);
    FillShape(Canvas, color);
    switch (m_passwordKind) {
    case TSePasswordKind::pkNone:
        break;
    case TSePasswordKind::pkChar: {
        Canvas.Font = PaintFont();
        Canvas.Font.Color = color;
        gfx::TRect box = Cell;
        DrawTextWide(Canvas, text::EncodeUtf8(m_passwordChar), box,
            gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE | gfx::DT_NOPREFIX);
        break;
    }
    case TSePasswordKind::pkRect:
        Canvas.FillRect(shape);
        break;
    case TSePasswordKind::pkRoundRect:
        Canvas.RoundRect(shape.Left, shape.Top, shape.Right, shape.Bottom, 2, 2);
        break;
    case TSePasswordKind::pkCircle: {
        const int size = shape.Width();
        const int top = shape.Top + (shape.Height() - size) / 2;
        Canvas.Ellipse(shape.Left, top, shape.Left + size, top + size);
        break;
    }
    case TSePasswordKind::pkTriangle: {
        const int width = shape.Width() % 2 == 0 ? shape.Width() - 1 : shape.Width();
        const std::array<gfx::TPoint, 3> corners { gfx::TPoint { shape.Left + width / 2, shape.Top },
            gfx::TPoint { shape.Left + width - 1, shape.Bottom - 1 }, gfx::TPoint { shape.Left, shape.Bottom - 1 } };
        Canvas.Polygon(corners);
        break;
    }
    }
}

} // namespace selfdrawn
