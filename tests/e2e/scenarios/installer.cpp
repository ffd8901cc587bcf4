// The per-user installer, run silently as an administrator would: what it puts where, what it
// registers, that the registered file types open the player, that an upgrade keeps the user's
// settings and playlist, and that the uninstaller takes away everything it added.
#include <gtest/gtest.h>

#include "Player.h"
#include "custody_support.h"
#include "installer_support.h"
#include "wallpaper_support.h"

using namespace e2e;

namespace {

const wchar_t* const kDemoSavers[] = {L"Starfield", L"Plasma", L"Ribbons"};

std::wstring InstalledProgram() { return installer::InstallFolder() + L"\\Veilrunner.exe"; }
std::wstring InstalledPlaylistSaver() { return installer::InstallFolder() + L"\\Veilrunner.scr"; }

std::size_t FileSize(const std::wstring& path) { return ReadFileBytes(path).value_or("").size(); }

// Starts the installed player with no argument and waits for its bar.
Process& StartInstalledPlayer(Sandbox& sandbox) {
    Process& player = sandbox.Start(InstalledProgram());
    EXPECT_NE(WaitForTopWindow(player.Id(), L"TfrmSVDOptions"), nullptr);
    return player;
}

}  // namespace

TEST(Installer, InstallsForTheUserAndItsFileTypesOpenThePlayer) {
    if (InstallerBinary().empty()) GTEST_SKIP() << "built without NSIS: no installer";
    const installer::CleanPrefix clean;
    const std::wstring folder = installer::InstallFolder();
    ASSERT_FALSE(installer::FolderExists(folder)) << "an earlier installation is left in the prefix";
    ASSERT_EQ(installer::RunSetup(), std::optional<DWORD>(0));

    // The program and the demo savers as built, and a first playlist naming the savers.
    const std::wstring program = InstalledProgram();
    EXPECT_EQ(ReadFileBytes(program), ReadFileBytes(ProgramBinary()));
    EXPECT_TRUE(ReadFileBytes(InstalledPlaylistSaver()) == ReadFileBytes(PlaylistSaverBinary()))
        << "Veilrunner.scr is not installed as built";
    std::size_t bytes = FileSize(program) + FileSize(InstalledPlaylistSaver());
    std::vector<std::string> firstPlaylist;
    for (const wchar_t* saver : kDemoSavers) {
        const std::wstring installed = folder + L"\\" + saver + L".scr";
        EXPECT_EQ(ReadFileBytes(installed), ReadFileBytes(DemoSaverBinary(saver))) << ToUtf8(saver);
        firstPlaylist.push_back(ToAnsi(installed));
        bytes += FileSize(installed);
    }
    EXPECT_EQ(ReadLines(folder + L"\\myList.spls"), firstPlaylist);
    EXPECT_TRUE(FileExists(folder + L"\\uninstall.exe"));

    const auto shortcut = wallpaper::ReadShortcut(installer::StartMenuShortcut());
    ASSERT_TRUE(shortcut.has_value()) << "no Start-menu shortcut";
    EXPECT_EQ(shortcut->target, program);

    // The entry under "Apps & features".
    const std::wstring key = installer::kUninstallKey;
    EXPECT_EQ(installer::ReadString(key, L"DisplayName"), L"Quillion's Veilrunner");
    EXPECT_EQ(installer::ReadString(key, L"DisplayVersion"), BuiltVersion());
    EXPECT_EQ(installer::ReadString(key, L"Publisher"), L"Quillion");
    EXPECT_EQ(installer::ReadString(key, L"DisplayIcon"), program + L",0");
    EXPECT_EQ(installer::ReadString(key, L"UninstallString"), L"\"" + folder + L"\\uninstall.exe\"");
    EXPECT_GE(installer::ReadNumber(key, L"EstimatedSize").value_or(0), bytes / 1024) << "size in KB";

    // Each type has a description and our icon; the two playlist spellings share one class.
    for (const wchar_t* extension : installer::kFileTypes) {
        SCOPED_TRACE(ToUtf8(extension));
        const std::wstring progId = installer::ReadString(installer::ClassesKey(extension)).value_or(L"");
        ASSERT_FALSE(progId.empty());
        EXPECT_FALSE(installer::ReadString(installer::ClassesKey(progId)).value_or(L"").empty());
        EXPECT_EQ(installer::ReadString(installer::ClassesKey(progId + L"\\DefaultIcon")), program + L",0");
    }
    EXPECT_EQ(installer::ReadString(installer::ClassesKey(L".spl")),
              installer::ReadString(installer::ClassesKey(L".spls")));

    Sandbox sandbox;
    // A ".scfg" opened through its association plays in desktop wallpaper mode...
    HWND iconView = wallpaper::StartDesktop(sandbox);
    const std::wstring wallSaver = sandbox.CopyLogSaver(L"Wall");
    const std::wstring scfg = sandbox.PathOf(L"desk.scfg");
    WriteFileBytes(scfg, wallpaper::ScfgText({40, 30, 300, 200, 3}, {wallSaver}));
    Process& wall = sandbox.StartCommandLine(installer::OpenCommand(L".scfg", scfg));
    EXPECT_NE(wallpaper::WaitForEmbeddedHost(iconView, wall.Id()), nullptr) << "no embedded host window";
    EXPECT_EQ(player::WaitForPreviewRun(sandbox, L"Wall", 1).mode, L"preview");

    // ...and a playlist in the player, first, before the demo savers of the first playlist,
    // which the installed player reads from beside itself.
    const std::wstring listed = sandbox.CopyLogSaver(L"Listed");
    const std::wstring spls = sandbox.PathOf(L"mine.spls");
    WriteFileBytes(spls, ToAnsi(listed) + "\r\n");
    Process& opened = sandbox.StartCommandLine(installer::OpenCommand(L".spls", spls));
    const player::Windows w = player::WaitForPlayer(opened.Id());
    std::vector<std::wstring> expected{listed};
    for (const wchar_t* saver : kDemoSavers) expected.push_back(folder + L"\\" + saver + L".scr");
    EXPECT_TRUE(WaitUntil([&] { return ListItems(w.list) == expected; }));
    EXPECT_EQ(player::WaitForPreviewRun(sandbox, L"Listed", 1).mode, L"preview");
}

