#include "dpi_support.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

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

int TextWidth(HDC dc, std::wstring text) {
    std::erase(text, L'&');
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    return extent.cx;
}

// The room the control leaves its text: frames, check marks and drop-down buttons take the rest.
std::optional<int> TextRoom(HWND control, int dpi) {
    auto s = [dpi](int figure) { return MulDiv(figure, dpi, 96); };
    const std::wstring kind = e2e::ClassName(control);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    const int width = e2e::ClientSize(control).cx;
    // The drop-down button, the frame and the field's margins.
    if (_wcsicmp(kind.c_str(), L"ComboBox") == 0) return width - s(24);
    if (_wcsicmp(kind.c_str(), L"Static") == 0) return (style & SS_TYPEMASK) <= SS_RIGHT ? std::optional(width) : std::nullopt;
    if (_wcsicmp(kind.c_str(), L"Button") != 0) return std::nullopt;
    switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON: return width - s(6);
    case BS_GROUPBOX: return width - s(16);
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX: return width - s(17);
    default: return std::nullopt;  // drawn by the program itself
    }
}

// Each line of a multi-line edit lies within its client area.
void ExpectEveryLineShown(HWND edit) {
    const LRESULT lines = e2e::Send(edit, EM_GETLINECOUNT);
    if (lines < 2) return;
    const LRESULT first = e2e::Send(edit, EM_POSFROMCHAR, e2e::Send(edit, EM_LINEINDEX, 0));
    const LRESULT second = e2e::Send(edit, EM_POSFROMCHAR, e2e::Send(edit, EM_LINEINDEX, 1));
    const LRESULT last = e2e::Send(edit, EM_POSFROMCHAR, e2e::Send(edit, EM_LINEINDEX, lines - 1));
    const int lineHeight = static_cast<short>(HIWORD(second)) - static_cast<short>(HIWORD(first));
    EXPECT_LE(static_cast<short>(HIWORD(last)) + lineHeight, e2e::ClientSize(edit).cy)
        << "the last of " << lines << " lines is cut";
}

}  // namespace

void ExpectTextsWhole(HWND window, int dpi) {
    const vr::FontChoice choice = vr::WindowFontAt(dpi);
    LOGFONTW font{};
    font.lfHeight = choice.height;
    const std::wstring face(choice.face.begin(), choice.face.end());
    face.copy(font.lfFaceName, LF_FACESIZE - 1);
    const HFONT handle = CreateFontIndirectW(&font);
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ before = SelectObject(dc, handle);
    for (HWND control : e2e::Descendants(window)) {
        if (!e2e::IsShown(control)) continue;
        const LONG style = GetWindowLongW(control, GWL_STYLE);
        if (_wcsicmp(e2e::ClassName(control).c_str(), L"Edit") == 0 && (style & ES_MULTILINE)) {
            ExpectEveryLineShown(control);
            continue;
        }
        const std::optional<int> room = TextRoom(control, dpi);
        if (!room) continue;
        // A drop-down list shows any of its items in its field.
        const bool list = _wcsicmp(e2e::ClassName(control).c_str(), L"ComboBox") == 0;
        for (const std::wstring& text : list ? e2e::ComboItems(control) : std::vector{e2e::Text(control)}) {
            EXPECT_LE(TextWidth(dc, text), *room) << "\"" << e2e::ToUtf8(text) << "\" is cut at " << dpi << " DPI";
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
