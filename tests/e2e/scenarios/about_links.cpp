// The About window's links: each tile of the "Links" picture, the author's name, the logo and
// "Donate..." open their page in the default browser, here a stand-in that records addresses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Driver.h"
#include "about/AboutWindowIds.h"
#include "about/Links.h"
#include "about/Products.h"
#include "about_support.h"

using namespace e2e;
using about::AboutHandles;

namespace {

// The click areas as the design places them on the "Links" tab, in the order of the tiles.
struct Area {
    const char* name;
    RECT place;
};
constexpr Area kAreas[] = {
    {"Image5", {16, 16, 16 + 137, 16 + 137}},     {"Image4", {176, 16, 176 + 137, 16 + 137}},
    {"Image9", {328, 16, 328 + 145, 16 + 137}},   {"Image6", {16, 168, 16 + 137, 168 + 137}},
    {"Image7", {176, 168, 176 + 137, 168 + 129}}, {"Image3", {336, 168, 336 + 137, 168 + 129}},
};

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

}  // namespace

TEST(AboutWindowLinks, EachTileOpensItsProductPage) {
    Sandbox sandbox;
    about::BrowserStandIn browser(sandbox);
    const AboutHandles about = about::StartPlayer(sandbox);
    about::OpenAbout(about);

    for (std::size_t i = 0; i < std::size(kAreas); ++i) {
        SCOPED_TRACE(kAreas[i].name);
        e2e::ClickInClient(about.linksSheet, Centre(kAreas[i].place));
        const auto opened = browser.WaitForOpened(i + 1);
        ASSERT_EQ(opened.size(), i + 1) << "the click opened nothing";
        EXPECT_EQ(opened[i], vr::kProducts[i].page);
    }
}

TEST(AboutWindowLinks, TileCornersOpenAndGapsBetweenTilesDoNot) {
    Sandbox sandbox;
    about::BrowserStandIn browser(sandbox);
    const AboutHandles about = about::StartPlayer(sandbox);
    about::OpenAbout(about);

    // Between the first two tiles, between the rows, and on the picture's margin: nothing.
    for (POINT gap : {POINT{164, 80}, POINT{80, 160}, POINT{8, 12}})
        e2e::ClickInClient(about.linksSheet, gap);
    // The last pixel of the e-book's area still belongs to it.
    e2e::ClickInClient(about.linksSheet, {kAreas[0].place.right - 1, kAreas[0].place.bottom - 1});

    const auto opened = browser.WaitForOpened(1);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], vr::kProducts[0].page);
}

TEST(AboutWindowLinks, AuthorLogoAndDonateOpenHomeAndDonationPages) {
    Sandbox sandbox;
    about::BrowserStandIn browser(sandbox);
    const AboutHandles about = about::StartPlayer(sandbox);
    about::OpenAbout(about);
    about::StepTab(about, VK_RIGHT);
    HWND author = FindControl(about.aboutSheet, vr::AboutId::StaticText1);
    HWND logo = FindControl(about.aboutSheet, vr::AboutId::Image10);
    HWND donate = FindControl(about.aboutSheet, vr::AboutId::Button1);
    ASSERT_TRUE(author && logo && donate);

    e2e::ClickInClient(author, about::ClientCentre(author));
    ASSERT_EQ(browser.WaitForOpened(1).size(), 1u) << "the author's name opened nothing";
    e2e::ClickInClient(logo, about::ClientCentre(logo));
    ASSERT_EQ(browser.WaitForOpened(2).size(), 2u) << "the logo opened nothing";
    e2e::ClickInClient(donate, about::ClientCentre(donate));
    const auto opened = browser.WaitForOpened(3);
    ASSERT_EQ(opened.size(), 3u) << "\"Donate...\" opened nothing";

    EXPECT_EQ(opened[0], vr::kHomePageUrl);
    EXPECT_EQ(opened[1], vr::kHomePageUrl);
    EXPECT_EQ(opened[2], vr::kDonationPageUrl);
}

