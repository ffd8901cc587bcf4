#include "hosting/ScreenSaverPolicy.h"

#include <algorithm>

namespace vr {
namespace {

// Windows compares file names without regard to case; ASCII letters are the ones that matter
// for the names a policy gives.
bool SameName(const std::string& a, const std::string& b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

bool HasFolder(const std::string& path) { return path.find_first_of("\\/:") != std::string::npos; }

}  // namespace

std::string InstallOverriddenText(const ScreenSaverPolicy& policy, const std::string& saverPath,
                                  const std::string& systemFolder) {
    if (policy.active == "0")
        return "A group policy turns the screensaver off: \"Install...\" cannot turn it on.";
    if (!policy.saver || policy.saver->empty()) return {};
    const std::string chosen = HasFolder(*policy.saver) ? *policy.saver : systemFolder + "\\" + *policy.saver;
    if (SameName(chosen, saverPath)) return {};
    return "A group policy sets the screensaver to \"" + chosen + "\": \"Install...\" cannot change it.";
}

}  // namespace vr
