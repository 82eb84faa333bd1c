#include "report/objects/TfrMemoView.h"

#include "report/expr/TfrExpressionEngine.h"
#include "report/objects/PropertyValue.h"

#include "platform/graphics/TPageCanvas.h"

#include <algorithm>
#include <cmath>

namespace report {

void TfrMemoView::ExpandForPrint(TfrPrintContext& context)
{
    m_savedFont = Font;
    m_savedFill = FillColor;
    m_savedSize = { Left, Width, Height };
    m_highlighted = true;
    if (context.Continuation) {
        // The rest of a split memo: already expanded and broken into lines.
        SetExpanded(true);
        PrintMemo = std::move(m_remainder);
        m_remainder.clear();
        return;
    }
    try {
        TfrView::ExpandForPrint(context);
        if (Visible && context.Engine && !HighlightCondition.empty()) {
            auto on = ToBool(context.Engine->Evaluate(HighlightCondition));
            if (on && *on) {
                Font.Style = HighlightAttr.FontStyle;
                Font.Color = HighlightAttr.FontColor;
                FillColor = HighlightAttr.FillColor;
            }
        }
    } catch (...) {
        // A failing script or expression leaves the object as it was.
        RestoreAfterPrint();
        throw;
    }
    if (Flags & memo_flags::AutoWidth)
        ApplyAutoWidth();
}

void TfrMemoView::ApplyAutoWidth()
{
    gfx::TFont font = DrawFont();
    double widest = 0;
    for (const std::string& line : PrintMemo)
        widest = std::max(widest, gfx::PageTextWidth(font, line, CharSpacing));
    bool rotated = (Alignment & frtaVertical) != 0;
    double gap = (rotated ? GapY : GapX) + FrameGap();
    auto size = static_cast<std::int32_t>(std::clamp(std::ceil(widest + 2 * gap), 0.0, 1.0e8));
    if (rotated) {
        Height = size;
    } else {
        if ((Alignment & 3) == frtaRight)
            Left = static_cast<std::int32_t>(std::clamp<std::int64_t>(std::int64_t { Left } + Width - size,
                -100'000'000, 100'000'000));
        Width = size;
    }
}

void TfrMemoView::WriteToPage(TemplateWriter& page, TfrPrintContext& context)
{
    if (!Expanded())
        ExpandForPrint(context);
    // A repeat is judged on the whole value, before a part of it is taken
    // for this page: the part carries the engine's line marks, and the rest
    // of a split value is never a new value.
    const bool suppressible = (Flags & memo_flags::Suppress) && !context.Continuation;
    std::string value = suppressible ? JoinLines(PrintMemo) : std::string {};
    if (context.Partial)
        TakePart();
    bool suppressed = suppressible && value == m_lastPrinted;
    if (!suppressed) {
        if (suppressible)
            m_lastPrinted = std::move(value);
        TfrView::WriteToPage(page, context);
    } else {
        RestoreAfterPrint();
    }
}

void TfrMemoView::TakePart()
{
    const auto& lines = Layout();
    double line_height = LineHeight();
    double room = Height - 2 * (GapY + FrameGap());
    auto fit = line_height > 0 ? static_cast<std::size_t>(std::max(0.0, std::floor(room / line_height))) : lines.size();
    // A part always takes a line, so a memo taller than any page still ends.
    fit = std::clamp<std::size_t>(fit, 1, std::max<std::size_t>(lines.size(), 1));
    auto as_stored = [](const MemoLine& line) {
        return line.Text + (line.ParagraphEnd ? std::string(2, kPreSplitMark) : std::string(1, kPreSplitMark));
    };
    PrintMemo.clear();
    m_remainder.clear();
    for (std::size_t i = 0; i < lines.size(); ++i)
        (i < fit ? PrintMemo : m_remainder).push_back(as_stored(lines[i]));
    if (!m_remainder.empty())
        PrintMemo.emplace_back(1, kPreSplitMark);
}

void TfrMemoView::RestoreAfterPrint()
{
    if (m_highlighted) {
        Font = m_savedFont;
        FillColor = m_savedFill;
        Left = m_savedSize[0];
        Width = m_savedSize[1];
        Height = m_savedSize[2];
        m_highlighted = false;
    }
    TfrView::RestoreAfterPrint();
}

} // namespace report
