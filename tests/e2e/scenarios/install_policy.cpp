// "Install..." where a group policy decides the system's screensaver: the player says so, naming
// the policy's choice, instead of handing the shell an install that would change nothing.
#include <gtest/gtest.h>

#include "Dialogs.h"
#include "Player.h"
#include "playlist/PlaylistWindowIds.h"

using namespace e2e;

namespace {

// The user's screensaver policy key, set value by value and gone again at the end.
class ScreenSaverPolicy {
public:
    ScreenSaverPolicy() { RegDeleteTreeW(HKEY_CURRENT_USER, kKey); }
    ~ScreenSaverPolicy() { RegDeleteTreeW(HKEY_CURRENT_USER, kKey); }
    ScreenSaverPolicy(const ScreenSaverPolicy&) = delete;
    ScreenSaverPolicy& operator=(const ScreenSaverPolicy&) = delete;

    void Set(const wchar_t* name, const std::wstring& value, DWORD type = REG_SZ) {
        ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kKey, name, type, value.c_str(),
                                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
                  ERROR_SUCCESS);
    }

private:
    static constexpr wchar_t kKey[] = L"Software\\Policies\\Microsoft\\Windows\\Control Panel\\Desktop";
};

std::wstring Expanded(const std::wstring& text) {
    wchar_t buffer[MAX_PATH] = {};
    ExpandEnvironmentStringsW(text.c_str(), buffer, MAX_PATH);
    return buffer;
}

// Clicks "Install..." and returns the message box's text, once the box is closed again.
std::wstring InstallMessage(const player::Windows& w) {
    PostClick(FindControl(w.playlist, vr::PlaylistWindowId::Button9));
    HWND box = WaitForDialog(w.processId);
    if (!box) return L"(no message box)";
    EXPECT_EQ(Text(box), L"Veilrunner");
    const std::vector<std::wstring> texts = StaticTexts(box);
    PressOk(box);
    EXPECT_TRUE(WaitUntilNoDialog(w.processId));
    return texts.size() == 1 ? texts[0] : L"(" + std::to_wstring(texts.size()) + L" texts)";
}

}  // namespace

TEST(InstallPolicy, APolicyThatChoosesAnotherSaverOrTurnsThemOffIsNamedInsteadOfInstalling) {
    ScreenSaverPolicy policy;
    Sandbox sandbox;
    const player::Playing playing = player::StartPlayingLogSavers(sandbox, {L"Calm"});

    // An expandable value, as policy editors write paths.
    policy.Set(L"SCRNSAVE.EXE", L"%SystemRoot%\\system32\\Bubbles.scr", REG_EXPAND_SZ);
    EXPECT_EQ(InstallMessage(playing.windows), L"A group policy sets the screensaver to \"" +
                                                   Expanded(L"%SystemRoot%\\system32\\Bubbles.scr") +
                                                   L"\": \"Install...\" cannot change it.");

    // Turned off, even with the saver being installed as the policy's own choice.
    policy.Set(L"SCRNSAVE.EXE", playing.savers[0]);
    policy.Set(L"ScreenSaveActive", L"0");
    EXPECT_EQ(InstallMessage(playing.windows),
              L"A group policy turns the screensaver off: \"Install...\" cannot turn it on.");
}
