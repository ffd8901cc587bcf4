#include "lent_windows_support.h"

#include <gtest/gtest.h>

#include "custody_support.h"
#include "files_support.h"
#include "hosting/HostWindowIds.h"

namespace lent {
namespace {

constexpr std::size_t kHostLeftLine = 2;

::testing::AssertionResult AnswersAndIsEnabled(HWND window, const char* name) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, e2e::kAnswerWithinMs, &result))
        return ::testing::AssertionFailure() << "the " << name << " does not answer";
    // Enabled again once the saver that disabled it has ended, which may come a little later.
    if (!e2e::WaitUntil([&] { return e2e::IsEnabled(window); }))
        return ::testing::AssertionFailure() << "the " << name << " is disabled";
    return ::testing::AssertionSuccess();
}

}  // namespace

HostPlace PlaceOf(HWND host) {
    const RECT outer = e2e::WindowRect(host);
    return {{outer.left, outer.top}, e2e::ClientSize(host)};
}

player::Windows Refound(const player::Windows& w) {
    player::Windows now = w;
    now.host = e2e::FindTopWindow(w.processId, L"TfrmSVDActive");
    now.pane = now.host ? e2e::FindControl(now.host, vr::HostWindowId::p1) : nullptr;
    return now;
}

player::Windows ExpectWorking(e2e::Sandbox& sandbox, const player::Windows& w, const HostPlace& place,
                              int entry, const std::wstring& saver, std::size_t run) {
    player::Windows now;
    EXPECT_TRUE(e2e::WaitUntil([&] {
        now = Refound(w);
        return now.pane && e2e::IsShown(now.pane);
    })) << "no host window with a pane is shown";
    if (!now.pane) return now;
    const HostPlace at = PlaceOf(now.host);
    EXPECT_EQ(at.position.x, place.position.x);
    EXPECT_EQ(at.position.y, place.position.y);
    EXPECT_EQ(at.client.cx, place.client.cx);
    EXPECT_EQ(at.client.cy, place.client.cy);
    EXPECT_EQ(e2e::ClientSize(now.pane).cx, place.client.cx);
    EXPECT_EQ(e2e::ClientSize(now.pane).cy, place.client.cy);

    e2e::SelectListItem(now.list, entry);
    const e2e::SaverRun played = player::WaitForPreviewRun(sandbox, saver, run);
    EXPECT_EQ(played.Parent(), now.pane) << "the preview was not started in the pane";
    EXPECT_TRUE(played.childOfParent);
    EXPECT_EQ(played.parentSize, std::to_wstring(place.client.cx) + L"x" + std::to_wstring(place.client.cy));

    const HWND about = e2e::FindTopWindow(w.processId, L"TfrmConfig");
    EXPECT_TRUE(AnswersAndIsEnabled(now.bar, "player bar"));
    EXPECT_TRUE(AnswersAndIsEnabled(now.host, "host window"));
    EXPECT_TRUE(AnswersAndIsEnabled(now.playlist, "playlist window"));
    EXPECT_TRUE(AnswersAndIsEnabled(about, "About window"));
    EXPECT_TRUE(AnswersAndIsEnabled(GetWindow(now.bar, GW_OWNER), "application window"));
    return now;
}

void ExpectClosedKeeping(e2e::Sandbox& sandbox, const player::Windows& w, const HostPlace& place) {
    ASSERT_TRUE(files::Closed(w));
    const std::vector<std::string> lines = e2e::ReadLines(sandbox.PathOf(L"config.cfg"));
    ASSERT_GT(lines.size(), kHostLeftLine + 3);
    EXPECT_EQ(lines[kHostLeftLine], std::to_string(place.position.x));
    EXPECT_EQ(lines[kHostLeftLine + 1], std::to_string(place.position.y));
    EXPECT_EQ(lines[kHostLeftLine + 2], std::to_string(place.client.cx));
    EXPECT_EQ(lines[kHostLeftLine + 3], std::to_string(place.client.cy));
    EXPECT_EQ(custody::Describe(custody::ProcessesLeft(sandbox)), "");
}

}  // namespace lent
