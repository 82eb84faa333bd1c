#pragma once

#include <string_view>

#include "platform/controls/TObject.h"
#include "platform/window/Messages.h"

#include <functional>
#include <initializer_list>

namespace ctl {

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// Horizontal placement of a caption.
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

enum class TShiftKind : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64 };

// The keys and buttons held during a mouse or key event.
class TShiftState {
public:
    constexpr TShiftState() = default;
    constexpr TShiftState(std::initializer_list<TShiftKind> kinds)
    {
        for (TShiftKind k : kinds)
            Include(k);
    }
    constexpr bool Contains(TShiftKind k) const { return (m_bits & static_cast<unsigned>(k)) != 0; }
    constexpr void Include(TShiftKind k) { m_bits |= static_cast<unsigned>(k); }
    friend constexpr bool operator==(const TShiftState&, const TShiftState&) = default;

private:
    unsigned m_bits { 0 };
};

// Cursor identifiers of the component library (negative: system cursors).
using TCursor = int;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crNone = -1;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeNESW = -6;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crSizeNWSE = -8;
inline constexpr TCursor crSizeWE = -9;
inline constexpr TCursor crUpArrow = -10;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crHSplit = -14;
inline constexpr TCursor crVSplit = -15;
inline constexpr TCursor crNo = -18;
inline constexpr TCursor crAppStart = -19;
inline constexpr TCursor crHandPoint = -21;
inline constexpr TCursor crSizeAll = -22;

// The system cursor shown for a library cursor (arrow for crDefault).
wnd::HCURSOR CursorHandle(TCursor cursor);

// Results of modal forms and message dialogs.
using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;
inline constexpr TModalResult mrAbort = 3;
inline constexpr TModalResult mrRetry = 4;
inline constexpr TModalResult mrIgnore = 5;
inline constexpr TModalResult mrYes = 6;
inline constexpr TModalResult mrNo = 7;
inline constexpr TModalResult mrAll = 8;
inline constexpr TModalResult mrNoToAll = 9;
inline constexpr TModalResult mrYesToAll = 10;

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, int& Key, TShiftState Shift)>;
// Key is a Unicode code point; setting it to 0 swallows the character.
using TKeyPressEvent = std::function<void(TObject* Sender, unsigned& Key)>;

// Messages the component library sends to its own controls, above the
// window system's private range.
inline constexpr wnd::UINT CM_BASE = 0xB000;
inline constexpr wnd::UINT CM_MOUSEENTER = CM_BASE + 19;
inline constexpr wnd::UINT CM_MOUSELEAVE = CM_BASE + 20;
inline constexpr wnd::UINT CM_FONTCHANGED = CM_BASE + 7;
inline constexpr wnd::UINT CM_COLORCHANGED = CM_BASE + 8;
inline constexpr wnd::UINT CM_ENABLEDCHANGED = CM_BASE + 3;
inline constexpr wnd::UINT CM_VISIBLECHANGED = CM_BASE + 11;
inline constexpr wnd::UINT CM_TEXTCHANGED = CM_BASE + 18;
// Sent to the parent form with a key that the focused control does not use
// itself (Tab, Enter, Esc, arrows); non-zero when the form used it.
inline constexpr wnd::UINT CM_DIALOGKEY = CM_BASE + 5;
// Sent by a form to each of its controls with an accelerator character
// (WParam, a code point) typed with Alt, or typed plainly while the focused
// control takes no characters; non-zero when the control used it.
inline constexpr wnd::UINT CM_DIALOGCHAR = CM_BASE + 6;
// Sent by a form to each of its controls when the focus moved to another of
// them; LParam is that TWinControl*.
inline constexpr wnd::UINT CM_FOCUSCHANGED = CM_BASE + 9;

// Keys a windowed control wants for itself instead of leaving them to its form.
inline constexpr unsigned DLGC_WANTARROWS = 0x0001;
inline constexpr unsigned DLGC_WANTTAB = 0x0002;
inline constexpr unsigned DLGC_WANTALLKEYS = 0x0004;
inline constexpr unsigned DLGC_WANTCHARS = 0x0080;

// Whether Caption marks Character as its accelerator: an "&" before it,
// compared without regard to case ("&&" stands for a plain ampersand).
bool IsAccel(char32_t Character, std::string_view Caption);

TShiftState KeyboardShiftState();
TShiftState MouseShiftState(wnd::WPARAM keys);

} // namespace ctl
