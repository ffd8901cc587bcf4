#pragma once
// The items of the player bar's two drop-down lists and what choosing each one means.
#include <array>
#include <optional>
#include <string>

#include "playlist/Playlist.h"

namespace vr {

struct IntervalChoice {
    const char* caption;
    unsigned milliseconds;  // kChangeManuallyMs: the rotation stays off
};

inline constexpr std::array<IntervalChoice, 15> kIntervalChoices{{
    {"Change manually", kChangeManuallyMs},
    {"Change every 3 Sec.", 3000},
    {"Change every 9 Sec.", 9000},
    {"Change every 15 Sec.", 15000},
    {"Change every 21 Sec.", 21000},
    {"Change every 42 Sec.", 42000},
    {"Change every 1 Min.", 60000},
    {"Change every 3 Min.", 180000},
    {"Change every 5 Min.", 300000},
    {"Change every 7 Min.", 420000},
    {"Change every 9 Min.", 540000},
    {"Change every 15 Min.", 900000},
    {"Change every 21 Min.", 1260000},
    {"Change every 35 Min.", 2100000},
    {"Change every 42 Min.", 2520000},
}};

// The interval item a first start takes, "Change every 21 Sec.", and Veilrunner.scr with it
// when the player's settings name none.
inline constexpr int kDefaultIntervalItem = 4;
// The interval item of a wallpaper playlist whose header names none, "Change every 9 Sec.".
inline constexpr int kDefaultWallpaperIntervalItem = 2;

struct ClientSize {
    int width;
    int height;
};

struct SizeChoice {
    const char* caption;
    ClientSize size;  // item 0 stands for the current size and carries none
};

// Item 0 is rewritten with SizeCaption of the pane whenever a preview starts; item 8's caption
// really ends in a blank.
inline constexpr std::array<SizeChoice, 9> kSizeChoices{{
    {"??? x ???", {0, 0}},
    {"160 x 120", {160, 120}},
    {"320 x 240", {320, 240}},
    {"474 x 355", {474, 355}},
    {"640 x 480", {640, 480}},
    {"800 x 600", {800, 600}},
    {"1024 x 768", {1024, 768}},
    {"1280 x 1024", {1280, 1024}},
    {"1600 x 1200 ", {1600, 1200}},
}};

// The interval of TimeCombo item index; nothing for -1 or any index that is no item.
std::optional<unsigned> IntervalOfItem(int itemIndex);
// The interval item the player keeps after its list reported `reported` as chosen: that item, or,
// when the list reports none or no item it has (another process can break the list), the item it
// kept before. The list never turns into a wrong saved choice.
int KeptIntervalItem(int kept, int reported);
// The client size of ResolutionCombo item index; nothing for item 0, -1 or no item.
std::optional<ClientSize> SizeOfItem(int itemIndex);
// "412 x 257".
std::string SizeCaption(int width, int height);

}  // namespace vr
