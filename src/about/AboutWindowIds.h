#pragma once
// Control ids of the About window; the end-to-end driver finds the controls by them. The sheets
// and the bottom panel are containers: their controls are their children, not the window's.
namespace vr::AboutId {
enum : int {
    PageControl1 = 301,
    t3,  // the "Links" sheet
    t1,  // the "About" sheet
    Panel1,
    Image2,       // on t3: the tile picture, under the click areas
    Memo1,        // on t1
    StaticText1,  // on t1: the author link
    Image10,      // on t1: the logo
    Button1,      // on t1: "Donate..."
    Button9,      // on Panel1: "OK"
    // On t3: the click areas over the tiles, in the order of the tiles.
    Image5,
    Image4,
    Image9,
    Image6,
    Image7,
    Image3,
};
}  // namespace vr::AboutId
