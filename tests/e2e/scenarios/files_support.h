#pragma once
// Support for the scenarios of files coming in and going out of the player: screensavers placed
// in the system's own folders, and the playlist window's dialogs.
#include <windows.h>

#include <string>
#include <string_view>

#include "Dialogs.h"
#include "Player.h"

namespace files {

// A copy of the logging test saver in a folder that the whole test run shares (the Windows
// folder, the system folder), under a name no other scenario uses. Destroying it ends the
// processes started from it and removes it with its log, so later scenarios find the folder as
// it was. Declare it before the Sandbox: the program must be gone before it is removed.
class SharedFolderSaver {
 public:
  SharedFolderSaver(const std::wstring& folder, std::wstring_view stem);
  SharedFolderSaver(const SharedFolderSaver&) = delete;
  SharedFolderSaver& operator=(const SharedFolderSaver&) = delete;
  ~SharedFolderSaver();

  const std::wstring& Path() const { return path_; }
  std::wstring Name() const;  // the file name without ".scr", which is also the host's caption
  std::wstring LogPath() const;

 private:
  std::wstring path_;
};

std::wstring WindowsFolder();
std::wstring SystemFolder();

// Clicks a button of the playlist window whose handler opens a dialog; returns the dialog.
HWND OpenDialogWith(const player::Windows& w, int playlistButtonId);
// Types the name into the dialog's file-name box and presses its OK button.
void ChooseInDialog(HWND dialog, const std::wstring& name);

// The bytes the player writes for these lines: every line ended by CR LF.
std::string CrLfLines(const std::vector<std::wstring>& lines);

}  // namespace files
