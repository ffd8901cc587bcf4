#pragma once
// The maker's other freeware, as the tiles of the "Links" picture advertise it. The picture
// generator draws the tiles from this table and the About window opens the pages it names, so
// the picture and the links cannot drift apart.
#include <array>
#include <cstddef>
#include <string_view>

#include "about/Links.h"

namespace vr {

struct PixelRect {
    int left, top, width, height;
};

// Where the picture lies within the "Links" tab page; the generator draws each tile under its
// click area, shifted by this.
inline constexpr int kPictureLeft = 4;
inline constexpr int kPictureTop = 8;
inline constexpr int kPictureWidth = 486;
inline constexpr int kPictureHeight = 313;

struct Product {
    std::string_view area;   // name of the click area lying over the tile
    PixelRect place;         // of the click area, within the "Links" tab page
    std::string_view title;  // underlined on the tile
    std::string_view kind;   // kind and platform, under the title
    const char* page;        // address of its page on the maker's site
};

// Row by row: the e-book, two screensavers; the program, two more screensavers.
inline constexpr std::array<Product, 6> kProducts{{
    {"Image5", {16, 16, 137, 137}, "Lantern Almanac", "E-book for Windows", VR_MAKER_SITE "lantern-almanac/"},
    {"Image4", {176, 16, 137, 137}, "Tidewater", "Screensaver for Windows", VR_MAKER_SITE "tidewater/"},
    {"Image9", {328, 16, 145, 137}, "Emberfall", "Screensaver for Windows", VR_MAKER_SITE "emberfall/"},
    {"Image6",
     {16, 168, 137, 137},
     "Paperwind Notes",
     "Program for Windows",
     VR_MAKER_SITE "paperwind-notes/"},
    {"Image7",
     {176, 168, 137, 129},
     "Nightjar Orbit",
     "Screensaver for Windows",
     VR_MAKER_SITE "nightjar-orbit/"},
    {"Image3", {336, 168, 137, 129}, "Mossglass", "Screensaver for Windows", VR_MAKER_SITE "mossglass/"},
}};

}  // namespace vr
