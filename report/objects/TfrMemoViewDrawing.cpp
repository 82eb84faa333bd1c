#include "report/objects/TfrMemoView.h"

#include "report/objects/MemoCharWidths.h"
#include "report/objects/PropertyValue.h"

#include "platform/graphics/TPageCanvas.h"
#include "platform/text/Utf8.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

namespace report {
namespace {

double LineWidth(const gfx::TFont& font, std::string_view text, double char_extra)
{
    return MemoCharWidths::Of(font).TextWidth(text, char_extra);
}

bool IsJustifyBlank(std::string_view ch) { return ch == " " || ch == "\xC2\xA0"; }

} // namespace

gfx::TFont TfrMemoView::DrawFont(double scale) const
{
    gfx::TFont font;
    font.Name = Font.Name;
    double pixels = std::clamp(Font.Size * 96.0 / 72.0 * scale, 1.0, 10000.0);
    font.Height = -static_cast<int>(std::lround(pixels));
    if (Font.Style & fsBold)
        font.Style.Include(gfx::TFontStyle::fsBold);
    if (Font.Style & fsItalic)
        font.Style.Include(gfx::TFontStyle::fsItalic);
    if (Font.Style & fsUnderline)
        font.Style.Include(gfx::TFontStyle::fsUnderline);
    if (Font.Style & fsStrikeOut)
        font.Style.Include(gfx::TFontStyle::fsStrikeOut);
    font.Color = Font.Color;
    font.CharSet = Font.Charset;
    if (Alignment & frtaVertical)
        font.Orientation = 900;
    return font;
}

double TfrMemoView::LineHeight(double scale) const
{
    return -DrawFont(scale).Height + LineSpacing * scale;
}

const std::vector<std::string>& TfrMemoView::ShownText() const
{
    return PrintMemo.empty() ? Memo : PrintMemo;
}

std::vector<MemoLine> TfrMemoView::LayoutLines(double scale) const
{
    return Layout(scale);
}

const std::vector<MemoLine>& TfrMemoView::Layout(double scale) const
{
    gfx::TFont font = DrawFont(scale);
    double char_extra = CharSpacing * scale;
    bool rotated = (Alignment & frtaVertical) != 0;
    // Gaps grow by half the frame width, as when drawing.
    double gap = (rotated ? GapY * scale : GapX * scale) + FrameGap(scale);
    double length = rotated ? Height * scale : Width * scale;
    MemoWrapRule rule { std::max(0.0, length - 2 * gap), (Flags & memo_flags::WordWrap) != 0,
        (Flags & memo_flags::WordBreak) != 0 };
    MemoLayoutKey key { font.Name, font.Height, font.Style.Bits(), char_extra, rule.Width, rule.WordWrap,
        rule.WordBreak };
    const std::vector<std::string>& text = ShownText();
    if (m_layout && m_layout->Key == key && m_layout->Text == text)
        return m_layout->Lines;
    MemoCharWidths& widths = MemoCharWidths::Of(font);
    auto lines = WrapMemoText(text, rule,
        [&widths, char_extra](std::string_view ch) { return widths.TextWidth(ch, char_extra); });
    m_layout = CachedLayout { std::move(key), text, std::move(lines) };
    return m_layout->Lines;
}

std::int32_t TfrMemoView::ContentHeight()
{
    if ((Flags & memo_flags::Suppress) && !PrintMemo.empty() && JoinLines(PrintMemo) == m_lastPrinted)
        return 0;
    const auto& lines = Layout();
    double gap = GapY + FrameGap();
    double height = gap + lines.size() * LineHeight() + gap;
    return static_cast<std::int32_t>(std::clamp(std::ceil(height), 0.0, 1.0e8));
}

std::int32_t TfrMemoView::CalcHeight(TfrExpressionEngine& engine)
{
    if (TextCurrent())
        return ContentHeight();
    std::vector<std::string> kept = std::exchange(PrintMemo, ExpandedMemo(engine));
    std::int32_t height = 0;
    try {
        height = ContentHeight();
    } catch (...) {
        PrintMemo = std::move(kept);
        throw;
    }
    PrintMemo = std::move(kept);
    return height;
}

std::int32_t TfrMemoView::RemainderHeight()
{
    // The remainder is kept as drawn lines, one per entry.
    double gap = GapY + FrameGap();
    double height = gap + m_remainder.size() * LineHeight() + gap;
    return static_cast<std::int32_t>(std::clamp(std::ceil(height), 0.0, 1.0e8));
}

std::int32_t TfrMemoView::MinPartHeight()
{
    return static_cast<std::int32_t>(std::ceil(LineHeight() + 2 * GapY + 2 * FrameWidth));
}

std::int32_t TfrMemoView::SplitRemainder()
{
    double line = LineHeight();
    double fraction = line > 0 ? std::fmod(static_cast<double>(Height), line) : 0;
    return static_cast<std::int32_t>(std::ceil(2 * GapY + 2 * FrameWidth + fraction));
}

void TfrMemoView::Draw(gfx::TPageCanvas& canvas)
{
    ApplyScale();
    PaintBackground(canvas);
    if (DrawMode != TfrDrawMode::FirstPass) {
        // Layout runs on the unscaled geometry with the scale applied to the
        // font, so a zoomed page breaks its lines where the printed one does.
        double scale = ScaleX;
        RestoreScale();
        const auto& lines = Layout(scale);
        ApplyScale();
        DrawLines(canvas, lines);
    }
    PaintFrame(canvas);
    RestoreScale();
}

void TfrMemoView::DrawLines(gfx::TPageCanvas& canvas, const std::vector<MemoLine>& lines)
{
    double scale = ScaleX;
    gfx::TFont font = DrawFont(scale);
    double char_extra = CharSpacing * scale;
    double line_height = LineHeight(scale);
    bool rotated = (Alignment & frtaVertical) != 0;
    bool rtl = (Flags & memo_flags::RTLReading) != 0;
    int horizontal = Alignment & 3;
    if (rtl && horizontal == frtaLeft)
        horizontal = frtaRight;
    else if (rtl && horizontal == frtaRight)
        horizontal = frtaLeft;

    // Along: the direction text runs; across: the direction lines stack.
    double along_start = rotated ? DrawBottom() - GapY : DrawLeft() + GapX;
    double along_length = rotated ? (DrawBottom() - DrawTop()) - 2 * GapY : (DrawRight() - DrawLeft()) - 2 * GapX;
    double across_start = rotated ? DrawLeft() + GapX : DrawTop() + GapY;
    double across_length = rotated ? DrawRight() - DrawLeft() : DrawBottom() - DrawTop();
    double block = lines.size() * line_height;
    if (Alignment & frtaMiddle)
        across_start = (rotated ? DrawLeft() : DrawTop()) + (across_length - block) / 2;
    else if (Alignment & frtaDown)
        across_start = (rotated ? DrawLeft() : DrawTop()) + across_length - 1 - (rotated ? GapX : GapY) - block;

    canvas.PushClip({ DrawLeft(), DrawTop(), DrawRight(), DrawBottom() });
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const MemoLine& line = lines[n];
        double across = across_start + n * line_height;
        double width = LineWidth(font, line.Text, char_extra);
        double offset = 0;
        if (horizontal == frtaRight)
            offset = along_length - width - 1;
        else if (horizontal == frtaCenter)
            offset = (along_length - width) / 2;
        auto place = [&](double along_offset, std::string_view text) {
            double along = rotated ? along_start - along_offset : along_start + along_offset;
            if (rotated)
                canvas.Text(font, across, along, text, char_extra, rtl);
            else
                canvas.Text(font, along, across, text, char_extra, rtl);
        };
        if (horizontal == frtaJustify && !line.ParagraphEnd && !rtl)
            DrawJustified(line.Text, along_length - width, place);
        else
            place(offset, line.Text);
        if ((Flags & memo_flags::Underlines) && !rotated) {
            double y = std::floor(across + line_height) - 0.5;
            canvas.Line(DrawLeft(), y, DrawRight(), y, 1, FrameColor, gfx::TPenStyle::psSolid);
        }
    }
    canvas.PopClip();
}

void TfrMemoView::DrawJustified(std::string_view text, double free_space,
    const std::function<void(double, std::string_view)>& place) const
{
    gfx::TFont font = DrawFont(ScaleX);
    double char_extra = CharSpacing * ScaleX;
    int blanks = 0;
    for (std::size_t i = 0; i < text.size(); i += text::Utf8CharLength(text, i))
        blanks += IsJustifyBlank(text.substr(i, text::Utf8CharLength(text, i)));
    if (blanks == 0 || free_space <= 0) {
        place(0, text);
        return;
    }
    double extra = free_space / blanks;
    double x = 0;
    std::size_t word_start = 0;
    for (std::size_t i = 0; i <= text.size();) {
        std::size_t length = i < text.size() ? text::Utf8CharLength(text, i) : 0;
        if (i == text.size() || IsJustifyBlank(text.substr(i, length))) {
            std::string_view word = text.substr(word_start, i - word_start);
            place(x, word);
            x += LineWidth(font, word, char_extra);
            if (i == text.size())
                break;
            x += LineWidth(font, text.substr(i, length), char_extra) + extra;
            word_start = i + length;
        }
        i += length;
    }
}

} // namespace report
