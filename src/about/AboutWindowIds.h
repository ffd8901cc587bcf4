#pragma once
// Control ids of the About window; the end-to-end driver finds the controls by them. The sheets
// and the bottom panel are containers: their controls are their children, not the window's.
namespace vr::AboutId {
enum : int {
    PageControl1 = 301,
    t3,  // the "Links" sheet
    t1,  // the "About" sheet
    Panel1,
    Image2,       // on t3: the tile picture; its click areas are drawn-in, not windows
    Memo1,        // on t1
    StaticText1,  // on t1: the author link
    Image10,      // on t1: the logo
    Button1,      // on t1: "Donate..."
    Button9,      // on Panel1: "OK"
};
}  // namespace vr::AboutId
