#include "playlist/Playlist.h"

#include <algorithm>
#include <iterator>

#include "files/TypeKey.h"
#include "hosting/SaverCommand.h"
#include "hosting/WallpaperPlaylist.h"

namespace vr {

// Holds back the view's news of appended entries until a command that takes many files is done,
// so the list box fills once, not once per file (a list box that redraws per string makes a
// folder of thousands take minutes). The news still goes out when an error ends the command, so
// the entries appended before it show.
class Playlist::AppendBatch {
public:
    explicit AppendBatch(Playlist& playlist) : playlist_(playlist), firstNew_(playlist.entries_.size()) {
        ++playlist_.openBatches_;
    }
    ~AppendBatch() {
        if (--playlist_.openBatches_ == 0 && playlist_.entries_.size() > firstNew_)
            playlist_.view_.EntriesAppended(firstNew_);
    }
    AppendBatch(const AppendBatch&) = delete;
    AppendBatch& operator=(const AppendBatch&) = delete;

private:
    Playlist& playlist_;
    std::size_t firstNew_;
};

// Marks a command that may read files while the windows answer, or empties the list before it
// refills it. Until the outermost one ends, the list it began with is what a save writes.
class Playlist::Command {
public:
    explicit Command(Playlist& playlist) : playlist_(playlist) {
        if (playlist_.openCommands_++ == 0) {
            playlist_.beforeCommand_ = BeforeCommand{playlist_.entries_.size(), std::nullopt,
                                                     playlist_.selected_, playlist_.revision_};
        }
    }
    ~Command() {
        if (--playlist_.openCommands_ == 0) playlist_.beforeCommand_.reset();
    }
    Command(const Command&) = delete;
    Command& operator=(const Command&) = delete;

private:
    Playlist& playlist_;
};

Playlist::Playlist(FileSystem& files, PlaylistFileReader& reader, SaverDisplay& display, RotationTimer& timer,
                   PlaylistView& view)
    : files_(files), reader_(reader), display_(display), timer_(timer), view_(view) {}

void Playlist::Select(int index) {
    NoteUserSelection(index);
    view_.SelectionChanged(selected_);
}

void Playlist::NoteUserSelection(int index) {
    selected_ = (index >= 0 && static_cast<std::size_t>(index) < entries_.size()) ? index : -1;
}

void Playlist::Clear() {
    if (beforeCommand_ && !beforeCommand_->entries) {
        // The entries before the command are kept by moving them, not by copying them.
        entries_.resize(beforeCommand_->kept);
        beforeCommand_->entries = std::move(entries_);
    }
    entries_.clear();
    ++revision_;
    selected_ = -1;
    view_.EntriesCleared();
}

void Playlist::ApplySelection() {
    DropVanishedAtSelection();
    if (selected_ >= 0) {
        const std::string& entry = entries_[static_cast<std::size_t>(selected_)];
        // Selecting the current screensaver again must not restart its preview.
        if (entry != display_.DisplayedSaver()) {
            display_.ShowSaver(entry);
            display_.SetHostCaption(display_.WallpaperMode() ? kWallpaperHostCaption : SaverTitle(entry));
            display_.SetSaverFile(entry);
            display_.SetConfigureEnabled(OffersSaverCommands(entry));
            display_.RequestPreviewStart();
        }
    }
    ApplyTimerRules();
}

// A vanished selected entry is dropped and the selection falls back to the entry before it (or
// to the new first one), again and again until it lands on one that exists. The entries that go
// are therefore one run around the selection: found first downwards, then, once the front is
// reached, upwards; they are removed in one step, so a folder of thousands renamed away costs
// one pass, not one pass per entry.
void Playlist::DropVanishedAtSelection() {
    if (selected_ < 0) return;
    const int start = selected_;
    int below = start;
    while (below >= 0 && !files_.FileExists(entries_[static_cast<std::size_t>(below)])) --below;
    if (below == start) return;
    if (below >= 0) {
        RemoveRange(static_cast<std::size_t>(below) + 1, static_cast<std::size_t>(start - below));
        Select(below);
        return;
    }
    std::size_t above = static_cast<std::size_t>(start) + 1;
    while (above < entries_.size() && !files_.FileExists(entries_[above])) ++above;
    RemoveRange(0, above);
    Select(0);  // nothing selected when none is left
}

void Playlist::ApplyTimerRules() {
    const bool manual = timer_.Interval() == kChangeManuallyMs;
    const bool enoughEntries = entries_.size() >= 2;
    // A running countdown is left alone so a click does not postpone the next change.
    if (!manual && enoughEntries && !timer_.IsRunning()) timer_.Start();
    if (manual || !enoughEntries) timer_.Stop();
}

void Playlist::RotateToNext() {
    if (entries_.size() < 2) return;
    const int last = static_cast<int>(entries_.size()) - 1;
    // With nothing selected, -1 + 1 starts the round at entry 0.
    Select(selected_ == last ? 0 : selected_ + 1);
    ApplySelection();
}

void Playlist::PressKey(unsigned virtualKey) {
    if (virtualKey == kVkDelete && selected_ >= 0) {
        const int index = selected_;
        RemoveRange(static_cast<std::size_t>(index), 1);
        Select(index > 0 ? index - 1 : 0);
    }
    ApplySelection();
}

void Playlist::MoveSelectedTo(int targetIndex) {
    if (selected_ < 0) return;
    if (targetIndex >= static_cast<int>(entries_.size())) targetIndex = -1;
    const auto from = static_cast<std::size_t>(selected_);
    const std::size_t to = targetIndex < 0 ? entries_.size() - 1 : static_cast<std::size_t>(targetIndex);
    if (from != to) {
        KeepEntriesBeforeCommand();
        ++revision_;
        const auto first = entries_.begin();
        if (from < to) {
            std::rotate(first + from, first + from + 1, first + to + 1);
        } else {
            std::rotate(first + to, first + from, first + from + 1);
        }
        view_.EntryMoved(from, to);
    }
    Select(targetIndex);
}

// An entry keeps the text it came with, so a playlist that names its savers relative to a folder
// still works once that folder or its drive moves. The name is made full only to test it (and
// again where a saver is started), from the folder that is current at that moment. The type comes
// from the name as given: making it full drops trailing blanks and dots.
void Playlist::ImportFile(const std::string& name) {
    const Command command(*this);
    const FileKind kind = KindOf(name);
    const std::string path = files_.FullPath(name);
    if (kind == FileKind::Other || !files_.FileExists(path)) return;
    if (kind == FileKind::Screensaver) {
        if (!IsPlaylistSaverFile(files_, path)) Append({name});
        return;
    }
    ReadPlaylistFile(path);
    if (kind == FileKind::WallpaperPlaylist) wallpaperListFile_ = path;
}

bool Playlist::ImportDroppedFile(const std::string& name) {
    const Command command(*this);
    // A wallpaper playlist is ignored here: only opening it starts the wallpaper mode.
    const FileKind kind = KindOf(FileNamePart(name));
    if (kind != FileKind::Screensaver && kind != FileKind::Playlist) return false;
    const std::string path = files_.FullPath(name);
    if (kind == FileKind::Screensaver && !IsScreensaverEntry(name)) return false;
    if (!files_.FileExists(path)) return false;
    if (kind == FileKind::Playlist) {
        ReadPlaylistFile(path);
        return false;
    }
    if (IsPlaylistSaverFile(files_, path)) return false;
    Append({name});
    return true;
}

void Playlist::ReadPlaylistFile(const std::string& path) {
    const Command command(*this);
    Append(reader_.SaverLines(path));
}

void Playlist::AddChosenFiles(const std::vector<std::string>& paths) {
    const Command command(*this);
    {
        AppendBatch batch(*this);
        for (const std::string& path : paths) ImportFile(path);
    }
    SelectFirstIfNone();
}

void Playlist::LoadChosenFile(const std::string& path) {
    const Command command(*this);
    Clear();
    ImportFile(path);
    SelectFirstIfNone();
}

void Playlist::AddFolder(const std::string& folder) {
    const Command command(*this);
    const FolderListing listing = files_.ListFolder(folder);
    AppendBatch batch(*this);
    for (const std::string& name : listing.names) ImportDroppedFile(listing.folder + "\\" + name);
}

std::size_t Playlist::AddWindowsAndSystem(const std::string& windowsFolder,
                                          const std::vector<std::string>& systemFolders) {
    const Command command(*this);
    const std::size_t before = entries_.size();
    // No existence test here: the listings yield existing files, and only screensavers are kept.
    AppendListed(files_.ListFolder(windowsFolder), {});
    // 64-bit Windows keeps 32-bit copies of its own screensavers under the same names: a later
    // system folder adds only the names the ones before it lack (file names ignore case).
    std::set<std::string> systemNames;
    for (const std::string& folder : systemFolders) {
        const FolderListing listing = files_.ListFolder(folder);
        AppendListed(listing, systemNames);
        for (const std::string& name : listing.names) systemNames.insert(AsciiLowercase(name));
    }
    if (selected_ < 0) Select(0);
    ApplySelection();
    return entries_.size() - before;
}

void Playlist::AppendListed(const FolderListing& listing, const std::set<std::string>& namesToPass) {
    std::vector<std::string> paths;
    paths.reserve(listing.names.size());
    for (const std::string& name : listing.names) {
        if (namesToPass.contains(AsciiLowercase(name))) continue;
        std::string path = listing.folder + "\\" + name;
        if (KindOf(name) == FileKind::Screensaver && IsPlaylistSaverFile(files_, path)) continue;
        paths.push_back(std::move(path));
    }
    Append(std::move(paths));
}

void Playlist::DropOnPlaylistWindow(const std::vector<std::string>& paths) {
    const Command command(*this);
    AppendBatch batch(*this);
    for (const std::string& path : paths) ImportDroppedFile(path);
}

void Playlist::DropOnPlayer(const std::vector<std::string>& paths) {
    const Command command(*this);
    for (const std::string& path : paths) {
        if (ImportDroppedFile(path)) {
            Select(static_cast<int>(entries_.size()) - 1);
            ApplySelection();
        }
    }
}

void Playlist::SelectFirstIfNone() {
    if (selected_ >= 0) return;
    Select(0);
    ApplySelection();
}

// Every road into the playlist ends here: whatever else it tested, only screensavers pass.
void Playlist::Append(std::vector<std::string> paths) {
    std::erase_if(paths, [](const std::string& path) { return !IsScreensaverEntry(path); });
    if (paths.empty()) return;
    ++revision_;
    const std::size_t firstNew = entries_.size();
    entries_.insert(entries_.end(), std::make_move_iterator(paths.begin()),
                    std::make_move_iterator(paths.end()));
    if (openBatches_ == 0) view_.EntriesAppended(firstNew);
}

void Playlist::RemoveRange(std::size_t first, std::size_t count) {
    KeepEntriesBeforeCommand();
    ++revision_;
    const auto begin = entries_.begin() + static_cast<std::ptrdiff_t>(first);
    entries_.erase(begin, begin + static_cast<std::ptrdiff_t>(count));
    view_.EntriesRemoved(first, count);
}

const std::vector<std::string>& Playlist::CompleteEntries() {
    if (!beforeCommand_) return entries_;
    KeepEntriesBeforeCommand();
    return *beforeCommand_->entries;
}

int Playlist::CompleteSelection() const { return beforeCommand_ ? beforeCommand_->selected : selected_; }

std::uint64_t Playlist::CompleteRevision() const {
    return beforeCommand_ ? beforeCommand_->revision : revision_;
}

void Playlist::KeepEntriesBeforeCommand() {
    if (!beforeCommand_ || beforeCommand_->entries) return;
    const auto kept = entries_.begin() + static_cast<std::ptrdiff_t>(beforeCommand_->kept);
    beforeCommand_->entries.emplace(entries_.begin(), kept);
}

}  // namespace vr
