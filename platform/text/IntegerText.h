#pragma once

#include <optional>
#include <string_view>

namespace text {

// A whole number typed by a user: blanks (spaces and tabs) around it are
// allowed, a leading '+' or '-' too; anything else, an empty text or a value
// outside int gives nothing.
std::optional<int> ParseInteger(std::string_view Text);

} // namespace text
