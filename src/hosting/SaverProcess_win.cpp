#include "hosting/SaverProcess_win.h"

#include <algorithm>
#include <cstddef>
#include <set>

#include <shellapi.h>
#include <tlhelp32.h>

#include "hosting/SaverCommand.h"
#include "hosting/ScreenSaverPolicy.h"
#include "hosting/ScreenSaverPolicy_win.h"
#include "platform/AnsweringWait_win.h"
#include "platform/Application_win.h"
#include "platform/FreedWindows_win.h"
#include "platform/LateBound_win.h"
#include "platform/Shell_win.h"
#include "platform/Unicode_win.h"
#include "platform/Window_win.h"

namespace vr {
namespace {

constexpr DWORD kDetached = CREATE_NEW_PROCESS_GROUP | NORMAL_PRIORITY_CLASS;

// The saver's process and its first thread, empty when it did not start. CreateProcessW may
// write into the command line, so it gets a private copy.
struct StartedSaver {
    OwnedHandle process;
    OwnedHandle thread;
};

StartedSaver Start(const std::string& commandLine, DWORD flags, STARTUPINFOW& startup) {
    std::wstring buffer = Wide(commandLine);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, flags, nullptr, nullptr, &startup,
                        &info))
        return {};
    return {OwnedHandle(info.hProcess), OwnedHandle(info.hThread)};
}

// A job that ends all its processes when its last handle is closed.
OwnedHandle KillOnCloseJob() {
    OwnedHandle job(CreateJobObjectW(nullptr, nullptr));
    if (!job) return {};
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!SetInformationJobObject(job.Get(), JobObjectExtendedLimitInformation, &limits, sizeof limits))
        return {};
    return job;
}

bool HasEnded(HANDLE process) { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }

std::vector<OwnedHandle>& SettingsRuns() {
    static std::vector<OwnedHandle> runs;
    return runs;
}

UINT_PTR g_settingsWatch = 0;
constexpr UINT kSettingsWatchMs = 250;

// A thread timer: it ticks in whatever message loop runs, a dialog's included.
void CALLBACK WatchSettingsRuns(HWND, UINT, UINT_PTR, DWORD) {
    if (std::erase_if(SettingsRuns(), [](const OwnedHandle& run) { return HasEnded(run.Get()); }))
        EnableFreedWindows();
    if (SettingsRuns().empty()) {
        KillTimer(nullptr, g_settingsWatch);
        g_settingsWatch = 0;
    }
}

// The questions sent to preview windows that are still owed an answer.
std::set<unsigned>& OwedAnswers() {
    static std::set<unsigned> owed;
    return owed;
}

void CALLBACK Answered(HWND, UINT, ULONG_PTR question, LRESULT) {
    OwedAnswers().erase(static_cast<unsigned>(question));
}

struct WindowOf {
    DWORD processId;
    HWND found = nullptr;
};

BOOL CALLBACK FindWindowOf(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<WindowOf*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search.processId) return TRUE;
    search.found = window;
    return FALSE;
}

// The saver started suspended and the system's answer to putting it in a job of its own; it runs
// once the caller resumes its thread, so whatever it starts is in the job too.
struct SuspendedInJob {
    StartedSaver saver;
    OwnedHandle job;
    bool assigned = false;
    DWORD refusal = 0;  // the system's error when it was not assigned
};

SuspendedInJob StartSuspendedInJob(const std::string& commandLine, DWORD flags, STARTUPINFOW& startup) {
    SuspendedInJob started;
    started.saver = Start(commandLine, flags | CREATE_SUSPENDED, startup);
    if (!started.saver.process) return started;
    started.job = KillOnCloseJob();
    started.assigned =
        started.job && AssignProcessToJobObject(started.job.Get(), started.saver.process.Get());
    started.refusal = GetLastError();
    return started;
}

BOOL CALLBACK PostQuitTo(HWND hwnd, LPARAM) {
    PostMessageA(hwnd, WM_QUIT, 0, 0);
    return TRUE;
}

BOOL CALLBACK PostQuitIfOf(HWND hwnd, LPARAM param) {
    const auto& processes = *reinterpret_cast<const std::vector<DWORD>*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (std::find(processes.begin(), processes.end(), process) != processes.end()) PostQuitTo(hwnd, 0);
    return TRUE;
}

}  // namespace

