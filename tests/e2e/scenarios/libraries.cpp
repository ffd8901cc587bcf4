// A player that only plays leaves the shell and the common dialogs unloaded (with what they pull
// in, most of the memory it would otherwise use beyond a bare window program); the first drop and
// the first dialog load them and work as before. The accessibility library, and the automation
// library its answers are made with, wait likewise for the first client that asks for the
// playlist's rows.
#include <gtest/gtest.h>

#include <memory>

#include "files_support.h"
#include "playlist/PlaylistWindowIds.h"

using namespace e2e;

TEST(Libraries, TheShellTheCommonDialogsAndAccessibilityLoadOnlyWhenFirstUsed) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    const std::wstring b = sandbox.CopyLogSaver(L"B");
    player::Windows w = player::StartPlayer(sandbox, {}, {a});
    player::WaitForPreviewRun(sandbox, L"A", 1);
    const std::unique_ptr<void, decltype(&CloseHandle)> program(
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, w.processId), &CloseHandle);
    ASSERT_NE(program, nullptr);
    const auto loaded = [&](const wchar_t* library) {
        return LoadedLibraries(program.get()).count(library) == 1;
    };
    // The list is read at all: the program itself is in it.
    ASSERT_TRUE(loaded(L"VEILRUNNER.EXE"));
    EXPECT_FALSE(loaded(L"SHELL32.DLL"));
    EXPECT_FALSE(loaded(L"COMDLG32.DLL"));
    EXPECT_FALSE(loaded(L"OLEACC.DLL"));
    EXPECT_FALSE(loaded(L"OLEAUT32.DLL"));

    // Dragged in by OLE, the drop is read through the shell once the window handles it.
    DropFiles(w.playlist, {b});
    EXPECT_TRUE(WaitUntil([&] { return ListItems(w.list) == std::vector<std::wstring>{a, b}; }));
    EXPECT_TRUE(loaded(L"SHELL32.DLL"));
    EXPECT_TRUE(loaded(L"OLEACC.DLL"));
    EXPECT_TRUE(loaded(L"OLEAUT32.DLL"));

    HWND dialog = files::OpenDialogWith(w, vr::PlaylistWindowId::Button5);
    EXPECT_TRUE(loaded(L"COMDLG32.DLL"));
    PressCancel(dialog);
    EXPECT_TRUE(WaitUntilNoDialog(w.processId));
    EXPECT_EQ(ListItems(w.list), (std::vector<std::wstring>{a, b}));
}
