#include "hosting/ScreenSaverPolicy_win.h"

#include <windows.h>

#include "platform/Unicode_win.h"

namespace vr {
namespace {

constexpr wchar_t kPolicyKey[] = L"Software\\Policies\\Microsoft\\Windows\\Control Panel\\Desktop";

// A string value of the policy key, environment strings expanded; empty when the value is not
// there or is no string. The value may change between asking its size and reading it.
std::optional<std::string> PolicyString(const wchar_t* name) {
    constexpr DWORD kStrings = RRF_RT_REG_SZ;  // REG_EXPAND_SZ included, and expanded
    for (int attempt = 0; attempt < 3; ++attempt) {
        DWORD bytes = 0;
        if (RegGetValueW(HKEY_CURRENT_USER, kPolicyKey, name, kStrings, nullptr, nullptr, &bytes) !=
            ERROR_SUCCESS)
            return std::nullopt;
        std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
        bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
        const LSTATUS status =
            RegGetValueW(HKEY_CURRENT_USER, kPolicyKey, name, kStrings, nullptr, value.data(), &bytes);
        if (status == ERROR_MORE_DATA) continue;
        if (status != ERROR_SUCCESS) return std::nullopt;
        value.resize(wcsnlen(value.c_str(), value.size()));
        return Utf8(value);
    }
    return std::nullopt;
}

}  // namespace

ScreenSaverPolicy ReadScreenSaverPolicy() {
    return {PolicyString(L"SCRNSAVE.EXE"), PolicyString(L"ScreenSaveActive")};
}

}  // namespace vr
