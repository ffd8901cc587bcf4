#pragma once
// The playlist with its selection, its rotation and every way entries come in. The playlist
// window owns one and mirrors it in its list box; everything that touches other windows goes
// through the small interfaces below.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "files/FileSystem.h"
#include "playlist/PlaylistFileReader.h"

namespace vr {

// What making an entry the current screensaver changes outside the playlist window.
class SaverDisplay {
public:
    virtual ~SaverDisplay() = default;
    virtual std::string DisplayedSaver() const = 0;          // the player bar's label2 text
    virtual void ShowSaver(const std::string& path) = 0;     // label2 text and hint
    virtual void SetSaverFile(const std::string& path) = 0;  // FSaverFile
    virtual void SetHostCaption(const std::string& caption) = 0;
    virtual void SetConfigureEnabled(bool enabled) = 0;
    virtual void RequestPreviewStart() = 0;  // enables the host's start timer
    virtual bool WallpaperMode() const = 0;
};

// The rotation timer (an event-loop timer of the playlist window).
class RotationTimer {
public:
    virtual ~RotationTimer() = default;
    virtual unsigned Interval() const = 0;
    virtual bool IsRunning() const = 0;
    virtual void Start() = 0;  // first tick one full interval from now
    virtual void Stop() = 0;
};

// The list box that shows the playlist; told of each change so it can follow in bulk.
class PlaylistView {
public:
    virtual ~PlaylistView() = default;
    virtual void EntriesAppended(std::size_t firstNew) = 0;
    virtual void EntriesRemoved(std::size_t first, std::size_t count) = 0;
    virtual void EntryMoved(std::size_t from, std::size_t to) = 0;
    virtual void EntriesCleared() = 0;
    virtual void SelectionChanged(int index) = 0;
};

inline constexpr unsigned kChangeManuallyMs = 42000000;
inline constexpr unsigned kVkDelete = 46;

class Playlist {
public:
    Playlist(FileSystem& files, PlaylistFileReader& reader, SaverDisplay& display, RotationTimer& timer,
             PlaylistView& view);

    const std::vector<std::string>& Entries() const { return entries_; }
    std::size_t Count() const { return entries_.size(); }
    int Selected() const { return selected_; }
    // Counts the changes of the entries: equal counts, same entries.
    std::uint64_t Revision() const { return revision_; }
    const std::string& WallpaperListFile() const { return wallpaperListFile_; }
    void SetWallpaperListFile(const std::string& path) { wallpaperListFile_ = path; }

    // Selects index; an index that is no entry leaves nothing selected (-1).
    void Select(int index);
    // The list box changed its selection itself (mouse, arrow keys): record it without echo.
    void NoteUserSelection(int index);
    void Clear();  // "New"

    // Makes the selected entry the current screensaver, drops vanished ones, timer rules.
    void ApplySelection();
    void RotateToNext();  // one rotation step
    // A key pressed in the list, before the list moves its selection (Delete removes).
    void PressKey(unsigned virtualKey);
    // Moves the selected entry to targetIndex; -1 (or past the last entry): below the last one.
    void MoveSelectedTo(int targetIndex);

    // Import rules.
    void ImportFile(const std::string& path);
    // True when it appended a screensaver (a drop on the player selects that one).
    bool ImportDroppedFile(const std::string& path);
    void ReadPlaylistFile(const std::string& path);

    // Ways in, with what each does to the selection.
    void AddChosenFiles(const std::vector<std::string>& paths);  // "File..."
    void LoadChosenFile(const std::string& path);                // "Load..."
    void AddFolder(const std::string& folder);                   // "Dir..."
    // "Win + Sys": the Windows folder, then the system folders in their order; the number of
    // entries it added.
    std::size_t AddWindowsAndSystem(const std::string& windowsFolder,
                                    const std::vector<std::string>& systemFolders);
    void DropOnPlaylistWindow(const std::vector<std::string>& paths);
    void DropOnPlayer(const std::vector<std::string>& paths);  // player bar or host window

    // The playlist as it stood before the command under way began (one that reads files while the
    // windows answer, or empties the list first), else as it is: a save in the middle of a
    // command, when the session ends, must not write a list half read.
    const std::vector<std::string>& CompleteEntries();
    int CompleteSelection() const;
    std::uint64_t CompleteRevision() const;

private:
    class AppendBatch;
    class Command;
    // What the outermost command found: its first `kept` entries, or a copy of them once a
    // change inside the command would lose them.
    struct BeforeCommand {
        std::size_t kept = 0;
        std::optional<std::vector<std::string>> entries;
        int selected = -1;
        std::uint64_t revision = 0;
    };
    void KeepEntriesBeforeCommand();
    void Append(std::vector<std::string> paths);
    // The listed files but those named in namesToPass (ASCII-lowercased) and Veilrunner.scr.
    void AppendListed(const FolderListing& listing, const std::set<std::string>& namesToPass);
    void RemoveRange(std::size_t first, std::size_t count);
    void DropVanishedAtSelection();
    void SelectFirstIfNone();
    void ApplyTimerRules();

    FileSystem& files_;
    PlaylistFileReader& reader_;
    SaverDisplay& display_;
    RotationTimer& timer_;
    PlaylistView& view_;
    std::vector<std::string> entries_;
    int selected_ = -1;
    std::string wallpaperListFile_;
    int openBatches_ = 0;
    std::uint64_t revision_ = 0;
    int openCommands_ = 0;
    std::optional<BeforeCommand> beforeCommand_;
};

}  // namespace vr
