#pragma once
// What a group policy fixes about the system's screensaver, over whatever the user installs.
// Window-free, so the rule is tested with the policy faked.
#include <optional>
#include <string>

namespace vr {

// The policy's values under HKCU\Software\Policies\Microsoft\Windows\Control Panel\Desktop, each
// empty when the policy leaves it to the user.
struct ScreenSaverPolicy {
    std::optional<std::string> saver;   // "SCRNSAVE.EXE", environment strings expanded
    std::optional<std::string> active;  // "ScreenSaveActive": "0" turns the screensaver off
};

// What "Install..." says instead of installing saverPath, which the policy would silently
// override; empty when the policy lets it take effect. A policy saver without a folder is one
// of the system folder's, as Windows looks for it there.
std::string InstallOverriddenText(const ScreenSaverPolicy& policy, const std::string& saverPath,
                                  const std::string& systemFolder);

}  // namespace vr
