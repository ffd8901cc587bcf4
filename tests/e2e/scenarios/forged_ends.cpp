// Any process can send or post WM_DESTROY and WM_NCDESTROY to the player's windows, or send a
// caption of any length. They are only words: every window lives on, works, and is saved where it
// really is.
#include <gtest/gtest.h>

#include "lent_windows_support.h"

using namespace e2e;

namespace {

constexpr std::size_t kHugeCaption = 4194304;
// Under Wine no answer ever comes: the message never arrives.
constexpr UINT kHugeCaptionWaitMs = 2000;

}  // namespace

TEST(ForgedEnds, EndMessagesFromAnotherProcessLeaveEveryWindowWorking) {
    Sandbox sandbox;
    const player::Playing playing = player::StartPlayingLogSavers(sandbox, {L"First", L"Second"});
    const player::Windows& w = playing.windows;
    const HWND about = FindTopWindow(w.processId, L"TfrmConfig");
    ASSERT_TRUE(about);
    const lent::HostPlace place = lent::PlaceOf(w.host);
    const std::wstring barCaption = Text(w.bar);

    for (HWND window : {w.host, w.playlist, about, w.bar}) {
        for (UINT end : {WM_DESTROY, WM_NCDESTROY}) {
            Post(window, end);
            Send(window, end);
        }
    }
    EXPECT_EQ(Text(w.bar), barCaption);

    // A caption far too long for any window: under Wine it cannot be brought across at all, and
    // the message is lost; on Windows it is set.
    const std::wstring huge(kHugeCaption, L'x');
    DWORD_PTR result = 0;
    SendMessageTimeoutW(w.bar, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(huge.c_str()), SMTO_NORMAL,
                        kHugeCaptionWaitMs, &result);

    // The next start comes by a timer, and timers come after every posted message.
    const player::Windows now = lent::ExpectWorking(sandbox, w, place, 1, L"Second", 1);
    EXPECT_EQ(now.host, w.host);
    EXPECT_EQ(Text(now.host), L"Second");
    lent::ExpectClosedKeeping(sandbox, now, place);
}
