#include "report/objects/TfrView.h"

#include "report/expr/TextExpander.h"
#include "report/expr/TfrExpressionEngine.h"
#include "report/expr/TfrInterpretator.h"
#include "report/template/TemplateStream.h"

#include <algorithm>
#include <limits>

namespace report {
namespace {

std::int32_t ClampToInt32(std::int64_t value)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
        std::numeric_limits<std::int32_t>::max()));
}

void RunScript(TfrExpressionEngine& engine, const std::vector<std::string>& script)
{
    if (script.empty())
        return;
    TfrInterpretator interpreter(engine);
    interpreter.RunScript(interpreter.CompileScript(script));
}

} // namespace

void TfrView::ExpandForPrint(TfrPrintContext& context)
{
    m_savedTag = Tag;
    m_expanded = true;
    try {
        ExpandText(context);
    } catch (...) {
        RestoreAfterPrint();
        throw;
    }
}

void TfrView::ExpandText(TfrPrintContext& context)
{
    if (context.Engine && !context.Continuation)
        RunScript(*context.Engine, Script);
    PrintMemo = Memo;
    if (context.OnBeforePrint)
        context.OnBeforePrint(*this);
    bool changed_by_event = PrintMemo != Memo;
    if (context.Engine) {
        TextExpander expander = Expander(*context.Engine);
        if (!changed_by_event)
            PrintMemo = expander.ExpandLines(Memo);
        if (Tag.find('[') != std::string::npos)
            Tag = expander.ExpandLine(Tag);
    }
    m_textCurrent = true;
}

TextExpander TfrView::Expander(TfrExpressionEngine& engine) const
{
    bool hide_zeros = (Flags & memo_flags::HideZeros) != 0 && Kind() == ObjectKind::Memo;
    return TextExpander(engine, { FormatCode, FormatText }, hide_zeros);
}

std::vector<std::string> TfrView::ExpandedMemo(TfrExpressionEngine& engine) const
{
    return Expander(engine).ExpandLines(Memo);
}

void TfrView::WriteToPage(TemplateWriter& page, TfrPrintContext& context)
{
    if (!m_expanded)
        ExpandForPrint(context);
    if (Visible && context.WriteRecord) {
        std::int32_t left = Left, top = Top, width = Width, height = Height;
        ApplyBandAlign(context.Band);
        WriteRecord(page);
        Left = left;
        Top = top;
        Width = width;
        Height = height;
    }
    RestoreAfterPrint();
}

void TfrView::WriteRecord(TemplateWriter& page)
{
    io::ByteWriter& out = page.Bytes();
    out.U8(static_cast<std::uint8_t>(Kind()));
    if (Kind() == ObjectKind::AddIn)
        page.String(ClassName());
    PrintMode = true;
    try {
        SaveToStream(page);
    } catch (...) {
        PrintMode = false;
        throw;
    }
    PrintMode = false;
}

void TfrView::RestoreAfterPrint()
{
    if (m_expanded)
        Tag = m_savedTag;
    m_expanded = false;
    m_textCurrent = false;
}

void TfrView::SetExpanded(bool expanded)
{
    m_expanded = expanded;
    m_textCurrent = expanded;
}

void TfrView::ApplyBandAlign(const TfrBandPlacement& band)
{
    // Positions are summed wide, so extreme values clamp instead of wrapping.
    std::int64_t band_right = std::int64_t { band.Left } + band.Width;
    std::int64_t band_bottom = std::int64_t { band.Top } + band.Height;
    switch (BandAlign) {
    case baLeft:
        Left = band.Left;
        break;
    case baRight:
        Left = ClampToInt32(band_right - Width);
        break;
    case baCenter:
        Left = ClampToInt32(band.Left + (std::int64_t { band.Width } - Width) / 2);
        break;
    case baWidth:
        Left = band.Left;
        Width = band.Width;
        break;
    case baBottom:
        Top = ClampToInt32(band_bottom - Height);
        break;
    case baTop:
        Top = band.Top;
        break;
    case baRest:
        Height = ClampToInt32(std::max<std::int64_t>(0, band_bottom - Top));
        break;
    default:
        break;
    }
}

} // namespace report
