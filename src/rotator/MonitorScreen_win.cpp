#include "rotator/MonitorScreen_win.h"

#include <algorithm>

#include "hosting/SaverCommand.h"
#include "rotator/ScreenRotation.h"

namespace vr {

class MonitorScreen::Backdrop final : public Window {
public:
    Backdrop(const MonitorArea& area, ScreenEvents& events) : events_(events) {
        WindowSpec params;
        params.style = WS_POPUP | WS_CLIPCHILDREN;
        params.exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
        params.left = area.left;
        params.top = area.top;
        Create({.className = kMonitorScreenClass,
                .background = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))},
               params);
        // Exactly the monitor, whatever the DPI: the size asked at creation is grown by it.
        SetWindowPos(Handle(), HWND_TOPMOST, area.left, area.top, area.right - area.left,
                     area.bottom - area.top, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    }

private:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        switch (msg) {
        case WM_DISPLAYCHANGE: events_.layoutChanged = true; break;
        // Its monitor keeps its pixels when its scale changes: the size the system suggests for
        // the new DPI would no longer cover it.
        case WM_DPICHANGED: return 0;
        case WM_SETCURSOR: SetCursor(nullptr); return TRUE;
        case WM_MOUSEMOVE: {
            POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            ClientToScreen(Handle(), &at);
            if (!firstMouse_) firstMouse_ = at;
            if (HandMoved(at.x - firstMouse_->x, at.y - firstMouse_->y)) events_.input = true;
            return 0;
        }
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_CLOSE: events_.input = true; return 0;
        // A click on a preview, whose window is ours to know of only as its parent.
        case WM_PARENTNOTIFY:
            if (LOWORD(wParam) == WM_LBUTTONDOWN || LOWORD(wParam) == WM_RBUTTONDOWN ||
                LOWORD(wParam) == WM_MBUTTONDOWN)
                events_.input = true;
            break;
        }
        return Default(msg, wParam, lParam);
    }

    ScreenEvents& events_;
    std::optional<POINT> firstMouse_;
};

namespace {

struct ChildSearch {
    const std::vector<DWORD>* processes;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<ChildSearch*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (std::find(search.processes->begin(), search.processes->end(), process) != search.processes->end())
        search.found.push_back(window);
    return TRUE;
}

// The windows inside `screen` that belong to these processes: a preview's, never the next one's.
std::vector<HWND> WindowsOf(HWND screen, const PreviewCustody& custody) {
    const std::vector<DWORD> processes = custody.ProcessIds();
    ChildSearch search{&processes, {}};
    EnumChildWindows(screen, CollectChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

MonitorScreen::MonitorScreen(const MonitorArea& area, ScreenEvents& events)
    : area_(area), window_(std::make_unique<Backdrop>(area, events)) {}

MonitorScreen::~MonitorScreen() {
    for (std::optional<Preview>* preview : {&playing_, &coming_}) {
        if (!*preview) continue;
        TellToQuit(**preview);
        leaving_.push_back(std::move((*preview)->custody));
    }
    window_.reset();
    for (const auto& custody : leaving_) custody->EndAll();
}

HWND MonitorScreen::Handle() const { return window_->Handle(); }

void MonitorScreen::Want(std::size_t entry, const std::string& path) {
    const bool comes = coming_ && coming_->entry == entry;
    const bool plays = !coming_ && playing_ && playing_->entry == entry;
    wanted_.reset();
    if (!comes && !plays) wanted_.emplace(entry, path);
}

bool MonitorScreen::HasWindow(const Preview& preview) const {
    const std::vector<HWND> windows = WindowsOf(Handle(), *preview.custody);
    return std::any_of(windows.begin(), windows.end(), [](HWND w) { return IsWindowVisible(w) != FALSE; });
}

void MonitorScreen::TellToQuit(Preview& preview) {
    for (HWND window : WindowsOf(Handle(), *preview.custody)) PostMessageW(window, WM_QUIT, 0, 0);
    preview.custody->StopAll();
}

std::optional<std::size_t> MonitorScreen::Look(ULONGLONG now) {
    std::erase_if(leaving_, [](const auto& custody) {
        custody->Sweep();
        return !custody->Any();
    });
    if (playing_) {
        playing_->custody->Sweep();
        if (now - lastHungLook_ >= PreviewCustody::kAskEveryMs) {
            lastHungLook_ = now;
            playing_->custody->AskAndEndHung(Handle());
        }
    }
    if (wanted_ && leaving_.empty()) {
        if (coming_) {
            TellToQuit(*coming_);
            leaving_.push_back(std::move(coming_->custody));
            coming_.reset();
        } else {
            auto custody = std::make_unique<PreviewCustody>();
            custody->Start(PreviewCommandLine(wanted_->second, reinterpret_cast<std::uintptr_t>(Handle())));
            coming_ = Preview{wanted_->first, std::move(custody), now};
            wanted_.reset();
        }
    }
    if (!coming_) return std::nullopt;
    coming_->custody->Sweep();
    if (HasWindow(*coming_)) {
        if (playing_) {
            TellToQuit(*playing_);
            leaving_.push_back(std::move(playing_->custody));
        }
        playing_ = std::move(coming_);
        coming_.reset();
        return std::nullopt;
    }
    if (coming_->custody->Any() && now - coming_->startedAt < kShowsWithinMs) return std::nullopt;
    const std::size_t broken = coming_->entry;
    TellToQuit(*coming_);
    leaving_.push_back(std::move(coming_->custody));
    coming_.reset();
    return broken;
}

}  // namespace vr