TEST(Installer, UpgradeKeepsTheUsersFilesAndUninstallRemovesAllItAdded) {
    if (InstallerBinary().empty()) GTEST_SKIP() << "built without NSIS: no installer";
    const installer::CleanPrefix clean;
    const std::wstring folder = installer::InstallFolder();
    ASSERT_FALSE(installer::FolderExists(folder)) << "an earlier installation is left in the prefix";
    ASSERT_EQ(installer::RunSetup(), std::optional<DWORD>(0));
    Sandbox sandbox;

    // The user's own settings and playlist: an upgrade writes neither file.
    const std::string settings = player::ConfigText({});
    const std::string playlist = "C:\\Savers\\Mine.scr\r\nC:\\Savers\\Other.scr\r\n";
    WriteFileBytes(folder + L"\\config.cfg", settings);
    WriteFileBytes(folder + L"\\myList.spls", playlist);
    ASSERT_EQ(installer::RunSetup(), std::optional<DWORD>(0));
    EXPECT_EQ(ReadFileBytes(folder + L"\\config.cfg"), settings);
    EXPECT_EQ(ReadFileBytes(folder + L"\\myList.spls"), playlist);
    EXPECT_EQ(ReadFileBytes(InstalledProgram()), ReadFileBytes(ProgramBinary()));

    // What "Add to autostart folder!" made, beside a shortcut of someone else's; a playlist the
    // user saved elsewhere.
    const std::wstring startup = wallpaper::StartupFolder();
    const installer::OutsideFile autostart1(startup + L"\\" + installer::kAutostartPrefix +
                                            L"desk.scfg).lnk");
    const installer::OutsideFile autostart2(startup + L"\\" + installer::kAutostartPrefix +
                                            L"night.scfg).lnk");
    const installer::OutsideFile foreign(startup + L"\\Someone else's.lnk");
    for (const auto* file : {&autostart1, &autostart2, &foreign}) WriteFileBytes(file->path, "");
    const std::wstring mine = sandbox.PathOf(L"mine.spls");
    WriteFileBytes(mine, playlist);
    std::vector<std::wstring> classes;
    for (const wchar_t* extension : installer::kFileTypes)
        classes.push_back(installer::ReadString(installer::ClassesKey(extension)).value_or(L""));

    // A running player of the installation goes; one started from another folder stays.
    Process& running = StartInstalledPlayer(sandbox);
    Process& portable = sandbox.Start(sandbox.CopyProgram());
    ASSERT_NE(WaitForTopWindow(portable.Id(), L"TfrmSVDOptions"), nullptr);
    // The playlist made the system screensaver, named by its short path as the display control
    // panel names it.
    installer::SystemScreensaver systemSaver;
    const std::wstring installedSaver = installer::ShortPath(InstalledPlaylistSaver());
    ASSERT_FALSE(installedSaver.empty());
    ASSERT_NE(installedSaver, InstalledPlaylistSaver()) << "no short form to tell apart";
    systemSaver.Set(installedSaver);
    ASSERT_TRUE(installer::RunUninstall()) << "the uninstall entry or the folder stayed";
    EXPECT_TRUE(running.WaitForExit().has_value()) << "the uninstaller left the player running";
    EXPECT_TRUE(portable.Running()) << "the uninstaller ended a player of another folder";
    EXPECT_EQ(systemSaver.Get(), std::nullopt) << "the system screensaver still names a removed file";
    EXPECT_FALSE(FileExists(installer::StartMenuShortcut()));
    EXPECT_FALSE(FileExists(autostart1.path));
    EXPECT_FALSE(FileExists(autostart2.path));
    EXPECT_TRUE(FileExists(foreign.path));
    EXPECT_EQ(ReadFileBytes(mine), playlist);
    for (const wchar_t* extension : installer::kFileTypes)
        EXPECT_FALSE(installer::KeyExists(installer::ClassesKey(extension))) << ToUtf8(extension);
    for (const std::wstring& progId : classes) {
        EXPECT_FALSE(progId.empty());
        EXPECT_FALSE(installer::KeyExists(installer::ClassesKey(progId))) << ToUtf8(progId);
    }
}

