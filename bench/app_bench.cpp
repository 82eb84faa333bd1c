// The main window as a user with a large screen sees it: maximized on a
// 1920 x 1080 monitor over a store of 200 categories, painted from scratch
// (frame, tool bar, tree, memos, status bar) into its back buffer, the way an
// uncovered window is painted again.

#include "app/TAboutBox.h"
#include "app/TAboutBox1.h"
#include "app/TBox.h"
#include "app/TData.h"
#include "app/TForm1.h"
#include "platform/controls/TApplication.h"
#include "platform/window/HeadlessHarness.h"
#include "platform/window/Painting.h"
#include "platform/window/WindowStyles.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>

namespace {

std::vector<wnd::MONITORINFO> FullHdMonitor()
{
    wnd::MONITORINFO monitor;
    monitor.rcMonitor = gfx::Rect(0, 0, 1920, 1080);
    monitor.rcWork = gfx::Rect(0, 0, 1920, 1080);
    monitor.primary = true;
    return { monitor };
}

// A store of 200 categories with a note each, in the temporary directory.
class BenchStore {
public:
    BenchStore()
        : m_file(std::filesystem::temp_directory_path() / ("veltrin-app-bench-" + std::to_string(::getpid()) + ".mdb"))
    {
        app::TData::CreateStore(m_file);
        app::TData data(app::TData::ConnectionStringFor(m_file));
        for (int i = 0; i < 200; ++i) {
            data.LB.Insert();
            data.LB.FieldByName("类别").SetAsString("类别" + std::to_string(i));
            data.LB.Post();
            data.BZ.Insert();
            data.BZ.FieldByName("类别").SetAsString("类别" + std::to_string(i));
            data.BZ.FieldByName("标题").SetAsString("笔记标题 " + std::to_string(i));
            data.BZ.FieldByName("内容").SetAsString("今天的会议讨论了 release plan 与测试进度。");
            data.BZ.Post();
        }
    }
    ~BenchStore() { std::filesystem::remove(m_file); }
    BenchStore(const BenchStore&) = delete;
    BenchStore& operator=(const BenchStore&) = delete;

    std::string ConnectionString() const { return app::TData::ConnectionStringFor(m_file); }

private:
    std::filesystem::path m_file;
};

void MaximizedMainWindowRepaint(benchmark::State& state)
{
    wnd::THeadlessHarness harness(FullHdMonitor());
    ctl::Application->Initialize();
    BenchStore store;
    auto data = std::make_unique<app::TData>(store.ConnectionString());
    app::Data = data.get();
    auto main = std::make_unique<app::TForm1>(nullptr);
    app::Form1 = main.get();
    auto box = std::make_unique<app::TBox>(nullptr);
    app::Box = box.get();
    auto about = std::make_unique<app::TAboutBox>(nullptr);
    app::AboutBox = about.get();
    auto results = std::make_unique<app::TAboutBox1>(nullptr);
    app::AboutBox1 = results.get();
    main->Show();
    main->Timer1->SetEnabled(false);
    main->bsSkinForm1->SetFormState(skinform::TbsFormState::fsMaximized);
    // The tree opened at its first category, so that the painting includes note rows.
    main->TreeView1->Items().GetFirstNode()->Expand(false);
    harness.ProcessMessages();

    const wnd::HWND window = main->Handle();
    const wnd::RECT bounds = wnd::GetWindowRect(window);
    for (auto _ : state) {
        wnd::RedrawWindow(window, nullptr, nullptr,
            wnd::RDW_INVALIDATE | wnd::RDW_ERASE | wnd::RDW_FRAME | wnd::RDW_ALLCHILDREN | wnd::RDW_UPDATENOW);
        benchmark::DoNotOptimize(wnd::GetBackBuffer(window));
    }
    state.counters["width"] = bounds.Width();
    state.counters["height"] = bounds.Height();

    results.reset();
    about.reset();
    box.reset();
    main.reset();
    app::AboutBox1 = nullptr;
    app::AboutBox = nullptr;
    app::Box = nullptr;
    app::Form1 = nullptr;
    app::Data = nullptr;
}
BENCHMARK(MaximizedMainWindowRepaint)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
