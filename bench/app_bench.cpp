// The main window as a user meets it:
// - maximized on a 1920 x 1080 monitor over a store of 200 categories,
//   painted from scratch (frame, tool bar, tree, memos, status bar) into its
//   back buffer, the way an uncovered window is painted again;
// - one refresh after an edit (the routine that runs after every save,
//   modify, delete and category change) over stores of 10,000 and 100,000
//   notes, with one branch of the tree open and a note shown beforehand.

#include "app/ProgramWindows.h"
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

// A store of 200 categories and `notes` notes spread over them, in the
// temporary directory.
class BenchStore {
public:
    explicit BenchStore(int notes = 200)
        : m_file(std::filesystem::temp_directory_path() / ("veltrin-app-bench-" + std::to_string(::getpid()) + ".mdb"))
    {
        app::TData::CreateStore(m_file);
        app::TData data(app::TData::ConnectionStringFor(m_file));
        data.ADOConnection1.ExecuteScript(
            "begin;"
            "with recursive c(i) as (select 1 union all select i + 1 from c where i < 200)"
            "  insert into 类别 select '类别' || (i - 1) from c;"
            "with recursive c(i) as (select 1 union all select i + 1 from c where i < "
            + std::to_string(notes)
            + ")"
              "  insert into 笔记 select '类别' || (i % 200), '2024-03-04 09:12:30', '笔记标题 ' || i,"
              "  replace(printf('%.25c', 'x'), 'x', '今天的会议讨论了 release plan 与测试进度。') from c;"
              "commit;");
    }
    ~BenchStore() { std::filesystem::remove(m_file); }
    BenchStore(const BenchStore&) = delete;
    BenchStore& operator=(const BenchStore&) = delete;

    std::string ConnectionString() const { return app::TData::ConnectionStringFor(m_file); }

private:
    std::filesystem::path m_file;
};

// The program's windows over a bench store, made as the start-up sequence
// makes them, on a headless 1920 x 1080 monitor.
class BenchProgram {
public:
    explicit BenchProgram(int notes)
        : m_harness(FullHdMonitor())
        , m_store(notes)
    {
        ctl::Application->Initialize();
        m_program = std::make_unique<app::ProgramWindows>(m_store.ConnectionString());
        app::Form1->Show();
        app::Form1->Timer1->SetEnabled(false);
        m_harness.ProcessMessages();
    }
    BenchProgram(const BenchProgram&) = delete;
    BenchProgram& operator=(const BenchProgram&) = delete;

    app::TForm1& Main() { return *app::Form1; }
    wnd::THeadlessHarness& Harness() { return m_harness; }

private:
    wnd::THeadlessHarness m_harness;
    BenchStore m_store;
    std::unique_ptr<app::ProgramWindows> m_program;
};

void MaximizedMainWindowRepaint(benchmark::State& state)
{
    BenchProgram program(200);
    app::TForm1& main = program.Main();
    main.bsSkinForm1->SetFormState(skinform::TbsFormState::fsMaximized);
    // The tree opened at its first category, so that the painting includes note rows.
    main.TreeView1->Items().GetFirstNode()->Expand(false);
    program.Harness().ProcessMessages();

    const wnd::HWND window = main.Handle();
    const wnd::RECT bounds = wnd::GetWindowRect(window);
    for (auto _ : state) {
        wnd::RedrawWindow(window, nullptr, nullptr,
            wnd::RDW_INVALIDATE | wnd::RDW_ERASE | wnd::RDW_FRAME | wnd::RDW_ALLCHILDREN | wnd::RDW_UPDATENOW);
        benchmark::DoNotOptimize(wnd::GetBackBuffer(window));
    }
    state.counters["width"] = bounds.Width();
    state.counters["height"] = bounds.Height();
}
BENCHMARK(MaximizedMainWindowRepaint)->Unit(benchmark::kMillisecond);

// What a user waits for after pressing modify: the refresh with the window's
// painting while the progress bar fills, and the repaint that follows.
void RefreshAfterEdit(benchmark::State& state)
{
    BenchProgram program(static_cast<int>(state.range(0)));
    app::TForm1& main = program.Main();
    ctl::TTreeNode* first = main.TreeView1->Items().GetFirstNode();
    first->Expand(false);
    main.TreeView1->Items().SetSelected(first->GetFirstChild());
    main.TreeView1Click(nullptr);
    program.Harness().ProcessMessages();
    for (auto _ : state) {
        main.FormShow(nullptr);
        program.Harness().ProcessMessages();
    }
    state.counters["notes"] = static_cast<double>(state.range(0));
}
BENCHMARK(RefreshAfterEdit)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
