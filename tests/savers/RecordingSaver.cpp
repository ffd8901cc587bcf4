#include "RecordingSaver.h"

#include <cstdint>

namespace {

constexpr UINT kDefaultFullScreenMs = 1000;

std::wstring ModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// The path with its extension (after the last dot of the file name) replaced.
std::wstring WithExtension(const std::wstring& path, const wchar_t* extension) {
    const auto slash = path.find_last_of(L"\\/");
    const auto dot = path.find_last_of(L'.');
    const bool hasExtension = dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash);
    return (hasExtension ? path.substr(0, dot) : path) + extension;
}

std::wstring FileStem(const std::wstring& path) {
    const auto slash = path.find_last_of(L"\\/");
    const std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    return WithExtension(name, L"");
}

std::wstring SizeOf(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return std::to_wstring(r.right - r.left) + L"x" + std::to_wstring(r.bottom - r.top);
}

}  // namespace

std::wstring HandleText(const void* handle) {
    return std::to_wstring(reinterpret_cast<std::uintptr_t>(handle));
}

RecordingSaver::RecordingSaver()
    : path_(ModulePath()),
      name_(FileStem(path_)),
      settings_(WithExtension(path_, L".ini")),
      log_(WithExtension(path_, L".log")) {
    const wchar_t* commandLine = GetCommandLineW();
    log_.Write(L"command_line", commandLine);
    log_.Write(L"args", kit::ArgumentsAfterProgram(commandLine));
}

unsigned RecordingSaver::NumberSetting(const wchar_t* key, unsigned fallback) const {
    return GetPrivateProfileIntW(L"saver", key, fallback, settings_.c_str());
}

std::wstring RecordingSaver::TextSetting(const wchar_t* key) const {
    wchar_t text[256] = L"";
    GetPrivateProfileStringW(L"saver", key, L"", text, static_cast<DWORD>(std::size(text)),
                             settings_.c_str());
    return text;
}

unsigned RecordingSaver::FullScreenLimitMs() const {
    return NumberSetting(L"FullScreenMs", kDefaultFullScreenMs);
}

void RecordingSaver::Started(const kit::SaverCommand& command, HWND window) {
    HWND parent = reinterpret_cast<HWND>(command.window);
    log_.Write(L"mode", kit::ModeName(command.mode));
    log_.Write(L"parent", HandleText(parent));
    log_.Write(L"window", HandleText(window));
    if (window) {
        log_.Write(L"child_of_parent", parent && IsChild(parent, window) ? L"yes" : L"no");
        log_.Write(L"size", SizeOf(window));
        if (parent) log_.Write(L"parent_size", SizeOf(parent));
        const bool topmost = GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST;
        log_.Write(L"topmost", topmost ? L"yes" : L"no");
    }
    // Last, so the lines above are complete once it is there. Tick counts are one clock for all
    // processes: scenarios order the runs of different savers by them.
    log_.Write(L"started_at", std::to_wstring(GetTickCount64()));
}

void RecordingSaver::RecordEnd(const wchar_t* how) const {
    log_.Write(L"ended_at", std::to_wstring(GetTickCount64()));
    log_.Write(L"end", how);
}

void RecordingSaver::Configure(HWND owner) {
    MessageBoxW(owner, (L"Settings of " + name_).c_str(), name_.c_str(), MB_OK);
}

// A slowly changing colour with the saver's name, enough to tell runs apart on a screenshot.
void RecordingSaver::Paint(HDC dc, int width, int height) {
    const int shade = 64 + (frame_ * 2) % 128;
    SetDCBrushColor(dc, RGB(0, shade / 2, shade));
    RECT all{0, 0, width, height};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    DrawTextW(dc, name_.c_str(), -1, &all, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
