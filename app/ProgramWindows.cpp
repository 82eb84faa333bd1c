#include "app/ProgramWindows.h"

#include "app/TAboutBox.h"
#include "app/TAboutBox1.h"
#include "app/TBox.h"
#include "app/TData.h"
#include "app/TForm1.h"
#include "platform/controls/TApplication.h"

#include <utility>

namespace app {

namespace {

template <class Window>
void DeleteWindow(Window*& window)
{
    delete std::exchange(window, nullptr);
}

} // namespace

ProgramWindows::ProgramWindows(const std::string& connectionString)
{
    ctl::Application->CreateForm(Form1);
    try {
        m_store = std::make_unique<TData>(connectionString);
    } catch (...) {
        DeleteWindows();
        throw;
    }
    Data = m_store.get();
    ctl::Application->CreateForm(Box);
    ctl::Application->CreateForm(AboutBox);
    ctl::Application->CreateForm(AboutBox1);
}

ProgramWindows::~ProgramWindows()
{
    DeleteWindows();
    Data = nullptr;
}

void ProgramWindows::DeleteWindows()
{
    DeleteWindow(AboutBox1);
    DeleteWindow(AboutBox);
    DeleteWindow(Box);
    DeleteWindow(Form1);
}

} // namespace app
