#include "docking_support.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace docking {
namespace {

std::string Line(long value) { return std::to_string(value) + "\r\n"; }

std::string ConfigText(const StartLayout& layout, const std::wstring& saverPath) {
  return "Veilrunner 2.00 Config File\r\n" + e2e::ToAnsi(saverPath) + "\r\n" +
         Line(layout.host.x) + Line(layout.host.y) + Line(layout.hostClient.cx) + Line(layout.hostClient.cy) +
         Line(layout.bar.x) + Line(layout.bar.y) +
         "1\r\n" +  // playlist window shown
         Line(layout.playlist.x) + Line(layout.playlist.y) + Line(layout.playlistClient.cx) +
         Line(layout.playlistClient.cy) +
         "0\r\n"   // first playlist entry selected
         "0\r\n"   // "Change manually": no rotation during the scenario
         "0\r\n"   // help text hidden
         "0\r\n"   // host window not maximised
         "3\r\n";  // "Use whole desktop workarea"
}

bool InMoveLoop(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) && (info.flags & GUI_INMOVESIZE) != 0;
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
  const std::wstring saver = sandbox.CopyLogSaver(L"Calm");
  e2e::WriteFileBytes(sandbox.PathOf(L"config.cfg"), ConfigText(layout, saver));
  e2e::WriteFileBytes(sandbox.PathOf(L"myList.spls"), e2e::ToAnsi(saver) + "\r\n");
  const DWORD id = sandbox.StartProgram().Id();
  PlayerHandles player;
  player.bar = e2e::WaitForTopWindow(id, L"TfrmSVDOptions");
  player.host = e2e::WaitForTopWindow(id, L"TfrmSVDActive");
  player.playlist = e2e::WaitForTopWindow(id, L"TForm1");
  if (!player.bar || !player.host || !player.playlist) throw std::runtime_error("the player's windows did not appear");
  if (!e2e::WaitUntil([&] { return e2e::IsShown(player.host) && e2e::IsShown(player.playlist); }))
    throw std::runtime_error("the host and playlist windows were not shown");
  return player;
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
  ASSERT_TRUE(e2e::WaitUntil([&] { return InMoveLoop(window); })) << "no move loop after pressing on the caption";
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
