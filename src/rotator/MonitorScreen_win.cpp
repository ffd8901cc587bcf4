#include "rotator/MonitorScreen_win.h"

#include <algorithm>

#include "hosting/SaverCommand.h"

namespace vr {
namespace {

struct ChildSearch {
    const std::vector<DWORD>* processes;
    bool found = false;
};

BOOL CALLBACK FindShownChild(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<ChildSearch*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    const auto& ids = *search.processes;
    search.found = IsWindowVisible(window) && std::find(ids.begin(), ids.end(), process) != ids.end();
    return !search.found;
}

}  // namespace

MonitorScreen::MonitorScreen(const MonitorArea& area) : area_(area) {
    window_.Create({area.left, area.top, area.right, area.bottom});
}

MonitorScreen::~MonitorScreen() {
    Leave(playing_);
    Leave(coming_);
    window_.Destroy();
    for (const auto& custody : leaving_) custody->EndAll();
}

bool MonitorScreen::AnySaver() const { return playing_ || coming_ || !leaving_.empty(); }

void MonitorScreen::Want(std::size_t entry, const std::string& path) {
    const bool comes = coming_ && coming_->entry == entry;
    const bool plays = !coming_ && playing_ && playing_->entry == entry;
    wanted_.reset();
    if (!comes && !plays) wanted_.emplace(entry, path);
}

// A window of the preview's own processes inside the monitor's, never the next one's.
bool MonitorScreen::HasWindow(const Preview& preview) const {
    const std::vector<DWORD> processes = preview.custody->ProcessIds();
    ChildSearch search{&processes};
    EnumChildWindows(window_.Handle(), FindShownChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void MonitorScreen::TellToQuit(Preview& preview) {
    PostQuitToWindowsOf(window_.Handle(), preview.custody->ProcessIds());
    preview.custody->StopAll();
}

void MonitorScreen::Leave(std::optional<Preview>& preview) {
    if (!preview) return;
    TellToQuit(*preview);
    leaving_.push_back(std::move(preview->custody));
    preview.reset();
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
            playing_->custody->AskAndEndHung(window_.Handle());
        }
    }
    if (wanted_ && leaving_.empty()) {
        if (coming_) {
            Leave(coming_);
        } else {
            auto custody = std::make_unique<PreviewCustody>();
            custody->Start(
                PreviewCommandLine(wanted_->second, reinterpret_cast<std::uintptr_t>(window_.Handle())));
            coming_ = Preview{wanted_->first, std::move(custody), now};
            wanted_.reset();
        }
    }
    if (!coming_) return std::nullopt;
    coming_->custody->Sweep();
    if (HasWindow(*coming_)) {
        Leave(playing_);
        playing_ = std::move(coming_);
        coming_.reset();
        return std::nullopt;
    }
    if (coming_->custody->Any() && now - coming_->startedAt < kShowsWithinMs) return std::nullopt;
    const std::size_t broken = coming_->entry;
    Leave(coming_);
    return broken;
}

}  // namespace vr
