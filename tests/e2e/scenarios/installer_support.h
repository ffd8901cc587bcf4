#pragma once
// The installer from the outside: where it puts the player, what it registers for the current
// user, and a guard that leaves the Wine prefix as the scenario found it.
#include <windows.h>

#include <optional>
#include <string>

#include "Driver.h"

namespace installer {

inline constexpr wchar_t kUninstallKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Veilrunner";
inline constexpr const wchar_t* kFileTypes[] = {L".scfg", L".spls", L".spl"};
inline constexpr wchar_t kAutostartPrefix[] = L"Desktop Wallpaper Mode Playlist - (";

std::wstring InstallFolder();      // the default: %LOCALAPPDATA%\Programs\Veilrunner
std::wstring StartMenuShortcut();  // in the user's Programs folder
bool FolderExists(const std::wstring& path);

// Under HKEY_CURRENT_USER; `name` nullptr is the key's default value.
std::optional<std::wstring> ReadString(const std::wstring& key, const wchar_t* name = nullptr);
std::optional<DWORD> ReadNumber(const std::wstring& key, const wchar_t* name);
bool KeyExists(const std::wstring& key);
std::wstring ClassesKey(const std::wstring& name);  // Software\Classes\<name>

// Runs the installer with /S and returns its exit code once it has ended.
std::optional<DWORD> RunSetup();
// Runs the installed uninstaller with /S. It copies itself elsewhere and returns at once, so
// this waits until the uninstall entry and the folder are gone; false when they stay.
bool RunUninstall();

// The command line the shell runs to open `file` as a file of this type. Windows reads the
// user's classes through HKEY_CLASSES_ROOT; Wine 8 does not merge them in (its "start" finds no
// association), so this follows the extension's ProgID to shell\open\command under
// HKCU\Software\Classes itself and puts the file in for %1.
std::wstring OpenCommand(const std::wstring& extension, const std::wstring& file);

// On destruction removes whatever an installation left: the uninstaller runs when it is there,
// then any file, shortcut or key of ours that remains goes, so a failed scenario leaves no
// state behind for the next.
class CleanPrefix {
public:
    CleanPrefix() = default;
    CleanPrefix(const CleanPrefix&) = delete;
    CleanPrefix& operator=(const CleanPrefix&) = delete;
    ~CleanPrefix();
};

// The system screensaver as the display control panel records it (HKCU\Control Panel\Desktop,
// SCRNSAVE.EXE). The value found at construction is put back at destruction.
class SystemScreensaver {
public:
    SystemScreensaver();
    SystemScreensaver(const SystemScreensaver&) = delete;
    SystemScreensaver& operator=(const SystemScreensaver&) = delete;
    ~SystemScreensaver();
    void Set(const std::wstring& path);
    std::optional<std::wstring> Get() const;

private:
    std::optional<std::wstring> saved_;
};

// The 8.3 form of an existing path, as the display control panel stores the screensaver's.
std::wstring ShortPath(const std::wstring& path);

// A file a scenario puts outside its sandbox, removed at the end whatever happened.
struct OutsideFile {
    OutsideFile(std::wstring path);
    OutsideFile(const OutsideFile&) = delete;
    OutsideFile& operator=(const OutsideFile&) = delete;
    ~OutsideFile();
    const std::wstring path;
};

}  // namespace installer
