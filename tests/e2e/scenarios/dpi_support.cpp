#include "dpi_support.h"

#include <gtest/gtest.h>

#include "Driver.h"
#include "playlist/PlaylistWindowIds.h"

namespace dpi {

LogPixels::LogPixels(DWORD dpi) {
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                    &key_, nullptr);
    DWORD size = sizeof previous_;
    hadValue_ = RegQueryValueExW(key_, L"LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&previous_),
                                 &size) == ERROR_SUCCESS;
    Set(dpi);
}

LogPixels::~LogPixels() {
    if (hadValue_)
        RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&previous_),
                       sizeof previous_);
    else
        RegDeleteValueW(key_, L"LogPixels");
    RegCloseKey(key_);
}

void LogPixels::Set(DWORD dpi) {
    RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
}

RECT InClient(HWND window, int id) {
    const HWND control = e2e::FindControl(window, id);
    EXPECT_NE(control, nullptr) << "control " << id;
    RECT r = e2e::WindowRect(control);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::vector<int> PlaylistControlsOfTheDefaultSize() {
    using namespace vr::PlaylistWindowId;
    return {ListBox1, GroupBox3, Button6,   Button7, Button9, GroupBox1, Button1,
            Button2,  Button8,   GroupBox2, Button3, Button4, Button5};
}

}  // namespace dpi
