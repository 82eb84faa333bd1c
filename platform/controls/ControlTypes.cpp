#include "platform/controls/ControlTypes.h"

#include "platform/text/Utf8.h"
#include "platform/window/Input.h"

namespace ctl {
namespace {

char32_t UpperCase(char32_t c)
{
    return c >= U'a' && c <= U'z' ? c - U'a' + U'A' : c;
}

} // namespace

bool IsAccel(char32_t Character, std::string_view Caption)
{
    const std::u32string text = text::Utf8ToUtf32(Caption);
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != U'&')
            continue;
        if (text[i + 1] == U'&') {
            ++i;
            continue;
        }
        if (UpperCase(text[i + 1]) == UpperCase(Character))
            return true;
    }
    return false;
}

wnd::HCURSOR CursorHandle(TCursor cursor)
{
    switch (cursor) {
    case crCross:
        return wnd::IDC_CROSS;
    case crIBeam:
        return wnd::IDC_IBEAM;
    case crSizeNESW:
        return wnd::IDC_SIZENESW;
    case crSizeNS:
    case crVSplit:
        return wnd::IDC_SIZENS;
    case crSizeNWSE:
        return wnd::IDC_SIZENWSE;
    case crSizeWE:
    case crHSplit:
        return wnd::IDC_SIZEWE;
    case crUpArrow:
        return wnd::IDC_UPARROW;
    case crHourGlass:
        return wnd::IDC_WAIT;
    case crNo:
        return wnd::IDC_NO;
    case crAppStart:
        return wnd::IDC_APPSTARTING;
    case crHandPoint:
        return wnd::IDC_HAND;
    case crSizeAll:
        return wnd::IDC_SIZEALL;
    case crNone:
        return 0;
    default:
        return wnd::IDC_ARROW;
    }
}

TShiftState KeyboardShiftState()
{
    TShiftState s;
    if (wnd::GetKeyState(wnd::VK_SHIFT) < 0)
        s.Include(TShiftKind::ssShift);
    if (wnd::GetKeyState(wnd::VK_CONTROL) < 0)
        s.Include(TShiftKind::ssCtrl);
    if (wnd::GetKeyState(wnd::VK_MENU) < 0)
        s.Include(TShiftKind::ssAlt);
    return s;
}

TShiftState MouseShiftState(wnd::WPARAM keys)
{
    TShiftState s = KeyboardShiftState();
    if (keys & wnd::MK_LBUTTON)
        s.Include(TShiftKind::ssLeft);
    if (keys & wnd::MK_RBUTTON)
        s.Include(TShiftKind::ssRight);
    if (keys & wnd::MK_MBUTTON)
        s.Include(TShiftKind::ssMiddle);
    return s;
}

} // namespace ctl
