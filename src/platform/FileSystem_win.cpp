#include "platform/FileSystem_win.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>

#include "files/AppError.h"
#include "files/BusyRetry.h"
#include "platform/Application_win.h"
#include "files/FolderListing.h"
#include "files/PlainPath.h"
#include "files/TextEncoding.h"
#include "files/TextLines.h"
#include "files/TypeKey.h"
#include "files/UnfinishedWrite.h"
#include "files/WholeRead.h"
#include "platform/Handles_win.h"
#include "platform/Unicode_win.h"
#include "platform/VersionResource_win.h"

namespace vr {
namespace {

constexpr DWORD kListingPauseMs = 100;

std::string SystemErrorText(DWORD error) {
    wchar_t* text = nullptr;
    DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        error, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
    std::string result = Utf8(std::wstring_view(text ? text : L"", text ? n : 0));
    LocalFree(text);
    while (!result.empty() && (result.back() == '\n' || result.back() == '\r' || result.back() == ' '))
        result.pop_back();
    return result;
}

std::string FullPathOf(const std::string& path) {
    const std::wstring wide = Wide(path);
    const DWORD needed = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return path;
    std::wstring full(needed, L'\0');
    const DWORD n = GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr);
    return n && n < needed ? Utf8(std::wstring_view(full.data(), n)) : path;
}

[[noreturn]] void ThrowCreateError(const std::string& path, DWORD error) {
    throw AppError(CreateErrorText(FullPathOf(path), SystemErrorText(error)));
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
            if (MoveFileExW(FilePath(temporary).c_str(), FilePath(path).c_str(),
                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
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

[[noreturn]] void ThrowOpenError(const std::string& path, DWORD error) {
    throw AppError(OpenErrorText(FullPathOf(path), SystemErrorText(error)));
}

// A plain absolute path is its own full path: a long playlist of them costs no calls (nor copies).
std::string WinFileSystemImpl::FullPath(std::string path) {
    return IsPlainAbsolutePath(path) ? path : FullPathOf(path);
}

std::string WinFileSystemImpl::OriginalFileName(const std::string& path) {
    return vr::OriginalFileName(path);
}

std::optional<std::vector<std::string>> WinFileSystemImpl::FileNamesIn(const std::string& folder,
                                                                       std::size_t limit) {
    WIN32_FIND_DATAW found;
    // No short names asked for: the basic information is all a name test needs, and cheaper.
    const OwnedFind search(FindFirstFileExW(FilePath(folder + "\\*").c_str(), FindExInfoBasic, &found,
                                            FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!search) return std::nullopt;
    std::vector<std::string> names;
    std::size_t listed = 0;
    do {
        if (++listed > limit) return std::nullopt;
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(Utf8(found.cFileName));
    } while (FindNextFileW(search.Get(), &found));
    if (GetLastError() != ERROR_NO_MORE_FILES) return std::nullopt;
    return names;
}

bool WinFileSystemImpl::FileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesW(FilePath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::string> WinFileSystemImpl::ReadLines(const std::string& path) {
    const OwnedHandle file(CreateFileW(FilePath(path).c_str(), GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) ThrowOpenError(path, GetLastError());
    DWORD error = 0;
    const std::optional<std::string> bytes =
        ReadWhole([&](char* buffer, std::size_t size) -> std::optional<std::size_t> {
            DWORD read = 0;
            if (ReadFile(file.Get(), buffer, static_cast<DWORD>(size), &read, nullptr)) return read;
            error = GetLastError();
            return std::nullopt;
        });
    if (!bytes) ThrowOpenError(path, error);
    try {
        return SplitLines(DecodeStoredText(*bytes, SystemAnsiCodePage()));
    } catch (const TextConversionError& failed) {
        ThrowOpenError(path, failed.SystemError());
    }
}

namespace {

// A temporary file of a name nothing else holds, open for writing; whatever stands in the way of
// one name (another save's file, a leftover file or folder) is passed by taking the next.
struct OpenTemporary {
    std::string path;
    OwnedHandle file;
};

OpenTemporary CreateTemporaryFor(const std::string& path) {
    static std::atomic<std::uint32_t> saves{0};
    constexpr int kNamesTried = 8;
    DWORD error = ERROR_FILE_EXISTS;
    for (int tried = 0; tried < kNamesTried; ++tried) {
        OpenTemporary temporary{TemporaryFor(path, GetCurrentProcessId(), ++saves), {}};
        temporary.file = OwnedHandle(CreateFileW(FilePath(temporary.path).c_str(), GENERIC_WRITE, 0, nullptr,
                                                 CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (temporary.file) return temporary;
        error = GetLastError();
        // A folder of that name refuses access; a file of that name exists.
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS && error != ERROR_ACCESS_DENIED)
            break;
    }
    ThrowCreateError(path, error);
}

}  // namespace

// The new text goes to a temporary file beside the target, which replaces the target only when
// complete: a crash or a full disk midway leaves the old file as it was. A target held open by
// another program for a moment is tried again briefly.
void WinFileSystemImpl::WriteLines(const std::string& path, const std::vector<std::string>& lines) {
    // Encoded first: text that cannot be converted leaves every file as it is.
    std::string bytes;
    try {
        bytes = EncodeStoredText(JoinLines(lines), SystemAnsiCodePage());
    } catch (const TextConversionError& failed) {
        ThrowCreateError(path, failed.SystemError());
    }
    OpenTemporary temporary = CreateTemporaryFor(path);
    DWORD error = WriteAll(temporary.file.Get(), bytes);
    temporary.file = {};
    if (!error) error = ReplaceWith(temporary.path, path);
    if (error) {
        DeleteFileW(FilePath(temporary.path).c_str());
        ThrowCreateError(path, error);
    }
}

// Every save's temporary file, this instance's and other instances' alike; folders are no files a
// save leaves, and are left alone.
void WinFileSystemImpl::DiscardUnfinishedWrite(const std::string& path) {
    const std::string folder(path.substr(0, path.size() - FileNamePart(path).size()));
    const std::string name(FileNamePart(path));
    WIN32_FIND_DATAW found;
    const OwnedFind search(FindFirstFileW(FilePath(path + "*").c_str(), &found));
    if (!search) return;
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    auto ticks = [](const FILETIME& t) { return (std::int64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime; };
    constexpr std::int64_t kTicksPerSecond = 10'000'000;
    do {
        std::string leftover;
        try {
            leftover = Utf8(found.cFileName);
        } catch (const TextConversionError&) {
            continue;  // no name a save writes
        }
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || !IsTemporaryOf(name, leftover)) continue;
        const std::chrono::seconds age((ticks(now) - ticks(found.ftLastWriteTime)) / kTicksPerSecond);
        if (IsDeadLeftover(age)) DeleteFileW(FilePath(folder + leftover).c_str());
    } while (FindNextFileW(search.Get(), &found));
}

FolderListing WinFileSystemImpl::ListFolder(const std::string& folder) {
    FolderListing listing;
    if (!SetCurrentDirectoryW(Wide(folder).c_str())) ThrowOpenError(folder, GetLastError());
    wchar_t current[MAX_PATH * 4]{};
    DWORD n = GetCurrentDirectoryW(MAX_PATH * 4, current);
    listing.folder = Utf8(std::wstring_view(current, n < MAX_PATH * 4 ? n : 0));
    WIN32_FIND_DATAW found;
    const OwnedFind search(FindFirstFileW(L"*", &found));
    if (search) {
        const DWORD skipped = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
        do {
            const std::string name = Utf8(found.cFileName);
            if (!(found.dwFileAttributes & skipped) && MatchesListingPattern(name))
                listing.names.push_back(name);
        } while (FindNextFileW(search.Get(), &found));
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
