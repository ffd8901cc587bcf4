// Controls whose captions are symbols or pictures have tooltips: a standard tooltip control of
// their window holds a tool for each, with its help text, and the text shows under a control that
// takes the keyboard focus.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <map>

#include "Player.h"
#include "player/PlayerBarTips.h"
#include "playlist/PlaylistWindowTips.h"

using namespace e2e;

namespace {

// The tools of a tooltip control in another process, read through memory of that process: the
// control writes the tool's data where the message's pointers say. Control to text.
std::map<HWND, std::wstring> ToolsOf(HWND tooltip, DWORD processId) {
    std::map<HWND, std::wstring> tools;
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process) return tools;
    constexpr std::size_t kTextChars = 512;
    const std::size_t bytes = sizeof(TTTOOLINFOW) + kTextChars * sizeof(wchar_t);
    auto* remote = static_cast<BYTE*>(VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT, PAGE_READWRITE));
    const int count = static_cast<int>(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0));
    for (int i = 0; remote && i < count; ++i) {
        TTTOOLINFOW info{};
        info.cbSize = sizeof info;
        info.lpszText = reinterpret_cast<wchar_t*>(remote + sizeof info);
        const wchar_t empty = 0;
        WriteProcessMemory(process, remote, &info, sizeof info, nullptr);
        WriteProcessMemory(process, remote + sizeof info, &empty, sizeof empty, nullptr);
        if (!SendMessageW(tooltip, TTM_ENUMTOOLSW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(remote)))
            continue;
        wchar_t text[kTextChars] = {};
        ReadProcessMemory(process, remote, &info, sizeof info, nullptr);
        ReadProcessMemory(process, remote + sizeof info, text, sizeof text - sizeof(wchar_t), nullptr);
        if (info.uFlags & TTF_IDISHWND) tools[reinterpret_cast<HWND>(info.uId)] = text;
    }
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return tools;
}

std::map<HWND, std::wstring> AllTools(DWORD processId) {
    std::map<HWND, std::wstring> all;
    for (HWND window : TopWindows(processId))
        if (ClassName(window) == L"tooltips_class32") all.merge(ToolsOf(window, processId));
    return all;
}

HWND ShownTooltip(DWORD processId, const std::wstring& text) {
    for (HWND window : TopWindows(processId))
        if (ClassName(window) == L"tooltips_class32" && IsWindowVisible(window) && Text(window) == text)
            return window;
    return nullptr;
}

}  // namespace

TEST(Tooltips, SymbolButtonsTheBannerTheSizeListAndTwoPlaylistButtonsHaveTheirHelp) {
    Sandbox sandbox;
    player::Settings settings;
    const player::Windows w = player::StartPlayer(sandbox, settings, {sandbox.CopyLogSaver(L"Calm")});
    const std::map<HWND, std::wstring> tools = AllTools(w.processId);
    for (const vr::ControlTip& tip : vr::kPlayerBarTips) {
        const auto found = tools.find(FindControl(w.bar, tip.id));
        ASSERT_NE(found, tools.end()) << "no tooltip for the bar's control " << tip.id;
        EXPECT_EQ(found->second, tip.text);
    }
    for (const vr::ControlTip& tip : vr::kPlaylistWindowTips) {
        const auto found = tools.find(FindControl(w.playlist, tip.id));
        ASSERT_NE(found, tools.end()) << "no tooltip for the playlist window's control " << tip.id;
        EXPECT_EQ(found->second, tip.text);
    }

    // The keyboard: Tab from the interval list to the size list shows the size list's help.
    SetForegroundWindow(w.bar);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == w.bar; }));
    Post(w.bar, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(w.timeCombo), TRUE);
    PressKeys({VK_TAB});
    const std::wstring sizeHelp = vr::kPlayerBarTips.back().text;
    EXPECT_TRUE(WaitUntil([&] { return ShownTooltip(w.processId, sizeHelp) != nullptr; }))
        << "the size list's help did not show when it took the focus";
}
