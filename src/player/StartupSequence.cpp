#include "player/StartupSequence.h"

#include <algorithm>
#include <optional>

#include "docking/ScaledLayout.h"
#include "files/AppError.h"
#include "player/Choices.h"

namespace vr {

namespace {

// Line numbers of "config.cfg".
enum ConfigLine : std::size_t {
    kHostLeft = 2,
    kHostTop,
    kHostWidth,
    kHostHeight,
    kBarLeft,
    kBarTop,
    kPlaylistShown,
    kPlaylistLeft,
    kPlaylistTop,
    kPlaylistWidth,
    kPlaylistHeight,
    kSelectedEntry,
    kIntervalItem,
    kHelpTextShown,
    kHostMaximized,
    kPlacement,
    kSavedDpi,
    kOneSaverAcrossMonitors,
};
static_assert(kIntervalItem == kConfigIntervalLine);
static_assert(kOneSaverAcrossMonitors == kConfigOneSaverAcrossMonitorsLine);

// Line numbers of a ".scfg" header.
enum WallpaperLine : std::size_t { kPlaceX, kPlaceY, kPlaceWidth, kPlaceHeight, kPlaceInterval };

// A host of no size has no pane to play in: such a value is bad input, and takes the default.
int ReadHostSize(const std::vector<std::string>& lines, std::size_t index, int def) {
    const int size = ReadSettingInt(lines, index, def);
    return size > 0 ? size : def;
}

// The places the sequence gives the three windows.
struct StartPlaces {
    WindowPlace host;
    DockPoint bar;
    WindowPlace playlist;
};

StartPlaces ReadPlaces(const std::vector<std::string>& lines) {
    return {{ReadSettingInt(lines, kHostLeft, 341), ReadSettingInt(lines, kHostTop, 113),
             ReadHostSize(lines, kHostWidth, 474), ReadHostSize(lines, kHostHeight, 355)},
            {ReadSettingInt(lines, kBarLeft, 341), ReadSettingInt(lines, kBarTop, 37)},
            {ReadSettingInt(lines, kPlaylistLeft, 1), ReadSettingInt(lines, kPlaylistTop, 37),
             ReadSettingInt(lines, kPlaylistWidth, 327), ReadSettingInt(lines, kPlaylistHeight, 431)}};
}

// The DPI the places were saved at: the first start's figures are at 96 DPI; a file that does not
// say (an earlier version wrote it) is taken as written at the DPI the windows have now.
std::optional<int> PlacesDpi(bool saved, const std::vector<std::string>& lines) {
    if (!saved) return kDesignDpi;
    const int dpi = ReadSettingInt(lines, kSavedDpi, 0);
    if (dpi < kLowestDpi || dpi > kHighestDpi) return std::nullopt;
    return dpi;
}

// Places saved at one scale, for windows shown at another: the client areas scaled, and the
// windows' relations kept by RescaleLayout.
StartPlaces AtScreenScale(const StartPlaces& places, std::optional<int> fromDpi, StartupWorld& world) {
    if (!fromDpi) return places;
    const ScreenArea screen = world.ScreenAt(places.bar);
    if (*fromDpi == screen.dpi) return places;
    const int from = *fromDpi, to = screen.dpi;
    // A window that had a size keeps one: a host scaled down to none would have no pane to play
    // in, and would start the next run at the default size.
    auto length = [&](int pixels, int dpi) {
        const int scaled = ScaleBetweenDpis(pixels, from, dpi);
        return pixels > 0 ? std::max(scaled, 1) : scaled;
    };
    auto client = [&](const WindowPlace& p, int dpi) {
        return DockSize{length(p.clientWidth, dpi), length(p.clientHeight, dpi)};
    };
    auto window = [&](DockRole role, DockPoint at, DockSize before, DockSize after) {
        const DockSize outer = world.OuterSize(role, before, from);
        return ScaledWindow{{at.x, at.y, outer.width, outer.height}, world.OuterSize(role, after, to)};
    };
    auto barClient = [](int dpi) {
        return DockSize{ScaleForDpi(kPlayerBarClient.width, dpi), ScaleForDpi(kPlayerBarClient.height, dpi)};
    };
    StartPlaces scaled = places;
    for (WindowPlace* p : {&scaled.host, &scaled.playlist}) {
        const DockSize size = client(*p, to);
        p->clientWidth = size.width;
        p->clientHeight = size.height;
    }
    const std::vector<DockPoint> corners =
        RescaleLayout({window(DockRole::PlayerBar, places.bar, barClient(from), barClient(to)),
                       window(DockRole::Host, {places.host.left, places.host.top}, client(places.host, from),
                              client(places.host, to)),
                       window(DockRole::Playlist, {places.playlist.left, places.playlist.top},
                              client(places.playlist, from), client(places.playlist, to))},
                      screen.monitor, from, to);
    scaled.bar = corners[0];
    scaled.host.left = corners[1].x;
    scaled.host.top = corners[1].y;
    scaled.playlist.left = corners[2].x;
    scaled.playlist.top = corners[2].y;
    return scaled;
}

DockRect OuterRect(StartupWorld& world, DockRole role, DockPoint at, DockSize client) {
    const DockSize outer = world.OuterSize(role, client, world.ScreenAt(at).dpi);
    return {at.x, at.y, outer.width, outer.height};
}

void LoadSavedPlaylist(const StartupInput& input, FileSystem& files, Playlist& playlist,
                       const std::vector<std::string>& lines) {
    const std::string savedList = input.programFolder + kSavedPlaylistFileName;
    if (files.FileExists(savedList)) playlist.ImportFile(savedList);
    const int saved = ReadSettingInt(lines, kSelectedEntry, 0);
    if (saved < static_cast<int>(playlist.Count())) playlist.Select(saved);
}

void ApplyWallpaperHeader(const StartupInput& input, StartupWorld& world, FileSystem& files,
                          std::vector<std::string>& lines) {
    lines = files.ReadLines(input.firstArgument);
    world.SetHost(Geometry::Left, ReadSettingInt(lines, kPlaceX, 100));
    world.SetHost(Geometry::Top, ReadSettingInt(lines, kPlaceY, 100));
    world.SetHost(Geometry::ClientWidth, ReadHostSize(lines, kPlaceWidth, 320));
    world.SetHost(Geometry::ClientHeight, ReadHostSize(lines, kPlaceHeight, 240));
    world.SelectInterval(ReadSettingInt(lines, kPlaceInterval, kDefaultWallpaperIntervalItem));
    world.SetHostCaption(kWallpaperHostCaption);
}

void ApplyHostState(StartupWorld& world, const std::vector<std::string>& lines) {
    if (ReadSettingInt(lines, kHostMaximized, 0) == 1) world.MaximizeHost();
    const int choice = ReadSettingInt(lines, kPlacement, 0);
    if (choice >= static_cast<int>(PlacementChoice::PlayerClientArea) &&
        choice <= static_cast<int>(PlacementChoice::WholeWorkarea)) {
        world.SetPlacementChoice(static_cast<PlacementChoice>(choice));
    }
    if (ReadSettingFlag(lines, kOneSaverAcrossMonitors, false)) world.ChooseOneSaverAcrossMonitors();
}

}  // namespace

void RunStartupSequence(const StartupInput& input, StartupWorld& world, FileSystem& files, Playlist& playlist,
                        std::vector<std::string>& linesRead, SavedFilesRead& read) {
    // Cleared first, so a settings file that cannot be read leaves no stale lines behind.
    linesRead.clear();
    read = {};
    for (const char* name : {kConfigFileName, kSavedPlaylistFileName})
        files.DiscardUnfinishedWrite(input.programFolder + name);
    const std::string configPath = input.programFolder + kConfigFileName;
    const bool saved = files.FileExists(configPath);
    // A lone line that is no value makes every setting take its default.
    linesRead = saved ? files.ReadLines(configPath) : std::vector<std::string>{"X"};
    const std::vector<std::string>& lines = linesRead;

    const StartPlaces places = AtScreenScale(ReadPlaces(lines), PlacesDpi(saved, lines), world);
    const int barDpi = world.ScreenAt(places.bar).dpi;
    world.ExpectPlaces(OuterRect(world, DockRole::Host, {places.host.left, places.host.top},
                                 {places.host.clientWidth, places.host.clientHeight}),
                       OuterRect(world, DockRole::PlayerBar, places.bar,
                                 {ScaleForDpi(kPlayerBarClient.width, barDpi),
                                  ScaleForDpi(kPlayerBarClient.height, barDpi)}),
                       OuterRect(world, DockRole::Playlist, {places.playlist.left, places.playlist.top},
                                 {places.playlist.clientWidth, places.playlist.clientHeight}));
    world.SetHost(Geometry::Left, places.host.left);
    world.SetHost(Geometry::Top, places.host.top);
    world.SetHost(Geometry::ClientWidth, places.host.clientWidth);
    world.SetHost(Geometry::ClientHeight, places.host.clientHeight);
    world.SetPlayerBar(Geometry::Left, places.bar.x);
    world.SetPlayerBar(Geometry::Top, places.bar.y);
    world.SetPlaylistWindow(Geometry::Left, places.playlist.left);
    world.SetPlaylistWindow(Geometry::Top, places.playlist.top);
    world.SetPlaylistWindow(Geometry::ClientWidth, places.playlist.clientWidth);
    world.SetPlaylistWindow(Geometry::ClientHeight, places.playlist.clientHeight);

    world.SelectInterval(ReadSettingInt(lines, kIntervalItem, kDefaultIntervalItem));
    world.SyncSaverDisplay();

    // A playlist given at start that cannot be read is reported once the start is complete: the
    // saved playlist and window state still load, so closing does not write an empty playlist
    // over the saved one.
    bool hasArgument = !input.firstArgument.empty();
    std::optional<AppError> argumentError;
    if (hasArgument) {
        try {
            playlist.ImportFile(input.firstArgument);
        } catch (const AppError& error) {
            argumentError = error;
            hasArgument = false;
        }
    }
    if (playlist.Selected() < 0) LoadSavedPlaylist(input, files, playlist, lines);
    read.playlist = true;
    if (playlist.Selected() < 0) {
        playlist.AddWindowsAndSystem(world.WindowsFolder(), world.SystemFolders());
    }

    if (ReadSettingFlag(lines, kPlaylistShown, true) && !input.wallpaperMode) {
        world.ShowPlaylistWindowFocused();
    }
    world.ShowHelpText(ReadSettingFlag(lines, kHelpTextShown, true));
    if (!world.HostVisible()) world.ShowHost();

    if (input.wallpaperMode) {
        ApplyWallpaperHeader(input, world, files, linesRead);
    } else {
        ApplyHostState(world, lines);
    }

    // The file the user opened plays first, whatever was selected last time.
    if (hasArgument) playlist.Select(0);
    playlist.ApplySelection();
    read.settings = true;
    if (argumentError) throw *argumentError;
}

}  // namespace vr
