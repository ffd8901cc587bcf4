#pragma once
// Starting the player in a known state: "config.cfg" and "myList.spls" written before the start,
// and the handles of its windows and main controls once they are up.
#include <windows.h>

#include <string>
#include <vector>

#include "Driver.h"

namespace player {

// What "config.cfg" holds, line by line; the defaults are a first run's values.
struct Settings {
    POINT host{341, 113};
    SIZE hostClient{474, 355};
    POINT bar{341, 37};
    bool playlistShown = true;
    POINT playlist{1, 37};
    SIZE playlistClient{327, 431};
    int selected = 0;
    int interval = 0;  // "Change manually": scenarios rotate only when they ask to
    bool helpText = true;
    bool hostMaximized = false;
    int placement = 3;
    int dpi = 0;  // the DPI the places were saved at, after the 18 lines; 0 writes none, as earlier versions
    bool oneSaverAcrossMonitors = false;  // written after the DPI, only with it
};

std::string ConfigText(const Settings& settings, const std::wstring& saverFile = {});

struct Windows {
    DWORD processId = 0;
    HWND bar = nullptr;
    HWND host = nullptr;
    HWND pane = nullptr;
    HWND playlist = nullptr;
    HWND list = nullptr;
    HWND timeCombo = nullptr;
    HWND sizeCombo = nullptr;
};

// The windows of a started player, once the bar and the host window are shown.
Windows WaitForPlayer(DWORD processId);
// Writes "config.cfg" (with `currentSaver` as the current screensaver) and "myList.spls".
void WriteSavedFiles(e2e::Sandbox& sandbox, const Settings& settings, const std::vector<std::wstring>& entries,
                     const std::wstring& currentSaver = {});
// Writes the settings and the playlist, starts the player and waits for its windows.
Windows StartPlayer(e2e::Sandbox& sandbox, const Settings& settings, const std::vector<std::wstring>& entries,
                    const std::wstring& arguments = {});

// Log savers of these names copied into the sandbox as the saved playlist, in this order, and the
// player started on it, once the first one plays in the pane.
struct Playing {
    Windows windows;
    std::vector<std::wstring> savers;  // their paths
};
Playing StartPlayingLogSavers(e2e::Sandbox& sandbox, const std::vector<std::wstring>& names);

// The saver's preview run that belongs to the pane, waiting until `count` runs have started.
e2e::SaverRun WaitForPreviewRun(e2e::Sandbox& sandbox, const std::wstring& saver, std::size_t count);

}  // namespace player
