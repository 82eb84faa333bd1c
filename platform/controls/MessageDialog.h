#pragma once

#include "platform/controls/StylePainter.h"
#include "platform/controls/TForm.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace ctl {

// Flags and answers of the standard message box.
inline constexpr unsigned MB_OK = 0x0;
inline constexpr unsigned MB_OKCANCEL = 0x1;
inline constexpr unsigned MB_ABORTRETRYIGNORE = 0x2;
inline constexpr unsigned MB_YESNOCANCEL = 0x3;
inline constexpr unsigned MB_YESNO = 0x4;
inline constexpr unsigned MB_RETRYCANCEL = 0x5;
inline constexpr unsigned MB_ICONHAND = 0x10;
inline constexpr unsigned MB_ICONSTOP = MB_ICONHAND;
inline constexpr unsigned MB_ICONERROR = MB_ICONHAND;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
inline constexpr unsigned MB_ICONWARNING = MB_ICONEXCLAMATION;
inline constexpr unsigned MB_ICONASTERISK = 0x40;
inline constexpr unsigned MB_ICONINFORMATION = MB_ICONASTERISK;
inline constexpr unsigned MB_DEFBUTTON1 = 0x000;
inline constexpr unsigned MB_DEFBUTTON2 = 0x100;
inline constexpr unsigned MB_DEFBUTTON3 = 0x200;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;
inline constexpr int IDALL = 8;

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
// In the order the buttons appear; each answers the modal result of the same name.
enum class TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll };

class TMsgDlgButtons {
public:
    constexpr TMsgDlgButtons() = default;
    constexpr TMsgDlgButtons(std::initializer_list<TMsgDlgBtn> buttons)
    {
        for (TMsgDlgBtn b : buttons)
            m_bits |= 1u << static_cast<unsigned>(b);
    }
    constexpr bool Contains(TMsgDlgBtn b) const { return (m_bits & (1u << static_cast<unsigned>(b))) != 0; }

private:
    unsigned m_bits { 0 };
};

TModalResult ModalResultOf(TMsgDlgBtn Button);

// What a message box shows and how it answers.
struct TMessageBoxContent {
    std::string Text; // CR, LF or CR LF break lines
    std::string Caption;
    StylePainter::TMessageIcon Icon { StylePainter::TMessageIcon::None };
    std::vector<TMsgDlgBtn> Buttons; // left to right
    int DefaultIndex { 0 }; // the button Enter answers and that has the focus
    // The button Esc answers; without one Esc (like closing the box) answers IDCANCEL.
    int CancelIndex { -1 };
};

// The message box layout from MessageBox flags (button set, icon, default button).
TMessageBoxContent MessageBoxContent(const std::string& Text, const std::string& Caption, unsigned Flags);
// The same for the dialog kinds: captioned "Warning", "Error", "Information",
// "Confirm" (or the application title for mtCustom); OK (else Yes) is the
// default, Cancel (else No) answers Esc.
TMessageBoxContent MessageDlgContent(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons);

// The box as a form, laid out and hidden, for whoever wants to show it.
std::unique_ptr<TForm> CreateMessageDialog(const TMessageBoxContent& Content);

// Shows the box modally and returns the answer.
int MessageBox(const std::string& Text, const std::string& Caption, unsigned Flags);
int MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx);

} // namespace ctl
