#pragma once
// What the About window scenarios share: a player with an empty playlist and its About window,
// opened the way a user opens it, and a stand-in for the default web browser.
#include <windows.h>

#include <string>
#include <vector>

#include "Driver.h"

namespace about {

struct AboutHandles {
    HWND bar = nullptr;
    HWND aboutButton = nullptr;  // the bar's "About..."
    HWND window = nullptr;       // TfrmConfig
    HWND tabs = nullptr;         // PageControl1
    HWND linksSheet = nullptr;   // t3
    HWND aboutSheet = nullptr;   // t1
    HWND ok = nullptr;           // Button9
};

// Starts the player and finds the About window and its parts; the window is not opened yet.
AboutHandles StartPlayer(e2e::Sandbox& sandbox);
// Clicks "About..." and waits until the About window is shown.
void OpenAbout(const AboutHandles& about);
// Waits until the About window is hidden and "About..." is back.
bool WaitUntilClosed(const AboutHandles& about);

int SelectedTab(const AboutHandles& about);
// Moves the tab selection one to the right or left with the arrow keys, as the user does with
// the tabs focused.
void StepTab(const AboutHandles& about, UINT arrowKey);
// The control that has the keyboard in the program's user-interface thread.
HWND FocusedControl(HWND anyWindowOfTheProgram);
// The middle of a window's client area.
POINT ClientCentre(HWND window);

// Registers the browser stand-in (copied into the sandbox) as the program that opens http and
// https addresses, and puts the previous registration back when it goes.
class BrowserStandIn {
public:
    explicit BrowserStandIn(e2e::Sandbox& sandbox);
    ~BrowserStandIn();
    BrowserStandIn(const BrowserStandIn&) = delete;
    BrowserStandIn& operator=(const BrowserStandIn&) = delete;

    // The addresses opened so far, in order, once there are at least `count` of them (fewer when
    // the deadline passes first).
    std::vector<std::string> WaitForOpened(std::size_t count) const;

private:
    struct Previous {
        std::wstring key;
        bool existed = false;
        std::wstring command;
    };
    std::wstring log_;
    std::vector<Previous> previous_;
};

}  // namespace about
