// A screensaver that records how it was started and how it ended, in "<name>.log" beside
// itself, so scenarios can check what the player asked of it. A side file "<name>.ini"
// ([saver] FullScreenMs=...) sets how long a full-screen run lasts before it ends by itself.
#include <string>

#include "RunLog.h"
#include "Saver.h"

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

std::wstring Number(const void* handle) { return std::to_wstring(reinterpret_cast<std::uintptr_t>(handle)); }

std::wstring SizeOf(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return std::to_wstring(r.right - r.left) + L"x" + std::to_wstring(r.bottom - r.top);
}

class LogSaver final : public kit::Saver {
 public:
  LogSaver()
      : path_(ModulePath()), name_(FileStem(path_)), log_(WithExtension(path_, L".log")) {
    const wchar_t* commandLine = GetCommandLineW();
    log_.Write(L"command_line", commandLine);
    log_.Write(L"args", kit::ArgumentsAfterProgram(commandLine));
  }

  const wchar_t* Title() const override { return name_.c_str(); }

  unsigned FullScreenLimitMs() const override {
    const std::wstring settings = WithExtension(path_, L".ini");
    return GetPrivateProfileIntW(L"saver", L"FullScreenMs", kDefaultFullScreenMs, settings.c_str());
  }

  void Started(const kit::SaverCommand& command, HWND window) override {
    HWND parent = reinterpret_cast<HWND>(command.window);
    log_.Write(L"mode", kit::ModeName(command.mode));
    log_.Write(L"parent", Number(parent));
    log_.Write(L"window", Number(window));
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

  void Ended(kit::EndReason reason) override {
    log_.Write(L"ended_at", std::to_wstring(GetTickCount64()));
    log_.Write(L"end", kit::EndReasonName(reason));
  }

  void Configure(HWND owner) override {
    MessageBoxW(owner, (L"Settings of " + name_).c_str(), name_.c_str(), MB_OK);
  }

  void Resize(int, int) override {}
  void Step() override { ++frame_; }

  // A slowly changing colour with the saver's name, enough to tell runs apart on a screenshot.
  void Paint(HDC dc, int width, int height) override {
    const int shade = 64 + (frame_ * 2) % 128;
    SetDCBrushColor(dc, RGB(0, shade / 2, shade));
    RECT all{0, 0, width, height};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    DrawTextW(dc, name_.c_str(), -1, &all, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }

 private:
  std::wstring path_;
  std::wstring name_;
  RunLog log_;
  int frame_ = 0;
};

}  // namespace

std::unique_ptr<kit::Saver> kit::CreateSaver() { return std::make_unique<LogSaver>(); }
