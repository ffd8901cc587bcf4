#include "files/WholeRead.h"

namespace vr {

std::optional<std::string> ReadWhole(const ChunkReader& read) {
    std::string bytes;
    char buffer[64 * 1024];
    for (;;) {
        const std::optional<std::size_t> got = read(buffer, sizeof buffer);
        if (!got) return std::nullopt;
        if (*got == 0) return bytes;
        bytes.append(buffer, *got);
    }
}

}  // namespace vr
