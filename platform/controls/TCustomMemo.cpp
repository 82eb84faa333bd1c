#include "platform/controls/TCustomMemo.h"

#include "platform/graphics/TBitmap.h"
#include "platform/text/LineBreaks.h"
#include "platform/text/LineWrap.h"
#include "platform/text/Utf8.h"
#include "platform/window/Messages.h"
#include "platform/window/VirtualKeys.h"

#include <algorithm>
#include <cstdlib>

namespace ctl {

// The memo's paragraphs as a string list; every change rewrites the memo's text.
class TMemoLines : public TStrings {
public:
    explicit TMemoLines(TCustomMemo& Memo) : m_memo(Memo) { }

    int Count() const override { return static_cast<int>(Current().size()); }
    const std::string& Get(int Index) const override { return Current().at(static_cast<std::size_t>(Index)); }
    void Put(int Index, const std::string& S) override
    {
        std::vector<std::string> lines = Current();
        lines.at(static_cast<std::size_t>(Index)) = S;
        Store(lines);
    }
    void Insert(int Index, const std::string& S) override
    {
        std::vector<std::string> lines = Current();
        lines.insert(lines.begin() + std::clamp(Index, 0, static_cast<int>(lines.size())), S);
        Store(lines);
    }
    void Delete(int Index) override
    {
        std::vector<std::string> lines = Current();
        lines.erase(lines.begin() + Index);
        Store(lines);
    }
    void Clear() override { m_memo.SetText(""); }

private:
    const std::vector<std::string>& Current() const
    {
        const std::string& text = m_memo.Text();
        if (text == m_source)
            return m_cache;
        m_source = text;
        m_cache.clear();
        if (!text.empty()) {
            std::size_t from = 0;
            for (;;) {
                const std::size_t brk = text::FindLineBreak(text, from);
                m_cache.push_back(text.substr(from, brk == std::string::npos ? std::string::npos : brk - from));
                if (brk == std::string::npos)
                    break;
                from = brk + text::LineBreakLength(text, brk);
            }
        }
        return m_cache;
    }
    void Store(const std::vector<std::string>& Lines)
    {
        std::string text;
        for (std::size_t i = 0; i < Lines.size(); ++i)
            text += (i ? "\r\n" : "") + Lines[i];
        m_memo.SetText(text);
    }

