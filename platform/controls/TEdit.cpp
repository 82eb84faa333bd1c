#include "platform/controls/TEdit.h"

#include "platform/controls/StylePainter.h"
#include "platform/graphics/TBitmap.h"
#include "platform/window/Clipboard.h"
#include "platform/window/Input.h"

namespace ctl {
namespace {

constexpr int kBorder = 2;
constexpr int kTextInset = 1;

bool IsContinuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

int NextChar(const std::string& s, int i)
{
    if (i >= static_cast<int>(s.size()))
        return static_cast<int>(s.size());
    ++i;
    while (i < static_cast<int>(s.size()) && IsContinuation(s[static_cast<std::size_t>(i)]))
        ++i;
    return i;
}

int PrevChar(const std::string& s, int i)
{
    if (i <= 0)
        return 0;
    --i;
    while (i > 0 && IsContinuation(s[static_cast<std::size_t>(i)]))
        --i;
    return i;
}

int CharCount(const std::string& s)
{
    int n = 0;
    for (char c : s)
        if (!IsContinuation(c))
            ++n;
    return n;
}

int MeasureWidth(const gfx::TFont& font, std::string_view text)
{
    gfx::TBitmap scratch(1, 1);
    gfx::TCanvas canvas(scratch);
    canvas.Font = font;
    return canvas.TextWidth(text);
}

} // namespace

TEdit::TEdit(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetTabStop(true);
    SetColor(gfx::clWindow);
    SetCursor(crIBeam);
    TControl::SetBounds(0, 0, 121, 21);
}

TEdit::~TEdit()
{
    if (m_caretCreated)
        wnd::DestroyCaret();
}

void TEdit::AdjustClientRect(gfx::TRect& Rect) const
{
    gfx::InflateRect(Rect, -kBorder, -kBorder);
}

gfx::TRect TEdit::TextArea() const
{
    gfx::TRect r = ClientRect();
    AdjustClientRect(r);
    return gfx::Inflate(r, -kTextInset, 0);
}

int TEdit::TextX(int Offset) const
{
    return TextArea().Left - m_scroll + MeasureWidth(Font(), std::string_view(Text()).substr(0, static_cast<std::size_t>(Offset)));
}

int TEdit::OffsetAt(int X) const
{
    // The character boundary nearest to X.
    const std::string& text = Text();
    int best = 0;
    int bestDistance = std::abs(TextX(0) - X);
    for (int i = NextChar(text, 0); i <= static_cast<int>(text.size()); i = NextChar(text, i)) {
        const int distance = std::abs(TextX(i) - X);
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
        if (i == static_cast<int>(text.size()))
            break;
    }
    return best;
}

void TEdit::SetSelStart(int Value)
{
    Value = std::clamp(Value, 0, static_cast<int>(Text().size()));
    while (Value > 0 && Value < static_cast<int>(Text().size()) && IsContinuation(Text()[static_cast<std::size_t>(Value)]))
        --Value;
    m_anchor = m_caret = Value;
    ScrollToCaret();
    Invalidate();
}

void TEdit::SetSelLength(int Value)
{
    int end = std::clamp(SelStart() + Value, 0, static_cast<int>(Text().size()));
    while (end < static_cast<int>(Text().size()) && end > 0 && IsContinuation(Text()[static_cast<std::size_t>(end)]))
        ++end;
    m_anchor = SelStart();
    m_caret = end;
    ScrollToCaret();
    Invalidate();
}

std::string TEdit::SelText() const
{
    return Text().substr(static_cast<std::size_t>(SelStart()), static_cast<std::size_t>(SelLength()));
}

void TEdit::SetSelText(const std::string& Value)
{
    ReplaceSelection(Value);
}

void TEdit::SelectAll()
{
    m_anchor = 0;
    m_caret = static_cast<int>(Text().size());
    ScrollToCaret();
    Invalidate();
}

void TEdit::CopyToClipboard() const
{
    if (SelLength() > 0)
        wnd::SetClipboardText(SelText());
}

void TEdit::CutToClipboard()
{
    if (ReadOnly || SelLength() == 0)
        return;
    CopyToClipboard();
    ReplaceSelection("");
}

void TEdit::PasteFromClipboard()
{
    if (ReadOnly || !wnd::HasClipboardText())
        return;
    std::string text = wnd::GetClipboardText();
    // One line only: the paste stops at the first line break.
    text = text.substr(0, text.find_first_of("\r\n"));
    ReplaceSelection(text);
}

void TEdit::ReplaceSelection(const std::string& Insert)
{
    std::string text = Text();
    const int start = SelStart();
    std::string piece = Insert;
    if (MaxLength > 0) {
        const int room = MaxLength - (CharCount(text) - CharCount(SelText()));
        while (CharCount(piece) > std::max(0, room))
            piece.erase(static_cast<std::size_t>(PrevChar(piece, static_cast<int>(piece.size()))));
    }
    text.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(SelLength()), piece);
    m_anchor = m_caret = start + static_cast<int>(piece.size());
    SetText(text);
    ScrollToCaret();
}

void TEdit::TextChanged()
{
    const int size = static_cast<int>(Text().size());
    m_anchor = std::min(m_anchor, size);
    m_caret = std::min(m_caret, size);
    TCustomControl::TextChanged();
    ScrollToCaret();
    if (OnChange)
        OnChange(this);
}

