#include "selfdrawn/TSeSkinMemo.h"

#include "platform/graphics/TBitmap.h"
#include "platform/text/LineWrap.h"
#include "platform/text/Utf8.h"
#include "platform/window/Input.h"
#include "platform/window/Messages.h"
#include "platform/window/SystemInfo.h"
#include "platform/window/VirtualKeys.h"
#include "selfdrawn/SeDrawing.h"

#include <unordered_map>

namespace selfdrawn {
namespace {

// While a drag holds the pointer above or below the text, the selection
// grows by a row this often.
constexpr unsigned kAutoScrollInterval = 100;

class TMeasure {
public:
    explicit TMeasure(const gfx::TFont& Font) : m_bitmap(1, 1) { m_bitmap.Canvas().Font = Font; }
    int Width(std::u32string_view Text) { return m_bitmap.Canvas().TextWidth(text::Utf32ToUtf8(Text)); }

private:
    gfx::TBitmap m_bitmap;
};

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
    const auto makeBar = [this](TSeScrollBarKind Kind) {
        auto* bar = new TSeCustomScrollBar(this);
        bar->SetKind(Kind);
        bar->SetBorderWidth(0);
        bar->SetVisible(false);
        bar->SetParent(this);
        return bar;
    };
    m_scrollBar = makeBar(TSeScrollBarKind::sbVertical);
    m_scrollBar->OnScroll = [this](ctl::TObject*, TSeScrollCode, int& Position) {
        Position = std::clamp(Position, 0, std::max(0, LineCount() - VisibleLines()));
        m_topLine = Position;
        ViewChanged();
    };
    m_horzScrollBar = makeBar(TSeScrollBarKind::sbHorizontal);
    m_horzScrollBar->SmallChange = 8;
    m_horzScrollBar->OnScroll = [this](ctl::TObject*, TSeScrollCode, int& Position) {
        Position = std::clamp(Position, 0, std::max(0, WidestRow() - TextArea().Width()));
        m_leftOffset = Position;
        ViewChanged();
    };
    m_autoScrollTimer = new ctl::TTimer(this);
    m_autoScrollTimer->SetEnabled(false);
    m_autoScrollTimer->SetInterval(kAutoScrollInterval);
    m_autoScrollTimer->OnTimer = [this](ctl::TObject*) { AutoScrollTick(); };
    SetBounds(0, 0, 185, 89);
}

TSeCustomMemo::~TSeCustomMemo()
{
    if (m_caretCreated)
        wnd::DestroyCaret();
}

void TSeCustomMemo::SetWordWrap(bool Value)
{
    if (m_wordWrap == Value)
        return;
    m_wordWrap = Value;
    m_leftOffset = 0;
    LayoutChanged();
}

void TSeCustomMemo::SetScrollBars(TSeScrollStyle Value)
{
    m_scrollBars = Value;
    LayoutChanged();
}

void TSeCustomMemo::LayoutChanged()
{
    m_rowsValid = false;
    UpdateScrollBars();
    CaretMoved();
}

const std::vector<TSeCustomMemo::TRow>& TSeCustomMemo::Rows() const
{
    if (m_rowsValid)
        return m_rows;
    m_rows.clear();
    const std::u32string& t = Model().Text();
    const int width = m_wordWrap ? TextArea().Width() : 0;
    TMeasure measure(Font());
    std::unordered_map<char32_t, int> widths;
    const auto charWidth = [&](char32_t C) {
        const auto found = widths.find(C);
        if (found != widths.end())
            return found->second;
        return widths[C] = measure.Width(std::u32string(1, C));
    };
    int start = 0;
    for (int i = 0; i <= static_cast<int>(t.size()); ++i) {
        if (i < static_cast<int>(t.size()) && t[static_cast<std::size_t>(i)] != U'\n')
            continue;
        int rowStart = start;
        const std::u32string_view line(t.data() + start, static_cast<std::size_t>(i - start));
        for (int point : text::WrapPoints(line, width, charWidth)) {
            m_rows.push_back({ rowStart, start + point - rowStart });
            rowStart = start + point;
        }
        m_rows.push_back({ rowStart, i - rowStart });
        start = i + 1;
    }
    m_widestValid = false;
    m_rowsValid = true;
    return m_rows;
}

int TSeCustomMemo::RowOf(int Index) const
{
    const std::vector<TRow>& rows = Rows();
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const TRow& r = rows[static_cast<std::size_t>(i)];
        // At a wrap point the caret belongs to the start of the next row.
        const bool wrapped = i + 1 < static_cast<int>(rows.size()) && rows[static_cast<std::size_t>(i) + 1].start == r.start + r.length;
        if (Index < r.start + r.length || (Index == r.start + r.length && !wrapped))
            return i;
    }
    return static_cast<int>(rows.size()) - 1;
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
    if (m_horzScrollBar->Visible())
        r.Bottom = m_horzScrollBar->Top();
    return gfx::Inflate(r, -1, 0);
}

