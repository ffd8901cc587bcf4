#include "files/ExistenceChecks.h"

#include <gtest/gtest.h>

#include <cctype>

#include "files/PlainPath.h"
#include "playlist_fakes.h"

namespace vr {
namespace {

// Only paths that making them full leaves unchanged, and whose folder listing shows their name.
TEST(PlainPathTest, OnlyDrivePathsTheSystemTakesAsWritten) {
    for (const char* plain : {"C:\\Savers\\Mystify.scr", "C:\\x.scr",
                              "Z:\\a b\\c~1\\\xC3\x89"
                              "cran.scr",
                              "C:\\CONSOLE\\COM10.scr", "C:\\my.con\\nul-ish.scr", "C:\\COM\\LPT.scr"}) {
        EXPECT_TRUE(IsPlainAbsolutePath(plain)) << plain;
    }
    const std::vector<std::string> rewritten{
        // not on a drive, or a drive letter that might come back otherwise
        "c:\\x.scr", "Savers\\x.scr", "C:x.scr", "\\\\server\\share\\x.scr", "\\\\?\\C:\\x.scr",
        "\\Savers\\x.scr",
        // components that are missing, resolved or trimmed
        "C:\\", "C:\\a\\\\x.scr", "C:\\a\\", "C:\\a\\..\\x.scr", "C:\\a\\.\\x.scr", "C:\\a.\\x.scr",
        "C:\\a \\x.scr", "C:\\a\\x.scr.", "C:\\a\\x.scr ",
        // characters no name holds
        "C:\\a/b\\x.scr", "C:\\a\\x.scr:stream", "C:\\a\\*.scr", "C:\\a\\x?.scr", "C:\\a\\x\t.scr",
        // devices, with or without an extension
        "C:\\a\\CON.scr", "C:\\a\\nul .scr", "C:\\aux\\x.scr", "C:\\a\\com1.scr", "C:\\a\\LPT9",
        "C:\\a\\com\xC2\xB9.scr", "C:\\a\\CONOUT$.scr"};
    for (const std::string& path : rewritten) {
        EXPECT_FALSE(IsPlainAbsolutePath(path)) << path;
    }
}

// The system compares names without regard to case; the listing shows them as stored.
class CaseBlindFiles : public test::FakeFileSystem {
public:
    bool FileExists(const std::string& path) override {
        ++existsQueries;
        const std::string wanted = Folded(path);
        for (const auto& [stored, lines] : files)
            if (Folded(stored) == wanted) return true;
        return false;
    }

private:
    static std::string Folded(std::string s) {
        for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    }
};

std::string Saver(const std::string& folder, int i) { return folder + "\\s" + std::to_string(i) + ".scr"; }

// Every answer is FileExists's; a folder named by many paths is listed once and confirms the
// names it shows, and only what it cannot confirm is asked about path by path.
TEST(FilesExistTest, AnswersAsFileExistsAskingOnlyWhatOneListingCannotConfirm) {
    CaseBlindFiles files;
    for (int i = 0; i < 40; ++i) files.AddFile(Saver("C:\\Many", i));
    files.AddFile("C:\\Many\\Sub\\s1.scr");
    files.AddFile("C:\\Few\\a.scr");
    files.AddFile("rel.scr");
    std::vector<std::string> paths;  // each of the folder's files three times, as long playlists do
    for (int i = 0; i < 120; ++i) paths.push_back(Saver("C:\\Many", (i * 7) % 40));
    const std::vector<std::string> asked{
        "C:\\Many\\s40.scr",           // missing
        "C:\\Many\\S3.SCR",            // stored in other case
        "C:\\Many\\Sub\\s1.scr",       // in a folder of its own, named once
        "C:\\Many\\..\\Many\\s2.scr",  // not taken as written
        "rel.scr",
        "C:\\Few\\a.scr",
        "C:\\Few\\b.scr",
    };
    paths.insert(paths.end(), asked.begin(), asked.end());

    const std::vector<bool> exists = FilesExist(files, paths);

    EXPECT_EQ(files.namesListed, std::vector<std::string>{"C:\\Many"});
    EXPECT_EQ(files.existsQueries, static_cast<int>(asked.size()));
    ASSERT_EQ(exists.size(), paths.size());
    for (std::size_t i = 0; i < paths.size(); ++i)
        EXPECT_EQ(exists[i], files.FileExists(paths[i])) << paths[i];
    EXPECT_TRUE(exists[paths.size() - asked.size() + 1]);  // the other case, found by its own query
}

// A listing that would show far more names than paths ask about is cut short; they are then
// asked about one by one, with the same answers.
TEST(FilesExistTest, AFolderTooBigForTheAskingPathsIsNotListedToTheEnd) {
    test::FakeFileSystem files;
    for (int i = 0; i < 1000; ++i) files.AddFile(Saver("C:\\Big", i));
    std::vector<std::string> paths;
    for (int i = 0; i < 20; ++i) paths.push_back(Saver("C:\\Big", i * 60));
    const std::vector<bool> exists = FilesExist(files, paths);
    EXPECT_EQ(files.existsQueries, 20);
    for (std::size_t i = 0; i < paths.size(); ++i) EXPECT_EQ(exists[i], i * 60 < 1000) << paths[i];
}

}  // namespace
}  // namespace vr
