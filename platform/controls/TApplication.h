#pragma once

#include "platform/controls/TForm.h"
#include "platform/controls/THintWindow.h"

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace ctl {

class TTimer;

// What the application is about to show as a hint; the show-hint event may change it.
struct THintInfo {
    TControl* HintControl { nullptr };
    // Top-left corner of the hint window, in screen coordinates.
    gfx::TPoint HintPos;
    int HintMaxWidth { 0 };
    // Milliseconds the hint stays up.
    int HideTimeout { 0 };
};
using TShowHintEvent = std::function<void(std::string& HintStr, bool& CanShow, THintInfo& HintInfo)>;
// Makes the application's hint window.
using THintWindowClass = std::function<std::unique_ptr<THintWindow>()>;

// The program's application object: creates the forms (the first one is the
// main form), runs the message loop until the main form closes, shows
// exceptions that reach the loop in an error box and goes on.
class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    void Initialize();
    // Creates a form owned by the application; the first becomes the main form.
    template <typename T>
    void CreateForm(T*& Reference)
    {
        Reference = new T(this);
        if (!m_mainForm)
            m_mainForm = Reference;
    }
    TForm* MainForm() const { return m_mainForm; }

    // Shows the main form and handles messages until the application ends.
    void Run();
    // Handles every message that is waiting, then returns.
    void ProcessMessages();
    // Waits for one message and handles it.
    void HandleMessage();
    void Terminate();
    bool Terminated() const { return m_terminated; }

    // The application goes to the task bar as a whole: the main form is
    // minimized and the other visible forms are hidden until Restore.
    void Minimize();
    void Restore();
    bool Minimized() const { return m_minimized; }

    // A hook sees every message the application's loops take before it is
    // dispatched; returning true swallows it. An open pop-up menu routes the
    // keyboard to itself this way. Returns an id for RemoveMessageHook.
    using TMessageHook = std::function<bool(wnd::MSG& Msg)>;
    int AddMessageHook(TMessageHook Hook);
    void RemoveMessageHook(int Id);

    // The program file's name without its directory, cut at its first dot,
    // every character after the first in lower case; unless a title was set.
    std::string Title() const;
    void SetTitle(const std::string& Value) { m_title = Value; }
    std::string ExeName() const;

    // A standard message box (MB_* flags), captioned with Caption or, when
    // that is empty, with the title. Returns the ID* value of the answer.
    int MessageBox(const std::string& Text, const std::string& Caption, unsigned Flags);

    // Shows an exception that reached the loop (or runs OnException instead).
    void HandleException(TObject* Sender, const std::exception& E);
    void ShowException(const std::exception& E);
    std::function<void(TObject* Sender, const std::exception& E)> OnException;

    // --- hints ------------------------------------------------------------
    // A control whose ShowHint is on shows its Hint (the part before a "|")
    // after the pointer rested on it for HintPause; the hint goes after
    // HintHidePause, or at once on a click, a key or when the pointer leaves.
    // Moving on to another control while a hint shows waits only HintShortPause.
    bool ShowHint() const { return m_showHint; }
    // Switching hints off and on again makes a new hint window of the current class.
    void SetShowHint(bool Value);
    int HintPause { 500 };
    int HintHidePause { 2500 };
    int HintShortPause { 50 };
    TShowHintEvent OnShowHint;
    const THintWindowClass& HintWindowClass() const { return m_hintWindowClass; }
    // Takes effect with the next hint window (see SetShowHint).
    void SetHintWindowClass(THintWindowClass Value);
    // The window hints are shown in (nullptr while hints are off or none was shown).
    THintWindow* HintWindow() const { return m_hintWindow.get(); }
    // The control whose hint is waiting or showing.
    TControl* HintControl() const { return m_hintControl; }
    // The pointer moved onto Control (nullptr: onto no control).
    void HintMouseMessage(TControl* Control);
    // Hides a hint that shows and forgets a waiting one.
    void CancelHint();

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // Translates and dispatches one message of either loop, after the hooks.
    void Dispatch(wnd::MSG& Msg);
    bool RunHooks(wnd::MSG& Msg);
    // The quit message came: this loop ends and so do the loops around it.
    void QuitReceived();

    TForm* m_mainForm { nullptr };
    bool m_terminated { false };
    bool m_minimized { false };
    std::vector<wnd::HWND> m_hiddenWhileMinimized;
    std::vector<std::pair<int, TMessageHook>> m_hooks;
    int m_nextHookId { 1 };
    std::string m_title;

    // Starts the wait for (or the life of) the current hint.
    void StartHintTimer(int Milliseconds, bool Showing);
    void HintTimerTick();
    void ShowHintNow();
    bool m_showHint { true };
    THintWindowClass m_hintWindowClass;
    std::unique_ptr<THintWindow> m_hintWindow;
    std::unique_ptr<TTimer> m_hintTimer;
    TControl* m_hintControl { nullptr };
    bool m_hintShowing { false };
    // The pointer left a shown hint and has not yet rested on another.
    bool m_hintJustLeft { false };
    bool m_hintTimerShows { false };
};

// Turns a program path into the default application title.
std::string TitleFromExeName(const std::string& Path);

// The one application object of the program.
extern TApplication* const Application;

} // namespace ctl
