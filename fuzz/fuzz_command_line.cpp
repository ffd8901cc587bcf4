// The command line another program (the shell, a shortcut, a script) starts the player with:
// the first argument as the program reads it, and what kind of start it asks for.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "app/CommandLine.h"
#include "files/TypeKey.h"

namespace {

std::string AsciiUpper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view commandLine(reinterpret_cast<const char*>(data), size);
    const std::string argument = vr::FirstArgument(commandLine);
    FUZZ_CHECK(argument.find('"') == std::string::npos);
    FUZZ_CHECK(argument.size() <= commandLine.size());

    const vr::RunKind kind = vr::ClassifyFirstArgument(argument);
    FUZZ_CHECK((kind == vr::RunKind::Shutdown) == (argument == "shutdown"));
    if (kind != vr::RunKind::Shutdown)
        FUZZ_CHECK((kind == vr::RunKind::WallpaperMode) ==
                   (vr::KindOf(argument) == vr::FileKind::WallpaperPlaylist));

    // "shutdown" matches the program by the name of its executable, as a snapshot reports it.
    FUZZ_CHECK(vr::ProcessNameMatches(commandLine, vr::FileNamePart(commandLine)));
    FUZZ_CHECK(vr::ProcessNameMatches(AsciiUpper(std::string(commandLine)), "VEILRUNNER.EXE") ==
               vr::ProcessNameMatches(commandLine, "Veilrunner.exe"));
    return 0;
}
