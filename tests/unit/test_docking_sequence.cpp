// The snapping sequences of the three player windows: order of steps, and when they are off.
#include <gtest/gtest.h>

#include <optional>

#include "docking/SnapSequence.h"

namespace vr {
namespace {

constexpr ScreenSize kScreen{1024, 768};
constexpr DockSize kBarSize{482, 71};
constexpr DockSize kHostSize{420, 291};
constexpr DockSize kPlaylistSize{630, 529};
constexpr DockRect kFarAway{2000, 2000, 100, 100};

DockingState Carrying(bool host, bool playlist) {
    DockingState state;
    state.hostDocked = host;
    state.playlistDocked = playlist;
    return state;
}

DockingState WithOffsets(int hostX, int hostY, int playlistX, int playlistY) {
    DockingState state;
    state.hostOffsetX = hostX;
    state.hostOffsetY = hostY;
    state.playlistOffsetX = playlistX;
    state.playlistOffsetY = playlistY;
    state.hostDocked = hostX != 0 || hostY != 0;
    state.playlistDocked = playlistX != 0 || playlistY != 0;
    return state;
}

struct SequenceCase {
    const char* name;
    DockRole self;
    DockPoint request;
    PlayerRects windows;
    DockingState state;
    bool wallpaperMode;
    DockPoint expected;
};

DockSize SizeOf(DockRole role) {
    switch (role) {
    case DockRole::PlayerBar: return kBarSize;
    case DockRole::Host: return kHostSize;
    case DockRole::Playlist: return kPlaylistSize;
    }
    return {};
}

void Check(const SequenceCase& c) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SnapRequest(c.self, c.request, SizeOf(c.self), c.windows, kScreen, c.state, c.wallpaperMode),
              c.expected);
}

TEST(SnapSequence, OrderOfSteps) {
    const SequenceCase cases[] = {
        // Playlist window: S2 makes x 0, then N6 against the host window makes it 5.
        {"playlist: host window beats the screen",
         DockRole::Playlist,
         {8, 200},
         {kFarAway, DockRect{5, 100, 420, 291}, std::nullopt},
         {},
         false,
         {5, 200}},
        // Player bar: N6 against the playlist window makes x 5, then S2 makes it 0.
        {"bar: screen beats the playlist window",
         DockRole::PlayerBar,
         {8, 200},
         {std::nullopt, kFarAway, DockRect{5, 100, 630, 529}},
         {},
         false,
         {0, 200}},
        {"host: playlist window beats the screen",
         DockRole::Host,
         {8, 200},
         {kFarAway, std::nullopt, DockRect{5, 100, 630, 529}},
         {},
         false,
         {5, 200}},
        // Left edges at 505 (other window) and 503 (bar): the bar is the last step.
        {"playlist: bar beats the host window",
         DockRole::Playlist,
         {508, 100},
         {DockRect{503, 50, 482, 71}, DockRect{505, 100, 420, 291}, std::nullopt},
         {},
         false,
         {503, 100}},
        {"host: bar beats the playlist window",
         DockRole::Host,
         {508, 100},
         {DockRect{503, 50, 482, 71}, std::nullopt, DockRect{505, 100, 630, 529}},
         {},
         false,
         {503, 100}},
        // Left edges at 505 (playlist) and 503 (host): the host window comes after the playlist.
        {"bar: host window beats the playlist window",
         DockRole::PlayerBar,
         {508, 100},
         {std::nullopt, DockRect{503, 150, 420, 291}, DockRect{505, 150, 630, 529}},
         {},
         false,
         {503, 100}},
    };
    for (const SequenceCase& c : cases) Check(c);
}

TEST(SnapSequence, MissingNeighboursAreSkipped) {
    const DockRect host{5, 100, 420, 291};
    const SequenceCase cases[] = {
        {"playlist without a host window",
         DockRole::Playlist,
         {8, 200},
         {kFarAway, std::nullopt, std::nullopt},
         {},
         false,
         {0, 200}},
        {"host without a playlist window",
         DockRole::Host,
         {8, 200},
         {kFarAway, std::nullopt, std::nullopt},
         {},
         false,
         {0, 200}},
        {"bar alone", DockRole::PlayerBar, {8, 200}, {}, {}, false, {0, 200}},
        {"playlist before the bar exists",
         DockRole::Playlist,
         {8, 200},
         {std::nullopt, host, std::nullopt},
         {},
         false,
         {5, 200}},
    };
    for (const SequenceCase& c : cases) Check(c);
}

