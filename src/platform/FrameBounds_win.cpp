#include "platform/FrameBounds_win.h"

namespace vr {

namespace {

constexpr DWORD kExtendedFrameBounds = 9;  // DWMWA_EXTENDED_FRAME_BOUNDS

using GetWindowAttribute = HRESULT(WINAPI*)(HWND, DWORD, void*, DWORD);

// Looked up at run time, once: the program runs where the compositor's library is missing.
GetWindowAttribute CompositorQuery() {
    static const GetWindowAttribute query = [] {
        HMODULE dwm = LoadLibraryA("dwmapi.dll");
        return dwm ? reinterpret_cast<GetWindowAttribute>(
                         reinterpret_cast<void*>(GetProcAddress(dwm, "DwmGetWindowAttribute")))
                   : nullptr;
    }();
    return query;
}

}  // namespace

std::optional<RECT> VisibleFrameBounds(HWND window) {
    const GetWindowAttribute query = CompositorQuery();
    RECT frame{};
    if (!query || FAILED(query(window, kExtendedFrameBounds, &frame, sizeof frame))) return std::nullopt;
    return frame;
}

}  // namespace vr