void PostQuitToWindowsIn(HWND pane) { EnumChildWindows(pane, PostQuitTo, 0); }

void PostQuitToWindowsOf(HWND pane, const std::vector<DWORD>& processes) {
    EnumChildWindows(pane, PostQuitIfOf, reinterpret_cast<LPARAM>(&processes));
}

SaverInJob StartInJob(const std::string& commandLine, SaverStart how,
                      const std::function<void(DWORD)>& beforeResume) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    DWORD flags = kDetached;
    if (how == SaverStart::FullScreen) {
        flags = NORMAL_PRIORITY_CLASS;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
    }
    SuspendedInJob started = StartSuspendedInJob(commandLine, flags, startup);
    if (!started.saver.process) return {};
    if (!started.assigned) started.job = {};
    if (beforeResume) beforeResume(GetProcessId(started.saver.process.Get()));
    ResumeThread(started.saver.thread.Get());
    return {std::move(started.job), std::move(started.saver.process)};
}

void EndInCustody(SaverInJob& saver) {
    if (!saver.job && saver.process && !HasEnded(saver.process.Get()))
        TerminateProcess(saver.process.Get(), 1);
    saver.job = {};
    saver.process = {};
}

std::vector<DWORD> ProcessIdsOf(HANDLE job, HANDLE process) {
    std::vector<DWORD> ids{GetProcessId(process)};
    if (!job) return ids;
    // Room for far more processes than a saver starts; a longer list leaves out the rest.
    constexpr DWORD kMost = 64;
    constexpr std::size_t kFirstId =
        offsetof(JOBOBJECT_BASIC_PROCESS_ID_LIST, ProcessIdList) / sizeof(ULONG_PTR);
    std::vector<ULONG_PTR> buffer(kFirstId + kMost);
    auto* list = reinterpret_cast<JOBOBJECT_BASIC_PROCESS_ID_LIST*>(buffer.data());
    list->NumberOfAssignedProcesses = kMost;
    if (!QueryInformationJobObject(job, JobObjectBasicProcessIdList, list,
                                   static_cast<DWORD>(buffer.size() * sizeof(ULONG_PTR)), nullptr) &&
        GetLastError() != ERROR_MORE_DATA)
        return ids;
    const DWORD count = std::min(list->NumberOfProcessIdsInList, kMost);
    for (DWORD i = 0; i < count; ++i) ids.push_back(static_cast<DWORD>(buffer[kFirstId + i]));
    return ids;
}

void EndChildrenOfThisProcess() {
    const OwnedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more;
         more = Process32NextW(snapshot.Get(), &entry)) {
        if (entry.th32ParentProcessID != GetCurrentProcessId()) continue;
        const OwnedHandle child(OpenProcess(PROCESS_TERMINATE, FALSE, entry.th32ProcessID));
        if (child) TerminateProcess(child.Get(), 1);
    }
}

void InstallSaver(HWND owner, const std::string& saverPath) {
    const std::string overridden = InstallOverriddenText(ReadScreenSaverPolicy(), saverPath, SystemFolder());
    if (!overridden.empty()) {
        MessageBoxW(owner, Wide(overridden).c_str(), Wide(Application::kTitle).c_str(),
                    MB_ICONWARNING | MB_OK);
        return;
    }
    const auto started = reinterpret_cast<INT_PTR>(VR_LATE_BOUND(Shell, ShellExecuteW)(
        Application::Handle(), L"open", L"rundll32.exe", Wide(InstallParameters(saverPath)).c_str(), nullptr,
        SW_SHOWNORMAL));
    if (started <= 32)
        ShowErrorBox(
            "The screensaver could not be installed: Windows' screensaver settings could not be opened.");
}

void StartSaverDetached(const std::string& commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    StartedSaver run = Start(commandLine, kDetached, startup);
    if (!run.process) return;
    SettingsRuns().push_back(std::move(run.process));
    if (!g_settingsWatch) g_settingsWatch = SetTimer(nullptr, 0, kSettingsWatchMs, &WatchSettingsRuns);
}

void RunSaverAndWait(const std::string& commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    const StartedSaver saver = Start(commandLine, NORMAL_PRIORITY_CLASS, startup);
    if (saver.process) WaitAnswering(saver.process.Get());
}

