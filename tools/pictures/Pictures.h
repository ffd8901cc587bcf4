#pragma once
// The three pictures embedded in the program.
#include "Canvas.h"
#include "Font.h"

namespace pictures {

struct Fonts {
    const Font& title;   // underlined product titles, the banner's name
    const Font& small;   // kind lines
    const Font& narrow;  // the banner's second line
    const Font& logo;    // the letter of the logo, for drawing four times the logo's size
};

// 486 x 313: six product tiles under the About window's click areas.
Canvas LinksPicture(const Fonts& fonts);
// 88 x 31: the player bar's banner.
Canvas Banner(const Fonts& fonts);
// 100 x 100, black and white: the maker's logo.
Canvas Logo(const Fonts& fonts);

}  // namespace pictures
