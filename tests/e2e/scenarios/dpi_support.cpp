#include "dpi_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "Driver.h"
#include "platform/WindowFont.h"
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

namespace {

// The room a control leaves its text: frames, radio marks and drop-down buttons take the rest.
std::optional<int> TextRoom(HWND control, int dpi) {
    const int width = e2e::ClientSize(control).cx;
    auto less = [&](int figure) { return std::optional(width - MulDiv(figure, dpi, 96)); };
    const std::wstring kind = e2e::ClassName(control);
    if (_wcsicmp(kind.c_str(), L"ComboBox") == 0) return less(24);  // the button, frame and margins
    if (_wcsicmp(kind.c_str(), L"Button") != 0) return std::nullopt;
    switch (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON: return less(6);
    case BS_GROUPBOX: return less(16);
    case BS_AUTORADIOBUTTON: return less(17);
    default: return std::nullopt;  // drawn by the program itself
    }
}

// The last line of a multi-line edit lies within its client area.
void ExpectEveryLineShown(HWND edit) {
    const LRESULT lines = e2e::Send(edit, EM_GETLINECOUNT);
    auto top = [&](LRESULT line) {
        return static_cast<short>(
            HIWORD(e2e::Send(edit, EM_POSFROMCHAR, e2e::Send(edit, EM_LINEINDEX, line))));
    };
    if (lines < 2) return;
    const int last = top(lines - 1);
    EXPECT_LE(last + (last - top(0)) / (lines - 1), e2e::ClientSize(edit).cy) << "the last line is cut";
}

}  // namespace

void ExpectTextsWhole(HWND window, int dpi) {
    const vr::FontChoice choice = vr::WindowFontAt(dpi);
    LOGFONTW font{};
    font.lfHeight = choice.height;
    std::copy(choice.face.begin(), choice.face.end(), font.lfFaceName);
    const HFONT handle = CreateFontIndirectW(&font);
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ before = SelectObject(dc, handle);
    for (HWND control : e2e::Descendants(window)) {
        const bool list = _wcsicmp(e2e::ClassName(control).c_str(), L"ComboBox") == 0;
        const std::optional<int> room = TextRoom(control, dpi);
        if (!e2e::IsShown(control)) continue;
        if (GetWindowLongW(control, GWL_STYLE) & ES_MULTILINE &&
            _wcsicmp(e2e::ClassName(control).c_str(), L"Edit") == 0)
            ExpectEveryLineShown(control);
        if (!room) continue;
        // A drop-down list shows any of its items in its field.
        for (const std::wstring& text : list ? e2e::ComboItems(control) : std::vector{e2e::Text(control)}) {
            SIZE extent{};
            GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
            EXPECT_LE(extent.cx, *room) << "\"" << e2e::ToUtf8(text) << "\" is cut at " << dpi << " DPI";
        }
    }
    SelectObject(dc, before);
    DeleteDC(dc);
    DeleteObject(handle);
}

std::vector<int> PlaylistControlsOfTheDefaultSize() {
    using namespace vr::PlaylistWindowId;
    return {ListBox1, GroupBox3, Button6,   Button7, Button9, GroupBox1, Button1,
            Button2,  Button8,   GroupBox2, Button3, Button4, Button5};
}

}  // namespace dpi
