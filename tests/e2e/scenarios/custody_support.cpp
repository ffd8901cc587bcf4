#include "custody_support.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace custody {
namespace {

std::wstring FileName(const std::wstring& path) { return path.substr(path.find_last_of(L'\\') + 1); }

}  // namespace

std::wstring CopySaver(e2e::Sandbox& sandbox, const e2e::bad::Kind& kind,
                       std::optional<unsigned> slowDelayMs) {
    return sandbox.CopyBadSaver(kind.misbehaviour, kind.misbehaviour, slowDelayMs);
}

std::optional<e2e::SaverRun> WaitUntilPlaying(const e2e::Sandbox& sandbox, const e2e::bad::Kind& kind) {
    std::optional<e2e::SaverRun> playing;
    e2e::WaitUntil([&] {
        const auto runs = sandbox.SaverRuns(kind.misbehaviour);
        if (!runs.empty() && e2e::bad::Misbehaving(runs[0], kind)) playing = runs[0];
        return playing.has_value();
    });
    if (!playing)
        ADD_FAILURE() << "the " << e2e::ToUtf8(kind.misbehaviour) << " saver never got to its misbehaviour";
    return playing;
}

std::vector<e2e::ProcessInfo> SaverProcesses(const e2e::Sandbox& sandbox, DWORD playerId) {
    std::vector<e2e::ProcessInfo> savers = e2e::ProcessesRunningFrom(sandbox.Folder());
    std::erase_if(savers, [&](const e2e::ProcessInfo& p) { return p.id == playerId; });
    return savers;
}

std::vector<e2e::ProcessInfo> ProcessesLeft(const e2e::Sandbox& sandbox) {
    std::vector<e2e::ProcessInfo> left;
    e2e::WaitUntil([&] { return (left = e2e::ProcessesRunningFrom(sandbox.Folder())).empty(); },
                   kSaversGoneWithin);
    return left;
}

std::string Describe(const std::vector<e2e::ProcessInfo>& processes) {
    std::string text;
    for (const e2e::ProcessInfo& p : processes) {
        if (!text.empty()) text += ", ";
        text += e2e::ToUtf8(FileName(p.imagePath)) + " (id " + std::to_string(p.id) + ", parent " +
                std::to_string(p.parentId) + ")";
    }
    return text;
}

e2e::Process Hold(DWORD processId) {
    HANDLE process =
        OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process) throw std::runtime_error("process " + std::to_string(processId) + " is not running");
    return e2e::Process(process, processId);
}

bool PlayerEnded(const e2e::Process& player) { return player.WaitForExit(kPlayerEndsWithin).has_value(); }

}  // namespace custody
