#include <gtest/gtest.h>

#include "app/CommandLine.h"
#include "hosting/SaverCommand.h"

namespace vr {
namespace {

TEST(FirstArgument, TakesTheItemAfterTheProgramNameWithQuotesRemoved) {
    struct Case {
        const char* commandLine;
        const char* expected;
    };
    const Case cases[] = {
        {"Veilrunner.exe", ""},
        {"\"C:\\Program Files\\Veilrunner.exe\"", ""},
        {"\"C:\\Program Files\\Veilrunner.exe\" shutdown", "shutdown"},
        {"Veilrunner.exe   \"C:\\My Savers\\a b.scr\" second", "C:\\My Savers\\a b.scr"},
        {"Veilrunner.exe C:\\x\\list.spls extra", "C:\\x\\list.spls"},
        {"Veilrunner.exe \"\"", ""},
        {"Veilrunner.exe C:\\\"odd dir\"\\x.scr", "C:\\odd dir\\x.scr"},
        {"Veilrunner.exe\tshutdown", "shutdown"},
    };
    for (const Case& c : cases) EXPECT_EQ(FirstArgument(c.commandLine), c.expected) << c.commandLine;
}

TEST(ClassifyFirstArgument, ShutdownIsExactAndWallpaperGoesByTheNameAlone) {
    struct Case {
        const char* argument;
        RunKind expected;
    };
    const Case cases[] = {
        {"shutdown", RunKind::Shutdown},
        {"Shutdown", RunKind::Normal},
        {"SHUTDOWN", RunKind::Normal},
        {"C:\\w\\mine.scfg", RunKind::WallpaperMode},
        {"C:\\w\\MINE.SCFG", RunKind::WallpaperMode},
        {"C:\\w\\MINE~1.SCF", RunKind::WallpaperMode},
        {"scfg", RunKind::WallpaperMode},
        {"C:\\w\\mine.scfg.txt", RunKind::Normal},
        {"C:\\w\\a.scr", RunKind::Normal},
        {"", RunKind::Normal},
        {"cfg", RunKind::Normal},
    };
    for (const Case& c : cases) EXPECT_EQ(ClassifyFirstArgument(c.argument), c.expected) << c.argument;
}

TEST(ProcessNameMatches, ComparesTheFileNamePartOrTheWholeNameIgnoringAsciiCase) {
    EXPECT_TRUE(ProcessNameMatches("Veilrunner.exe", "Veilrunner.exe"));
    EXPECT_TRUE(ProcessNameMatches("VEILRUNNER.EXE", "Veilrunner.exe"));
    EXPECT_TRUE(ProcessNameMatches("C:\\Tools\\veilrunner.exe", "Veilrunner.exe"));
    EXPECT_TRUE(ProcessNameMatches("\\\\?\\C:veilrunner.exe", "Veilrunner.exe"));
    EXPECT_FALSE(ProcessNameMatches("Veilrunner2.exe", "Veilrunner.exe"));
    EXPECT_FALSE(ProcessNameMatches("C:\\Veilrunner.exe\\other.exe", "Veilrunner.exe"));
    EXPECT_FALSE(ProcessNameMatches("Veilrunner.ex", "Veilrunner.exe"));
}

TEST(SaverCommands, QuoteThePathAndKeepTheSwitchesAsTheSaversExpectThem) {
    const std::string path = "C:\\Program Files\\Savers\\Mystify.scr";
    EXPECT_EQ(PreviewCommandLine(path, 123456), "\"C:\\Program Files\\Savers\\Mystify.scr\" /p 123456");
    EXPECT_EQ(PreviewCommandLine(path, 0xFFFFFFFFull),
              "\"C:\\Program Files\\Savers\\Mystify.scr\" /p 4294967295");
    EXPECT_EQ(FullScreenCommandLine(path), "\"C:\\Program Files\\Savers\\Mystify.scr\" /s ");
    EXPECT_EQ(ConfigureCommandLine(path), "\"C:\\Program Files\\Savers\\Mystify.scr\" /c ");
    EXPECT_EQ(InstallParameters(path), "desk.cpl,InstallScreenSaver C:\\Program Files\\Savers\\Mystify.scr");
}

// "Use the playlist as the screensaver" installs the screensaver shipped beside the player.
TEST(SaverCommands, ThePlaylistIsInstalledAsVeilrunnerScrFromThePlayersFolder) {
    EXPECT_EQ(InstallParameters(PlaylistSaverPath("C:\\Users\\me\\AppData\\Local\\Programs\\Veilrunner\\")),
              "desk.cpl,InstallScreenSaver C:\\Users\\me\\AppData\\Local\\Programs\\Veilrunner\\Veilrunner.scr");
}

}  // namespace
}  // namespace vr
