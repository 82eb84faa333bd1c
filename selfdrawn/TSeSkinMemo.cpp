#include "selfdrawn/TSeSkinMemo.h"

#include "platform/graphics/TBitmap.h"
#include "platform/text/Utf8.h"
#include "platform/window/Input.h"
#include "platform/window/Messages.h"
#include "platform/window/SystemInfo.h"
#include "platform/window/VirtualKeys.h"
#include "selfdrawn/SeDrawing.h"

namespace selfdrawn {
namespace {

int Measure(const gfx::TFont& Font, std::u32string_view Text)
{
    gfx::TBitmap scratch(1, 1);
    scratch.Canvas().Font = Font;
    return scratch.Canvas().TextWidth(text::Utf32ToUtf8(Text));
}

} // namespace

TSeCustomMemo::TSeCustomMemo(ctl::TComponent* AOwner) : TSeCustomControl(AOwner)
{
    SetPerformance(TSePerformance::kspDoubleBuffer);
    SetBevelKind(TSeBevelKind::kbkSingle);
    SetBevelWidth(1);
    SetBorderWidth(1);
    SetColor(gfx::clWindow);
    SetCursor(ctl::crIBeam);
    SetTabStop(true);
    m_scrollBar = new TSeCustomScrollBar(this);
    m_scrollBar->SetKind(TSeScrollBarKind::sbVertical);
    m_scrollBar->SetBorderWidth(0);
    m_scrollBar->SetParent(this);
    m_scrollBar->OnScroll = [this](ctl::TObject*, TSeScrollCode, int& Position) {
        Position = std::clamp(Position, 0, std::max(0, LineCount() - VisibleLines()));
        m_topLine = Position;
        Invalidate();
    };
    SetBounds(0, 0, 185, 89);
}

TSeCustomMemo::~TSeCustomMemo()
{
    if (m_caretCreated)
        wnd::DestroyCaret();
}

std::vector<TSeCustomMemo::TLine> TSeCustomMemo::Lines() const
{
    std::vector<TLine> lines;
    const std::u32string& t = Model().Text();
    int start = 0;
    for (int i = 0; i <= static_cast<int>(t.size()); ++i) {
        if (i == static_cast<int>(t.size()) || t[static_cast<std::size_t>(i)] == U'\n') {
            lines.push_back({ start, i - start });
            start = i + 1;
        }
    }
    return lines;
}

int TSeCustomMemo::LineCount() const
{
    return static_cast<int>(Lines().size());
}

int TSeCustomMemo::LineOf(int Index) const
{
    const std::vector<TLine> lines = Lines();
    for (int i = 0; i < static_cast<int>(lines.size()); ++i)
        if (Index <= lines[static_cast<std::size_t>(i)].start + lines[static_cast<std::size_t>(i)].length)
            return i;
    return static_cast<int>(lines.size()) - 1;
}

int TSeCustomMemo::RowHeight() const
{
    gfx::TBitmap scratch(1, 1);
    scratch.Canvas().Font = Font();
    return std::max(1, scratch.Canvas().TextHeight("Pq"));
}

gfx::TRect TSeCustomMemo::TextArea() const
{
    gfx::TRect r = GetContentRect();
    if (m_scrollBar->Visible())
        r.Right = m_scrollBar->Left();
    return gfx::Inflate(r, -1, 0);
}

int TSeCustomMemo::VisibleLines() const
{
    return std::max(1, GetContentRect().Height() / RowHeight());
}

int TSeCustomMemo::XOf(const TLine& Line, int Index) const
{
    return TextArea().Left
        + Measure(Font(), std::u32string_view(Model().Text()).substr(static_cast<std::size_t>(Line.start),
              static_cast<std::size_t>(Index - Line.start)));
}

int TSeCustomMemo::IndexAt(const TLine& Line, int X) const
{
    int best = Line.start;
    for (int i = Line.start; i <= Line.start + Line.length; ++i)
        if (std::abs(XOf(Line, i) - X) < std::abs(XOf(Line, best) - X))
            best = i;
    return best;
}

void TSeCustomMemo::UpdateScrollBar()
{
    const gfx::TRect content = GetContentRect();
    const int width = wnd::GetSystemMetrics(wnd::SM_CYVTHUMB);
    m_scrollBar->SetBounds(content.Right - width, content.Top, width, content.Height());
    const int count = LineCount();
    const int page = VisibleLines();
    m_topLine = std::clamp(m_topLine, 0, std::max(0, count - page));
    m_scrollBar->SetParams(0, std::max(0, count - 1), page, m_topLine);
    m_scrollBar->SetVisible(count > page);
    m_scrollBar->SetEnabled(Enabled());
}

void TSeCustomMemo::BoundsChanged(const gfx::TRect& OldBounds)
{
    TSeCustomControl::BoundsChanged(OldBounds);
    UpdateScrollBar();
}

void TSeCustomMemo::CaretMoved()
{
    const int line = LineOf(Model().Caret());
    if (line < m_topLine)
        m_topLine = line;
    else if (line >= m_topLine + VisibleLines())
        m_topLine = line - VisibleLines() + 1;
    UpdateScrollBar();
    if (m_caretCreated && HandleAllocated()) {
        const TLine l = Lines()[static_cast<std::size_t>(line)];
        const int x = XOf(l, Model().Caret());
        const int y = TextArea().Top + (line - m_topLine) * RowHeight();
        wnd::SetCaretPos(x, y);
        wnd::ImmSetCompositionWindow(Handle(), gfx::Rect(x, y, x + 1, y + RowHeight()));
    }
    Invalidate();
}

void TSeCustomMemo::TextEdited()
{
    m_storing = true;
    SetText(text::Utf32ToUtf8(Model().Text()));
    m_storing = false;
    CaretMoved();
    if (OnChange)
        OnChange(this);
}

void TSeCustomMemo::TextChanged()
{
    TSeCustomControl::TextChanged();
    if (m_storing)
        return;
    Model().SetText(text::Utf8ToUtf32(Text()));
    CaretMoved();
    if (OnChange)
        OnChange(this);
}

unsigned TSeCustomMemo::WantedKeys() const
{
    return ctl::DLGC_WANTARROWS | ctl::DLGC_WANTCHARS;
}

void TSeCustomMemo::KeyDown(int& Key, ctl::TShiftState Shift)
{
    TSeCustomControl::KeyDown(Key, Shift);
    const bool shift = Shift.Contains(ctl::TShiftKind::ssShift);
    const bool ctrl = Shift.Contains(ctl::TShiftKind::ssCtrl);
    const int caret = Model().Caret();
    const std::vector<TLine> lines = Lines();
    const int line = LineOf(caret);
    const TLine& here = lines[static_cast<std::size_t>(line)];
    const auto toLine = [&](int target) {
        const TLine& l = lines[static_cast<std::size_t>(std::clamp(target, 0, static_cast<int>(lines.size()) - 1))];
        MoveCaretTo(IndexAt(l, XOf(here, caret)), shift);
    };
    switch (Key) {
    case wnd::VK_UP:
        toLine(line - 1);
        break;
    case wnd::VK_DOWN:
        toLine(line + 1);
        break;
    case wnd::VK_HOME:
        MoveCaretTo(here.start, shift);
        break;
    case wnd::VK_END:
        MoveCaretTo(here.start + here.length, shift);
        break;
    case 'A':
        if (ctrl)
            Model().SelectAll();
        break;
    default:
        EditingKey(Key, Shift);
        break;
    }
    CaretMoved();
}

void TSeCustomMemo::KeyPress(unsigned& Key)
{
    TSeCustomControl::KeyPress(Key);
    if (Key == '\r') {
        if (!ReadOnly())
            ReplaceSelection(U"\n");
    } else {
        TypeCharacter(Key);
    }
}

wnd::LRESULT TSeCustomMemo::WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam)
{
    if (EditorMessage(HandleAllocated() ? Handle() : nullptr, Msg, LParam))
        return 0;
    return TSeCustomControl::WndProc(Msg, WParam, LParam);
}

