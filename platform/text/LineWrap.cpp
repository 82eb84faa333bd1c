#include "platform/text/LineWrap.h"

namespace text {

bool BreaksAfter(char32_t c)
{
    return c == U' ' || c == U'\t' || c >= 0x2E80;
}

std::vector<int> WrapPoints(std::u32string_view Paragraph, int Width, const std::function<int(char32_t)>& CharWidth)
{
    std::vector<int> points;
    const int end = static_cast<int>(Paragraph.size());
    int start = 0;
    while (Width > 0) {
        int width = 0;
        int i = start;
        int lastBreak = -1;
        for (; i < end; ++i) {
            const int w = CharWidth(Paragraph[static_cast<std::size_t>(i)]);
            if (width + w > Width && i > start)
                break;
            width += w;
            if (BreaksAfter(Paragraph[static_cast<std::size_t>(i)]))
                lastBreak = i + 1;
        }
        if (i >= end)
            break;
        start = lastBreak > start ? lastBreak : i;
        points.push_back(start);
    }
    return points;
}

} // namespace text