// From the keyboard, Tab reaches each link and Space opens it, as a click does.
TEST(AboutWindowLinks, SpaceOnEachLinkReachedByTabOpensItsPage) {
    Sandbox sandbox;
    about::BrowserStandIn browser(sandbox);
    const AboutHandles about = about::StartPlayer(sandbox);
    about::OpenAbout(about);

    std::vector<std::string> expected;
    const auto tabAndOpen = [&](const char* page) {
        HWND before = about::FocusedControl(about.window);
        PressKey(before, VK_TAB);
        ASSERT_TRUE(WaitUntil([&] { return about::FocusedControl(about.window) != before; }));
        PressKey(about::FocusedControl(about.window), VK_SPACE);
        expected.push_back(page);
        EXPECT_EQ(browser.WaitForOpened(expected.size()), expected);
    };
    for (const vr::Product& product : vr::kProducts) tabAndOpen(product.page);

    // Reopened on the "About" tab, the focus starts on the tabs again.
    about::StepTab(about, VK_RIGHT);
    Click(about.ok);
    ASSERT_TRUE(about::WaitUntilClosed(about));
    about::OpenAbout(about);
    ASSERT_EQ(about::SelectedTab(about), 1);
    tabAndOpen(vr::kHomePageUrl);
    EXPECT_EQ(GetDlgCtrlID(about::FocusedControl(about.window)), vr::AboutId::StaticText1);
}

// Enter presses the focused button: a tile, the author link and "Donate..." open their page and
// the window stays; "OK" closes it, and so does Enter where no button has the focus, "OK" being
// the default button.
TEST(AboutWindowLinks, EnterPressesTheFocusedButtonAndOkWhereNoneHasIt) {
    Sandbox sandbox;
    about::BrowserStandIn browser(sandbox);
    const AboutHandles about = about::StartPlayer(sandbox);
    EXPECT_EQ(GetWindowLongPtrW(about.ok, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    const auto tabTo = [&](HWND target) {
        for (int stops = 0; stops < 10 && about::FocusedControl(about.window) != target; ++stops) {
            HWND before = about::FocusedControl(about.window);
            PressKey(before, VK_TAB);
            ASSERT_TRUE(WaitUntil([&] { return about::FocusedControl(about.window) != before; }));
        }
        ASSERT_EQ(about::FocusedControl(about.window), target);
    };
    std::vector<std::string> expected;
    const auto enterOpens = [&](HWND link, const char* page) {
        tabTo(link);
        PressKey(link, VK_RETURN);
        expected.push_back(page);
        ASSERT_EQ(browser.WaitForOpened(expected.size()), expected) << "Enter on control " << GetDlgCtrlID(link);
        ASSERT_TRUE(IsShown(about.window)) << "Enter on control " << GetDlgCtrlID(link) << " closed the window";
    };
    const auto enterCloses = [&](HWND focus) {
        tabTo(focus);
        PressKey(focus, VK_RETURN);
        ASSERT_TRUE(about::WaitUntilClosed(about)) << "Enter on control " << GetDlgCtrlID(focus);
    };

    about::OpenAbout(about);
    ASSERT_NO_FATAL_FAILURE(enterOpens(FindControl(about.linksSheet, vr::AboutId::Image5), vr::kProducts[0].page));
    ASSERT_NO_FATAL_FAILURE(enterOpens(FindControl(about.linksSheet, vr::AboutId::Image3), vr::kProducts[5].page));
    ASSERT_NO_FATAL_FAILURE(enterCloses(about.ok));

    about::OpenAbout(about);
    about::StepTab(about, VK_RIGHT);
    ASSERT_NO_FATAL_FAILURE(enterOpens(FindControl(about.aboutSheet, vr::AboutId::StaticText1), vr::kHomePageUrl));
    ASSERT_NO_FATAL_FAILURE(enterOpens(FindControl(about.aboutSheet, vr::AboutId::Button1), vr::kDonationPageUrl));
    ASSERT_NO_FATAL_FAILURE(enterCloses(about.tabs));
}
