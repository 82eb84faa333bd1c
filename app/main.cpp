// Veltrin: a notes manager. Start-up in the stored order: the application
// object, the main window, the note store, the three dialogs (hidden), and the
// message loop, which shows the main window and runs until it closes.

#include "app/ProgramWindows.h"
#include "app/TData.h"
#include "platform/controls/TApplication.h"
#include "platform/window/WindowSystem.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>

int main()
{
    using namespace app;
    using namespace ctl;

    // Without a display the windows would live in memory only: a program
    // running on unseen, holding its store. Say why and end instead.
    if (wnd::Sys().Backend().IsHeadless()) {
        const char* display = std::getenv("DISPLAY");
        std::fprintf(stderr, "Veltrin: the display %s cannot be opened; Veltrin needs a graphical desktop.\n",
            display ? display : "(DISPLAY is not set)");
        return 1;
    }
    Application->Initialize();
    // A store that cannot be opened ends the program before the main window shows.
    std::unique_ptr<ProgramWindows> program;
    try {
        program = std::make_unique<ProgramWindows>(TData::StoredConnectionString);
    } catch (const std::exception& error) {
        Application->ShowException(error);
        return 1;
    }
    Application->Run();
    return 0;
}