    TCustomMemo& m_memo;
    mutable std::string m_source;
    mutable std::vector<std::string> m_cache;
};

TCustomMemo::TCustomMemo(TComponent* AOwner) : TCustomEdit(AOwner), m_lines(std::make_unique<TMemoLines>(*this))
{
}

TCustomMemo::~TCustomMemo() = default;

TStrings& TCustomMemo::Lines()
{
    return *m_lines;
}

void TCustomMemo::SetWordWrap(bool Value)
{
    if (m_wordWrap == Value)
        return;
    m_wordWrap = Value;
    m_laidOutWidth = -1;
    LayoutChanged();
    ScrollToCaret();
    Invalidate();
}

void TCustomMemo::LayoutChanged()
{
    m_layoutValid = false;
    m_contentWidth = -1;
}

void TCustomMemo::FontChanged()
{
    m_widths.clear();
    m_contentWidth = -1;
    m_laidOutWidth = -1;
    TCustomEdit::FontChanged();
}

int TCustomMemo::CharWidth(char32_t C) const
{
    const auto found = m_widths.find(C);
    if (found != m_widths.end())
        return found->second;
    const int width = TextWidth(std::u32string(1, C));
    m_widths.emplace(C, width);
    return width;
}

void TCustomMemo::WrapParagraph(int Start, int End, int Width) const
{
    int start = Start;
    if (m_wordWrap) {
        const std::u32string_view paragraph
            = std::u32string_view(Model().Text()).substr(static_cast<std::size_t>(Start), static_cast<std::size_t>(End - Start));
        for (int point : text::WrapPoints(paragraph, Width, [this](char32_t C) { return CharWidth(C); })) {
            m_display.push_back({ start, Start + point, true });
            start = Start + point;
        }
    }
    m_display.push_back({ start, End, false });
}

void TCustomMemo::EnsureLayout() const
{
    if (m_layoutValid)
        return;
    const int width = TextArea().Width();
    if (width == m_laidOutWidth) {
        RewrapChangedParagraphs(width);
    } else {
        m_display.clear();
        WrapParagraphs(0, Model().Text().size(), width);
    }
    m_laidOutText = Model().Text();
    m_laidOutWidth = width;
    m_layoutValid = true;
}

void TCustomMemo::WrapParagraphs(std::size_t Start, std::size_t Last, int Width) const
{
    const std::u32string& text = Model().Text();
    std::size_t start = Start;
    for (;;) {
        const std::size_t brk = text.find(U'\n', start);
        const std::size_t end = brk == std::u32string::npos ? text.size() : brk;
        WrapParagraph(static_cast<int>(start), static_cast<int>(end), Width);
        if (brk == std::u32string::npos || brk >= Last)
            break;
        start = end + 1;
    }
}

void TCustomMemo::RewrapChangedParagraphs(int Width) const
{
    const std::u32string& before = m_laidOutText;
    const std::u32string& text = Model().Text();
    const auto [beforeDiff, textDiff] = std::mismatch(before.begin(), before.end(), text.begin(), text.end());
    const std::size_t prefix = static_cast<std::size_t>(beforeDiff - before.begin());
    if (beforeDiff == before.end() && textDiff == text.end())
        return;
    std::size_t suffix = 0;
    const std::size_t common = std::min(before.size(), text.size()) - prefix;
    while (suffix < common && before[before.size() - 1 - suffix] == text[text.size() - 1 - suffix])
        ++suffix;

    // The paragraphs touched run from the one holding the first difference to
    // the line break after the last one; that break is part of the common end.
    const std::size_t breakBefore = prefix == 0 ? std::u32string::npos : before.rfind(U'\n', prefix - 1);
    const std::size_t firstStart = breakBefore == std::u32string::npos ? 0 : breakBefore + 1;
    const std::size_t breakAfter = before.find(U'\n', before.size() - suffix);
    const long shift = static_cast<long>(text.size()) - static_cast<long>(before.size());

    const auto byStart = [](const DisplayLine& line, std::size_t at) { return static_cast<std::size_t>(line.start) < at; };
    std::vector<DisplayLine> tail;
    std::size_t last = text.size();
    if (breakAfter != std::u32string::npos) {
        const auto kept = std::lower_bound(m_display.begin(), m_display.end(), breakAfter + 1, byStart);
        for (auto line = kept; line != m_display.end(); ++line)
            tail.push_back({ static_cast<int>(line->start + shift), static_cast<int>(line->end + shift), line->wrapped });
        last = static_cast<std::size_t>(static_cast<long>(breakAfter) + shift);
    }
    m_display.erase(std::lower_bound(m_display.begin(), m_display.end(), firstStart, byStart), m_display.end());
    WrapParagraphs(firstStart, last, Width);
    m_display.insert(m_display.end(), tail.begin(), tail.end());
}

int TCustomMemo::LineCount() const
{
    EnsureLayout();
    return static_cast<int>(m_display.size());
}

int TCustomMemo::VisibleLineCount() const
{
    return std::max(1, TextArea().Height() / std::max(1, LineHeight()));
}

int TCustomMemo::LineOf(int Index) const
{
    EnsureLayout();
    const auto after = std::upper_bound(m_display.begin(), m_display.end(), Index,
        [](int index, const DisplayLine& line) { return index < line.start; });
    return std::max(0, static_cast<int>(after - m_display.begin()) - 1);
}

int TCustomMemo::XInLine(int Line, int Index) const
{
    const DisplayLine& line = m_display[static_cast<std::size_t>(Line)];
    const int count = std::clamp(Index, line.start, line.end) - line.start;
    return TextWidth(Model().Text().substr(static_cast<std::size_t>(line.start), static_cast<std::size_t>(count)));
}

int TCustomMemo::IndexInLine(int Line, int X) const
{
    const DisplayLine& line = m_display[static_cast<std::size_t>(Line)];
    // A soft-wrapped line ends before its last character, which starts the next line visually.
    const int last = line.wrapped && line.end > line.start ? line.end - 1 : line.end;
    int best = line.start;
    int bestDistance = std::abs(X);
    int x = 0;
    for (int i = line.start; i < last; ++i) {
        x += CharWidth(Model().Text()[static_cast<std::size_t>(i)]);
        if (std::abs(x - X) < bestDistance) {
            best = i + 1;
            bestDistance = std::abs(x - X);
        }
    }
    return best;
}

gfx::TPoint TCustomMemo::CaretPoint(int Index) const
{
    const int line = LineOf(Index);
    const gfx::TRect area = TextArea();
    return { area.Left - m_leftOffset + XInLine(line, Index), area.Top + (line - m_topLine) * LineHeight() };
}

int TCustomMemo::IndexAt(int X, int Y) const
{
    const gfx::TRect area = TextArea();
    const int line = std::clamp(m_topLine + (Y - area.Top) / std::max(1, LineHeight()) - (Y < area.Top ? 1 : 0), 0, LineCount() - 1);
    return IndexInLine(line, X - area.Left + m_leftOffset);
}

int TCustomMemo::LineStartOf(int Index) const
{
    return m_display[static_cast<std::size_t>(LineOf(Index))].start;
}

int TCustomMemo::LineEndOf(int Index) const
{
    const DisplayLine& line = m_display[static_cast<std::size_t>(LineOf(Index))];
    return line.wrapped && line.end > line.start ? line.end - 1 : line.end;
}

int TCustomMemo::VerticalTarget(int Key) const
{
    const int caret = Model().Caret();
    const int line = LineOf(caret);
    const int page = std::max(1, VisibleLineCount() - 1);
    int target = line;
    switch (Key) {
    case wnd::VK_UP: target = line - 1; break;
    case wnd::VK_DOWN: target = line + 1; break;
    case wnd::VK_PRIOR: target = line - page; break;
    case wnd::VK_NEXT: target = line + page; break;
    default: return -1;
    }
    target = std::clamp(target, 0, LineCount() - 1);
    return IndexInLine(target, XInLine(line, caret));
}

void TCustomMemo::SetTopLine(int Value)
{
    Value = std::clamp(Value, 0, MaxTopLine());
    if (Value != m_topLine) {
        m_topLine = Value;
        Invalidate();
        UpdateCaret();
    }
    NotifyScroll();
}

int TCustomMemo::ContentWidth() const
{
    EnsureLayout();
    if (m_contentWidth < 0) {
        m_contentWidth = 0;
        for (int i = 0; i < static_cast<int>(m_display.size()); ++i)
            m_contentWidth = std::max(m_contentWidth, XInLine(i, m_display[static_cast<std::size_t>(i)].end));
    }
    return m_contentWidth;
}

void TCustomMemo::SetLeftOffset(int Value)
{
    // Wrapped text always fits across: nothing to scroll.
    Value = m_wordWrap ? 0 : std::clamp(Value, 0, MaxLeftOffset());
    if (Value != m_leftOffset) {
        m_leftOffset = Value;
        Invalidate();
        UpdateCaret();
    }
    NotifyScroll();
}

void TCustomMemo::ScrollToCaret()
{
    const int caret = Model().Caret();
    const int line = LineOf(caret);
    int top = std::min(m_topLine, MaxTopLine());
    if (line < top)
        top = line;
    else if (line >= top + VisibleLineCount())
        top = line - VisibleLineCount() + 1;
    SetTopLine(top);
    int left = m_leftOffset;
    if (!m_wordWrap) {
        const int x = XInLine(line, caret);
        if (x < left)
            left = x;
        else if (x >= left + ViewWidth())
            left = x - ViewWidth() + 1;
    }
    SetLeftOffset(left);
    UpdateCaret();
}

void TCustomMemo::NotifyScroll()
{
    const ScrollState now { m_topLine, LineCount(), VisibleLineCount(), m_leftOffset };
    if (now == m_notified)
        return;
    m_notified = now;
    ScrollChanged();
}

void TCustomMemo::ScrollChanged()
{
    if (OnScroll)
        OnScroll(this);
}

wnd::LRESULT TCustomMemo::WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam)
{
    if (Msg == wnd::WM_MOUSEWHEEL) {
        const int notches = wnd::GET_WHEEL_DELTA_WPARAM(WParam) / wnd::WHEEL_DELTA;
        if (wnd::LOWORD(WParam) & wnd::MK_SHIFT)
            SetLeftOffset(m_leftOffset - notches * 3 * LineHeight());
        else
            SetTopLine(m_topLine - notches * 3);
        return 0;
    }
    return TCustomEdit::WndProc(Msg, WParam, LParam);
}