void PreviewCustody::Start(const std::string& commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    SuspendedInJob started = StartSuspendedInJob(commandLine, kDetached, startup);
    if (!started.saver.process) return;
    Preview preview;
    preview.process = std::move(started.saver.process);
    preview.job = std::move(started.job);
    const CustodyRefusal::Outcome outcome = refusal_.Answered(started.assigned, started.refusal);
    if (!outcome.keepJob) preview.job = {};
    if (!outcome.report.empty()) ReportToDebugger("preview custody", outcome.report.c_str());
    ResumeThread(started.saver.thread.Get());
    previews_.push_back(std::move(preview));
}

void PreviewCustody::StopAll() {
    const ULONGLONG deadline = GetTickCount64() + kGraceMs;
    for (Preview& preview : previews_)
        if (preview.deadline == 0) preview.deadline = deadline;
}

void PreviewCustody::Forget(const Preview& preview) {
    if (preview.question) OwedAnswers().erase(preview.question);
    // Closing the job ends every process in it; without a job the process is all there is.
    if (!preview.job && !HasEnded(preview.process.Get())) TerminateProcess(preview.process.Get(), 1);
}

bool PreviewCustody::AskAndEndHung(HWND pane) {
    static unsigned lastQuestion = 0;
    const ULONGLONG now = GetTickCount64();
    const auto hung = std::remove_if(previews_.begin(), previews_.end(), [&](Preview& preview) {
        if (preview.deadline != 0 || HasEnded(preview.process.Get())) return false;
        if (preview.question && !OwedAnswers().contains(preview.question)) preview.question = 0;
        if (preview.question) {
            if (now - preview.askedAt < kHungMs) return false;
            Forget(preview);
            return true;
        }
        if (now - preview.askedAt < kAskEveryMs) return false;
        WindowOf search{GetProcessId(preview.process.Get())};
        EnumChildWindows(pane, &FindWindowOf, reinterpret_cast<LPARAM>(&search));
        if (!search.found) return false;
        const unsigned question = ++lastQuestion ? lastQuestion : ++lastQuestion;
        if (!SendMessageCallbackW(search.found, WM_NULL, 0, 0, &Answered, question)) return false;
        OwedAnswers().insert(question);
        preview.question = question;
        preview.askedAt = now;
        return false;
    });
    const bool ended = hung != previews_.end();
    previews_.erase(hung, previews_.end());
    return ended;
}

bool PreviewCustody::Sweep() {
    const ULONGLONG now = GetTickCount64();
    const auto gone = std::remove_if(previews_.begin(), previews_.end(), [now](Preview& preview) {
        if (!HasEnded(preview.process.Get()) && (preview.deadline == 0 || now < preview.deadline))
            return false;
        Forget(preview);
        return true;
    });
    const bool ended = gone != previews_.end();
    previews_.erase(gone, previews_.end());  // closing each job ends what is left in it
    return ended;
}

// A saver taking its window out of the pane sends to this thread and waits for the answer, so
// the wait answers sent messages (and only those) while it lasts.
void PreviewCustody::EndAll() {
    constexpr DWORD kLookEveryMs = 10;
    auto stillStopping = [this] {
        return std::any_of(previews_.begin(), previews_.end(),
                           [](const Preview& p) { return p.deadline != 0 && !HasEnded(p.process.Get()); });
    };
    ULONGLONG last = 0;
    for (const Preview& preview : previews_) last = std::max(last, preview.deadline);
    while (stillStopping() && GetTickCount64() < last) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, kLookEveryMs, QS_SENDMESSAGE);
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    for (const Preview& preview : previews_) Forget(preview);
    previews_.clear();
}

std::vector<DWORD> PreviewCustody::ProcessIds() const {
    std::vector<DWORD> ids;
    for (const Preview& preview : previews_) {
        const std::vector<DWORD> ofPreview = ProcessIdsOf(preview.job.Get(), preview.process.Get());
        ids.insert(ids.end(), ofPreview.begin(), ofPreview.end());
    }
    return ids;
}

bool PreviewCustody::AnyStopping() const {
    return std::any_of(previews_.begin(), previews_.end(), [](const Preview& p) { return p.deadline != 0; });
}

}  // namespace vr
