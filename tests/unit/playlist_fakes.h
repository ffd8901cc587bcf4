#pragma once
// In-memory stand-ins for the file system and the windows the playlist talks to.
#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "files/AppError.h"
#include "files/FileSystem.h"
#include "playlist/Playlist.h"

namespace vr::test {

class FakeFileSystem : public FileSystem {
public:
    std::map<std::string, std::vector<std::string>> files;  // path -> lines
    std::set<std::string> unreadable;                       // exists, but cannot be opened
    std::set<std::string> unwritable;
    std::map<std::string, FolderListing> folders;  // asked-for folder -> listing
    std::map<std::string, std::vector<std::string>> written;
    std::vector<std::string> writeOrder;
    std::vector<std::string> foldersListed;
    int existsQueries = 0;
    std::vector<std::string> namesListed;  // folders whose file names were asked for
    std::vector<std::string> discarded;
    std::string currentFolder;  // with a final backslash; empty: paths are taken as they come
    std::map<std::string, std::string> builtAs;  // path -> its version resource's original name

    void AddFile(const std::string& path, std::vector<std::string> lines = {}) {
        files[path] = std::move(lines);
    }
    void Remove(const std::string& path) { files.erase(path); }

    bool FileExists(const std::string& path) override {
        ++existsQueries;
        return files.count(path) != 0 || files.count(FullPath(path)) != 0;
    }
    // The files directly in folder, compared as written: the fake's names have one case only.
    std::optional<std::vector<std::string>> FileNamesIn(const std::string& folder,
                                                        std::size_t limit) override {
        namesListed.push_back(folder);
        std::vector<std::string> names;
        const std::string prefix = folder + "\\";
        for (const auto& [path, lines] : files) {
            if (!path.starts_with(prefix) || path.find('\\', prefix.size()) != std::string::npos) continue;
            if (names.size() == limit) return std::nullopt;
            names.push_back(path.substr(prefix.size()));
        }
        return names;
    }
    // As the system makes a path full, trailing blanks and dots of the name go.
    std::string FullPath(std::string path) override {
        const bool absolute = (path.size() > 1 && path[1] == ':') || path.starts_with("\\");
        while (!path.empty() && (path.back() == ' ' || path.back() == '.')) path.pop_back();
        return absolute ? path : currentFolder + path;
    }
    std::string OriginalFileName(const std::string& path) override {
        const auto found = builtAs.find(path);
        return found == builtAs.end() ? std::string() : found->second;
    }
    std::vector<std::string> ReadLines(const std::string& path) override {
        if (unreadable.count(path) != 0 || files.count(path) == 0) {
            throw AppError(OpenErrorText(path, "locked"));
        }
        return files.at(path);
    }
    void WriteLines(const std::string& path, const std::vector<std::string>& lines) override {
        writeOrder.push_back(path);
        if (unwritable.count(path) != 0) throw AppError(CreateErrorText(path, "denied"));
        written[path] = lines;
    }
    void DiscardUnfinishedWrite(const std::string& path) override { discarded.push_back(path); }
    FolderListing ListFolder(const std::string& folder) override {
        foldersListed.push_back(folder);
        return folders.at(folder);
    }
};

class FakeSaverDisplay : public SaverDisplay {
public:
    std::string label2;
    std::string saverFile;
    std::string hostCaption;
    bool configureEnabled = false;
    int previewRequests = 0;
    bool wallpaperMode = false;

    std::string DisplayedSaver() const override { return label2; }
    void ShowSaver(const std::string& path) override { label2 = path; }
    void SetSaverFile(const std::string& path) override { saverFile = path; }
    void SetHostCaption(const std::string& caption) override { hostCaption = caption; }
    void SetConfigureEnabled(bool enabled) override { configureEnabled = enabled; }
    void RequestPreviewStart() override { ++previewRequests; }
    bool WallpaperMode() const override { return wallpaperMode; }
};

class FakeRotationTimer : public RotationTimer {
public:
    unsigned interval = 5000;
    bool running = false;
    int starts = 0;

    unsigned Interval() const override { return interval; }
    bool IsRunning() const override { return running; }
    void Start() override {
        running = true;
        ++starts;
    }
    void Stop() override { running = false; }
};

// Rebuilds the list box from the notifications alone, so a test can check that the view
// could follow every change.
class MirrorView : public PlaylistView {
public:
    const Playlist* playlist = nullptr;
    std::vector<std::string> items;
    int selection = -1;
    std::vector<std::size_t> appendedAt;
    int removals = 0;

    void EntriesAppended(std::size_t firstNew) override {
        appendedAt.push_back(firstNew);
        const auto& entries = playlist->Entries();
        items.insert(items.end(), entries.begin() + static_cast<std::ptrdiff_t>(firstNew), entries.end());
    }
    void EntriesRemoved(std::size_t first, std::size_t count) override {
        ++removals;
        const auto begin = items.begin() + static_cast<std::ptrdiff_t>(first);
        items.erase(begin, begin + static_cast<std::ptrdiff_t>(count));
    }
    void EntryMoved(std::size_t from, std::size_t to) override {
        std::string item = items[from];
        items.erase(items.begin() + static_cast<std::ptrdiff_t>(from));
        items.insert(items.begin() + static_cast<std::ptrdiff_t>(to), item);
    }
    void EntriesCleared() override {
        items.clear();
        selection = -1;
    }
    void SelectionChanged(int index) override { selection = index; }
};

// Reads where it is asked, as the program does on its worker thread; `whileReading` stands for
// what the windows answer meanwhile (the session's end).
struct InPlaceReader : PlaylistFileReader {
    FileSystem& files;
    std::function<void()> whileReading;
    explicit InPlaceReader(FileSystem& fs) : files(fs) {}
    std::vector<std::string> SaverLines(const std::string& path) override {
        if (whileReading) whileReading();
        return SaverLinesOf(files, path);
    }
};

// A playlist wired to fakes, with helpers to fill it without going through the rules.
struct PlaylistRig {
    FakeFileSystem files;
    InPlaceReader reader{files};
    FakeSaverDisplay display;
    FakeRotationTimer timer;
    MirrorView view;
    Playlist playlist{files, reader, display, timer, view};

    PlaylistRig() { view.playlist = &playlist; }

    // Existing screensavers, appended as a playlist file would bring them.
    void Seed(const std::vector<std::string>& savers) {
        for (const auto& saver : savers) files.AddFile(saver);
        files.AddFile("seed.spls", savers);
        playlist.ReadPlaylistFile("seed.spls");
        files.Remove("seed.spls");
    }
    bool ViewFollows() const {
        return view.items == playlist.Entries() && view.selection == playlist.Selected();
    }
};

}  // namespace vr::test
