#pragma once

#include <string>

namespace ctl {

// Character steps in UTF-8 text, for carets that must never stand inside a
// character. A CR LF pair counts as one step.
int NextCharOffset(const std::string& Text, int Offset);
int PrevCharOffset(const std::string& Text, int Offset);
// The offset itself when it starts a character, else the start of its character.
int CharStartOffset(const std::string& Text, int Offset);
int CharCount(const std::string& Text);

} // namespace ctl
