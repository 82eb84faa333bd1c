#include "selfdrawn/TSeClickHandler.h"

#include "platform/window/MessageLoop.h"
#include "platform/window/Window.h"
#include "selfdrawn/TSeCustomItem.h"

namespace selfdrawn {

namespace {

const char* const kClassName = "TSeClickHandler";

} // namespace

wnd::HWND TSeClickHandler::Handle()
{
    static wnd::HWND handle = nullptr;
    // A window system made anew (as tests do) may give the old number to
    // another window: the class name tells whether it is still ours.
    if (handle && wnd::IsWindow(handle) && wnd::GetClassName(handle) == kClassName)
        return handle;
    wnd::WNDCLASS windowClass;
    if (!wnd::GetClassInfo(kClassName, windowClass)) {
        windowClass.lpfnWndProc = &TSeClickHandler::WindowProc;
        windowClass.lpszClassName = kClassName;
        wnd::RegisterClass(windowClass);
    }
    handle = wnd::CreateWindowEx(wnd::WS_EX_TOOLWINDOW, kClassName, "", wnd::WS_POPUP, 10000, 10000, 0, 0, nullptr);
    return handle;
}

void TSeClickHandler::Post(unsigned ItemId)
{
    wnd::PostMessage(Handle(), kClickMessage, 0, static_cast<wnd::LPARAM>(ItemId));
}

wnd::LRESULT TSeClickHandler::WindowProc(wnd::HWND Hwnd, wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam)
{
    if (Msg != kClickMessage)
        return wnd::DefWindowProc(Hwnd, Msg, WParam, LParam);
    wnd::ProcessMessages();
    // The entry's menu may have been changed or freed since the entry was chosen.
    if (TSeCustomItem* item = TSeCustomItem::FindById(static_cast<unsigned>(LParam)))
        item->Click();
    return 0;
}

} // namespace selfdrawn
