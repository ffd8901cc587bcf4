// The line format of settings and playlists: any bytes split into lines that hold no line end
// and no NUL, and written lines read back as the same lines.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "files/TextLines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = vr::SplitLines(bytes);
    FUZZ_CHECK(lines.size() <= bytes.size());
    for (const std::string& line : lines)
        FUZZ_CHECK(line.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos);
    FUZZ_CHECK(vr::SplitLines(vr::JoinLines(lines)) == lines);
    return 0;
}