TEST(SnapSequence, OwnEntryIsNotANeighbour) {
    // The rectangle given for the moving window itself (its old place) does not attract it.
    Check({"playlist ignores its old place",
           DockRole::Playlist,
           {305, 300},
           {kFarAway, std::nullopt, DockRect{300, 300, 630, 529}},
           {},
           false,
           {305, 300}});
}

TEST(SnapSequence, CarriedWindowsAndWallpaperModeLeaveRequestsAlone) {
    const PlayerRects near{DockRect{0, 0, 482, 71}, DockRect{0, 71, 420, 291}, DockRect{0, 362, 630, 300}};
    const SequenceCase cases[] = {
        {"playlist while carried",
         DockRole::Playlist,
         {3, 400},
         near,
         Carrying(false, true),
         false,
         {3, 400}},
        {"host while carried", DockRole::Host, {3, 80}, near, Carrying(true, false), false, {3, 80}},
        // Each window looks at its own flag only.
        {"playlist while the host is carried",
         DockRole::Playlist,
         {3, 400},
         near,
         Carrying(true, false),
         false,
         {0, 400}},
        // Snapped to the screen, then N7 puts it on the playlist window's top.
        {"host while the playlist is carried",
         DockRole::Host,
         {3, 80},
         near,
         Carrying(false, true),
         false,
         {0, 71}},
        {"wallpaper: playlist", DockRole::Playlist, {3, 400}, near, {}, true, {3, 400}},
        {"wallpaper: host", DockRole::Host, {3, 80}, near, {}, true, {3, 80}},
        {"wallpaper: bar", DockRole::PlayerBar, {3, 3}, near, {}, true, {3, 3}},
    };
    for (const SequenceCase& c : cases) Check(c);
}

TEST(SnapSequence, BarSkipsWindowsWithAnOffset) {
    // The bar at x 508 near a playlist window at Left 505 and a host window at Left 503.
    const PlayerRects near{std::nullopt, DockRect{503, 150, 420, 291}, DockRect{505, 150, 630, 529}};
    const PlayerRects playlistOnly{std::nullopt, std::nullopt, DockRect{505, 150, 630, 529}};
    const SequenceCase cases[] = {
        {"offsets 0: both attract", DockRole::PlayerBar, {508, 100}, near, {}, false, {503, 100}},
        {"host offset: only the playlist",
         DockRole::PlayerBar,
         {508, 100},
         near,
         WithOffsets(-5, 50, 0, 0),
         false,
         {505, 100}},
        {"host offset Y alone counts",
         DockRole::PlayerBar,
         {508, 100},
         near,
         WithOffsets(0, 50, 0, 0),
         false,
         {505, 100}},
        {"playlist alone, offsets 0", DockRole::PlayerBar, {508, 100}, playlistOnly, {}, false, {505, 100}},
        {"playlist offset X alone counts",
         DockRole::PlayerBar,
         {508, 100},
         playlistOnly,
         WithOffsets(0, 0, -3, 0),
         false,
         {508, 100}},
        {"both with offsets: neither attracts",
         DockRole::PlayerBar,
         {508, 100},
         near,
         WithOffsets(-5, 50, -3, 50),
         false,
         {508, 100}},
        // A carried window at the bar's own corner has offsets 0 and still attracts it.
        {"carried at offsets 0",
         DockRole::PlayerBar,
         {508, 100},
         near,
         Carrying(true, true),
         false,
         {503, 100}},
    };
    for (const SequenceCase& c : cases) Check(c);
}

TEST(SnapSequence, PerWindowFunctionsJudgeWithTheGivenSize) {
    // A playlist window whose left border is being dragged: the right-edge rule uses the size it
    // has now. With width 630 its right edge at 1020 snaps to the screen's; with 600 it would not.
    EXPECT_EQ(SnapPlaylistRequest({390, 300}, {630, 529}, std::nullopt, kFarAway, kScreen, {}, false),
              (DockPoint{394, 300}));
    EXPECT_EQ(SnapPlaylistRequest({390, 300}, {600, 529}, std::nullopt, kFarAway, kScreen, {}, false),
              (DockPoint{390, 300}));
    EXPECT_EQ(SnapHostRequest({390, 300}, {630, 291}, std::nullopt, kFarAway, kScreen, {}, false),
              (DockPoint{394, 300}));
    EXPECT_EQ(SnapPlayerBarRequest({540, 300}, kBarSize, std::nullopt, std::nullopt, kScreen, {}, false),
              (DockPoint{542, 300}));
}

}  // namespace
}  // namespace vr
