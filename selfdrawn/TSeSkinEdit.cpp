#include "selfdrawn/TSeSkinEdit.h"

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TextFormat.h"
#include "platform/text/Gbk.h"
#include "platform/text/Utf8.h"
#include "platform/window/Clipboard.h"
#include "platform/window/Input.h"
#include "platform/window/Messages.h"
#include "platform/window/VirtualKeys.h"
#include "selfdrawn/SeDrawing.h"

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
    const std::string utf8 = text::Utf32ToUtf8(std::u32string(1, c));
    return text::GbkToUtf8(text::Utf8ToGbk(utf8)) == utf8;
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
        m_model.Filter = nullptr;
    else
        m_model.Filter = [Value](const std::u32string& t) { return ConvertCharCase(t, Value); };
    if (m_model.SetText(m_model.Text()))
        ModelChanged();
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

int TSeCustomEdit::TextWidth(std::u32string_view Text) const
{
    TMeasure m(Font());
    return TextWidthWide(m.Canvas(), text::Utf32ToUtf8(Text), gfx::DT_NOPREFIX);
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

int TSeCustomEdit::CaretX(int I) const
{
    const gfx::TRect r = GetTextRect();
    const std::u32string& t = m_model.Text();
    int x = r.Left;
    if (I > 0 && I >= m_first)
        x += TextWidth(std::u32string_view(t).substr(static_cast<std::size_t>(m_first - 1), static_cast<std::size_t>(I - m_first + 1)));
    const int whole = TextWidth(t);
    if (whole < r.Width()) {
        if (m_alignment == ctl::TAlignment::taRightJustify)
            x += r.Width() - whole;
        else if (m_alignment == ctl::TAlignment::taCenter)
            x += (r.Width() - whole) / 2;
    }
    return x;
}

int TSeCustomEdit::HitTest(int X) const
{
    const gfx::TRect r = GetTextRect();
    const std::u32string& t = m_model.Text();
    int index = m_first - 1;
    int boundary = CaretX(index);
    while (index < m_model.Length() && boundary < r.Right) {
        const int w = TextWidth(std::u32string_view(t).substr(static_cast<std::size_t>(index), 1));
        if (X < boundary + w / 2)
            break;
        boundary += w;
        ++index;
    }
    return index;
}

void TSeCustomEdit::ScrollToCaret()
{
    const int caret = m_model.Caret();
    const int width = GetTextRect().Width();
    if (m_first <= caret) {
        const std::u32string& t = m_model.Text();
        while (m_first < m_model.Length()
            && TextWidth(std::u32string_view(t).substr(static_cast<std::size_t>(m_first - 1),
                   static_cast<std::size_t>(caret - m_first + 1)))
                > width)
            ++m_first;
    } else {
        m_first = std::max(1, caret);
    }
}

void TSeCustomEdit::PlaceCaret()
{
    if (!m_caretCreated || !HandleAllocated())
        return;
    const gfx::TRect r = GetTextRect();
    const int x = CaretX(m_model.Caret());
    wnd::SetCaretPos(x, r.Top);
    wnd::ImmSetCompositionWindow(Handle(), gfx::Rect(x, r.Top, x + 1, r.Bottom));
}

void TSeCustomEdit::CaretMoved()
{
    ScrollToCaret();
    PlaceCaret();
    Invalidate();
}

void TSeCustomEdit::ModelChanged()
{
    m_storing = true;
    SetText(text::Utf32ToUtf8(m_model.Text()));
    m_storing = false;
    CaretMoved();
}

void TSeCustomEdit::TextChanged()
{
    TSeCustomControl::TextChanged();
    if (!m_storing) {
        std::u32string t = text::Utf8ToUtf32(Text());
        if (m_model.Filter)
            t = m_model.Filter(t);
        m_model.SetText(std::move(t));
        const std::string stored = text::Utf32ToUtf8(m_model.Text());
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

void TSeCustomEdit::ReplaceSelection(const std::u32string& Insert)
{
    if (m_model.ReplaceSelection(Insert))
        ModelChanged();
    else
        CaretMoved();
}

void TSeCustomEdit::SetSelStart(int Value)
{
    m_model.SetSelection(Value, 0);
    CaretMoved();
}

void TSeCustomEdit::SetSelLength(int Value)
{
    m_model.SetSelection(m_model.SelStart(), Value);
    CaretMoved();
}

std::string TSeCustomEdit::SelText() const
{
    return text::Utf32ToUtf8(m_model.SelectedText());
}

void TSeCustomEdit::CopyToClipboard()
{
    if (m_model.HasSelection())
        wnd::SetClipboardText(SelText());
}

void TSeCustomEdit::CutToClipboard()
{
    if (m_model.ReadOnly)
        return;
    CopyToClipboard();
    ClearSelection();
}

void TSeCustomEdit::PasteFromClipboard()
{
    if (m_model.ReadOnly || !wnd::HasClipboardText())
        return;
    ReplaceSelection(text::Utf8ToUtf32(wnd::GetClipboardText()));
}

void TSeCustomEdit::ClearSelection()
{
    if (m_model.DeleteSelection())
        ModelChanged();
}

void TSeCustomEdit::SelectAll()
{
    m_model.SelectAll();
    CaretMoved();
}

void TSeCustomEdit::Undo()
{
    if (m_model.Undo())
        ModelChanged();
    else
        CaretMoved();
}

bool TSeCustomEdit::DeleteBackward()
{
    // The character before the caret is removed as a one-character selection:
    // the same undo record as a Backspace, and the caret lands where it was.
    if (m_model.HasSelection())
        return m_model.DeleteSelection();
    const int caret = m_model.Caret();
    if (caret <= 0 || m_model.ReadOnly)
        return false;
    m_model.SetSelection(caret - 1, 1);
    return m_model.DeleteSelection();
}

unsigned TSeCustomEdit::WantedKeys() const
{
    return ctl::DLGC_WANTARROWS | ctl::DLGC_WANTCHARS;
}

void TSeCustomEdit::KeyDown(int& Key, ctl::TShiftState Shift)
{
    TSeCustomControl::KeyDown(Key, Shift);
    const bool shift = Shift.Contains(ctl::TShiftKind::ssShift);
    const bool ctrl = Shift.Contains(ctl::TShiftKind::ssCtrl);
    const int caret = m_model.Caret();
    switch (Key) {
    case wnd::VK_BACK:
    case wnd::VK_DELETE:
        if (m_model.HasSelection() && shift && !ctrl)
            CutToClipboard();
        else if (Key == wnd::VK_DELETE ? m_model.DeleteForward() : DeleteBackward())
            ModelChanged();
        break;
    case wnd::VK_HOME:
        m_model.MoveCaret(0, shift);
        break;
    case wnd::VK_END:
        m_model.MoveCaret(m_model.Length(), shift);
        break;
    case wnd::VK_LEFT:
        m_model.MoveCaret(ctrl ? m_model.PreviousWordStart(caret) : std::max(0, caret - 1), shift);
        break;
    case wnd::VK_RIGHT:
        m_model.MoveCaret(ctrl ? m_model.NextWordStart(caret) : std::min(m_model.Length(), caret + 1), shift);
        break;
    case wnd::VK_INSERT:
        if (ctrl)
            CopyToClipboard();
        else if (shift)
            PasteFromClipboard();
        break;
    case 'C':
        if (ctrl)
            CopyToClipboard();
        break;
    case 'V':
        if (ctrl)
            PasteFromClipboard();
        break;
    case 'X':
        if (ctrl)
            CutToClipboard();
        break;
    case 'Z':
        if (ctrl)
            Undo();
        break;
    default:
        break;
    }
    CaretMoved();
}

void TSeCustomEdit::KeyPress(unsigned& Key)
{
    TSeCustomControl::KeyPress(Key);
    if (Key < 0x20 || Key == 0x7F || m_model.ReadOnly)
        return;
    ReplaceSelection(std::u32string(1, static_cast<char32_t>(Key)));
}

wnd::LRESULT TSeCustomEdit::WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam)
{
    if (Msg == wnd::WM_IME_STARTCOMPOSITION)
        PlaceCaret();
    if (Msg == wnd::WM_IME_COMPOSITION && (LParam & wnd::GCS_RESULTSTR) != 0 && HandleAllocated()) {
        // Each character of the result replaces the selection in turn; no
        // character messages follow for it.
        for (char32_t c : text::Utf8ToUtf32(wnd::ImmGetCompositionString(Handle(), wnd::GCS_RESULTSTR)))
            if (!m_model.ReadOnly)
                ReplaceSelection(std::u32string(1, c));
        return 0;
    }
    return TSeCustomControl::WndProc(Msg, WParam, LParam);
}

void TSeCustomEdit::MouseDown(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y)
{
    TSeCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != ctl::TMouseButton::mbLeft || Shift.Contains(ctl::TShiftKind::ssDouble))
        return;
    if (CanFocus() && !Focused())
        SetFocus();
    m_model.MoveCaret(HitTest(X), false);
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
        index = std::min(m_model.Length(), index + 1);
    m_model.MoveCaret(index, true);
    CaretMoved();
}

void TSeCustomEdit::MouseUp(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y)
{
    TSeCustomControl::MouseUp(Button, Shift, X, Y);
    m_dragging = false;
}

void TSeCustomEdit::DblClick()
{
    TSeCustomControl::DblClick();
    m_model.SelectWordAt(m_model.Caret());
    CaretMoved();
}

void TSeCustomEdit::DoEnter()
{
    TSeCustomControl::DoEnter();
    m_caretCreated = wnd::CreateCaret(Handle(), 0, LineHeight());
    if (AutoSelect)
        m_model.SelectAll();
    CaretMoved();
    wnd::ShowCaret(Handle());
}

void TSeCustomEdit::DoExit()
{
    if (m_caretCreated) {
        wnd::DestroyCaret();
        m_caretCreated = false;
    }
    m_dragging = false;
    TSeCustomControl::DoExit();
}

void TSeCustomEdit::PaintClient(gfx::TCanvas& Canvas)
{
    const gfx::TRect r = GetTextRect();
    const gfx::TRect content = GetContentRect();
    FillRectColor(Canvas, gfx::Rect(content.Left, r.Top, content.Right, Height() - r.Top), Color());
    if (!DrawsText())
        return;
    const bool showSelection = (Focused() || !m_hideSelection) && m_model.HasSelection();
    gfx::TRect selection;
    if (showSelection) {
        const int start = m_model.SelStart();
        const gfx::TRect sel = gfx::Rect(CaretX(std::max(start, m_first - 1)), r.Top,
            CaretX(std::max(start + m_model.SelLength(), m_first - 1)), r.Bottom);
        gfx::IntersectRect(selection, sel, r);
        FillRectColor(Canvas, selection, gfx::clHighlight);
    }
    const auto savedClip = Canvas.ClipRegion();
    Canvas.IntersectClipRect(r);
    Canvas.Font = PaintFont();
    const std::string visible = text::Utf32ToUtf8(std::u32string_view(m_model.Text()).substr(static_cast<std::size_t>(m_first - 1)));
    gfx::TRect line = gfx::Rect(CaretX(m_first - 1), r.Top, std::max(r.Right, CaretX(m_model.Length())), r.Bottom);
    DrawTextWide(Canvas, visible, line, gfx::DT_NOPREFIX | gfx::DT_SINGLELINE);
    if (showSelection && !selection.IsEmpty()) {
        Canvas.IntersectClipRect(selection);
        Canvas.Font.Color = gfx::clHighlightText;
        gfx::TRect again = line;
        DrawTextWide(Canvas, visible, again, gfx::DT_NOPREFIX | gfx::DT_SINGLELINE);
    }
    if (savedClip)
        Canvas.SetClipRegion(*savedClip);
    else
        Canvas.ClearClipRegion();
}

} // namespace selfdrawn
