// controls-demo: shows the About box; its OK button asks the exit question in
// a standard message box (Yes ends the demo, No or Esc keeps the box).
//
//   controls-demo                  in a real window (headless without a display)
//   controls-demo --snapshot DIR   headless: writes DIR/about-box.png and
//                                  DIR/message-box.png and ends

#include "app/TAboutBox.h"

#include "platform/controls/MessageDialog.h"
#include "platform/controls/TApplication.h"
#include "platform/window/HeadlessHarness.h"
#include "platform/window/Input.h"
#include "platform/window/VirtualKeys.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

const char* const kExitQuestion = "感谢您的使用！\r\r现在是否退出本系统！                ";

int RunSnapshots(const std::string& dir)
{
    std::filesystem::create_directories(dir);
    setenv("VELTRIN_SNAPSHOT_DIR", dir.c_str(), 1);
    wnd::THeadlessHarness harness;
    app::TAboutBox box(nullptr);
    box.Show();
    harness.ProcessMessages();
    std::printf("%s\n", harness.SaveSnapshot(box.Handle(), "about-box").c_str());
    // The message box is modal: take its picture when its loop waits, then answer Esc.
    harness.SetIdleHandler([&harness, done = false]() mutable {
        if (done)
            return false;
        done = true;
        std::printf("%s\n", harness.SaveSnapshot(wnd::GetActiveWindow(), "message-box").c_str());
        wnd::TRawInput esc;
        esc.kind = wnd::TRawInputKind::KeyDown;
        esc.vk = wnd::VK_ESCAPE;
        harness.Queue(esc);
        esc.kind = wnd::TRawInputKind::KeyUp;
        harness.Queue(esc);
        return true;
    });
    const int answer = ctl::MessageBox(kExitQuestion, "Veltrin", ctl::MB_YESNO);
    std::printf("answer %d\n", answer);
    return answer == ctl::IDNO ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--snapshot") == 0)
        return RunSnapshots(argv[2]);
    if (argc != 1) {
        std::fprintf(stderr, "usage: controls-demo [--snapshot DIR]\n");
        return 2;
    }
    using namespace ctl;
    Application->Initialize();
    app::TAboutBox* box = nullptr;
    Application->CreateForm(box);
    box->OKButton->OnClick = [](TObject*) {
        if (Application->MessageBox(kExitQuestion, "", MB_YESNO) == IDYES)
            Application->MainForm()->Close();
    };
    Application->Run();
    return 0;
}
