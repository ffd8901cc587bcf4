#include "hosting/WallpaperClose_win.h"

#include <vector>

#include "hosting/HostWindowIds.h"
#include "hosting/WallpaperCloseLoop.h"
#include "hosting/Wallpaper_win.h"
#include "platform/Application_win.h"

namespace vr {

namespace {

constexpr DWORD kPauseAfterCloseMs = 300;
constexpr UINT kCloseAnswerMs = 5000;

HWND ToHandle(EmbeddedWindowId id) { return reinterpret_cast<HWND>(id); }

bool BelongsToThisProcess(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId == GetCurrentProcessId();
}

class Win32EmbeddedPlayerDesktop final : public EmbeddedPlayerDesktop {
public:
    explicit Win32EmbeddedPlayerDesktop(HWND closeButton) : closeButton_(closeButton) {}

    // This process's own host window is left out: closing it from inside one of its own
    // handlers would tear the program down under the loop.
    std::vector<EmbeddedWindowId> EmbeddedHostWindows() override {
        std::vector<EmbeddedWindowId> found;
        HWND iconView = FindDesktopIconView();
        if (!iconView) return found;
        for (HWND w = FindWindowExA(iconView, nullptr, kHostWindowClass, nullptr); w;
             w = FindWindowExA(iconView, w, kHostWindowClass, nullptr)) {
            if (!BelongsToThisProcess(w)) found.push_back(reinterpret_cast<EmbeddedWindowId>(w));
        }
        return found;
    }
    void SetCloseButtonEnabled(bool enabled) override { EnableWindow(closeButton_, enabled); }
    // An instance that does not answer (hung, or anything else with the host window's class) is
    // left after a while, so it cannot hang this one too.
    void RequestClose(EmbeddedWindowId window) override {
        DWORD_PTR result = 0;
        SendMessageTimeoutA(ToHandle(window), WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, kCloseAnswerMs, &result);
    }
    void ProcessWaitingMessages() override { Application::ProcessMessages(); }
    void PauseBetweenRounds() override { Sleep(kPauseAfterCloseMs); }

private:
    HWND closeButton_;
};

}  // namespace

void CloseEmbeddedPlayers(HWND closeButton) {
    Win32EmbeddedPlayerDesktop desktop(closeButton);
    CloseEmbeddedPlayers(desktop);
}

}  // namespace vr