void TCustomMemo::PaintText(gfx::TCanvas& Canvas)
{
    EnsureLayout();
    const gfx::TRect area = TextArea();
    const int textLeft = area.Left - m_leftOffset;
    const int height = LineHeight();
    const std::u32string& text = Model().Text();
    const int selStart = SelStart();
    const int selEnd = selStart + SelLength();
    const bool showSelection = Model().HasSelection() && Focused();
    const gfx::TColor textColor = Canvas.Font.Color;
    const int last = std::min(LineCount(), m_topLine + VisibleLineCount() + 1);
    for (int i = m_topLine; i < last; ++i) {
        const DisplayLine& line = m_display[static_cast<std::size_t>(i)];
        const int y = area.Top + (i - m_topLine) * height;
        const std::string shown = text::Utf32ToUtf8(text.substr(static_cast<std::size_t>(line.start), static_cast<std::size_t>(line.end - line.start)));
        Canvas.Brush.Style = gfx::TBrushStyle::bsClear;
        Canvas.Font.Color = textColor;
        Canvas.TextOut(textLeft, y, shown);
        if (!showSelection || selEnd <= line.start || selStart > line.end)
            continue;
        const int from = std::max(selStart, line.start);
        const int to = std::min(selEnd, line.end);
        const int left = textLeft + XInLine(i, from);
        // A selected line break shows as a small highlighted cell.
        const int right = textLeft + XInLine(i, to) + (selEnd > line.end && !line.wrapped ? height / 3 : 0);
        Canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
        Canvas.Brush.Color = gfx::clHighlight;
        Canvas.Font.Color = gfx::clHighlightText;
        Canvas.TextRect(gfx::Rect(left, y, right, y + height), left, y,
            text::Utf32ToUtf8(text.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from))));
    }
}

} // namespace ctl
