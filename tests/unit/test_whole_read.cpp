#include "files/WholeRead.h"

#include <gtest/gtest.h>

#include <vector>

namespace vr {
namespace {

// A file that hands out its chunks in turn, then fails where `failsAt` says.
struct ScriptedFile {
    std::vector<std::string> chunks;
    std::size_t failsAt = SIZE_MAX;
    std::size_t reads = 0;

    std::optional<std::size_t> operator()(char* buffer, std::size_t size) {
        const std::size_t at = reads++;
        if (at == failsAt) return std::nullopt;
        if (at >= chunks.size()) return 0;
        EXPECT_LE(chunks[at].size(), size);
        chunks[at].copy(buffer, chunks[at].size());
        return chunks[at].size();
    }
};

TEST(WholeReadTest, AFailedReadMidwayGivesNothingOfTheFile) {
    ScriptedFile whole{{"C:\\a.scr\r\n", "C:\\b.scr\r\n"}};
    EXPECT_EQ(ReadWhole(std::ref(whole)), "C:\\a.scr\r\nC:\\b.scr\r\n");

    for (std::size_t failsAt : {0u, 1u, 2u}) {
        ScriptedFile cut{{"C:\\a.scr\r\n", "C:\\b.scr\r\n"}, failsAt};
        EXPECT_EQ(ReadWhole(std::ref(cut)), std::nullopt) << "fails at read " << failsAt;
    }

    ScriptedFile empty;
    EXPECT_EQ(ReadWhole(std::ref(empty)), "");
}

}  // namespace
}  // namespace vr
