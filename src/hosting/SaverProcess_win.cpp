#include "hosting/SaverProcess_win.h"

#include <algorithm>
#include <cstddef>

#include "platform/AnsweringWait_win.h"
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

}  // namespace

void StartSaverDetached(const std::string& commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    Start(commandLine, kDetached, startup);
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
    // The preview starts suspended and is put into its job before it runs, so whatever it starts
    // is in the job too.
    StartedSaver saver = vr::Start(commandLine, kDetached | CREATE_SUSPENDED, startup);
    if (!saver.process) return;
    Preview preview;
    preview.process = std::move(saver.process);
    preview.job = KillOnCloseJob();
    const bool assigned = preview.job && AssignProcessToJobObject(preview.job.Get(), preview.process.Get());
    const CustodyRefusal::Outcome outcome = refusal_.Answered(assigned, GetLastError());
    if (!outcome.keepJob) preview.job = {};
    if (!outcome.report.empty()) ReportToDebugger("preview custody", outcome.report.c_str());
    ResumeThread(saver.thread.Get());
    previews_.push_back(std::move(preview));
}

void PreviewCustody::StopAll() {
    const ULONGLONG deadline = GetTickCount64() + kGraceMs;
    for (Preview& preview : previews_)
        if (preview.deadline == 0) preview.deadline = deadline;
}

bool PreviewCustody::Sweep() {
    const ULONGLONG now = GetTickCount64();
    const auto gone = std::remove_if(previews_.begin(), previews_.end(), [now](Preview& preview) {
        if (HasEnded(preview.process.Get())) return true;
        if (preview.deadline == 0 || now < preview.deadline) return false;
        // Closing the job ends every process in it; without a job the process is all there is.
        if (!preview.job) TerminateProcess(preview.process.Get(), 1);
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
    for (Preview& preview : previews_)
        if (!preview.job && !HasEnded(preview.process.Get())) TerminateProcess(preview.process.Get(), 1);
    previews_.clear();
}

std::vector<DWORD> PreviewCustody::ProcessIds() const {
    std::vector<DWORD> ids;
    for (const Preview& preview : previews_) {
        ids.push_back(GetProcessId(preview.process.Get()));
        if (!preview.job) continue;
        // Room for far more processes than a saver starts; a longer list leaves out the rest.
        constexpr DWORD kMost = 64;
        constexpr std::size_t kFirstId =
            offsetof(JOBOBJECT_BASIC_PROCESS_ID_LIST, ProcessIdList) / sizeof(ULONG_PTR);
        std::vector<ULONG_PTR> buffer(kFirstId + kMost);
        auto* list = reinterpret_cast<JOBOBJECT_BASIC_PROCESS_ID_LIST*>(buffer.data());
        list->NumberOfAssignedProcesses = kMost;
        if (!QueryInformationJobObject(preview.job.Get(), JobObjectBasicProcessIdList, list,
                                       static_cast<DWORD>(buffer.size() * sizeof(ULONG_PTR)), nullptr) &&
            GetLastError() != ERROR_MORE_DATA)
            continue;
        const DWORD count = std::min(list->NumberOfProcessIdsInList, kMost);
        for (DWORD i = 0; i < count; ++i) ids.push_back(static_cast<DWORD>(buffer[kFirstId + i]));
    }
    return ids;
}

bool PreviewCustody::AnyStopping() const {
    return std::any_of(previews_.begin(), previews_.end(), [](const Preview& p) { return p.deadline != 0; });
}

}  // namespace vr
