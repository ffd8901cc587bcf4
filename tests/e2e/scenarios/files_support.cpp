#include "files_support.h"

#include <stdexcept>

namespace files {
namespace {

std::wstring UniqueStem(std::wstring_view stem) {
  static unsigned serial = 0;
  return std::wstring(stem) + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount64()) +
         L"-" + std::to_wstring(serial++);
}

std::wstring WithoutExtension(const std::wstring& path) { return path.substr(0, path.find_last_of(L'.')); }

bool SamePath(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

bool Removed(const std::wstring& path) { return DeleteFileW(path.c_str()) || !e2e::FileExists(path); }

}  // namespace

SharedFolderSaver::SharedFolderSaver(const std::wstring& folder, std::wstring_view stem)
    : path_(folder + L"\\" + UniqueStem(stem) + L".scr") {
  if (!CopyFileW(e2e::LogSaverBinary().c_str(), path_.c_str(), TRUE))
    throw std::runtime_error("cannot place a saver at " + e2e::ToUtf8(path_));
}

SharedFolderSaver::~SharedFolderSaver() {
  e2e::WaitUntil([&] {
    bool running = false;
    for (const e2e::ProcessInfo& p : e2e::ListProcesses())
      if (SamePath(p.imagePath, path_)) running = !e2e::KillProcess(p.id) || running;
    return !running;
  });
  e2e::WaitUntil([&] { return Removed(path_) && Removed(LogPath()); });
}

std::wstring SharedFolderSaver::Name() const {
  const std::wstring stem = WithoutExtension(path_);
  return stem.substr(stem.find_last_of(L'\\') + 1);
}

std::wstring SharedFolderSaver::LogPath() const { return WithoutExtension(path_) + L".log"; }

std::wstring WindowsFolder() {
  wchar_t path[MAX_PATH] = {};
  return std::wstring(path, GetWindowsDirectoryW(path, MAX_PATH));
}

std::wstring SystemFolder() {
  wchar_t path[MAX_PATH] = {};
  return std::wstring(path, GetSystemDirectoryW(path, MAX_PATH));
}

HWND OpenDialogWith(const player::Windows& w, int playlistButtonId) {
  e2e::PostClick(e2e::FindControl(w.playlist, playlistButtonId));
  HWND dialog = e2e::WaitForDialog(w.processId);
  if (!dialog) throw std::runtime_error("no dialog appeared");
  return dialog;
}

void ChooseInDialog(HWND dialog, const std::wstring& name) {
  e2e::TypeFileName(dialog, name);
  e2e::PressOk(dialog);
}

std::string CrLfLines(const std::vector<std::wstring>& lines) {
  std::string bytes;
  for (const std::wstring& line : lines) bytes += e2e::ToAnsi(line) + "\r\n";
  return bytes;
}

}  // namespace files
