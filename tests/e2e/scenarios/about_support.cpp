#include "about_support.h"

#include <commctrl.h>

#include <stdexcept>

#include "about/AboutWindowIds.h"
#include "player/PlayerBarIds.h"
#include "Player.h"

namespace about {
namespace {

constexpr const wchar_t* kSchemes[] = {L"http", L"https"};

std::wstring CommandKey(const wchar_t* scheme) { return std::wstring(scheme) + L"\\shell\\open\\command"; }

// The key's default value, when it has one.
bool ReadDefault(const std::wstring& key, std::wstring& value) {
    wchar_t buffer[1024] = {};
    DWORD size = sizeof buffer;
    if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, buffer, &size) !=
        ERROR_SUCCESS)
        return false;
    value = buffer;
    return true;
}

bool WriteDefault(const std::wstring& key, const std::wstring& value) {
    HKEY handle = nullptr;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    const LSTATUS status =
        RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes);
    RegCloseKey(handle);
    return status == ERROR_SUCCESS;
}

HWND Required(HWND parent, int id) {
    HWND control = e2e::WaitForControl(parent, id);
    if (!control) throw std::runtime_error("the About window has no control " + std::to_string(id));
    return control;
}

}  // namespace

AboutHandles StartPlayer(e2e::Sandbox& sandbox) {
    const player::Windows player = player::StartPlayer(sandbox, player::Settings{}, {});
    AboutHandles about;
    about.bar = player.bar;
    about.aboutButton = Required(player.bar, vr::PlayerBarId::Button1);
    about.window = e2e::WaitForTopWindow(player.processId, L"TfrmConfig");
    if (!about.window) throw std::runtime_error("there is no About window");
    about.tabs = Required(about.window, vr::AboutId::PageControl1);
    about.linksSheet = Required(about.window, vr::AboutId::t3);
    about.aboutSheet = Required(about.window, vr::AboutId::t1);
    about.ok = Required(about.window, vr::AboutId::Button9);
    return about;
}

void OpenAbout(const AboutHandles& about) {
    e2e::Click(about.aboutButton);
    if (!e2e::WaitUntil([&] { return e2e::IsShown(about.window); }))
        throw std::runtime_error("\"About...\" did not show the About window");
}

bool WaitUntilClosed(const AboutHandles& about) {
    return e2e::WaitUntil([&] { return !e2e::IsShown(about.window) && e2e::IsShown(about.aboutButton); });
}

int SelectedTab(const AboutHandles& about) { return static_cast<int>(e2e::Send(about.tabs, TCM_GETCURSEL)); }

void StepTab(const AboutHandles& about, UINT arrowKey) {
    e2e::PressKey(about.tabs, arrowKey);
    const int wanted = arrowKey == VK_RIGHT ? 1 : 0;
    if (!e2e::WaitUntil([&] { return SelectedTab(about) == wanted; }))
        throw std::runtime_error("the arrow key did not change the tab");
}

HWND FocusedControl(HWND anyWindowOfTheProgram) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(anyWindowOfTheProgram, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

POINT ClientCentre(HWND window) {
    const SIZE size = e2e::ClientSize(window);
    return {size.cx / 2, size.cy / 2};
}

BrowserStandIn::BrowserStandIn(e2e::Sandbox& sandbox) {
    const std::wstring recorder =
        sandbox.CopyIn(e2e::ToWindowsPath(VR_E2E_URL_RECORDER), L"url_recorder.exe");
    log_ = sandbox.PathOf(L"opened-urls.txt");
    for (const wchar_t* scheme : kSchemes) {
        Previous previous;
        previous.key = CommandKey(scheme);
        previous.existed = ReadDefault(previous.key, previous.command);
        previous_.push_back(previous);
        if (!WriteDefault(previous.key, L"\"" + recorder + L"\" \"%1\""))
            throw std::runtime_error("cannot register the browser stand-in for " + e2e::ToUtf8(scheme));
    }
}

BrowserStandIn::~BrowserStandIn() {
    for (const Previous& previous : previous_) {
        if (previous.existed)
            WriteDefault(previous.key, previous.command);
        else
            RegDeleteTreeW(HKEY_CLASSES_ROOT, previous.key.c_str());
    }
}

std::vector<std::string> BrowserStandIn::WaitForOpened(std::size_t count) const {
    std::vector<std::string> opened;
    e2e::WaitUntil([&] {
        opened = e2e::ReadLines(log_);
        return opened.size() >= count;
    });
    return opened;
}

}  // namespace about
