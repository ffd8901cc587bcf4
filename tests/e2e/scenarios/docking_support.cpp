#include "docking_support.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "Player.h"

namespace docking {
namespace {

bool InMoveLoop(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) &&
           (info.flags & GUI_INMOVESIZE) != 0;
}

// Midway between the outer top edge and the client area's top edge: on the caption bar.
POINT CaptionPoint(HWND window) {
    const RECT outer = e2e::WindowRect(window);
    POINT client{0, 0};
    ClientToScreen(window, &client);
    return {(outer.left + outer.right) / 2, (outer.top + client.y) / 2};
}

std::wstring Number(long value) { return std::to_wstring(value); }

}  // namespace

PlayerHandles StartPlayer(e2e::Sandbox& sandbox, const StartLayout& layout) {
    player::Settings settings;
    settings.host = layout.host;
    settings.hostClient = layout.hostClient;
    settings.bar = layout.bar;
    settings.playlist = layout.playlist;
    settings.playlistClient = layout.playlistClient;
    settings.helpText = false;
    const player::Windows w = player::StartPlayer(sandbox, settings, {sandbox.CopyLogSaver(L"Calm")});
    if (!e2e::WaitUntil([&] { return e2e::IsShown(w.playlist); }))
        throw std::runtime_error("the playlist window was not shown");
    return {w.bar, w.host, w.playlist};
}

void MoveWindowTo(HWND window, int left, int top) {
    // Another process's window handles SetWindowPos on its own thread before the call returns.
    if (!SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE))
        throw std::runtime_error("SetWindowPos failed (error " + std::to_string(GetLastError()) + ")");
}

Place TopLeft(HWND window) {
    const RECT r = e2e::WindowRect(window);
    return {r.left, r.top};
}

SIZE OuterSize(HWND window) {
    const RECT r = e2e::WindowRect(window);
    return {r.right - r.left, r.bottom - r.top};
}

SIZE ScreenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

void DragCaption(HWND window, int dx, int dy, int steps, bool expectExact) {
    const Place start = TopLeft(window);
    const POINT grab = CaptionPoint(window);
    e2e::Xdotool(L"mousemove " + Number(grab.x) + L" " + Number(grab.y));
    e2e::Xdotool(L"mousedown 1");
    ASSERT_TRUE(e2e::WaitUntil([&] { return InMoveLoop(window); }))
        << "no move loop after pressing on the caption";
    for (int step = 1; step <= steps; ++step) {
        const POINT pointer{grab.x + dx * step / steps, grab.y + dy * step / steps};
        e2e::Xdotool(L"mousemove " + Number(pointer.x) + L" " + Number(pointer.y));
        if (expectExact) {
            const Place expected = Shifted(start, dx * step / steps, dy * step / steps);
            EXPECT_TRUE(e2e::WaitUntil([&] { return TopLeft(window) == expected; }))
                << "step " << step << " did not reach " << ::testing::PrintToString(expected);
        }
    }
    e2e::Xdotool(L"mouseup 1");
    ASSERT_TRUE(e2e::WaitUntil([&] { return !InMoveLoop(window); })) << "the move loop did not end";
}

}  // namespace docking
