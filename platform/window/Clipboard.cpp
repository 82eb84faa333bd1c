#include "platform/window/Clipboard.h"

#include "platform/window/WindowSystem.h"

namespace wnd {

bool HasClipboardText() { return Sys().Backend().HasClipboardText(); }
std::string GetClipboardText() { return Sys().Backend().ClipboardText(); }
bool SetClipboardText(const std::string& text) { return Sys().Backend().SetClipboardText(text); }

} // namespace wnd
