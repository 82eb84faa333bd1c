#include "report/objects/MemoLayout.h"

#include "platform/text/LineBreaks.h"
#include "platform/text/Utf8.h"

namespace report {
namespace {

// Tolerance of summed widths, so a line that fits exactly is not broken.
constexpr double kFitTolerance = 1e-6;

bool IsBlank(std::string_view ch) { return ch == " " || ch == "\xC2\xA0"; }

// Characters after which a line may break without a blank: ideographs, kana,
// hangul and full-width forms, which are written without spaces.
bool BreaksAfter(std::string_view ch)
{
    if (ch.size() < 3)
        return false;
    auto lead = static_cast<unsigned char>(ch[0]);
    return lead >= 0xE2 && lead <= 0xEF;
}

bool IsVowel(char c)
{
    switch (c | 0x20) {
    case 'a': case 'e': case 'i': case 'o': case 'u': case 'y':
        return true;
    default:
        return false;
    }
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Splits a paragraph (no line breaks inside) into lines.
class ParagraphWrapper {
public:
    ParagraphWrapper(std::string_view paragraph, const MemoWrapRule& rule, const MemoMeasure& measure,
        std::vector<MemoLine>& out)
        : m_text(paragraph), m_rule(rule), m_measure(measure), m_out(out)
    {
    }

    void Run()
    {
        std::size_t start = 0;
        while (start < m_text.size()) {
            std::size_t next = LineEnd(start);
            if (next == std::string_view::npos)
                break;
            start = next;
        }
        m_out.back().ParagraphEnd = true;
    }

private:
    // Emits the line that starts at `start`; returns where the next begins,
    // or npos when the rest of the paragraph was the last line.
    std::size_t LineEnd(std::size_t start)
    {
        double width = 0;
        std::size_t last_blank = std::string_view::npos;
        std::size_t last_break = std::string_view::npos;
        std::size_t i = start;
        while (i < m_text.size()) {
            std::size_t length = text::Utf8CharLength(m_text, i);
            std::string_view ch = m_text.substr(i, length);
            double ch_width = m_measure(ch);
            if (width + ch_width > m_rule.Width + kFitTolerance && i > start) {
                if (IsBlank(ch)) {
                    // The blank that overflows ends the line and is dropped.
                    Emit(m_text.substr(start, i - start));
                    return i + length;
                }
                return Break(start, i, last_blank, last_break);
            }
            if (IsBlank(ch))
                last_blank = i;
            else if (BreaksAfter(ch))
                last_break = i + length;
            width += ch_width;
            i += length;
        }
        Emit(m_text.substr(start));
        return std::string_view::npos;
    }

    std::size_t Break(std::size_t start, std::size_t overflow, std::size_t last_blank, std::size_t last_break)
    {
        std::size_t blank_break = last_blank != std::string_view::npos && last_blank > start ? last_blank : 0;
        std::size_t cjk_break = last_break != std::string_view::npos && last_break > start ? last_break : 0;
        if (blank_break != 0 && blank_break + 1 >= cjk_break) {
            Emit(m_text.substr(start, blank_break - start));
            return blank_break + 1;
        }
        if (cjk_break != 0) {
            Emit(m_text.substr(start, cjk_break - start));
            return SkipOneBlank(cjk_break);
        }
        if (m_rule.WordBreak) {
            if (std::size_t hyphen = Hyphenate(start, overflow); hyphen != 0)
                return hyphen;
        }
        Emit(m_text.substr(start, overflow - start));
        return overflow;
    }

    std::size_t SkipOneBlank(std::size_t at) const
    {
        if (at < m_text.size() && m_text[at] == ' ')
            return at + 1;
        return at;
    }

    // Breaks the word running from `start` past `overflow` at its last
    // syllable break that fits with a hyphen; 0 when none fits.
    std::size_t Hyphenate(std::size_t start, std::size_t overflow)
    {
        std::size_t word_end = overflow;
        while (word_end < m_text.size() && !IsBlank(m_text.substr(word_end, 1)))
            ++word_end;
        std::string_view word = m_text.substr(start, word_end - start);
        auto points = HyphenationPoints(word);
        double hyphen_width = m_measure("-");
        for (auto it = points.rbegin(); it != points.rend(); ++it) {
            if (start + *it > overflow)
                continue;
            std::string_view head = word.substr(0, *it);
            double head_width = 0;
            for (std::size_t i = 0; i < head.size(); i += text::Utf8CharLength(head, i))
                head_width += m_measure(head.substr(i, text::Utf8CharLength(head, i)));
            if (head_width + hyphen_width <= m_rule.Width + kFitTolerance) {
                Emit(std::string(head) + "-");
                return start + *it;
            }
        }
        return 0;
    }

    void Emit(std::string_view line) { m_out.push_back({ std::string(line), false }); }

    std::string_view m_text;
    const MemoWrapRule& m_rule;
    const MemoMeasure& m_measure;
    std::vector<MemoLine>& m_out;
};

void WrapParagraph(std::string_view paragraph, const MemoWrapRule& rule, const MemoMeasure& measure,
    std::vector<MemoLine>& out)
{
    if (!rule.WordWrap || paragraph.empty()) {
        out.push_back({ std::string(paragraph), true });
        return;
    }
    ParagraphWrapper(paragraph, rule, measure, out).Run();
}

} // namespace

std::vector<MemoLine> WrapMemoText(const std::vector<std::string>& text, const MemoWrapRule& rule,
    const MemoMeasure& measure)
{
    std::vector<MemoLine> lines;
    for (const std::string& line : text) {
        if (line.size() == 1 && line[0] == kPreSplitMark)
            continue; // the marker of a part that continues on the next page
        if (!line.empty() && line.back() == kPreSplitMark) {
            // One mark: a line inside a paragraph; two: the paragraph's end.
            bool paragraph_end = line.size() >= 2 && line[line.size() - 2] == kPreSplitMark;
            std::size_t marks = paragraph_end ? 2 : 1;
            lines.push_back({ line.substr(0, line.size() - marks), paragraph_end });
            continue;
        }
        std::size_t start = 0;
        while (true) {
            std::size_t end = text::FindLineBreak(line, start);
            WrapParagraph(std::string_view(line).substr(start, end == std::string::npos ? std::string::npos : end - start),
                rule, measure, lines);
            if (end == std::string::npos)
                break;
            start = end + text::LineBreakLength(line, end);
        }
    }
    return lines;
}

std::vector<std::size_t> HyphenationPoints(std::string_view word)
{
    // Latin syllables: break between a vowel and a consonant that a vowel
    // follows (ba-na-na), keeping at least two letters on each side.
    std::vector<std::size_t> points;
    for (std::size_t i = 2; i + 2 <= word.size(); ++i) {
        char before = word[i - 1];
        char here = word[i];
        char next = word[i + 1];
        if (IsLetter(before) && IsLetter(here) && IsLetter(next) && IsVowel(before) && !IsVowel(here) && IsVowel(next))
            points.push_back(i);
    }
    return points;
}

} // namespace report
