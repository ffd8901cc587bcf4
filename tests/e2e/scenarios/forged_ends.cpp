// Any process can send or post WM_DESTROY and WM_NCDESTROY to the player's windows, send a
// caption of any length, or post the messages that carry pointers with a pointer to nothing.
// They are only words: every window lives on, works, and is saved where it really is.
#include <gtest/gtest.h>

#include "lent_windows_support.h"
#include "playlist/PlaylistWindowIds.h"

using namespace e2e;

namespace {

constexpr std::size_t kHugeCaption = 4194304;
// Under Wine no answer ever comes: the message never arrives.
constexpr UINT kHugeCaptionWaitMs = 2000;
constexpr LPARAM kNowhere = 0x10;  // an address no process has memory at
constexpr int kEvery3Minutes = 7;

}  // namespace

TEST(ForgedEnds, EndMessagesFromAnotherProcessLeaveEveryWindowWorking) {
    Sandbox sandbox;
    const player::Playing playing = player::StartPlayingLogSavers(sandbox, {L"First", L"Second"});
    const player::Windows& w = playing.windows;
    const HWND about = FindTopWindow(w.processId, L"TfrmConfig");
    ASSERT_TRUE(about);
    const lent::HostPlace place = lent::PlaceOf(w.host);
    const std::wstring barCaption = Text(w.bar);
    const RECT barPlace = WindowRect(w.bar);
    SelectComboItem(w.timeCombo, kEvery3Minutes);
    const HWND radio = FindControl(w.playlist, vr::PlaylistWindowId::RadioButton2);  // "Use player window"
    Click(radio);

    // Only the system sends a change of DPI and a power setting, and only the shell drops files
    // by message.
    for (HWND window : {w.bar, w.host, w.playlist, about}) {
        for (LPARAM rect : {LPARAM{0}, kNowhere}) Post(window, WM_DPICHANGED, MAKEWPARAM(144, 144), rect);
        Post(window, WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE, kNowhere);
        Post(window, WM_DROPFILES, static_cast<WPARAM>(kNowhere), 0);
    }

    // The system's controls among them: what is saved is the player's own choice, not what a
    // broken control reads.
    for (HWND window : {w.host, w.playlist, about, w.bar, w.timeCombo, radio}) {
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
    const RECT barNow = WindowRect(w.bar);
    EXPECT_TRUE(EqualRect(&barNow, &barPlace)) << "the bar moved";
    lent::ExpectClosedKeeping(sandbox, now, place);
    const std::vector<std::string> saved = ReadLines(sandbox.PathOf(L"config.cfg"));
    EXPECT_EQ(saved.at(14), std::to_string(kEvery3Minutes)) << "the interval's line";
    EXPECT_EQ(saved.at(17), "2") << "the placement's line";
}
