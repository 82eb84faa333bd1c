#include "report/objects/TfrRichView.h"

#include "report/expr/TextExpander.h"

#include "platform/richtext/RichTextLayout.h"
#include "platform/richtext/RtfDocument.h"

namespace report {
namespace {

// Replaces every bracketed expression of a paragraph by its value. An
// expression may run across format changes; its value takes the format of
// the run where its "[" stands. Brackets nest, and brackets inside quotes
// belong to the expression, as TextExpander reads them.
void ExpandParagraph(richtext::Paragraph& paragraph, TextExpander& expander)
{
    std::vector<richtext::TextRun> expanded;
    richtext::TextRun expressionFormat;
    std::string expression;
    int depth = 0;
    char quote = 0;
    for (const richtext::TextRun& run : paragraph.Runs) {
        richtext::TextRun plain = run;
        plain.Text.clear();
        for (char c : run.Text) {
            if (depth == 0) {
                if (c != '[') {
                    plain.Text += c;
                    continue;
                }
                if (!plain.Text.empty())
                    expanded.push_back(plain);
                plain.Text.clear();
                expressionFormat = run;
                expression = "[";
                depth = 1;
                continue;
            }
            expression += c;
            if (quote) {
                if (c == quote)
                    quote = 0;
            } else if (c == '\'' || c == '"') {
                quote = c;
            } else if (c == '[') {
                ++depth;
            } else if (c == ']' && --depth == 0) {
                expressionFormat.Text = expander.ExpandLine(expression);
                expanded.push_back(expressionFormat);
            }
        }
        if (!plain.Text.empty())
            expanded.push_back(std::move(plain));
    }
    if (depth > 0) {
        // A "[" without its "]" stays as written.
        expressionFormat.Text = expression;
        expanded.push_back(expressionFormat);
    }
    paragraph.Runs = std::move(expanded);
}

std::string ExpandRichText(const std::string& rtf, TextExpander& expander)
{
    if (rtf.find('[') == std::string::npos)
        return rtf;
    richtext::RtfDocument document = richtext::ParseRtf(rtf);
    for (richtext::Paragraph& paragraph : document.Paragraphs)
        ExpandParagraph(paragraph, expander);
    return richtext::WriteRtf(document);
}

} // namespace

void TfrRichView::ExpandForPrint(TfrPrintContext& context)
{
    m_savedRichText = RichText;
    m_richTextSaved = true;
    if (context.Continuation) {
        // The rest of a split view: already expanded.
        SetExpanded(true);
        RichText = std::move(m_remainder);
        m_remainder.clear();
        return;
    }
    try {
        TfrView::ExpandForPrint(context);
        if (context.Engine) {
            TextExpander expander(*context.Engine, { FormatCode, FormatText });
            RichText = ExpandRichText(RichText, expander);
        }
    } catch (...) {
        RestoreAfterPrint();
        throw;
    }
}

void TfrRichView::WriteToPage(TemplateWriter& page, TfrPrintContext& context)
{
    if (!Expanded())
        ExpandForPrint(context);
    if (context.Partial)
        TakePart();
    TfrView::WriteToPage(page, context);
}

void TfrRichView::TakePart()
{
    richtext::RtfDocument document = richtext::ParseRtf(RichText);
    richtext::RichTextLayout layout(document, TextWidth());
    richtext::RichTextLayout::Parts parts = layout.SplitAt(Height - VerticalGaps());
    RichText = richtext::WriteRtf(parts.Head);
    m_remainder = parts.Rest.Paragraphs.empty() ? std::string {} : richtext::WriteRtf(parts.Rest);
}

void TfrRichView::RestoreAfterPrint()
{
    if (m_richTextSaved) {
        RichText = std::move(m_savedRichText);
        m_savedRichText.clear();
        m_richTextSaved = false;
    }
    TfrView::RestoreAfterPrint();
}

} // namespace report
