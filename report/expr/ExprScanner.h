#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace report {

// Low-level scanning of expression text shared by the tokenizer, bracket
// expansion, the function splitters and the script compiler. Text is UTF-8
// and is walked by whole characters, so the bytes of a multi-byte character
// are never taken for brackets, quotes or commas.

// Index just past the quoted part that starts at `at` (a single or double
// quote), or npos when it is not closed. A doubled quote inside stands for one.
size_t SkipQuoted(std::string_view text, size_t at);

// Index of the "]" or ")" that closes the "[" or "(" at `open`, or npos.
// Square brackets nest, quotes hide brackets; inside parentheses, bracketed
// and quoted parts are skipped as a whole.
size_t FindClosing(std::string_view text, size_t open);

// Splits an argument list at the commas that are outside parentheses,
// brackets and quotes; parts are trimmed. An empty list gives no parts.
std::vector<std::string> SplitArguments(std::string_view text);

std::string_view Trimmed(std::string_view text);

} // namespace report