void TEdit::MoveCaret(int Offset, bool Extend)
{
    m_caret = Offset;
    if (!Extend)
        m_anchor = Offset;
    ScrollToCaret();
    Invalidate();
}

void TEdit::ScrollToCaret()
{
    const gfx::TRect area = TextArea();
    const int x = TextX(m_caret);
    if (x < area.Left)
        m_scroll -= area.Left - x;
    else if (x >= area.Right)
        m_scroll += x - area.Right + 1;
    m_scroll = std::max(0, m_scroll);
    UpdateCaret();
}

void TEdit::UpdateCaret()
{
    if (!m_caretCreated || !Handle())
        return;
    const gfx::TRect area = TextArea();
    gfx::TBitmap scratch(1, 1);
    gfx::TCanvas canvas(scratch);
    canvas.Font = Font();
    const int height = canvas.TextHeight("Wg");
    const int top = area.Top + (area.Height() - height) / 2;
    wnd::SetCaretPos(TextX(m_caret), top);
    wnd::ImmSetCompositionWindow(Handle(), gfx::Rect(TextX(m_caret), top, TextX(m_caret) + 1, top + height));
}

void TEdit::DoEnter()
{
    TCustomControl::DoEnter();
    gfx::TBitmap scratch(1, 1);
    gfx::TCanvas canvas(scratch);
    canvas.Font = Font();
    m_caretCreated = wnd::CreateCaret(Handle(), 1, canvas.TextHeight("Wg"));
    UpdateCaret();
    wnd::ShowCaret(Handle());
    Invalidate();
}

void TEdit::DoExit()
{
    if (m_caretCreated) {
        wnd::DestroyCaret();
        m_caretCreated = false;
    }
    TCustomControl::DoExit();
    Invalidate();
}

void TEdit::KeyDown(int& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    const bool shift = Shift.Contains(TShiftKind::ssShift);
    const bool ctrl = Shift.Contains(TShiftKind::ssCtrl);
    const std::string& text = Text();
    switch (Key) {
    case wnd::VK_LEFT:
        MoveCaret(!shift && SelLength() > 0 ? SelStart() : PrevChar(text, m_caret), shift);
        break;
    case wnd::VK_RIGHT:
        MoveCaret(!shift && SelLength() > 0 ? SelStart() + SelLength() : NextChar(text, m_caret), shift);
        break;
    case wnd::VK_HOME:
        MoveCaret(0, shift);
        break;
    case wnd::VK_END:
        MoveCaret(static_cast<int>(text.size()), shift);
        break;
    case wnd::VK_DELETE:
        if (ReadOnly)
            break;
        if (SelLength() == 0)
            m_caret = NextChar(text, m_caret);
        ReplaceSelection("");
        break;
    case 'A':
        if (ctrl)
            SelectAll();
        break;
    case 'C':
    case wnd::VK_INSERT:
        if (ctrl)
            CopyToClipboard();
        break;
    case 'X':
        if (ctrl)
            CutToClipboard();
        break;
    case 'V':
        if (ctrl)
            PasteFromClipboard();
        break;
    default:
        return;
    }
}

void TEdit::KeyPress(unsigned& Key)
{
    TCustomControl::KeyPress(Key);
    if (Key == 0 || ReadOnly)
        return;
    if (Key == '\b') {
        if (SelLength() == 0)
            m_anchor = PrevChar(Text(), m_caret);
        ReplaceSelection("");
        return;
    }
    if (Key < 0x20 || Key == 0x7F)
        return; // Enter, Esc, Tab and Ctrl+letters are no text
    ReplaceSelection(wnd::CodePointToUtf8(Key));
}

void TEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != TMouseButton::mbLeft)
        return;
    if (Shift.Contains(TShiftKind::ssDouble)) {
        SelectAll();
        return;
    }
    MoveCaret(OffsetAt(X), Shift.Contains(TShiftKind::ssShift));
}

void TEdit::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (Shift.Contains(TShiftKind::ssLeft) && CaptureControl() == this)
        MoveCaret(OffsetAt(X), true);
}

void TEdit::Paint()
{
    gfx::TCanvas& canvas = Canvas();
    gfx::TRect field = ClientRect();
    StylePainter::DrawSunkenField(canvas, field, Enabled() ? Color() : gfx::clBtnFace);
    const gfx::TRect area = TextArea();
    canvas.IntersectClipRect(area);
    canvas.Font = Font();
    if (!Enabled())
        canvas.Font.Color = gfx::clGrayText;
    canvas.Brush.Style = gfx::TBrushStyle::bsClear;
    const int x = area.Left - m_scroll;
    const int height = canvas.TextHeight("Wg");
    const int top = area.Top + (area.Height() - height) / 2;
    canvas.TextOut(x, top, Text());
    if (SelLength() > 0 && Focused()) {
        const int left = TextX(SelStart());
        const int right = TextX(SelStart() + SelLength());
        canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
        canvas.Brush.Color = gfx::clHighlight;
        canvas.Font.Color = gfx::clHighlightText;
        canvas.TextRect(gfx::Rect(left, top, right, top + height), left, top, SelText());
    }
}

} // namespace ctl
