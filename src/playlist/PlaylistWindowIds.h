#pragma once
// Control ids of the playlist window; the end-to-end driver finds the controls by them.
namespace vr::PlaylistWindowId {
enum : int {
    ListBox1 = 201,
    GroupBox3,
    Button6,  // "Configure..."
    Button7,  // "Run..."
    Button9,  // "Install..."
    GroupBox1,
    Button1,  // "File..."
    Button2,  // "Dir..."
    Button8,  // "Win + Sys"
    GroupBox2,
    Button3,  // "New"
    Button4,  // "Save..."
    Button5,  // "Load..."
    GroupBox4,
    Memo1,
    RadioButton3,  // "Use whole desktop workarea"
    RadioButton2,  // "Use player window"
    RadioButton1,  // "Use player window's client area"
    Button12,      // "Run..." of the wallpaper group
    Button10,      // "Close"
    Button11,      // "Save..." of the wallpaper group
    Button13,      // "Add to autostart folder!"
};
}  // namespace vr::PlaylistWindowId
