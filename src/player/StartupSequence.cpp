#include "player/StartupSequence.h"

#include <optional>

#include "files/AppError.h"

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
};

// Line numbers of a ".scfg" header.
enum WallpaperLine : std::size_t { kPlaceX, kPlaceY, kPlaceWidth, kPlaceHeight, kPlaceInterval };

// A host of no size has no pane to play in: such a value is bad input, and takes the default.
int ReadHostSize(const std::vector<std::string>& lines, std::size_t index, int def) {
    const int size = ReadSettingInt(lines, index, def);
    return size > 0 ? size : def;
}

std::vector<std::string> ReadConfig(FileSystem& files, const std::string& path) {
    // A lone line that is no value makes every setting take its default.
    if (!files.FileExists(path)) return {"X"};
    return files.ReadLines(path);
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
    world.SelectInterval(ReadSettingInt(lines, kPlaceInterval, 2));
    world.SetHostCaption(kWallpaperHostCaption);
}

void ApplyHostState(StartupWorld& world, const std::vector<std::string>& lines) {
    if (ReadSettingInt(lines, kHostMaximized, 0) == 1) world.MaximizeHost();
    const int choice = ReadSettingInt(lines, kPlacement, 0);
    if (choice >= static_cast<int>(PlacementChoice::PlayerClientArea) &&
        choice <= static_cast<int>(PlacementChoice::WholeWorkarea)) {
        world.SetPlacementChoice(static_cast<PlacementChoice>(choice));
    }
}

}  // namespace

void RunStartupSequence(const StartupInput& input, StartupWorld& world, FileSystem& files, Playlist& playlist,
                        std::vector<std::string>& linesRead, SavedFilesRead& read) {
    // Cleared first, so a settings file that cannot be read leaves no stale lines behind.
    linesRead.clear();
    read = {};
    for (const char* name : {kConfigFileName, kSavedPlaylistFileName})
        files.DiscardUnfinishedWrite(input.programFolder + name);
    linesRead = ReadConfig(files, input.programFolder + kConfigFileName);
    const std::vector<std::string>& lines = linesRead;

    // The host goes first, while the other two still stand where they were created, so
    // each window snaps against the ones placed before it.
    world.SetHost(Geometry::Left, ReadSettingInt(lines, kHostLeft, 341));
    world.SetHost(Geometry::Top, ReadSettingInt(lines, kHostTop, 113));
    world.SetHost(Geometry::ClientWidth, ReadHostSize(lines, kHostWidth, 474));
    world.SetHost(Geometry::ClientHeight, ReadHostSize(lines, kHostHeight, 355));
    world.SetPlayerBar(Geometry::Left, ReadSettingInt(lines, kBarLeft, 341));
    world.SetPlayerBar(Geometry::Top, ReadSettingInt(lines, kBarTop, 37));
    world.SetPlaylistWindow(Geometry::Left, ReadSettingInt(lines, kPlaylistLeft, 1));
    world.SetPlaylistWindow(Geometry::Top, ReadSettingInt(lines, kPlaylistTop, 37));
    world.SetPlaylistWindow(Geometry::ClientWidth, ReadSettingInt(lines, kPlaylistWidth, 327));
    world.SetPlaylistWindow(Geometry::ClientHeight, ReadSettingInt(lines, kPlaylistHeight, 431));

    world.SelectInterval(ReadSettingInt(lines, kIntervalItem, 4));
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
