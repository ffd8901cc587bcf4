#include "files_support.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace files {
namespace {

std::wstring UniqueStem(std::wstring_view stem) {
    static unsigned serial = 0;
    return std::wstring(stem) + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(GetTickCount64()) + L"-" + std::to_wstring(serial++);
}

std::wstring InCapitals(std::wstring text) {
    CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

std::wstring WithoutExtension(const std::wstring& path) { return path.substr(0, path.find_last_of(L'.')); }

bool SamePath(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

bool Removed(const std::wstring& path) { return DeleteFileW(path.c_str()) || !e2e::FileExists(path); }

}  // namespace

SharedFolderSaver::SharedFolderSaver(const std::wstring& folder, std::wstring_view stem,
                                     std::wstring_view extension)
    : SharedFolderSaver(folder + L"\\" + UniqueStem(stem) + std::wstring(extension)) {}

SharedFolderSaver::SharedFolderSaver(const std::wstring& folder, const SharedFolderSaver& namesake)
    : SharedFolderSaver(folder + L"\\" +
                        InCapitals(namesake.path_.substr(namesake.path_.find_last_of(L'\\') + 1))) {}

SharedFolderSaver::SharedFolderSaver(std::wstring path) : path_(std::move(path)) {
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

LockedFile::LockedFile(const std::wstring& path)
    : handle_(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                          nullptr)) {}

LockedFile::~LockedFile() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
}

bool Answers(HWND window) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result) != 0;
}

HWND ExpectErrorBox(DWORD processId, const std::wstring& textStart, HWND previous) {
    HWND box = e2e::WaitForDialog(processId, previous);
    if (!box) {
        ADD_FAILURE() << "no error box saying " << e2e::ToUtf8(textStart);
        return nullptr;
    }
    EXPECT_EQ(e2e::Text(box), L"Veilrunner");
    const std::vector<std::wstring> texts = e2e::StaticTexts(box);
    EXPECT_EQ(texts.size(), 1u);
    if (!texts.empty()) {
        EXPECT_EQ(texts[0].rfind(textStart, 0), 0u) << e2e::ToUtf8(texts[0]);
    }
    return box;
}

// "ge" ends before the program's ANSI o-umlaut, which the box shows in the system's code page.
std::wstring OpenErrorStart(const std::wstring& path) { return L"Datei " + path + L" kann nicht ge"; }
std::wstring CreateErrorStart(const std::wstring& path) {
    return L"Datei " + path + L" kann nicht erstellt werden.";
}

std::wstring WindowsFolder() {
    wchar_t path[MAX_PATH] = {};
    return std::wstring(path, GetWindowsDirectoryW(path, MAX_PATH));
}

std::wstring SystemFolder() {
    wchar_t path[MAX_PATH] = {};
    return std::wstring(path, GetSystemDirectoryW(path, MAX_PATH));
}

std::wstring SystemWow64Folder() {
    wchar_t path[MAX_PATH] = {};
    return std::wstring(path, GetSystemWow64DirectoryW(path, MAX_PATH));
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

bool Closed(const player::Windows& w) {
    e2e::Post(w.bar, WM_CLOSE);
    return e2e::WaitUntil([&] { return !e2e::ProcessRunning(w.processId); });
}

std::string CrLfLines(const std::vector<std::string>& ansiLines) {
    std::string bytes;
    for (const std::string& line : ansiLines) bytes += line + "\r\n";
    return bytes;
}

std::string CrLfLines(const std::vector<std::wstring>& lines) {
    std::vector<std::string> ansiLines;
    for (const std::wstring& line : lines) ansiLines.push_back(e2e::ToAnsi(line));
    return CrLfLines(ansiLines);
}

}  // namespace files
