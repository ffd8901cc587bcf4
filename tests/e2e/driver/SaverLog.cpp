#include "SaverLog.h"

#include <algorithm>
#include <map>
#include <string_view>

#include "Files.h"
#include "Text.h"

namespace e2e {
namespace {

void Apply(SaverRun& run, std::string_view key, const std::wstring& value) {
    const auto number = [&] {
        return static_cast<std::uintptr_t>(std::stoull(value.empty() ? L"0" : value));
    };
    if (key == "command_line")
        run.commandLine = value;
    else if (key == "args")
        run.arguments = value;
    else if (key == "mode")
        run.mode = value;
    else if (key == "parent")
        run.parent = number();
    else if (key == "window")
        run.window = number();
    else if (key == "child_of_parent")
        run.childOfParent = value == L"yes";
    else if (key == "topmost")
        run.topmost = value == L"yes";
    else if (key == "size")
        run.size = value;
    else if (key == "parent_size")
        run.parentSize = value;
    else if (key == "started_at")
        run.startedAt = number();
    else if (key == "ended_at")
        run.endedAt = number();
    else if (key == "end")
        run.end = value;
    else
        run.other[std::string(key)] = value;
}

template <class Predicate>
std::vector<SaverRun> WaitForRuns(const std::wstring& logPath, std::size_t count,
                                  std::chrono::milliseconds deadline, Predicate counts) {
    std::vector<SaverRun> runs;
    WaitUntil(
        [&] {
            runs = ReadSaverLog(logPath);
            return static_cast<std::size_t>(std::count_if(runs.begin(), runs.end(), counts)) >= count;
        },
        deadline);
    return runs;
}

}  // namespace

std::vector<SaverRun> ReadSaverLog(const std::wstring& logPath) {
    std::vector<SaverRun> runs;
    std::map<DWORD, std::size_t> current;  // process id -> its latest run
    // A saver may be writing its next line right now: only lines up to the last newline count.
    std::string bytes = ReadFileBytes(logPath).value_or("");
    bytes.resize(bytes.find_last_of('\n') + 1);  // npos + 1 == 0: no complete line yet
    for (const std::string& line : SplitLines(bytes)) {
        // "[<pid>] <key>=<value>"
        const auto close = line.find("] ");
        const auto equals = line.find('=');
        if (line.empty() || line.front() != '[' || close == std::string::npos ||
            equals == std::string::npos || equals < close)
            continue;
        const auto id = static_cast<DWORD>(std::stoul(line.substr(1, close - 1)));
        const std::string_view key = std::string_view(line).substr(close + 2, equals - close - 2);
        // Every run writes its command line first; process ids can be reused by later runs.
        if (key == "command_line" || !current.contains(id)) {
            current[id] = runs.size();
            runs.push_back({});
            runs.back().processId = id;
        }
        Apply(runs[current[id]], key, FromUtf8(std::string_view(line).substr(equals + 1)));
    }
    return runs;
}

std::vector<SaverRun> WaitForSaverRuns(const std::wstring& logPath, std::size_t count,
                                       std::chrono::milliseconds deadline) {
    return WaitForRuns(logPath, count, deadline, [](const SaverRun& r) { return r.Started(); });
}

std::vector<SaverRun> WaitForEndedSaverRuns(const std::wstring& logPath, std::size_t count,
                                            std::chrono::milliseconds deadline) {
    return WaitForRuns(logPath, count, deadline, [](const SaverRun& r) { return r.Ended(); });
}

}  // namespace e2e
