#pragma once

#include <string>

namespace wnd {

// The desktop's clipboard, text only (UTF-8). Headless, a clipboard of the
// program's own.
bool HasClipboardText();
std::string GetClipboardText();
bool SetClipboardText(const std::string& text);

} // namespace wnd
