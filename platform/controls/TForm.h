#pragma once

#include "platform/controls/TWinControl.h"

#include <initializer_list>

namespace ctl {

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow };
enum class TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };

class TBorderIcons {
public:
    constexpr TBorderIcons() = default;
    constexpr TBorderIcons(std::initializer_list<TBorderIcon> icons)
    {
        for (TBorderIcon i : icons)
            m_bits |= static_cast<unsigned>(i);
    }
    constexpr bool Contains(TBorderIcon i) const { return (m_bits & static_cast<unsigned>(i)) != 0; }
    friend constexpr bool operator==(const TBorderIcons&, const TBorderIcons&) = default;

private:
    unsigned m_bits { 0 };
};

enum class TPosition { poDesigned, poScreenCenter };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

// A top-level window made of controls: the main window and every dialog.
// A form is created hidden; Show makes it visible (running OnShow every time
// it becomes visible), ShowModal shows it and waits for a ModalResult, Close
// asks OnCloseQuery and OnClose and then hides it — or, for the
// application's main form, ends the application.
//
// Keys: with KeyPreview the form sees key events before the focused control.
// Tab and Shift+Tab move the focus in Tab order; Enter clicks the focused
// button or else the default button, Esc the cancel button.
class TForm : public TWinControl {
public:
    explicit TForm(TComponent* AOwner);
    ~TForm() override;

    TFormBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TFormBorderStyle Value);
    TBorderIcons BorderIcons() const { return m_borderIcons; }
    void SetBorderIcons(TBorderIcons Value);
    TPosition Position() const { return m_position; }
    void SetPosition(TPosition Value) { m_position = Value; }

    void SetVisible(bool Value) override;
    void Show();
    // Shows the form, disables the other windows and handles messages until
    // ModalResult is set (a button with a ModalResult, Close, or the
    // application ending); hides it again and returns the result.
    TModalResult ShowModal();
    void Close();
    bool Modal() const { return m_modal; }
    TModalResult ModalResult() const { return m_modalResult; }
    void SetModalResult(TModalResult Value) { m_modalResult = Value; }
    // Frees the form once the messages already queued have been handled.
    void Release();

    bool KeyPreview { false };
    TWinControl* ActiveControl() const { return m_activeControl; }
    void SetActiveControl(TWinControl* Control);
    bool Active() const;

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnPaint;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

    wnd::LRESULT WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam) override;

    // The canvas of the form's client area; valid while OnPaint runs.
    gfx::TCanvas& Canvas();

    // Hooks for the controls on the form.
    void ControlFocused(TWinControl* Control);
    void ControlRemoved(TControl* Control);
    // Offers an accelerator character to the form's controls (CM_DIALOGCHAR);
    // true when one of them used it.
    bool DialogChar(char32_t Character);
    void PreviewKeyDown(int& Key, TShiftState Shift) { KeyDown(Key, Shift); }
    void PreviewKeyUp(int& Key, TShiftState Shift) { KeyUp(Key, Shift); }
    void PreviewKeyPress(unsigned& Key) { KeyPress(Key); }

protected:
    void CreateParams(TCreateParams& Params) override;
    void PaintWindow(gfx::TCanvas& Canvas) override;
    virtual bool CloseQuery();
    virtual void DoShow();
    virtual void DoHide();
    // A dialog key that no control took (Tab, arrows, Enter, Esc); true when used.
    virtual bool DialogKey(int Key);

private:
    void ApplyStyle();
    void CenterOnScreen();
    void FocusFirstControl();
    void CloseModal();

    TFormBorderStyle m_borderStyle { TFormBorderStyle::bsSizeable };
    TBorderIcons m_borderIcons { TBorderIcon::biSystemMenu, TBorderIcon::biMinimize, TBorderIcon::biMaximize };
    TPosition m_position { TPosition::poDesigned };
    TWinControl* m_activeControl { nullptr };
    TModalResult m_modalResult { mrNone };
    bool m_modal { false };
    gfx::TCanvas* m_canvas { nullptr };
};

} // namespace ctl
