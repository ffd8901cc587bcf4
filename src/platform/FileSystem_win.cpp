#include "platform/FileSystem_win.h"

#include <windows.h>

#include <algorithm>

#include "files/AppError.h"
#include "files/BusyRetry.h"
#include "platform/Application_win.h"
#include "files/FolderListing.h"
#include "files/TextLines.h"
#include "platform/Handles_win.h"

namespace vr {
namespace {

constexpr DWORD kListingPauseMs = 100;

std::string SystemErrorText(DWORD error) {
    char* text = nullptr;
    DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, error, 0, reinterpret_cast<LPSTR>(&text), 0, nullptr);
    std::string result(text ? text : "", n);
    LocalFree(text);
    while (!result.empty() && (result.back() == '\n' || result.back() == '\r' || result.back() == ' '))
        result.pop_back();
    return result;
}

std::string ExpandedPath(const std::string& path) {
    char full[MAX_PATH * 4]{};
    DWORD n = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    return n && n < sizeof full ? std::string(full, n) : path;
}

[[noreturn]] void ThrowOpenError(const std::string& path, DWORD error) {
    throw AppError(OpenErrorText(ExpandedPath(path), SystemErrorText(error)));
}

[[noreturn]] void ThrowCreateError(const std::string& path, DWORD error) {
    throw AppError(CreateErrorText(ExpandedPath(path), SystemErrorText(error)));
}

// Zero when every byte reached the disk, else the system's error code.
DWORD WriteAll(HANDLE file, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0)
            return GetLastError() ? GetLastError() : ERROR_WRITE_FAULT;
        done += written;
    }
    return FlushFileBuffers(file) ? 0 : GetLastError();
}

// Another program that has the file open refuses its replacement with one of these for as long
// as it holds it.
bool HeldByAnother(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || error == ERROR_ACCESS_DENIED;
}

// Zero when the complete temporary file took the target's place, else the system's error code.
DWORD ReplaceWith(const std::string& temporary, const std::string& path) {
    DWORD error = 0;
    RetryWhileBusy(
        [&] {
            if (MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
                error = 0;
                return TryOutcome::Done;
            }
            error = GetLastError();
            return HeldByAnother(error) ? TryOutcome::Busy : TryOutcome::Failed;
        },
        [](unsigned milliseconds) { Sleep(milliseconds); });
    return error;
}

}  // namespace

bool WinFileSystemImpl::FileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::string> WinFileSystemImpl::ReadLines(const std::string& path) {
    const OwnedHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) ThrowOpenError(path, GetLastError());
    std::string bytes;
    char buffer[64 * 1024];
    DWORD read = 0;
    while (ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
    return SplitLines(bytes);
}

// The new text goes to a temporary file beside the target, which replaces the target only when
// complete: a crash or a full disk midway leaves the old file as it was. A target held open by
// another program for a moment is tried again briefly.
void WinFileSystemImpl::WriteLines(const std::string& path, const std::vector<std::string>& lines) {
    const std::string temporary = path + ".tmp~";
    DWORD error = 0;
    {
        const OwnedHandle file(CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                           FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) ThrowCreateError(path, GetLastError());
        error = WriteAll(file.Get(), JoinLines(lines));
    }
    if (error) {
        DeleteFileA(temporary.c_str());
        ThrowCreateError(path, error);
    }
    if (const DWORD moveError = ReplaceWith(temporary, path)) {
        DeleteFileA(temporary.c_str());
        ThrowCreateError(path, moveError);
    }
}

FolderListing WinFileSystemImpl::ListFolder(const std::string& folder) {
    FolderListing listing;
    if (!SetCurrentDirectoryA(folder.c_str())) ThrowOpenError(folder, GetLastError());
    char current[MAX_PATH * 4]{};
    DWORD n = GetCurrentDirectoryA(sizeof current, current);
    listing.folder.assign(current, n < sizeof current ? n : 0);
    WIN32_FIND_DATAA found;
    const OwnedFind search(FindFirstFileA("*", &found));
    if (search) {
        const DWORD skipped = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
        do {
            if (!(found.dwFileAttributes & skipped) && MatchesListingPattern(found.cFileName))
                listing.names.emplace_back(found.cFileName);
        } while (FindNextFileA(search.Get(), &found));
    }
    SortLikeListBox(listing.names);
    // The scan runs on the UI thread: let the windows catch up around a short pause.
    Application::ProcessMessages();
    Sleep(kListingPauseMs);
    Application::ProcessMessages();
    return listing;
}

FileSystem& WinFileSystem() {
    static WinFileSystemImpl files;
    return files;
}

}  // namespace vr
