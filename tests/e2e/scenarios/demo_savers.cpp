// The screensavers that come with the player behave as the player needs: a preview lives in
// the given window until WM_QUIT, a full-screen run covers the screen and ends on a key.
#include <gtest/gtest.h>

#include <string>

#include "Driver.h"

using namespace e2e;

namespace {

const wchar_t* const kDemoSavers[] = {L"Starfield", L"Plasma", L"Ribbons"};

}  // namespace

TEST(DemoSavers, PreviewPlaysInsideTheGivenWindowUntilQuitIsPosted) {
    Sandbox sandbox;
    HWND pane = sandbox.StartPreviewParent();
    ASSERT_NE(pane, nullptr);

    for (const wchar_t* name : kDemoSavers) {
        SCOPED_TRACE(ToUtf8(name));
        const std::wstring path = sandbox.CopyIn(DemoSaverBinary(name), std::wstring(name) + L".scr");
        Process& saver =
            sandbox.Start(path, L"/p " + std::to_wstring(reinterpret_cast<std::uintptr_t>(pane)));

        // The saver creates its window before it shows it: wait for both.
        HWND preview = WaitFor([&]() -> HWND {
            for (HWND w : Children(pane))
                if (OwnerProcess(w) == saver.Id() && IsShown(w)) return w;
            return nullptr;
        });
        ASSERT_NE(preview, nullptr);
        EXPECT_EQ(ClientSize(preview).cx, ClientSize(pane).cx);
        EXPECT_EQ(ClientSize(preview).cy, ClientSize(pane).cy);

        Post(preview, WM_QUIT);
        EXPECT_EQ(saver.WaitForExit(), 0u);
        EXPECT_FALSE(Exists(preview));
    }
}

TEST(DemoSavers, FullScreenCoversTheScreenAndEndsOnAKey) {
    Sandbox sandbox;
    for (const wchar_t* name : kDemoSavers) {
        SCOPED_TRACE(ToUtf8(name));
        const std::wstring path = sandbox.CopyIn(DemoSaverBinary(name), std::wstring(name) + L".scr");
        Process& saver = sandbox.Start(path, L"/s");

        HWND window = WaitFor([&]() -> HWND {
            for (HWND w : TopWindows(saver.Id()))
                if (IsShown(w) && GetWindowLongPtrW(w, GWL_EXSTYLE) & WS_EX_TOPMOST) return w;
            return nullptr;
        });
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(ClientSize(window).cx, GetSystemMetrics(SM_CXSCREEN));
        EXPECT_EQ(ClientSize(window).cy, GetSystemMetrics(SM_CYSCREEN));
        EXPECT_FALSE(saver.WaitForExit(300ms)) << "a demo saver must play until the user comes back";

        PressKey(window, VK_SPACE);
        EXPECT_EQ(saver.WaitForExit(), 0u);
    }
}
