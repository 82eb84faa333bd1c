#include "report/objects/TfrRichView.h"

#include "report/objects/PropertyValue.h"

#include "platform/graphics/TPageCanvas.h"
#include "platform/richtext/RichTextLayout.h"

#include <algorithm>
#include <cmath>

namespace report {
namespace {

constexpr std::uint16_t kTextOnly = memo_flags::TextOnly;
constexpr FlagProperty kRichFlags[] = { { "TEXTONLY", kTextOnly } };

} // namespace

bool TfrRichView::SetProperty(std::string_view name, const Variant& value)
{
    std::string upper = UpperCase(name);
    if (SetFlagProperty(kRichFlags, upper, value))
        return true;
    return TfrView::SetProperty(upper, value);
}

std::optional<Variant> TfrRichView::GetProperty(std::string_view name) const
{
    std::string upper = UpperCase(name);
    if (auto flag = GetFlagProperty(kRichFlags, upper))
        return flag;
    return TfrView::GetProperty(upper);
}

std::vector<std::string> TfrRichView::ListProperties() const
{
    auto names = TfrView::ListProperties();
    names.emplace_back("TEXTONLY");
    return names;
}

} // namespace report

namespace report {

void TfrRichView::Draw(gfx::TPageCanvas& canvas)
{
    ApplyScale();
    PaintBackground(canvas);
    if (DrawMode != TfrDrawMode::FirstPass) {
        richtext::RtfDocument document = richtext::ParseRtf(RichText);
        richtext::RichTextLayout layout(document, (DrawRight() - DrawLeft()) - 2 * GapX, 96.0 / 72.0 * ScaleX);
        canvas.PushClip({ DrawLeft(), DrawTop(), DrawRight(), DrawBottom() });
        layout.Draw(canvas, DrawLeft() + GapX, DrawTop() + GapY);
        canvas.PopClip();
    }
    PaintFrame(canvas);
    RestoreScale();
}

double TfrRichView::TextWidth() const
{
    return Width - 2 * (GapX + FrameGap());
}

double TfrRichView::VerticalGaps() const
{
    return 2 * (GapY + FrameGap());
}

std::int32_t TfrRichView::HeightOf(const std::string& rtf) const
{
    richtext::RtfDocument document = richtext::ParseRtf(rtf);
    double height = richtext::RichTextLayout(document, TextWidth()).Height() + VerticalGaps();
    return static_cast<std::int32_t>(std::clamp(std::ceil(height), 0.0, 1.0e8));
}

std::int32_t TfrRichView::ContentHeight()
{
    return HeightOf(RichText);
}

std::int32_t TfrRichView::MinPartHeight()
{
    richtext::RtfDocument document = richtext::ParseRtf(RichText);
    double line = richtext::RichTextLayout(document, TextWidth()).FirstLineHeight();
    return static_cast<std::int32_t>(std::clamp(std::ceil(line + VerticalGaps()), 0.0, 1.0e8));
}

std::int32_t TfrRichView::RemainderHeight()
{
    return m_remainder.empty() ? 0 : HeightOf(m_remainder);
}

} // namespace report
