// Every window is laid out at the DPI it is shown at: the figures of its tables at 96 DPI,
// scaled as MulDiv scales them. Wine takes a new program's DPI from the user's LogPixels, so the
// scenario runs the player once at 96 and once at 144 DPI.
#include <gtest/gtest.h>

#include <array>
#include <utility>

#include "Player.h"
#include "about/AboutWindowIds.h"
#include "about/Credits.h"
#include "about/Products.h"
#include "about_support.h"
#include "dpi_support.h"
#include "player/PlayerBarIds.h"
#include "playlist/PlaylistWindowIds.h"

using namespace e2e;
using namespace vr::PlaylistWindowId;
using dpi::InClient;
using dpi::LogPixels;

namespace {

struct Figures {
    int x, y, w, h;
};

void ExpectPlaced(HWND window, int id, int dpi, Figures at96, int top = 0) {
    auto s = [dpi](int figure) { return MulDiv(figure, dpi, 96); };
    const RECT r = InClient(window, id);
    EXPECT_EQ(r.left, s(at96.x)) << "control " << id << " at " << dpi << " DPI";
    EXPECT_EQ(r.top, top + s(at96.y)) << "control " << id << " at " << dpi << " DPI";
    EXPECT_EQ(r.right - r.left, s(at96.w)) << "control " << id << " at " << dpi << " DPI";
    EXPECT_EQ(r.bottom - r.top, s(at96.h)) << "control " << id << " at " << dpi << " DPI";
}

}  // namespace

TEST(HighDpi, WindowsScaleTheirFiguresFrom96To144Dpi) {
    for (int dpi : {96, 144}) {
        SCOPED_TRACE(dpi);
        auto s = [dpi](int figure) { return MulDiv(figure, dpi, 96); };
        LogPixels logPixels(static_cast<DWORD>(dpi));
        Sandbox sandbox;
        player::Settings settings;
        settings.playlistClient = {622, 495};
        player::Windows w = player::StartPlayer(
            sandbox, settings, {sandbox.CopyLogSaver(L"Calm"), sandbox.CopyLogSaver(L"Deep")});
        ASSERT_TRUE(WaitUntil([&] { return IsShown(w.playlist); }));

        // The bar: its client area, a combo and a button.
        const SIZE bar = ClientSize(w.bar);
        EXPECT_EQ(bar.cx, s(476));
        EXPECT_EQ(bar.cy, s(44));
        ExpectPlaced(w.bar, vr::PlayerBarId::Button1, dpi, {406, 8, 65, 25});
        EXPECT_EQ(InClient(w.bar, vr::PlayerBarId::TimeCombo).left, s(101));

        // The playlist window keeps its stored client size; the panel, its groups and the rows grow.
        const SIZE client = ClientSize(w.playlist);
        const int panelTop = client.cy - s(137);
        const RECT list = InClient(w.playlist, ListBox1);
        EXPECT_EQ(list.left, 0);
        EXPECT_EQ(list.top, 0);
        EXPECT_EQ(list.right, client.cx);
        EXPECT_EQ(list.bottom, panelTop);
        ExpectPlaced(w.playlist, GroupBox4, dpi, {328, 4, 289, 127}, panelTop);
        ExpectPlaced(w.playlist, Button12, dpi, {328 + 216, 4 + 24, 65, 25}, panelTop);
        ExpectPlaced(w.playlist, RadioButton1, dpi, {328 + 16, 4 + 63, 249, 17}, panelTop);
        ExpectPlaced(w.playlist, Button9, dpi, {6 + 153, 4 + 24, 69, 25}, panelTop);
        EXPECT_EQ(Send(w.list, LB_GETITEMHEIGHT, 0), s(13));
        dpi::ExpectTextsWhole(w.bar, dpi);
        dpi::ExpectTextsWhole(w.playlist, dpi);
    }
}

// The pictures grow with their click areas: a picture control takes its picture's size, so its
// rectangle tells the picture's too.
TEST(HighDpi, AboutWindowScalesItsPicturesAndClickAreas) {
    for (int dpi : {96, 144}) {
        SCOPED_TRACE(dpi);
        auto s = [dpi](int figure) { return MulDiv(figure, dpi, 96); };
        LogPixels logPixels(static_cast<DWORD>(dpi));
        Sandbox sandbox;
        about::AboutHandles about = about::StartPlayer(sandbox);
        about::OpenAbout(about);

        const SIZE client = ClientSize(about.window);
        EXPECT_EQ(client.cx, s(513));
        EXPECT_EQ(client.cy, s(401));
        ExpectPlaced(about.linksSheet, vr::AboutId::Image2, dpi,
                     {vr::kPictureLeft, vr::kPictureTop, vr::kPictureWidth, vr::kPictureHeight});
        // The first and the last tile's click areas.
        const std::pair<int, std::size_t> areas[] = {{vr::AboutId::Image5, 0}, {vr::AboutId::Image3, 5}};
        for (const auto& [id, product] : areas) {
            const vr::PixelRect& area = vr::kProducts[product].place;
            ExpectPlaced(about.linksSheet, id, dpi, {area.left, area.top, area.width, area.height});
        }
        ExpectPlaced(about.aboutSheet, vr::AboutId::Image10, dpi, {344, 100, 100, 100});
        // The memo grows down where the font's lines need more than its figures give.
        const RECT memoArea = InClient(about.aboutSheet, vr::AboutId::Memo1);
        EXPECT_EQ((std::array<LONG, 3>{memoArea.left, memoArea.top, memoArea.right - memoArea.left}),
                  (std::array<LONG, 3>{s(6), s(71), s(323)}));
        EXPECT_GE(memoArea.bottom - memoArea.top, s(193));
        // The author link covers the memo's author line, whatever height the font gives its lines.
        const HWND memo = FindControl(about.aboutSheet, vr::AboutId::Memo1);
        const LRESULT authorLine = Send(memo, EM_POSFROMCHAR, Send(memo, EM_LINEINDEX, vr::kAuthorLineIndex));
        const RECT link = InClient(about.aboutSheet, vr::AboutId::StaticText1);
        EXPECT_EQ(link.top, InClient(about.aboutSheet, vr::AboutId::Memo1).top +
                                static_cast<short>(HIWORD(authorLine)));
        EXPECT_EQ(link.left, s(124));
        EXPECT_EQ(link.right - link.left, s(89));
        EXPECT_EQ(link.bottom - link.top, s(17));
        dpi::ExpectTextsWhole(about.window, dpi);
        about::StepTab(about, VK_RIGHT);
        dpi::ExpectTextsWhole(about.window, dpi);
    }
}
