#pragma once

#include <functional>
#include <string_view>
#include <vector>

namespace text {

// Whether a wrapped line may end after this character: blanks and the
// characters of the Chinese, Japanese and Korean scripts.
bool BreaksAfter(char32_t c);

// Where a paragraph (a line without line breaks) wraps to fit Width pixels:
// the offsets at which its second and later rows start, in increasing order.
// A row ends after its last break opportunity that fits; a word wider than
// Width is cut where it overflows, and every row holds at least one
// character. Nothing wraps for a Width of 0 or less.
std::vector<int> WrapPoints(std::u32string_view Paragraph, int Width, const std::function<int(char32_t)>& CharWidth);

} // namespace text
