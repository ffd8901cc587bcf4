// ClosePlayers.exe <folder>: the installer and the uninstaller run it (from their own temporary
// folder) before they replace or remove the program. Every running Veilrunner.exe of that folder
// is asked to close as its player bar's close does, which saves its settings and playlist; what
// still runs after kPatience is ended. Every Veilrunner.scr of that folder (a preview in the
// display settings, a full-screen run) is ended at once: it writes no files, and the savers it
// runs live in jobs that end with it. Programs started from any other folder are left alone.
#include <windows.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include <string>
#include <vector>

#include "platform/Handles_win.h"

namespace {

using vr::OwnedHandle;

constexpr DWORD kPatience = 10000;  // ms: long enough to save a long playlist
constexpr wchar_t kProgramName[] = L"Veilrunner.exe";
constexpr wchar_t kPlaylistSaverName[] = L"Veilrunner.scr";
constexpr wchar_t kPlayerBarClass[] = L"TfrmSVDOptions";

// The path as the system spells it in full, so "C:\PROGRA~1\x" and "C:\Program Files\x" agree.
std::wstring Canonical(const std::wstring& path) {
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0) return path;
        const bool fits = length < full.size();
        full.resize(fits ? length : length + 1);
        if (fits) break;
    }
    std::wstring longForm(full.size() + MAX_PATH, L'\0');
    const DWORD length = GetLongPathNameW(full.c_str(), longForm.data(), static_cast<DWORD>(longForm.size()));
    if (length == 0 || length >= longForm.size()) return full;
    longForm.resize(length);
    return longForm;
}

bool SamePath(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()),
                                TRUE) == CSTR_EQUAL;
}

std::wstring ImagePath(HANDLE process) {
    std::wstring path(32768, L'\0');
    DWORD length = static_cast<DWORD>(path.size());
    if (!QueryFullProcessImageNameW(process, 0, path.data(), &length)) return L"";
    path.resize(length);
    return path;
}

struct Running {
    DWORD id;
    OwnedHandle process;
};

std::vector<PROCESSENTRY32W> ProcessList() {
    std::vector<PROCESSENTRY32W> list;
    const OwnedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return list;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more;
         more = Process32NextW(snapshot.Get(), &entry))
        list.push_back(entry);
    return list;
}

OwnedHandle Open(DWORD id) {
    return OwnedHandle(
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE | PROCESS_TERMINATE, FALSE, id));
}

// The running processes whose executable is `name` in `folder`.
std::vector<Running> ProcessesOf(const std::wstring& folder, const wchar_t* name) {
    const std::wstring program = Canonical(folder + L"\\" + name);
    std::vector<Running> found;
    for (const PROCESSENTRY32W& entry : ProcessList()) {
        if (CompareStringOrdinal(entry.szExeFile, -1, name, -1, TRUE) != CSTR_EQUAL) continue;
        OwnedHandle process = Open(entry.th32ProcessID);
        if (process && SamePath(Canonical(ImagePath(process.Get())), program))
            found.push_back({entry.th32ProcessID, std::move(process)});
    }
    return found;
}

// The processes `parents` started. Asked while the parents run, since an ended process's id may
// be given to another.
std::vector<Running> ChildrenOf(const std::vector<Running>& parents) {
    std::vector<Running> children;
    for (const PROCESSENTRY32W& entry : ProcessList())
        for (const Running& parent : parents)
            if (entry.th32ParentProcessID == parent.id)
                if (OwnedHandle child = Open(entry.th32ProcessID))
                    children.push_back({entry.th32ProcessID, std::move(child)});
    return children;
}

// Posts WM_CLOSE to each player's bar: the close the user would ask for with the bar's caption
// button, saving included. A player that shows a dialog answers it once the dialog is gone.
void AskToClose(const std::vector<Running>& players) {
    for (HWND bar = nullptr; (bar = FindWindowExW(nullptr, bar, kPlayerBarClass, nullptr)) != nullptr;) {
        DWORD owner = 0;
        GetWindowThreadProcessId(bar, &owner);
        for (const Running& player : players)
            if (player.id == owner) PostMessageW(bar, WM_CLOSE, 0, 0);
    }
}

// Waits up to `patience` (ms) for all of `processes` to end; true when they have.
bool WaitForEnd(const std::vector<Running>& processes, DWORD patience) {
    const ULONGLONG deadline = GetTickCount64() + patience;
    bool ended = true;
    for (const Running& running : processes) {
        const ULONGLONG now = GetTickCount64();
        const DWORD wait = now < deadline ? static_cast<DWORD>(deadline - now) : 0;
        ended = WaitForSingleObject(running.process.Get(), wait) != WAIT_TIMEOUT && ended;
    }
    return ended;
}

// Ends what still runs once `patience` (ms) has passed.
void EndWhatIsLeft(const std::vector<Running>& processes, DWORD patience) {
    if (WaitForEnd(processes, patience)) return;
    for (const Running& running : processes) TerminateProcess(running.process.Get(), 1);
    // Their files are free only once they are gone.
    WaitForEnd(processes, kPatience);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments || count != 2) return 2;
    std::wstring folder = arguments[1];
    LocalFree(arguments);
    while (folder.size() > 3 && (folder.back() == L'\\' || folder.back() == L'/')) folder.pop_back();

    const std::vector<Running> rotators = ProcessesOf(folder, kPlaylistSaverName);
    const std::vector<Running> theirSavers = ChildrenOf(rotators);
    EndWhatIsLeft(rotators, 0);
    WaitForEnd(theirSavers, kPatience);
    const std::vector<Running> players = ProcessesOf(folder, kProgramName);
    AskToClose(players);
    EndWhatIsLeft(players, kPatience);
    return 0;
}