int TSeCustomMemo::VisibleLines() const
{
    return std::max(1, TextArea().Height() / RowHeight());
}

int TSeCustomMemo::XOf(const TRow& Row, int Index) const
{
    TMeasure measure(Font());
    return TextArea().Left - m_leftOffset
        + measure.Width(std::u32string_view(Model().Text()).substr(static_cast<std::size_t>(Row.start),
            static_cast<std::size_t>(std::clamp(Index - Row.start, 0, Row.length))));
}

int TSeCustomMemo::IndexAt(const TRow& Row, int X) const
{
    int best = Row.start;
    int bestDistance = std::abs(XOf(Row, best) - X);
    for (int i = Row.start + 1; i <= Row.start + Row.length; ++i) {
        const int distance = std::abs(XOf(Row, i) - X);
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    // The end of a wrapped row is the start of the next: stay on this row.
    const std::vector<TRow>& rows = Rows();
    const int row = RowOf(Row.start);
    if (best == Row.start + Row.length && row + 1 < static_cast<int>(rows.size())
        && rows[static_cast<std::size_t>(row) + 1].start == best && Row.length > 0)
        --best;
    return best;
}

int TSeCustomMemo::IndexAtPoint(int X, int Y) const
{
    const std::vector<TRow>& rows = Rows();
    const int offset = Y - TextArea().Top;
    const int rowsDown = offset >= 0 ? offset / RowHeight() : -((-offset + RowHeight() - 1) / RowHeight());
    const int row = std::clamp(m_topLine + rowsDown, 0, static_cast<int>(rows.size()) - 1);
    return IndexAt(rows[static_cast<std::size_t>(row)], X);
}

// Measured only when asked for (a horizontal scroll bar is possible only
// without word wrap): measuring every row of a long wrapped text at each
// key press would cost far more than the key.
int TSeCustomMemo::WidestRow() const
{
    const std::vector<TRow>& rows = Rows();
    if (m_widestValid)
        return m_widest;
    const std::u32string& t = Model().Text();
    TMeasure measure(Font());
    m_widest = 0;
    for (const TRow& r : rows)
        m_widest = std::max(m_widest, measure.Width(std::u32string_view(t).substr(static_cast<std::size_t>(r.start), static_cast<std::size_t>(r.length))));
    m_widest += 2; // room for the caret after the last character
    m_widestValid = true;
    return m_widest;
}

void TSeCustomMemo::PlaceScrollBars()
{
    const gfx::TRect content = GetContentRect();
    const int thickness = wnd::GetSystemMetrics(wnd::SM_CYVTHUMB);
    m_scrollBar->SetBounds(content.Right - thickness, content.Top, thickness,
        content.Height() - (m_horzScrollBar->Visible() ? thickness : 0));
    m_horzScrollBar->SetBounds(content.Left, content.Bottom - thickness,
        content.Width() - (m_scrollBar->Visible() ? thickness : 0), thickness);
}

void TSeCustomMemo::UpdateScrollBars()
{
    const bool mayVertical = m_scrollBars == TSeScrollStyle::ssVertical || m_scrollBars == TSeScrollStyle::ssBoth;
    const bool mayHorizontal = !m_wordWrap && (m_scrollBars == TSeScrollStyle::ssHorizontal || m_scrollBars == TSeScrollStyle::ssBoth);
    // Each bar takes room from the other's direction, and without a wrap a
    // horizontal bar changes no rows: settle the two in two rounds.
    PlaceScrollBars();
    for (int round = 0; round < 2; ++round) {
        m_horzScrollBar->SetVisible(mayHorizontal && WidestRow() > TextArea().Width());
        PlaceScrollBars();
        const bool vertical = mayVertical && LineCount() > VisibleLines();
        if (vertical != m_scrollBar->Visible()) {
            m_scrollBar->SetVisible(vertical);
            m_rowsValid = false; // the width to wrap in changed
            PlaceScrollBars();
        }
    }

    const int count = LineCount();
    const int page = VisibleLines();
    m_topLine = std::clamp(m_topLine, 0, std::max(0, count - page));
    m_scrollBar->SetParams(0, std::max(0, count - 1), page, m_topLine);
    const int areaWidth = std::max(1, TextArea().Width());
    const int widest = mayHorizontal ? WidestRow() : areaWidth;
    m_leftOffset = m_horzScrollBar->Visible() ? std::clamp(m_leftOffset, 0, std::max(0, widest - areaWidth)) : 0;
    m_horzScrollBar->SetParams(0, std::max(0, widest - 1), areaWidth, m_leftOffset);
    m_horzScrollBar->LargeChange = areaWidth;
    m_scrollBar->SetEnabled(Enabled());
    m_horzScrollBar->SetEnabled(Enabled());
}

void TSeCustomMemo::BoundsChanged(const gfx::TRect& OldBounds)
{
    TSeCustomControl::BoundsChanged(OldBounds);
    if (OldBounds.Width() != Width() || OldBounds.Height() != Height())
        LayoutChanged();
}

void TSeCustomMemo::FontChanged()
{
    TSeCustomControl::FontChanged();
    LayoutChanged();
}

void TSeCustomMemo::EnabledChanged()
{
    TSeCustomControl::EnabledChanged();
    UpdateScrollBars();
}

void TSeCustomMemo::ScrollToRow(int Row)
{
    m_topLine = std::clamp(Row, 0, std::max(0, LineCount() - VisibleLines()));
    ViewChanged();
}

void TSeCustomMemo::CaretMoved()
{
    KeepCaretInView();
    ViewChanged();
}

void TSeCustomMemo::KeepCaretInView()
{
    const int row = RowOf(Model().Caret());
    if (row < m_topLine)
        m_topLine = row;
    else if (row >= m_topLine + VisibleLines())
        m_topLine = row - VisibleLines() + 1;
    const TRow r = Rows()[static_cast<std::size_t>(row)];
    // Without a wrap the caret's column is kept in view too.
    if (!m_wordWrap) {
        const int x = XOf(r, Model().Caret()) + m_leftOffset - TextArea().Left;
        if (x < m_leftOffset)
            m_leftOffset = x;
        else if (x >= m_leftOffset + TextArea().Width())
            m_leftOffset = x - TextArea().Width() + 1;
    }
}

void TSeCustomMemo::ViewChanged()
{
    UpdateScrollBars();
    if (m_caretCreated && HandleAllocated()) {
        const int x = XOf(Rows()[static_cast<std::size_t>(RowOf(Model().Caret()))], Model().Caret());
        const int y = TextArea().Top + (RowOf(Model().Caret()) - m_topLine) * RowHeight();
        wnd::SetCaretPos(x, y);
        wnd::ImmSetCompositionWindow(Handle(), gfx::Rect(x, y, x + 1, y + RowHeight()));
    }
    Invalidate();
}

void TSeCustomMemo::TextEdited()
{
    m_rowsValid = false;
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
    m_rowsValid = false;
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
    const std::vector<TRow> rows = Rows();
    const int row = RowOf(caret);
    const TRow& here = rows[static_cast<std::size_t>(row)];
    const auto toRow = [&](int Target) {
        const TRow& r = rows[static_cast<std::size_t>(std::clamp(Target, 0, static_cast<int>(rows.size()) - 1))];
        MoveCaretTo(IndexAt(r, XOf(here, caret)), shift);
    };
    switch (Key) {
    case wnd::VK_UP:
        toRow(row - 1);
        break;
    case wnd::VK_DOWN:
        toRow(row + 1);
        break;
    case wnd::VK_PRIOR:
        toRow(row - VisibleLines());
        break;
    case wnd::VK_NEXT:
        toRow(row + VisibleLines());
        break;
    case wnd::VK_HOME:
        MoveCaretTo(ctrl ? 0 : here.start, shift);
        break;
    case wnd::VK_END:
        MoveCaretTo(ctrl ? Model().Length() : here.start + here.length, shift);
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

void TSeCustomMemo::ScrollByWheel(int Delta)
{
    // The user's setting of lines per notch; 0 asks for no scrolling.
    const int lines = std::max(0, wnd::GetWheelScrollLines());
    const int rows = -Delta * lines / wnd::WHEEL_DELTA;
    if (rows != 0)
        ScrollToRow(m_topLine + rows);
}

wnd::LRESULT TSeCustomMemo::WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam)
{
    if (EditorMessage(HandleAllocated() ? Handle() : nullptr, Msg, LParam))
        return 0;
    if (Msg == wnd::WM_MOUSEWHEEL) {
        ScrollByWheel(wnd::GET_WHEEL_DELTA_WPARAM(WParam));
        return 0;
    }
    return TSeCustomControl::WndProc(Msg, WParam, LParam);
}

void TSeCustomMemo::MouseDown(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y)
{
    TSeCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != ctl::TMouseButton::mbLeft)
        return;
    if (CanFocus() && !Focused())
        SetFocus();
    MoveCaretTo(IndexAtPoint(X, Y), Shift.Contains(ctl::TShiftKind::ssShift));
    m_dragging = true;
    m_dragPoint = { X, Y };
    CaretMoved();
}

void TSeCustomMemo::MouseMove(ctl::TShiftState Shift, int X, int Y)
{
    TSeCustomControl::MouseMove(Shift, X, Y);
    if (!m_dragging)
        return;
    m_dragPoint = { X, Y };
    MoveCaretTo(IndexAtPoint(X, Y), true);
    CaretMoved();
    const gfx::TRect area = TextArea();
    m_autoScrollTimer->SetEnabled(Y < area.Top || Y >= area.Bottom);
}

void TSeCustomMemo::AutoScrollTick()
{
    const gfx::TRect area = TextArea();
    if (!m_dragging || (m_dragPoint.Y >= area.Top && m_dragPoint.Y < area.Bottom)) {
        m_autoScrollTimer->SetEnabled(false);
        return;
    }
    // One row further each tick, towards the side the pointer is on.
    const int row = RowOf(Model().Caret()) + (m_dragPoint.Y < area.Top ? -1 : 1);
    const std::vector<TRow>& rows = Rows();
    const TRow& target = rows[static_cast<std::size_t>(std::clamp(row, 0, static_cast<int>(rows.size()) - 1))];
    MoveCaretTo(IndexAt(target, m_dragPoint.X), true);
    CaretMoved();
}

void TSeCustomMemo::MouseUp(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y)
{
    TSeCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button == ctl::TMouseButton::mbLeft) {
        m_dragging = false;
        m_autoScrollTimer->SetEnabled(false);
    }
    if (Button == ctl::TMouseButton::mbRight && HandleAllocated())
        RequestContextMenu(Handle(), X, Y);
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
    m_dragging = false;
    m_autoScrollTimer->SetEnabled(false);
    TSeCustomControl::DoExit();
}

