#pragma once
// Desktop wallpaper mode from the outside: the stand-in desktop, ".scfg" files, the player's
// embedded host window, the common save dialog, the shell association of ".scfg" and the
// shortcuts in the Startup folder.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "Driver.h"

namespace wallpaper {

// The header lines of a ".scfg" file.
struct Header {
    int x = 100;
    int y = 100;
    int width = 320;
    int height = 240;
    int interval = 2;
};

std::string ScfgText(const Header& header, const std::vector<std::wstring>& entries);

// Starts the stand-in desktop with its top-left corner at `origin`, its icon view where `layout`
// puts it, and returns the icon view once it is there.
HWND StartDesktop(e2e::Sandbox& sandbox, POINT origin = {0, 0},
                  e2e::DesktopLayout layout = e2e::DesktopLayout::IconViewInProgman);
// The host window of the process embedded in the icon view; nullptr when there is none.
HWND EmbeddedHost(HWND iconView, DWORD processId);
HWND WaitForEmbeddedHost(HWND iconView, DWORD processId);
// Every window of class "TfrmSVDActive" directly inside the icon view.
std::vector<HWND> EmbeddedHosts(HWND iconView);
// Left and top of a child window in its parent's client coordinates.
POINT PlaceInParent(HWND window);
// Screen position of the window's client area.
POINT ClientOrigin(HWND window);

// ".scfg" files opened through the shell start `program` with the file as first argument, for
// as long as the object lives.
class ScfgAssociation {
public:
    explicit ScfgAssociation(const std::wstring& program);
    ScfgAssociation(const ScfgAssociation&) = delete;
    ScfgAssociation& operator=(const ScfgAssociation&) = delete;
    ~ScfgAssociation();
};

// The current user's Startup folder.
std::wstring StartupFolder();

struct Shortcut {
    std::wstring target;
    std::wstring description;
    std::wstring arguments;
    std::wstring iconFile;
    int iconIndex = -1;
};
// What a shell link file says; nothing when it cannot be loaded as one.
std::optional<Shortcut> ReadShortcut(const std::wstring& linkFile);

}  // namespace wallpaper
