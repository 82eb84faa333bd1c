// window-demo: opens a plain-framed window and a window whose frame a replaced
// window procedure draws, runs the message loop until both are closed, and
// reports their states on stdout. With VELTRIN_SNAPSHOT_DIR set, every state
// change also writes the window's pixels there as PNG.

#include "DemoWindows.h"

#include "platform/window/MessageLoop.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

int main()
{
    using namespace wnd;
    if (const char* dir = std::getenv("VELTRIN_SNAPSHOT_DIR"); dir && *dir) {
        std::filesystem::create_directories(dir);
        demo::Demo().snapshotDir = dir;
    }
    HWND custom = demo::CreateCustomWindow(600, 100, 360, 260);
    HWND plain = demo::CreatePlainWindow(100, 100, 400, 300);
    ShowWindow(custom, SW_SHOW);
    ShowWindow(plain, SW_SHOW);
    ProcessMessages();
    demo::ReportState(plain);
    demo::ReportState(custom);
    demo::RequestSnapshot(plain, "start");
    demo::RequestSnapshot(custom, "start");
    std::printf("READY\n");
    std::fflush(stdout);
    return RunMessageLoop();
}