void TSeCustomMemo::PaintClient(gfx::TCanvas& Canvas)
{
    TSeCustomControl::PaintClient(Canvas);
    const gfx::TRect area = TextArea();
    TClipGuard clip(Canvas);
    Canvas.IntersectClipRect(area);
    Canvas.Font = PaintFont();
    const std::vector<TRow>& rows = Rows();
    const int selStart = Model().SelStart();
    const int selEnd = selStart + Model().SelLength();
    const bool showSelection = Focused() && Model().HasSelection();
    const int left = area.Left - m_leftOffset;
    for (int i = m_topLine; i < static_cast<int>(rows.size()); ++i) {
        const int top = area.Top + (i - m_topLine) * RowHeight();
        if (top >= area.Bottom)
            break;
        const TRow& r = rows[static_cast<std::size_t>(i)];
        const std::string row = text::Utf32ToUtf8(
            std::u32string_view(Model().Text()).substr(static_cast<std::size_t>(r.start), static_cast<std::size_t>(r.length)));
        const int from = std::clamp(selStart, r.start, r.start + r.length);
        const int to = std::clamp(selEnd, r.start, r.start + r.length);
        Canvas.Font.Color = PaintFont().Color;
        Canvas.Brush.Style = gfx::TBrushStyle::bsClear;
        Canvas.TextOut(left, top, row);
        if (showSelection && from < to) {
            const gfx::TRect sel = gfx::Rect(XOf(r, from), top, XOf(r, to), top + RowHeight());
            gfx::FillSolid(Canvas, sel, gfx::clHighlight);
            Canvas.Font.Color = gfx::clHighlightText;
            Canvas.Brush.Style = gfx::TBrushStyle::bsClear;
            Canvas.TextRect(sel, left, top, row);
        }
    }
    Canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
}

} // namespace selfdrawn
