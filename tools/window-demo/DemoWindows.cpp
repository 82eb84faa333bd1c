#include "DemoWindows.h"

#include "CustomFrame.h"

#include "platform/window/Input.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Painting.h"

#include <cstdio>
#include <filesystem>
#include <map>

namespace demo {

using namespace wnd;

namespace {
    constexpr UINT kSnapshotMessage = WM_APP + 1;
    bool inSizeMove = false; // states are reported once the loop ends

    std::map<HWND, std::string>& PendingSnapshots()
    {
        static std::map<HWND, std::string> pending;
        return pending;
    }

    const char* StateName(HWND hwnd)
    {
        if (IsIconic(hwnd))
            return "minimized";
        return IsZoomed(hwnd) ? "maximized" : "normal";
    }

    void PaintClient(HWND hwnd)
    {
        TPaintDC dc(hwnd);
        gfx::TCanvas& c = dc.Canvas();
        const RECT client = GetClientRect(hwnd);
        const bool plain = hwnd == Demo().plain;
        c.Brush.Color = plain ? gfx::RGB(250, 248, 240) : gfx::RGB(236, 246, 248);
        c.FillRect(client);
        c.Pen.Color = plain ? gfx::clNavy : gfx::clTeal;
        c.Brush.Style = gfx::TBrushStyle::bsClear;
        c.Rectangle(gfx::Inflate(client, -8, -8));
        c.Font.Name = "宋体";
        c.Font.Height = -14;
        c.Font.Color = gfx::clBlack;
        const RECT wr = GetWindowRect(hwnd);
        char line[96];
        std::snprintf(line, sizeof line, "%d, %d  %d x %d  %s", wr.Left, wr.Top, wr.Width(), wr.Height(), StateName(hwnd));
        RECT text = gfx::Inflate(client, -16, -16);
        c.DrawText(plain ? "窗口演示：普通边框" : "窗口演示：自绘边框", text, gfx::DT_LEFT | gfx::DT_TOP | gfx::DT_SINGLELINE);
        text.Top += 24;
        c.DrawText(line, text, gfx::DT_LEFT | gfx::DT_TOP | gfx::DT_SINGLELINE);
        text.Top += 24;
        c.DrawText(plain ? "Drag the caption or an edge; the caption buttons minimize, maximize and close."
                         : "Click here to restore the other window when it is minimized.",
            text, gfx::DT_LEFT | gfx::DT_TOP | gfx::DT_WORDBREAK);
    }

    void SaveSnapshot(HWND hwnd)
    {
        auto it = PendingSnapshots().find(hwnd);
        if (it == PendingSnapshots().end())
            return;
        const std::string event = it->second;
        PendingSnapshots().erase(it);
        RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        const std::string path = Demo().snapshotDir + "/window-demo-" + NameOf(hwnd) + "-" + event + ".png";
        CaptureWindow(hwnd).SaveToPngFile(path);
        std::printf("SNAPSHOT %s %s\n", NameOf(hwnd).c_str(), path.c_str());
        std::fflush(stdout);
    }
}

TDemo& Demo()
{
    static TDemo demo;
    return demo;
}

std::string NameOf(HWND hwnd) { return hwnd == Demo().plain ? "plain" : "custom"; }

void ReportState(HWND hwnd)
{
    const RECT r = GetWindowRect(hwnd);
    std::printf("STATE %s x=%d y=%d w=%d h=%d state=%s\n", NameOf(hwnd).c_str(), r.Left, r.Top, r.Width(), r.Height(),
        StateName(hwnd));
    std::fflush(stdout);
}

void RequestSnapshot(HWND hwnd, const std::string& event)
{
    if (Demo().snapshotDir.empty() || IsIconic(hwnd))
        return;
    PendingSnapshots()[hwnd] = event;
    PostMessage(hwnd, kSnapshotMessage);
}

LRESULT ClientProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_PAINT:
        PaintClient(hwnd);
        return 0;
    case WM_SIZE:
        InvalidateRect(hwnd, nullptr, false);
        if (!inSizeMove && IsWindowVisible(hwnd)) {
            ReportState(hwnd);
            RequestSnapshot(hwnd, wParam == SIZE_MAXIMIZED ? "maximized" : "sized");
        }
        return 0;
    case WM_ENTERSIZEMOVE:
        inSizeMove = true;
        return 0;
    case WM_EXITSIZEMOVE:
        inSizeMove = false;
        InvalidateRect(hwnd, nullptr, false);
        ReportState(hwnd);
        RequestSnapshot(hwnd, "moved");
        return 0;
    case WM_LBUTTONDOWN:
        if (hwnd == Demo().custom && Demo().plain && IsIconic(Demo().plain))
            ShowWindow(Demo().plain, SW_RESTORE);
        return 0;
    case kSnapshotMessage:
        SaveSnapshot(hwnd);
        return 0;
    case WM_DESTROY:
        std::printf("CLOSED %s\n", NameOf(hwnd).c_str());
        std::fflush(stdout);
        if (hwnd == Demo().plain)
            Demo().plain = nullptr;
        else
            Demo().custom = nullptr;
        if (--Demo().open == 0)
            PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

HWND CreatePlainWindow(int x, int y, int width, int height)
{
    HWND hwnd = CreateWindowEx(0, ClientProc, "Plain frame", WS_OVERLAPPEDWINDOW, x, y, width, height, nullptr);
    Demo().plain = hwnd;
    ++Demo().open;
    return hwnd;
}

HWND CreateCustomWindow(int x, int y, int width, int height)
{
    HWND hwnd = CreateWindowEx(0, ClientProc, "Custom frame", WS_OVERLAPPEDWINDOW, x, y, width, height, nullptr);
    Demo().custom = hwnd;
    ++Demo().open;
    InstallCustomFrame(hwnd);
    return hwnd;
}

} // namespace demo
