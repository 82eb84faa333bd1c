#include "platform/graphics/TextLayout.h"

#include "platform/graphics/TextFormat.h"
#include "platform/text/Utf8.h"

#include <algorithm>

namespace gfx::textlayout {
namespace {

constexpr std::string_view kEllipsis = "...";

// Characters of the wide (CJK) scripts: a line may break before and after each.
bool IsWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x11FF) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3)
        || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60)
        || (c >= 0xFFE0 && c <= 0xFFE6) || c >= 0x20000;
}

bool IsSpace(char c) { return c == ' ' || c == '\t'; }

// Byte offsets where a wrapped line may end, in increasing order (the end of
// the text included). A line ending at an offset drops the spaces before it.
std::vector<std::size_t> BreakOpportunities(std::string_view text)
{
    std::vector<std::size_t> breaks;
    bool previous_wide = false;
    for (std::size_t i = 0; i < text.size();) {
        const text::Utf8Char c = text::DecodeUtf8(text, i);
        bool wide = IsWide(c.CodePoint);
        if (i > 0 && (wide || previous_wide || (IsSpace(text[i - 1]) && !IsSpace(text[i]))))
            breaks.push_back(i);
        previous_wide = wide;
        i += c.Length;
    }
    breaks.push_back(text.size());
    return breaks;
}

std::string_view TrimRight(std::string_view s)
{
    while (!s.empty() && IsSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

struct Piece {
    std::size_t Start;
    std::size_t End;
};

// Greedy wrapping of one paragraph into pieces that fit the width; a word wider
// than the width stays whole on a line of its own.
std::vector<Piece> Wrap(std::string_view para, int width, const Measure& measure)
{
    std::vector<Piece> pieces;
    std::vector<std::size_t> breaks = BreakOpportunities(para);
    std::size_t start = 0;
    std::size_t next = 0; // index into breaks
    while (start < para.size() || pieces.empty()) {
        while (next < breaks.size() && breaks[next] <= start)
            ++next;
        if (next >= breaks.size()) {
            pieces.push_back({ start, para.size() });
            break;
        }
        // The furthest break whose line still fits; a line's width grows with
        // its length, so a binary search over the breaks finds it.
        auto fits = [&](std::size_t k) { return measure(TrimRight(para.substr(start, breaks[k] - start))) <= width; };
        std::size_t low = next; // always taken, fitting or not
        std::size_t high = breaks.size();
        while (high - low > 1) {
            std::size_t mid = low + (high - low) / 2;
            if (fits(mid))
                low = mid;
            else
                high = mid;
        }
        next = low;
        std::size_t end = breaks[next];
        pieces.push_back({ start, start + TrimRight(para.substr(start, end - start)).size() });
        start = end;
        while (start < para.size() && IsSpace(para[start]))
            ++start;
        if (start >= para.size())
            break;
    }
    return pieces;
}

void Ellipsize(Line& line, int width, const Measure& measure)
{
    if (line.Width <= width)
        return;
    std::string text = line.Text;
    while (!text.empty()) {
        text.erase(text::PreviousUtf8CharStart(text, text.size()));
        if (measure(text + std::string(kEllipsis)) <= width)
            break;
    }
    std::erase_if(line.Underlined, [&](std::size_t i) { return i >= text.size(); });
    line.Text = text + std::string(kEllipsis);
    line.Width = measure(line.Text);
}

} // namespace

Unprefixed StripPrefixes(std::string_view text)
{
    Unprefixed out;
    out.Text.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            out.Text += text[i];
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == '&') {
            out.Text += '&';
            ++i;
        } else if (i + 1 < text.size()) {
            out.Underlined.push_back(out.Text.size());
        }
    }
    return out;
}

std::vector<Line> Layout(std::string_view text, unsigned format, int width, const Measure& measure)
{
    Unprefixed source;
    if (format & DT_NOPREFIX)
        source.Text = std::string(text);
    else
        source = StripPrefixes(text);
    if (format & DT_HIDEPREFIX)
        source.Underlined.clear();
    if (format & DT_EXPANDTABS)
        std::replace(source.Text.begin(), source.Text.end(), '\t', ' ');

    // Paragraphs: the whole text on one line, or split at CR, LF and CR LF.
    std::vector<Piece> paragraphs;
    std::string_view all = source.Text;
    if (format & DT_SINGLELINE) {
        for (char& c : source.Text) {
            if (c == '\r' || c == '\n')
                c = ' ';
        }
        paragraphs.push_back({ 0, all.size() });
    } else {
        std::size_t start = 0;
        for (std::size_t i = 0; i <= all.size(); ++i) {
            if (i == all.size() || all[i] == '\n' || all[i] == '\r') {
                paragraphs.push_back({ start, i });
                if (i + 1 < all.size() && all[i] == '\r' && all[i + 1] == '\n')
                    ++i;
                start = i + 1;
            }
        }
    }

    std::vector<Line> lines;
    bool wrap = (format & DT_WORDBREAK) && !(format & DT_SINGLELINE);
    for (const Piece& para : paragraphs) {
        std::string_view para_text = all.substr(para.Start, para.End - para.Start);
        std::vector<Piece> pieces = wrap ? Wrap(para_text, width, measure)
                                         : std::vector<Piece> { { 0, para_text.size() } };
        for (const Piece& piece : pieces) {
            Line line;
            std::size_t from = para.Start + piece.Start;
            std::size_t to = para.Start + piece.End;
            line.Text = source.Text.substr(from, to - from);
            for (std::size_t u : source.Underlined) {
                if (u >= from && u < to)
                    line.Underlined.push_back(u - from);
            }
            line.Width = measure(line.Text);
            if (format & DT_END_ELLIPSIS)
                Ellipsize(line, width, measure);
            lines.push_back(std::move(line));
        }
    }
    return lines;
}

} // namespace gfx::textlayout
