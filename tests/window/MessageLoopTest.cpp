#include "Recorder.h"

#include "platform/window/HeadlessHarness.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Input.h"
#include "platform/window/Timers.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using namespace wnd;

TEST(MessageLoop, PostedMessagesArriveInOrderAfterSentOnesRunAtOnce)
{
    TRecorder rec; // outlives the harness, which destroys the windows
    THeadlessHarness harness;
    rec.only = { WM_USER + 1, WM_USER + 2, WM_USER + 3 };
    HWND hwnd = MakeFrameWindow(rec);
    PostMessage(hwnd, WM_USER + 1, 1);
    PostMessage(hwnd, WM_USER + 2, 2);
    SendMessage(hwnd, WM_USER + 3, 3);
    EXPECT_EQ(rec.Messages(), (std::vector<UINT> { WM_USER + 3 }));
    harness.ProcessMessages();
    EXPECT_EQ(rec.Messages(), (std::vector<UINT> { WM_USER + 3, WM_USER + 1, WM_USER + 2 }));
    EXPECT_FALSE(PostMessage(reinterpret_cast<HWND>(0xdead), WM_USER));
}

TEST(MessageLoop, PeekWithoutRemovingLeavesTheMessageAndFiltersSelect)
{
    TRecorder rec; // outlives the harness, which destroys the windows
    THeadlessHarness harness;
    HWND a = MakeFrameWindow(rec);
    HWND b = MakeFrameWindow(rec);
    PostMessage(a, WM_USER + 1);
    PostMessage(b, WM_USER + 2);
    MSG msg;
    ASSERT_TRUE(PeekMessage(msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, WM_USER + 1u);
    ASSERT_TRUE(PeekMessage(msg, b, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_USER + 2u);
    EXPECT_FALSE(PeekMessage(msg, b, 0, 0, PM_REMOVE));
    EXPECT_FALSE(PeekMessage(msg, nullptr, WM_USER + 2, WM_USER + 10, PM_REMOVE));
    ASSERT_TRUE(PeekMessage(msg, nullptr, WM_USER + 1, WM_USER + 1, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, a);
}

TEST(MessageLoop, NestedLoopsEndCleanlyAndQuitReachesTheOuterLoop)
{
    TRecorder rec; // outlives the harness, which destroys the windows
    THeadlessHarness harness;
    HWND hwnd = MakeFrameWindow(rec);
    std::vector<std::string> trace;
    // WM_USER opens a modal loop that ends when WM_USER+1 arrives; inside it,
    // a quit request is made, which the outer loop must still see.
    bool modalDone = false;
    rec.handlers[WM_USER] = [&](HWND h, WPARAM, LPARAM) -> LRESULT {
        trace.push_back("modal enter");
        PostMessage(h, WM_USER + 2);
        PostMessage(h, WM_USER + 1);
        MSG msg;
        while (!modalDone) {
            if (!GetMessage(msg)) {
                PostQuitMessage(static_cast<int>(msg.wParam)); // hand the quit on to the outer loop
                break;
            }
            DispatchMessage(msg);
        }
        trace.push_back("modal leave");
        return 0;
    };
    rec.handlers[WM_USER + 2] = [&](HWND, WPARAM, LPARAM) -> LRESULT {
        trace.push_back("inner message");
        return 0;
    };
    rec.handlers[WM_USER + 1] = [&](HWND, WPARAM, LPARAM) -> LRESULT {
        modalDone = true;
        PostQuitMessage(5);
        trace.push_back("close modal");
        return 0;
    };
    PostMessage(hwnd, WM_USER);
    EXPECT_EQ(RunMessageLoop(), 5);
    EXPECT_EQ(trace, (std::vector<std::string> { "modal enter", "inner message", "close modal", "modal leave" }));
}

TEST(MessageLoop, ProcessMessagesRunsPendingWorkAndLeavesQuitForTheLoop)
{
    TRecorder rec; // outlives the harness, which destroys the windows
    THeadlessHarness harness;
    HWND hwnd = MakeFrameWindow(rec);
    int handled = 0;
    rec.handlers[WM_USER] = [&](HWND, WPARAM, LPARAM) -> LRESULT {
        ++handled;
        if (handled == 1) {
            // Re-entered from inside a handler, as a progress bar does.
            PostMessage(hwnd, WM_USER);
            ProcessMessages();
        }
        return 0;
    };
    PostMessage(hwnd, WM_USER);
    PostQuitMessage(3);
    ProcessMessages();
    EXPECT_EQ(handled, 2);
    MSG msg;
    EXPECT_FALSE(GetMessage(msg));
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_EQ(msg.wParam, 3u);
}

TEST(MessageLoop, MessagesHeldForRunningHandlersArriveOnlyAfterTheOutermostReturns)
{
    TRecorder rec; // outlives the harness, which destroys the windows
    THeadlessHarness harness;
    HWND hwnd = MakeFrameWindow(rec);
    std::vector<std::string> events;
    rec.handlers[WM_USER] = [&](HWND, WPARAM, LPARAM) -> LRESULT {
        events.push_back("outer at depth " + std::to_string(DispatchDepth()));
        PostMessage(hwnd, WM_USER + 1);
        ProcessMessages(); // the nested handler holds a message back
        events.push_back("outer continues");
        return 0;
    };
    rec.handlers[WM_USER + 1] = [&](HWND, WPARAM, LPARAM) -> LRESULT {
        events.push_back("inner at depth " + std::to_string(DispatchDepth()));
        PostWhenHandlersReturn(hwnd, WM_USER + 2);
        ProcessMessages();
        return 0;
    };
    rec.handlers[WM_USER + 2] = [&](HWND, WPARAM, LPARAM) -> LRESULT {
        events.push_back("held at depth " + std::to_string(DispatchDepth()));
        return 0;
    };
    PostMessage(hwnd, WM_USER);
    ProcessMessages();
    EXPECT_EQ(events, (std::vector<std::string> { "outer at depth 1", "inner at depth 2", "outer continues", "held at depth 1" }));
    // With no handler running it is posted at once.
    EXPECT_EQ(DispatchDepth(), 0);
    PostWhenHandlersReturn(hwnd, WM_USER + 2);
    ProcessMessages();
    EXPECT_EQ(events.back(), "held at depth 1");
    EXPECT_EQ(events.size(), 5u);
}

TEST(MessageLoop, WaitingForeverHeadlessIsAnErrorNotAHang)
{
    THeadlessHarness harness;
    MSG msg;
    EXPECT_THROW(GetMessage(msg), std::logic_error);
    // With an idle handler that posts work, the loop carries on.
    TRecorder rec;
    HWND hwnd = MakeFrameWindow(rec);
    int calls = 0;
    harness.SetIdleHandler([&] {
        PostMessage(hwnd, WM_USER, static_cast<WPARAM>(++calls));
        return calls <= 1;
    });
    ASSERT_TRUE(GetMessage(msg));
    EXPECT_EQ(msg.message, WM_USER + 0u);
}

TEST(MessageLoop, ControlKeysBecomeCharactersAndTextArrivesAsCharacters)
{
    TRecorder rec; // outlives the harness, which destroys the windows
    THeadlessHarness harness;
    rec.only = { WM_KEYDOWN, WM_CHAR, WM_KEYUP };
    HWND hwnd = MakeFrameWindow(rec);
    ShowWindow(hwnd, SW_SHOW);
    harness.PressKey(VK_RETURN);
    harness.KeyDown(VK_LCONTROL);
    harness.PressKey('C');
    harness.KeyUp(VK_LCONTROL);
    harness.TypeText("a\x80中"); // a stray byte types nothing
    std::vector<WPARAM> chars;
    for (const auto& e : rec.log)
        if (e.msg == WM_CHAR)
            chars.push_back(e.wParam);
    EXPECT_EQ(chars, (std::vector<WPARAM> { 13, 3, 'a', 0x4E2D }));
    EXPECT_EQ(rec.log[0].msg, WM_KEYDOWN);
    EXPECT_EQ(rec.log[1].msg, WM_CHAR) << "the character follows its key-down";
}

TEST(MessageLoop, InputMethodCompositionEndsInCharacters)
{
    TRecorder rec; // outlives the harness, which destroys the windows
    THeadlessHarness harness;
    rec.only = { WM_IME_STARTCOMPOSITION, WM_IME_COMPOSITION, WM_IME_ENDCOMPOSITION, WM_CHAR };
    HWND hwnd = MakeFrameWindow(rec);
    ShowWindow(hwnd, SW_SHOW);
    std::string seen;
    rec.handlers[WM_IME_COMPOSITION] = [&](HWND h, WPARAM w, LPARAM l) -> LRESULT {
        if (l & GCS_COMPSTR)
            seen = ImmGetCompositionString(h, GCS_COMPSTR);
        return DefWindowProc(h, WM_IME_COMPOSITION, w, l);
    };
    harness.Compose("bi", 2);
    EXPECT_EQ(seen, "bi");
    harness.Compose("biji", 4);
    harness.CommitComposition("笔记");
    EXPECT_EQ(rec.Messages(), (std::vector<UINT> { WM_IME_STARTCOMPOSITION, WM_IME_COMPOSITION, WM_IME_COMPOSITION,
                                  WM_IME_COMPOSITION, WM_IME_ENDCOMPOSITION, WM_CHAR, WM_CHAR }));
    EXPECT_EQ(rec.log[5].wParam, 0x7B14u);
    EXPECT_EQ(rec.log[6].wParam, 0x8BB0u);
}

TEST(MessageLoop, AltKeysGiveSystemCommands)
{
    TRecorder rec; // outlives the harness, which destroys the windows
    THeadlessHarness harness;
    rec.only = { WM_SYSKEYDOWN, WM_SYSCOMMAND, WM_CLOSE };
    HWND hwnd = MakeFrameWindow(rec);
    ShowWindow(hwnd, SW_SHOW);
    harness.PressKey(VK_LMENU);
    ASSERT_EQ(rec.Count(WM_SYSCOMMAND), 1);
    EXPECT_EQ(rec.log[static_cast<std::size_t>(rec.IndexOf(WM_SYSCOMMAND))].wParam, SC_KEYMENU);
    rec.Clear();
    harness.KeyDown(VK_LMENU);
    harness.PressKey(VK_F4);
    harness.KeyUp(VK_LMENU);
    EXPECT_EQ(rec.Messages(), (std::vector<UINT> { WM_SYSKEYDOWN, WM_SYSKEYDOWN, WM_SYSCOMMAND, WM_CLOSE }))
        << "Alt+F4 closes and is no menu key";
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST(MessageLoop, ProgramActivationIsAnnouncedToEveryTopLevelWindow)
{
    TRecorder rec; // outlives the harness, which destroys the windows
    THeadlessHarness harness;
    rec.only = { WM_ACTIVATEAPP };
    HWND a = MakeFrameWindow(rec);
    HWND b = MakeFrameWindow(rec);
    ShowWindow(a, SW_SHOW);
    EXPECT_EQ(rec.Count(WM_ACTIVATEAPP, a), 1);
    EXPECT_EQ(rec.Count(WM_ACTIVATEAPP, b), 1);
    rec.Clear();
    SetActiveWindow(b);
    EXPECT_TRUE(rec.log.empty()) << "switching inside the program is no program activation";
    SetActiveWindow(nullptr);
    EXPECT_EQ(rec.Count(WM_ACTIVATEAPP), 2);
    EXPECT_EQ(rec.log[0].wParam, 0u);
}
