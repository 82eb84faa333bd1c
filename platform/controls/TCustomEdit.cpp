#include "platform/controls/TCustomEdit.h"

#include "platform/controls/StylePainter.h"
#include "platform/graphics/TBitmap.h"
#include "platform/text/Utf8.h"
#include "platform/window/Clipboard.h"
#include "platform/window/Input.h"

#include <algorithm>

namespace ctl {
namespace {

constexpr int kBorder = 2;

// Line breaks in the model are single LF characters; the control's Text uses CR LF.
std::u32string NormalizeBreaks(const std::u32string& text)
{
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == U'\r') {
            out += U'\n';
            if (i + 1 < text.size() && text[i + 1] == U'\n')
                ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::u32string ConvertCharCase(std::u32string text, TEditCharCase charCase)
{
    for (char32_t& c : text) {
        if (charCase == TEditCharCase::ecUpperCase && c >= U'a' && c <= U'z')
            c = c - U'a' + U'A';
        else if (charCase == TEditCharCase::ecLowerCase && c >= U'A' && c <= U'Z')
            c = c - U'A' + U'a';
    }
    return text;
}

std::string WithCrLf(const std::u32string& text)
{
    std::u32string out;
    out.reserve(text.size());
    for (char32_t c : text) {
        if (c == U'\n')
            out += U'\r';
        out += c;
    }
    return text::Utf32ToUtf8(out);
}

} // namespace

TCustomEdit::TCustomEdit(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetTabStop(true);
    SetColor(gfx::clWindow);
    SetCursor(crIBeam);
}

TCustomEdit::~TCustomEdit()
{
    if (m_caretCreated)
        wnd::DestroyCaret();
}

void TCustomEdit::AdjustClientRect(gfx::TRect& Rect) const
{
    gfx::InflateRect(Rect, -kBorder, -kBorder);
}

gfx::TRect TCustomEdit::TextArea() const
{
    gfx::TRect r = ClientRect();
    AdjustClientRect(r);
    r.Left += m_leftMargin;
    r.Right -= m_rightMargin;
    return r;
}

void TCustomEdit::SetMargins(int Left, int Right)
{
    if (Left == m_leftMargin && Right == m_rightMargin)
        return;
    m_leftMargin = Left;
    m_rightMargin = Right;
    ScrollToCaret();
    Invalidate();
}

void TCustomEdit::SetCharCase(TEditCharCase Value)
{
    m_charCase = Value;
    if (Value == TEditCharCase::ecNormal)
        m_model.Filter = nullptr;
    else
        m_model.Filter = [Value](const std::u32string& text) { return ConvertCharCase(text, Value); };
    if (m_model.SetText(m_model.Text()))
        Publish();
}

int TCustomEdit::LineHeight() const
{
    gfx::TBitmap scratch(1, 1);
    gfx::TCanvas canvas(scratch);
    canvas.Font = Font();
    return canvas.TextHeight("Wg");
}

int TCustomEdit::TextWidth(const std::u32string& Text) const
{
    gfx::TBitmap scratch(1, 1);
    gfx::TCanvas canvas(scratch);
    canvas.Font = Font();
    return canvas.TextWidth(text::Utf32ToUtf8(Text));
}

gfx::TColor TCustomEdit::TextColor() const
{
    return Enabled() ? Font().Color : gfx::clGrayText;
}

template <typename Edit>
bool TCustomEdit::Apply(Edit&& edit)
{
    if (!edit())
        return false;
    Publish();
    return true;
}

void TCustomEdit::Publish()
{
    m_publishing = true;
    SetText(MultiLine() ? WithCrLf(m_model.Text()) : text::Utf32ToUtf8(m_model.Text()));
    m_publishing = false;
}

std::u32string TCustomEdit::Incoming(const std::string& Utf8) const
{
    std::u32string text = NormalizeBreaks(text::Utf8ToUtf32(Utf8));
    if (!MultiLine())
        text = text.substr(0, text.find(U'\n'));
    return text;
}

void TCustomEdit::TextChanged()
{
    if (!m_publishing) {
        const std::u32string incoming = MultiLine() ? NormalizeBreaks(text::Utf8ToUtf32(Text())) : text::Utf8ToUtf32(Text());
        m_model.SetText(incoming);
        if (m_model.Text() != incoming) {
            // The character case changed the text: publish what the box holds.
            Publish();
            return;
        }
    }
    TCustomControl::TextChanged();
    LayoutChanged();
    ScrollToCaret();
    Invalidate();
    if (OnChange)
        OnChange(this);
}

void TCustomEdit::FontChanged()
{
    TCustomControl::FontChanged();
    LayoutChanged();
    ScrollToCaret();
}

void TCustomEdit::Resize()
{
    TCustomControl::Resize();
    LayoutChanged();
    ScrollToCaret();
}

void TCustomEdit::SetReadOnly(bool Value)
{
    m_model.ReadOnly = Value;
}

void TCustomEdit::SetSelStart(int Value)
{
    MoveCaret(std::clamp(Value, 0, m_model.Length()), false);
}

void TCustomEdit::SetSelLength(int Value)
{
    m_model.SetSelection(SelStart(), Value);
    ScrollToCaret();
    Invalidate();
}

std::string TCustomEdit::SelText() const
{
    return text::Utf32ToUtf8(m_model.SelectedText());
}

void TCustomEdit::SetSelText(const std::string& Value)
{
    Apply([&] { return m_model.ReplaceSelection(Incoming(Value)); });
}

void TCustomEdit::SelectAll()
{
    m_model.SelectAll();
    ScrollToCaret();
    Invalidate();
}

void TCustomEdit::ClearSelection()
{
    Apply([&] { return m_model.DeleteSelection(); });
}

void TCustomEdit::CopyToClipboard() const
{
    if (!m_model.HasSelection())
        return;
    const std::u32string selected = m_model.SelectedText();
    wnd::SetClipboardText(MultiLine() ? WithCrLf(selected) : text::Utf32ToUtf8(selected));
}

void TCustomEdit::CutToClipboard()
{
    if (ReadOnly() || !m_model.HasSelection())
        return;
    CopyToClipboard();
    ClearSelection();
}

void TCustomEdit::PasteFromClipboard()
{
    if (ReadOnly() || !wnd::HasClipboardText())
        return;
    SetSelText(wnd::GetClipboardText());
}

void TCustomEdit::Undo()
{
    if (ReadOnly())
        return;
    Apply([&] { return m_model.Undo(); });
    ScrollToCaret();
}

void TCustomEdit::MoveCaret(int Index, bool Extend)
{
    m_model.MoveCaret(std::clamp(Index, 0, m_model.Length()), Extend);
    ScrollToCaret();
    Invalidate();
}

void TCustomEdit::UpdateCaret()
{
    if (!m_caretCreated || !HandleAllocated())
        return;
    const gfx::TPoint p = CaretPoint(m_model.Caret());
    wnd::SetCaretPos(p.X, p.Y);
    wnd::ImmSetCompositionWindow(Handle(), gfx::Rect(p.X, p.Y, p.X + 1, p.Y + LineHeight()));
}

void TCustomEdit::DoEnter()
{
    TCustomControl::DoEnter();
    m_caretCreated = wnd::CreateCaret(Handle(), 1, LineHeight());
    UpdateCaret();
    wnd::ShowCaret(Handle());
    Invalidate();
}

void TCustomEdit::DoExit()
{
    if (m_caretCreated) {
        wnd::DestroyCaret();
        m_caretCreated = false;
    }
    TCustomControl::DoExit();
    Invalidate();
}

unsigned TCustomEdit::WantedKeys() const
{
    return DLGC_WANTARROWS | DLGC_WANTCHARS | (MultiLine() ? DLGC_WANTALLKEYS : 0u);
}

int TCustomEdit::VerticalTarget(int) const
{
    return -1;
}

int TCustomEdit::LineStartOf(int) const
{
    return 0;
}

int TCustomEdit::LineEndOf(int) const
{
    return m_model.Length();
}

void TCustomEdit::KeyDown(int& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    const bool shift = Shift.Contains(TShiftKind::ssShift);
    const bool ctrl = Shift.Contains(TShiftKind::ssCtrl);
    const int caret = m_model.Caret();
    const bool collapse = !shift && m_model.HasSelection();
    switch (Key) {
    case wnd::VK_LEFT:
        if (ctrl)
            MoveCaret(m_model.PreviousWordStart(caret), shift);
        else
            MoveCaret(collapse ? SelStart() : caret - 1, shift);
        break;
    case wnd::VK_RIGHT:
        if (ctrl)
            MoveCaret(m_model.NextWordStart(caret), shift);
        else
            MoveCaret(collapse ? SelStart() + SelLength() : caret + 1, shift);
        break;
    case wnd::VK_HOME:
        MoveCaret(ctrl ? 0 : LineStartOf(caret), shift);
        break;
    case wnd::VK_END:
        MoveCaret(ctrl ? m_model.Length() : LineEndOf(caret), shift);
        break;
    case wnd::VK_UP:
    case wnd::VK_DOWN:
    case wnd::VK_PRIOR:
    case wnd::VK_NEXT:
        if (const int target = VerticalTarget(Key); target >= 0)
            MoveCaret(target, shift);
        break;
    case wnd::VK_DELETE:
        if (shift)
            CutToClipboard();
        else
            Apply([&] { return m_model.DeleteForward(); });
        break;
    case wnd::VK_INSERT:
        if (ctrl)
            CopyToClipboard();
        else if (shift)
            PasteFromClipboard();
        break;
    case 'A':
        if (ctrl)
            SelectAll();
        break;
    case 'C':
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
    case 'Z':
        if (ctrl)
            Undo();
        break;
    default:
        break;
    }
}

void TCustomEdit::KeyPress(unsigned& Key)
{
    TCustomControl::KeyPress(Key);
    if (Key == 0 || ReadOnly())
        return;
    if (Key == '\b') {
        Apply([&] { return m_model.DeleteBackward(); });
        return;
    }
    if (Key == '\r' && MultiLine()) {
        Apply([&] { return m_model.ReplaceSelection(U"\n"); });
        return;
    }
    if (Key < 0x20 || Key == 0x7F)
        return; // Esc, Tab and Ctrl+letters are no text
    Apply([&] { return m_model.ReplaceSelection(std::u32string(1, static_cast<char32_t>(Key))); });
}

void TCustomEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != TMouseButton::mbLeft)
        return;
    if (Shift.Contains(TShiftKind::ssDouble)) {
        m_model.SelectWordAt(IndexAt(X, Y));
        ScrollToCaret();
        Invalidate();
        return;
    }
    MoveCaret(IndexAt(X, Y), Shift.Contains(TShiftKind::ssShift));
}

void TCustomEdit::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (Shift.Contains(TShiftKind::ssLeft) && CaptureControl() == this)
        MoveCaret(IndexAt(X, Y), true);
}

void TCustomEdit::PaintFrame(gfx::TCanvas& Canvas)
{
    StylePainter::DrawSunkenField(Canvas, ClientRect(), Enabled() ? Color() : gfx::clBtnFace);
}

void TCustomEdit::Paint()
{
    gfx::TCanvas& canvas = Canvas();
    PaintFrame(canvas);
    canvas.IntersectClipRect(TextArea());
    canvas.Font = Font();
    canvas.Font.Color = TextColor();
    PaintText(canvas);
}

} // namespace ctl