TEST(Installer, AnUpgradeClosesTheInstalledPlayersAsTheirBarsDoAndLeavesOtherFoldersAlone) {
    if (InstallerBinary().empty()) GTEST_SKIP() << "built without NSIS: no installer";
    const installer::CleanPrefix clean;
    const std::wstring folder = installer::InstallFolder();
    ASSERT_FALSE(installer::FolderExists(folder)) << "an earlier installation is left in the prefix";
    ASSERT_EQ(installer::RunSetup(), std::optional<DWORD>(0));
    Sandbox sandbox;

    // Two players of the installation, their interval just changed and not yet saved (both
    // save to the same file, so both get the same change), and a portable copy elsewhere with
    // a change of its own.
    constexpr int kChangedInterval = 5;
    Process& changed = StartInstalledPlayer(sandbox);
    Process& second = StartInstalledPlayer(sandbox);
    for (const Process* installed : {&changed, &second}) {
        const player::Windows w = player::WaitForPlayer(installed->Id());
        SelectComboItem(w.timeCombo, kChangedInterval);
        ASSERT_EQ(ComboSelection(w.timeCombo), kChangedInterval);
    }
    const player::Windows portable = player::StartPlayer(sandbox, {}, {});
    SelectComboItem(portable.timeCombo, kChangedInterval);
    const auto portableSettings = ReadFileBytes(sandbox.PathOf(L"config.cfg"));
    // The installed playlist screensaver previewing in the display settings, running a demo saver.
    const HWND settingsPane = sandbox.StartPreviewParent();
    Process& rotator = sandbox.Start(
        InstalledPlaylistSaver(), L"/p " + std::to_wstring(reinterpret_cast<std::uintptr_t>(settingsPane)));
    ASSERT_TRUE(WaitUntil([&] { return !ProcessDescendants({rotator.Id()}).empty(); }))
        << "no saver previewed";

    ASSERT_EQ(installer::RunSetup(), std::optional<DWORD>(0));
    EXPECT_TRUE(rotator.WaitForExit(std::chrono::milliseconds(0)).has_value())
        << "left running by the upgrade";
    EXPECT_TRUE(changed.WaitForExit().has_value()) << "the upgrade left the player running";
    EXPECT_TRUE(second.WaitForExit().has_value()) << "the upgrade left the player running";
    const auto left = ProcessesRunningFrom(folder);
    EXPECT_TRUE(left.empty()) << custody::Describe(left);
    EXPECT_TRUE(ReadFileBytes(InstalledPlaylistSaver()) == ReadFileBytes(PlaylistSaverBinary()));
    // Closed as its bar closes: what the user changed is saved, the playlist with it.
    const std::vector<std::string> saved = ReadLines(folder + L"\\config.cfg");
    ASSERT_GE(saved.size(), 15u) << "the player was ended without saving";
    EXPECT_EQ(saved[14], std::to_string(kChangedInterval));
    std::vector<std::string> demoSavers;
    for (const wchar_t* saver : kDemoSavers) demoSavers.push_back(ToAnsi(folder + L"\\" + saver + L".scr"));
    EXPECT_EQ(ReadLines(folder + L"\\myList.spls"), demoSavers);

    EXPECT_TRUE(ProcessRunning(portable.processId)) << "the upgrade ended a player of another folder";
    EXPECT_EQ(ReadFileBytes(sandbox.PathOf(L"config.cfg")), portableSettings);

    // An instance that does not answer (here a program with no player bar in the program's
    // place) is ended once the installer has waited for it.
    const std::wstring program = InstalledProgram();
    ASSERT_TRUE(CopyFileW(FakeDesktopBinary().c_str(), program.c_str(), FALSE));
    Process& deaf = sandbox.Start(program);
    ASSERT_NE(WaitForTopWindow(deaf.Id(), L"Progman"), nullptr);
    ASSERT_EQ(installer::RunSetup(), std::optional<DWORD>(0));
    EXPECT_TRUE(deaf.WaitForExit(std::chrono::milliseconds(0)).has_value()) << "left running by the upgrade";
    EXPECT_EQ(ReadFileBytes(program), ReadFileBytes(ProgramBinary()));

    // A system screensaver of another folder is not the uninstaller's to clear.
    installer::SystemScreensaver systemSaver;
    const std::wstring elsewhere = installer::ShortPath(sandbox.CopyLogSaver(L"Mine"));
    systemSaver.Set(elsewhere);
    ASSERT_TRUE(installer::RunUninstall());
    EXPECT_EQ(systemSaver.Get(), elsewhere);
}