void TSeCustomMemo::MouseDown(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y)
{
    TSeCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != ctl::TMouseButton::mbLeft)
        return;
    if (CanFocus() && !Focused())
        SetFocus();
    const std::vector<TLine> lines = Lines();
    const int row = std::clamp(m_topLine + (Y - TextArea().Top) / RowHeight(), 0, static_cast<int>(lines.size()) - 1);
    MoveCaretTo(IndexAt(lines[static_cast<std::size_t>(row)], X), Shift.Contains(ctl::TShiftKind::ssShift));
    CaretMoved();
}

void TSeCustomMemo::DoEnter()
{
    TSeCustomControl::DoEnter();
    m_caretCreated = wnd::CreateCaret(Handle(), 0, RowHeight());
    CaretMoved();
    wnd::ShowCaret(Handle());
}

void TSeCustomMemo::DoExit()
{
    if (m_caretCreated) {
        wnd::DestroyCaret();
        m_caretCreated = false;
    }
    TSeCustomControl::DoExit();
}

void TSeCustomMemo::PaintClient(gfx::TCanvas& Canvas)
{
    TSeCustomControl::PaintClient(Canvas);
    const gfx::TRect area = TextArea();
    const auto savedClip = Canvas.ClipRegion();
    Canvas.IntersectClipRect(area);
    Canvas.Font = PaintFont();
    const std::vector<TLine> lines = Lines();
    const int selStart = Model().SelStart();
    const int selEnd = selStart + Model().SelLength();
    const bool showSelection = Focused() && Model().HasSelection();
    for (int i = m_topLine; i < static_cast<int>(lines.size()); ++i) {
        const int top = area.Top + (i - m_topLine) * RowHeight();
        if (top >= area.Bottom)
            break;
        const TLine& l = lines[static_cast<std::size_t>(i)];
        const std::u32string_view line = std::u32string_view(Model().Text()).substr(static_cast<std::size_t>(l.start), static_cast<std::size_t>(l.length));
        const int from = std::clamp(selStart, l.start, l.start + l.length);
        const int to = std::clamp(selEnd, l.start, l.start + l.length);
        Canvas.Font.Color = PaintFont().Color;
        Canvas.Brush.Style = gfx::TBrushStyle::bsClear;
        Canvas.TextOut(area.Left, top, text::Utf32ToUtf8(line));
        if (showSelection && from < to) {
            const gfx::TRect sel = gfx::Rect(XOf(l, from), top, XOf(l, to), top + RowHeight());
            gfx::FillSolid(Canvas, sel, gfx::clHighlight);
            Canvas.Font.Color = gfx::clHighlightText;
            Canvas.Brush.Style = gfx::TBrushStyle::bsClear;
            Canvas.TextRect(sel, area.Left, top, text::Utf32ToUtf8(line));
        }
    }
    Canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
    if (savedClip)
        Canvas.SetClipRegion(*savedClip);
    else
        Canvas.ClearClipRegion();
}

} // namespace selfdrawn
