// A playlist file's lines as the import rules take them: which lines name screensavers (by the
// type key) and which of those exist, with the plain paths confirmed by folder listings. The
// answer must be the one that asking about every line by itself would give, each line kept as
// written.
//
// Input: the playlist file's bytes. Lines starting with '+' are not part of it: they name the
// files that exist (without the '+'), so one input describes both the file and the disk.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "files/PlainPath.h"
#include "files/TextEncoding.h"
#include "files/TextLines.h"
#include "files/TypeKey.h"
#include "latin1_code_page.h"
#include "playlist/PlaylistFileReader.h"
#include "playlist_fakes.h"

namespace {

// What IsPlainAbsolutePath promises of the paths it accepts.
void CheckPlainPath(std::string_view path) {
    if (!vr::IsPlainAbsolutePath(path)) return;
    FUZZ_CHECK(path.size() >= 4 && path[0] >= 'A' && path[0] <= 'Z' && path.substr(1, 2) == ":\\");
    FUZZ_CHECK(path.find("\\\\") == std::string_view::npos && path.back() != '\\');
    FUZZ_CHECK(path.find("\\.\\") == std::string_view::npos && path.find("\\..\\") == std::string_view::npos);
    FUZZ_CHECK(!path.ends_with("\\.") && !path.ends_with("\\.."));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const vr::test::Latin1 ansi;
    const std::string text =
        vr::DecodeStoredText(std::string_view(reinterpret_cast<const char*>(data), size), ansi);
    vr::test::FakeFileSystem files;
    files.currentFolder = "C:\\Current\\";
    std::vector<std::string> playlist;
    for (std::string& line : vr::SplitLines(text)) {
        if (line.starts_with('+'))
            files.AddFile(line.substr(1));
        else
            playlist.push_back(std::move(line));
    }
    files.AddFile("C:\\list.spls", playlist);

    std::vector<std::string> expected;
    for (const std::string& line : playlist) {
        const std::string key = vr::TypeKey(line);
        FUZZ_CHECK(key.size() == std::min<std::size_t>(line.size(), 4));
        FUZZ_CHECK((vr::KindOf(line) == vr::FileKind::Screensaver) == (key == ".scr"));
        CheckPlainPath(line);
        if (vr::KindOf(line) != vr::FileKind::Screensaver) continue;
        const std::string full = files.FullPath(line);
        if (files.files.count(full) != 0) expected.push_back(line);
    }
    FUZZ_CHECK(vr::SaverLinesOf(files, "C:\\list.spls") == expected);
    return 0;
}
