#include "platform/controls/TApplication.h"

#include "platform/controls/MessageDialog.h"
#include "platform/controls/TTimer.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Window.h"

#include <cctype>
#include <filesystem>

namespace ctl {

// Never freed: forms may still be alive while the program's statics go away.
TApplication* const Application = new TApplication();

TApplication::TApplication() : TComponent(nullptr)
{
    SetName("Application");
}

TApplication::~TApplication()
{
    // The forms go while the application is whole: their controls may still
    // ask it about the hint they leave.
    DestroyComponents();
    CancelHint();
    m_hintWindow.reset();
}

void TApplication::Initialize()
{
    m_terminated = false;
}

void TApplication::Run()
{
    m_terminated = false;
    if (m_mainForm)
        m_mainForm->Show();
    while (!m_terminated)
        HandleMessage();
}

void TApplication::HandleMessage()
{
    wnd::MSG msg;
    if (wnd::GetMessage(msg))
        Dispatch(msg);
    else
        QuitReceived();
}

bool TApplication::RunHooks(wnd::MSG& Msg)
{
    // A hook may remove itself (or another) while it runs: walk a copy.
    const auto hooks = m_hooks;
    for (const auto& [id, hook] : hooks)
        if (hook(Msg))
            return true;
    return false;
}

int TApplication::AddMessageHook(TMessageHook Hook)
{
    const int id = m_nextHookId++;
    m_hooks.emplace_back(id, std::move(Hook));
    return id;
}

void TApplication::RemoveMessageHook(int Id)
{
    std::erase_if(m_hooks, [Id](const auto& entry) { return entry.first == Id; });
}

void TApplication::Minimize()
{
    if (m_minimized || !m_mainForm || !m_mainForm->Handle())
        return;
    m_minimized = true;
    m_hiddenWhileMinimized.clear();
    for (wnd::HWND h : wnd::GetTopLevelWindows())
        if (h != m_mainForm->Handle() && wnd::IsWindowVisible(h)) {
            wnd::ShowWindow(h, wnd::SW_HIDE);
            m_hiddenWhileMinimized.push_back(h);
        }
    wnd::ShowWindow(m_mainForm->Handle(), wnd::SW_MINIMIZE);
}

void TApplication::Restore()
{
    if (!m_minimized)
        return;
    m_minimized = false;
    if (m_mainForm && m_mainForm->Handle() && wnd::IsIconic(m_mainForm->Handle()))
        wnd::ShowWindow(m_mainForm->Handle(), wnd::SW_RESTORE);
    for (wnd::HWND h : m_hiddenWhileMinimized)
        if (wnd::IsWindow(h))
            wnd::ShowWindow(h, wnd::SW_SHOWNA);
    m_hiddenWhileMinimized.clear();
}

void TApplication::ProcessMessages()
{
    wnd::MSG msg;
    while (!m_terminated && wnd::PeekMessage(msg)) {
        if (msg.message == wnd::WM_QUIT) {
            QuitReceived();
            return;
        }
        Dispatch(msg);
    }
}

namespace {

// A click, a key or the wheel puts a shown hint away.
bool EndsHint(wnd::UINT Message)
{
    switch (Message) {
    case wnd::WM_LBUTTONDOWN:
    case wnd::WM_RBUTTONDOWN:
    case wnd::WM_MBUTTONDOWN:
    case wnd::WM_NCLBUTTONDOWN:
    case wnd::WM_NCRBUTTONDOWN:
    case wnd::WM_KEYDOWN:
    case wnd::WM_SYSKEYDOWN:
    case wnd::WM_MOUSEWHEEL:
        return true;
    default:
        return false;
    }
}

} // namespace

void TApplication::Dispatch(wnd::MSG& Msg)
{
    // An exception from a handler is shown and the loop goes on.
    try {
        if (EndsHint(Msg.message))
            CancelHint();
        if (RunHooks(Msg))
            return;
        wnd::TranslateMessage(Msg);
        wnd::DispatchMessage(Msg);
    } catch (const std::exception& e) {
        HandleException(this, e);
    }
}

void TApplication::QuitReceived()
{
    m_terminated = true;
    wnd::PostQuitMessage(0); // outer loops end as well
}

void TApplication::Terminate()
{
    if (m_terminated)
        return;
    m_terminated = true;
    wnd::PostQuitMessage(0);
}

std::string TitleFromExeName(const std::string& Path)
{
    std::string name = std::filesystem::path(Path).filename().string();
    name = name.substr(0, name.find('.'));
    for (std::size_t i = 1; i < name.size(); ++i)
        name[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[i])));
    return name;
}

std::string TApplication::ExeName() const
{
    std::error_code ec;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : path.string();
}

std::string TApplication::Title() const
{
    return m_title.empty() ? TitleFromExeName(ExeName()) : m_title;
}

int TApplication::MessageBox(const std::string& Text, const std::string& Caption, unsigned Flags)
{
    return ctl::MessageBox(Text, Caption.empty() ? Title() : Caption, Flags);
}

void TApplication::HandleException(TObject* Sender, const std::exception& E)
{
    if (OnException)
        OnException(Sender, E);
    else
        ShowException(E);
}

void TApplication::ShowException(const std::exception& E)
{
    std::string text = E.what();
    if (!text.empty() && text.back() != '.')
        text += '.';
    ctl::MessageBox(text, Title(), MB_OK | MB_ICONSTOP);
}

void TApplication::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == TOperation::opRemove && AComponent == m_mainForm)
        m_mainForm = nullptr;
    TComponent::Notification(AComponent, Operation);
}

} // namespace ctl
