// The start-up sequence reading what is on disk: "config.cfg", "myList.spls" and, in desktop
// wallpaper mode, the ".scfg" file it was started with. Whatever they hold, the start ends with
// a selection inside the playlist and entries that exist; and the settings a normal start ends
// with, saved as closing saves them, start the next run in exactly the same state.
//
// Input: the three files' bytes, separated by form feeds ('\f'): config.cfg, then myList.spls,
// then, when present, the ".scfg" file given on the command line. Lines starting with '+' are
// not part of any file: they name the files that exist (without the '+').
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "files/TextEncoding.h"
#include "files/TextLines.h"
#include "latin1_code_page.h"
#include "player/Choices.h"
#include "player/StartupSequence.h"
#include "playlist_fakes.h"

namespace {

using Lines = std::vector<std::string>;

const std::string kFolder = "C:\\Prog\\";
const std::string kScfg = "C:\\Docs\\desk.scfg";
const vr::test::Latin1 kAnsi;

// The windows as the settings see them: the last value of each, and the interval list's
// selection as the player bar's drop-down list keeps it.
class SettingsWorld : public vr::StartupWorld {
public:
    SettingsWorld(vr::test::FakeRotationTimer& timer, vr::Playlist& playlist)
        : timer_(timer), playlist_(playlist) {}

    vr::ConfigSnapshot state;

    void ExpectPlaces(const vr::DockRect&, const vr::DockRect&, const vr::DockRect&) override {}
    void SetHost(vr::Geometry what, int value) override { Place(state.host, what, value); }
    void SetPlayerBar(vr::Geometry what, int value) override {
        (what == vr::Geometry::Left ? state.playerBarLeft : state.playerBarTop) = value;
    }
    void SetPlaylistWindow(vr::Geometry what, int value) override {
        Place(state.playlistWindow, what, value);
    }
    void SelectInterval(int item) override {
        state.intervalItem = item >= 0 && item < static_cast<int>(vr::kIntervalChoices.size()) ? item : -1;
        if (const auto ms = vr::IntervalOfItem(state.intervalItem)) timer_.interval = *ms;
        playlist_.ApplySelection();
    }
    void SyncSaverDisplay() override {}
    void ShowPlaylistWindowFocused() override { state.playlistWindowVisible = true; }
    void ShowHelpText(bool visible) override { state.helpTextVisible = visible; }
    bool HostVisible() override { return hostVisible_; }
    void ShowHost() override { hostVisible_ = true; }
    void SetHostCaption(const std::string&) override {}
    void MaximizeHost() override { state.hostMaximized = true; }
    void SetPlacementChoice(vr::PlacementChoice choice) override { state.placement = choice; }
    void ChooseOneSaverAcrossMonitors() override { state.oneSaverAcrossMonitors = true; }
    std::string WindowsFolder() override { return "C:\\WINDOWS"; }
    std::vector<std::string> SystemFolders() override { return {"C:\\WINDOWS\\system32"}; }
    vr::ScreenArea ScreenAt(vr::DockPoint) override { return {{0, 0, 1920, 1080}, vr::kDesignDpi}; }
    vr::DockSize OuterSize(vr::DockRole, vr::DockSize client, int) override {
        return {vr::ToInt32(std::int64_t{client.width} + 8), vr::ToInt32(std::int64_t{client.height} + 31)};
    }

private:
    static void Place(vr::WindowPlace& place, vr::Geometry what, int value) {
        switch (what) {
        case vr::Geometry::Left: place.left = value; break;
        case vr::Geometry::Top: place.top = value; break;
        case vr::Geometry::ClientWidth: place.clientWidth = value; break;
        case vr::Geometry::ClientHeight: place.clientHeight = value; break;
        }
    }
    vr::test::FakeRotationTimer& timer_;
    vr::Playlist& playlist_;
    bool hostVisible_ = false;
};

// One start of the program over a disk.
struct Start : vr::test::PlaylistRig {
    SettingsWorld world{timer, playlist};
    Lines linesRead;
    vr::SavedFilesRead read;

    Start() {
        files.folders["C:\\WINDOWS"] = {"C:\\WINDOWS", {}};
        files.folders["C:\\WINDOWS\\system32"] = {"C:\\WINDOWS\\system32", {}};
    }
    // The file's lines as the file layer reads them from its bytes; lines that start with '+'
    // are taken out when `existing` says they name existing files.
    void AddFileBytes(const std::string& path, std::string_view bytes, bool existing = true) {
        Lines lines;
        for (std::string& line : vr::SplitLines(vr::DecodeStoredText(bytes, kAnsi))) {
            if (existing && line.starts_with('+'))
                files.AddFile(line.substr(1));
            else
                lines.push_back(std::move(line));
        }
        files.AddFile(path, std::move(lines));
    }
    void Run(const std::string& argument) {
        display.wallpaperMode = !argument.empty();
        vr::RunStartupSequence({kFolder, argument, !argument.empty()}, world, files, playlist, linesRead,
                               read);
        world.state.saverFile = display.saverFile;
        world.state.selectedEntry = playlist.Selected();
    }
};

void CheckPlaylist(const Start& start) {
    const int selected = start.playlist.Selected();
    FUZZ_CHECK(selected >= -1 && selected < static_cast<int>(start.playlist.Count()));
    for (const std::string& entry : start.playlist.Entries()) FUZZ_CHECK(start.files.files.count(entry) != 0);
    FUZZ_CHECK(start.ViewFollows());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> parts;
    for (std::size_t cut; parts.size() < 2 && (cut = input.find('\f')) != std::string_view::npos;
         input.remove_prefix(cut + 1))
        parts.push_back(input.substr(0, cut));
    parts.push_back(input);
    const bool wallpaper = parts.size() == 3;

    Start first;
    first.AddFileBytes(kFolder + vr::kConfigFileName, parts[0]);
    if (parts.size() > 1) first.AddFileBytes(kFolder + vr::kSavedPlaylistFileName, parts[1]);
    if (wallpaper) first.AddFileBytes(kScfg, parts[2]);
    first.Run(wallpaper ? kScfg : "");
    CheckPlaylist(first);
    FUZZ_CHECK(first.linesRead == first.files.files.at(wallpaper ? kScfg : kFolder + vr::kConfigFileName));
    if (wallpaper) return 0;

    // Closing saves; the files it wrote go through the file layer's bytes; the next start reads
    // them beside the rest of the disk as the first start left it.
    vr::ClosingSave closing;
    const vr::SavedState state{first.world.state, &first.playlist.Entries(), first.playlist.Revision()};
    closing.StartupEnded(first.read, state, first.linesRead);
    closing.Save(first.files, kFolder, state);
    Start next;
    for (const auto& [path, lines] : first.files.files)
        if (!first.files.written.contains(path)) next.files.AddFile(path, lines);
    for (const auto& [path, lines] : first.files.written)
        next.AddFileBytes(path, vr::EncodeStoredText(vr::JoinLines(lines), kAnsi), false);
    next.Run("");
    CheckPlaylist(next);
    FUZZ_CHECK(next.playlist.Entries() == first.playlist.Entries());
    FUZZ_CHECK(vr::BuildConfigLines(next.world.state) == vr::BuildConfigLines(first.world.state));
    return 0;
}
