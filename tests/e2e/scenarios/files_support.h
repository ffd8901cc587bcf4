#pragma once
// Support for the scenarios of files coming in and going out of the player: screensavers placed
// in the system's own folders, the playlist window's dialogs, files the player cannot open, and
// the error box it shows for them.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "Dialogs.h"
#include "Player.h"

namespace files {

// A copy of the logging test saver in a folder that the whole test run shares (the Windows
// folder, the system folder), under a name no other scenario uses. Destroying it ends the
// processes started from it and removes it with its log, so later scenarios find the folder as
// it was. Declare it before the Sandbox: the program must be gone before it is removed. Another
// extension than ".scr" makes it a file that only a folder listing cares about.
class SharedFolderSaver {
public:
    SharedFolderSaver(const std::wstring& folder, std::wstring_view stem,
                      std::wstring_view extension = L".scr");
    // In folder under namesake's file name, in capitals.
    SharedFolderSaver(const std::wstring& folder, const SharedFolderSaver& namesake);
    SharedFolderSaver(const SharedFolderSaver&) = delete;
    SharedFolderSaver& operator=(const SharedFolderSaver&) = delete;
    ~SharedFolderSaver();

    const std::wstring& Path() const { return path_; }
    std::wstring Name() const;  // the file name without its extension: the host's caption for it
    std::wstring LogPath() const;

private:
    explicit SharedFolderSaver(std::wstring path);
    std::wstring path_;
};

// Holds a file open without sharing, so the player's own open of it is refused.
class LockedFile {
public:
    explicit LockedFile(const std::wstring& path);
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;
    ~LockedFile();
    bool Locked() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

// The player's thread answers at once; a message box runs a message loop of its own.
bool Answers(HWND window);
// Waits for the program's standard error box (a dialog other than `previous`) and checks its
// caption and the start of its text; returns the box, or nullptr (and a failure).
HWND ExpectErrorBox(DWORD processId, const std::wstring& textStart, HWND previous = nullptr);
// The start of the file layer's errors for a file that cannot be opened, or created; the rest is
// the system's reason in the system's words.
std::wstring OpenErrorStart(const std::wstring& path);
std::wstring CreateErrorStart(const std::wstring& path);

std::wstring WindowsFolder();
std::wstring SystemFolder();
std::wstring SystemWow64Folder();

// Clicks a button of the playlist window whose handler opens a dialog; returns the dialog.
HWND OpenDialogWith(const player::Windows& w, int playlistButtonId);
// Types the name into the dialog's file-name box and presses its OK button.
void ChooseInDialog(HWND dialog, const std::wstring& name);

// Closes the player bar as the user does; true once the program has ended.
bool Closed(const player::Windows& w);

// The bytes the player writes for these lines: every line ended by CR LF.
std::string CrLfLines(const std::vector<std::string>& ansiLines);
std::string CrLfLines(const std::vector<std::wstring>& lines);

}  // namespace files
