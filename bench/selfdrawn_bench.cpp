// The title editors with a title of about one megabyte on a single line (a
// whole file pasted into the title, say): painting the control, typing one
// character at the end and moving the caret home. Each should cost about
// what the visible part of the line costs, not the whole line.

#include "platform/controls/TApplication.h"
#include "platform/controls/TForm.h"
#include "platform/window/HeadlessHarness.h"
#include "platform/window/Painting.h"
#include "platform/window/VirtualKeys.h"
#include "platform/window/WindowStyles.h"
#include "selfdrawn/TSeSkinEdit.h"
#include "selfdrawn/TSeSkinMemo.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

// About a megabyte of mixed Chinese and Latin text without a line break.
std::string LongTitle()
{
    std::string title;
    while (title.size() < 1'000'000)
        title += "今天的会议讨论了 release plan 与测试进度。";
    return title;
}

template <typename Control>
class LongTitleEditor {
public:
    LongTitleEditor()
    {
        ctl::Application->Initialize();
        m_form->SetClientSize(500, 120);
        m_form->Show();
        m_control = new Control(m_form.get());
        m_control->SetBounds(10, 10, 460, 60);
        m_control->SetParent(m_form.get());
        m_control->SetText(LongTitle());
        m_control->SetFocus();
        m_harness.ProcessMessages();
    }

    Control& Editor() { return *m_control; }
    wnd::THeadlessHarness& Harness() { return m_harness; }

    void Repaint()
    {
        wnd::RedrawWindow(m_control->Handle(), nullptr, nullptr, wnd::RDW_INVALIDATE | wnd::RDW_ERASE | wnd::RDW_UPDATENOW);
    }

private:
    wnd::THeadlessHarness m_harness;
    std::unique_ptr<ctl::TForm> m_form { std::make_unique<ctl::TForm>(nullptr) };
    Control* m_control { nullptr };
};

template <typename Control>
void Paint(benchmark::State& state)
{
    LongTitleEditor<Control> editor;
    for (auto _ : state)
        editor.Repaint();
}

template <typename Control>
void TypeAtTheEnd(benchmark::State& state)
{
    LongTitleEditor<Control> editor;
    editor.Harness().PressKey(wnd::VK_END);
    for (auto _ : state) {
        editor.Harness().TypeText("x");
        state.PauseTiming();
        editor.Harness().PressKey(wnd::VK_BACK);
        state.ResumeTiming();
    }
}

template <typename Control>
void CaretHomeAndEnd(benchmark::State& state)
{
    LongTitleEditor<Control> editor;
    for (auto _ : state) {
        editor.Harness().PressKey(wnd::VK_HOME);
        editor.Harness().PressKey(wnd::VK_END);
    }
}

BENCHMARK(Paint<selfdrawn::TSeSkinEdit>)->Unit(benchmark::kMillisecond);
BENCHMARK(TypeAtTheEnd<selfdrawn::TSeSkinEdit>)->Unit(benchmark::kMillisecond);
BENCHMARK(CaretHomeAndEnd<selfdrawn::TSeSkinEdit>)->Unit(benchmark::kMillisecond);
BENCHMARK(Paint<selfdrawn::TSeSkinMemo>)->Unit(benchmark::kMillisecond);
BENCHMARK(TypeAtTheEnd<selfdrawn::TSeSkinMemo>)->Unit(benchmark::kMillisecond);
BENCHMARK(CaretHomeAndEnd<selfdrawn::TSeSkinMemo>)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
