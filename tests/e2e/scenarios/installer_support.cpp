#include "installer_support.h"

#include <shlobj.h>

#include <filesystem>
#include <stdexcept>

namespace installer {
namespace {

constexpr auto kSetupDeadline = std::chrono::seconds(60);

std::wstring ShellFolder(int id) {
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, id, nullptr, SHGFP_TYPE_CURRENT, path)))
        throw std::runtime_error("no shell folder " + std::to_string(id));
    return path;
}

void DeleteOurType(const std::wstring& extension) {
    const auto progId = ReadString(ClassesKey(extension));
    if (progId && progId->rfind(L"Veilrunner.", 0) == 0) {
        RegDeleteTreeW(HKEY_CURRENT_USER, ClassesKey(*progId).c_str());
        RegDeleteTreeW(HKEY_CURRENT_USER, ClassesKey(extension).c_str());
    }
}

}  // namespace

std::wstring InstallFolder() { return ShellFolder(CSIDL_LOCAL_APPDATA) + L"\\Programs\\Veilrunner"; }

std::wstring StartMenuShortcut() { return ShellFolder(CSIDL_PROGRAMS) + L"\\Quillion's Veilrunner.lnk"; }

bool FolderExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::wstring> ReadString(const std::wstring& key, const wchar_t* name) {
    wchar_t buffer[2048] = {};
    DWORD size = sizeof buffer;
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_REG_SZ, nullptr, buffer, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(buffer);
}

std::optional<DWORD> ReadNumber(const std::wstring& key, const wchar_t* name) {
    DWORD value = 0, size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

bool KeyExists(const std::wstring& key) {
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    RegCloseKey(handle);
    return true;
}

std::wstring ClassesKey(const std::wstring& name) { return L"Software\\Classes\\" + name; }

std::optional<DWORD> RunSetup() {
    const e2e::Process setup = e2e::StartProcess(L"\"" + e2e::InstallerBinary() + L"\" /S");
    return setup.WaitForExit(kSetupDeadline);
}

bool RunUninstall() {
    const std::wstring folder = InstallFolder();
    const e2e::Process uninstall = e2e::StartProcess(L"\"" + folder + L"\\uninstall.exe\" /S");
    if (!uninstall.WaitForExit(kSetupDeadline)) return false;
    return e2e::WaitUntil([&] { return !KeyExists(kUninstallKey) && !FolderExists(folder); }, kSetupDeadline);
}

std::wstring OpenCommand(const std::wstring& extension, const std::wstring& file) {
    const auto progId = ReadString(ClassesKey(extension));
    if (!progId) return L"";
    std::wstring command = ReadString(ClassesKey(*progId + L"\\shell\\open\\command")).value_or(L"");
    const auto placeholder = command.find(L"%1");
    if (placeholder != std::wstring::npos) command.replace(placeholder, 2, file);
    return command;
}

CleanPrefix::~CleanPrefix() {
    const std::wstring folder = InstallFolder();
    for (const e2e::ProcessInfo& p : e2e::ProcessesRunningFrom(folder)) e2e::KillProcess(p.id);
    if (e2e::FileExists(folder + L"\\uninstall.exe")) RunUninstall();
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    DeleteFileW(StartMenuShortcut().c_str());
    for (const wchar_t* extension : kFileTypes) DeleteOurType(extension);
    RegDeleteTreeW(HKEY_CURRENT_USER, kUninstallKey);
}

namespace {
constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
constexpr wchar_t kScreensaverValue[] = L"SCRNSAVE.EXE";
}  // namespace

SystemScreensaver::SystemScreensaver() : saved_(Get()) {}

SystemScreensaver::~SystemScreensaver() {
    if (saved_)
        Set(*saved_);
    else
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktopKey, kScreensaverValue);
}

void SystemScreensaver::Set(const std::wstring& path) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, kScreensaverValue, REG_SZ, path.c_str(),
                    static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t)));
}

std::optional<std::wstring> SystemScreensaver::Get() const {
    return ReadString(kDesktopKey, kScreensaverValue);
}

std::wstring ShortPath(const std::wstring& path) {
    wchar_t buffer[MAX_PATH] = {};
    const DWORD length = GetShortPathNameW(path.c_str(), buffer, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(buffer, length) : L"";
}

OutsideFile::OutsideFile(std::wstring where) : path(std::move(where)) {}

OutsideFile::~OutsideFile() { DeleteFileW(path.c_str()); }

}  // namespace installer
