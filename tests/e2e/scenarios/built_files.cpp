// What the shell reads from our files without running them: the icon, the version resource, the
// manifest, and a screensaver's name. The windows' classes load the icon with the LoadIcon call
// checked here; their class icons cannot be read from another process under Wine 8 (it answers
// 0 for GCLP_HICON of another process's window).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "Driver.h"

using namespace e2e;

namespace {

constexpr int kGroupIcon = 14;
constexpr int kManifest = 24;

// A program's resources, loaded the way the shell loads them: as data, without running it.
class Resources {
public:
    explicit Resources(const std::wstring& file)
        : module_(LoadLibraryExW(file.c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
    Resources(const Resources&) = delete;
    Resources& operator=(const Resources&) = delete;
    ~Resources() {
        if (module_) FreeLibrary(module_);
    }
    HMODULE Module() const { return module_; }

    // The W spellings of RT_GROUP_ICON and RT_MANIFEST, which the A build's headers lack.
    std::string Bytes(int type, int id) const {
        HRSRC found = FindResourceW(module_, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(type));
        HGLOBAL loaded = found ? LoadResource(module_, found) : nullptr;
        const char* data = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
        return data ? std::string(data, SizeofResource(module_, found)) : std::string();
    }

    // The widths of the images in an icon group (256 is stored as 0).
    std::vector<int> IconSizes(int id) const {
        const std::string group = Bytes(kGroupIcon, id);
        std::vector<int> sizes;
        if (group.size() < 6) return sizes;
        const int count = static_cast<unsigned char>(group[4]) | (static_cast<unsigned char>(group[5]) << 8);
        constexpr std::size_t kEntry = 14;  // GRPICONDIRENTRY
        for (int i = 0; i < count && 6 + (i + 1) * kEntry <= group.size(); ++i) {
            const int width = static_cast<unsigned char>(group[6 + i * kEntry]);
            sizes.push_back(width ? width : 256);
        }
        return sizes;
    }

    std::wstring String(UINT id) const {
        wchar_t text[256] = {};
        return LoadStringW(module_, id, text, 256) > 0 ? text : L"";
    }

private:
    HMODULE module_;
};

struct VersionInfo {
    WORD fixed[4] = {};
    std::wstring Value(const wchar_t* name) const {
        void* value = nullptr;
        UINT length = 0;
        const std::wstring path = std::wstring(L"\\StringFileInfo\\040904E4\\") + name;
        if (!VerQueryValueW(block.data(), path.c_str(), &value, &length) || !value) return L"";
        return static_cast<const wchar_t*>(value);
    }
    std::vector<char> block;
};

VersionInfo ReadVersion(const std::wstring& file) {
    VersionInfo info;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), nullptr);
    info.block.resize(size);
    if (!size || !GetFileVersionInfoW(file.c_str(), 0, size, info.block.data())) return info;
    void* value = nullptr;
    UINT length = 0;
    if (VerQueryValueW(info.block.data(), L"\\", &value, &length) && length >= sizeof(VS_FIXEDFILEINFO)) {
        const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
        info.fixed[0] = HIWORD(fixed->dwFileVersionMS);
        info.fixed[1] = LOWORD(fixed->dwFileVersionMS);
        info.fixed[2] = HIWORD(fixed->dwFileVersionLS);
        info.fixed[3] = LOWORD(fixed->dwFileVersionLS);
    }
    return info;
}

// "3.0.0" as the four numbers of a fixed file version.
std::wstring FixedAsText(const VersionInfo& info) {
    return std::to_wstring(info.fixed[0]) + L"." + std::to_wstring(info.fixed[1]) + L"." +
           std::to_wstring(info.fixed[2]);
}

std::uint32_t Crc32(const std::string& bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const unsigned char byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::uint32_t Little(const std::string& bytes, std::size_t at, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// A zip's entries by name, each with the CRC-32 of its content, read from the central directory.
std::map<std::string, std::uint32_t> ZipEntries(const std::string& zip) {
    std::map<std::string, std::uint32_t> entries;
    const std::size_t end = zip.rfind(std::string("PK\x05\x06", 4));
    if (end == std::string::npos || end + 22 > zip.size()) return entries;
    const std::uint32_t count = Little(zip, end + 10, 2);
    std::size_t at = Little(zip, end + 16, 4);
    for (std::uint32_t i = 0; i < count && at + 46 <= zip.size() && Little(zip, at, 4) == 0x02014b50; ++i) {
        const std::size_t name = Little(zip, at + 28, 2), extra = Little(zip, at + 30, 2),
                          comment = Little(zip, at + 32, 2);
        if (at + 46 + name > zip.size()) break;
        entries[zip.substr(at + 46, name)] = Little(zip, at + 16, 4);
        at += 46 + name + extra + comment;
    }
    return entries;
}

void ExpectOurVersion(const std::wstring& file, const std::wstring& description) {
    SCOPED_TRACE(ToUtf8(file));
    const VersionInfo info = ReadVersion(file);
    EXPECT_EQ(FixedAsText(info), BuiltVersion());
    EXPECT_EQ(info.Value(L"FileVersion"), BuiltVersion());
    EXPECT_EQ(info.Value(L"ProductVersion"), BuiltVersion());
    EXPECT_EQ(info.Value(L"CompanyName"), L"Quillion");
    EXPECT_EQ(info.Value(L"ProductName"), L"Quillion's Veilrunner");
    EXPECT_EQ(info.Value(L"FileDescription"), description);
    EXPECT_EQ(info.Value(L"LegalCopyright").rfind(L"Copyright (C) ", 0), 0u)
        << ToUtf8(info.Value(L"LegalCopyright"));
}

// Resource 1 is an icon group holding the small, the large and the 256 pixel sizes, and the
// call the windows make finds it.
void ExpectIcon(const Resources& resources) {
    const std::vector<int> sizes = resources.IconSizes(1);
    for (int size : {16, 24, 32, 48, 256})
        EXPECT_TRUE(std::find(sizes.begin(), sizes.end(), size) != sizes.end())
            << "no " << size << " pixel image";
    HICON large =
        static_cast<HICON>(LoadImageW(resources.Module(), MAKEINTRESOURCEW(1), IMAGE_ICON, 256, 256, 0));
    EXPECT_NE(large, nullptr) << "the 256 pixel image does not load";
    if (large) DestroyIcon(large);
}

}  // namespace

TEST(BuiltFiles, CarryTheIconTheVersionAndTheScreensaversNames) {
    {
        const Resources program(ProgramBinary());
        ASSERT_NE(program.Module(), nullptr);
        ExpectIcon(program);
        EXPECT_NE(LoadIconW(program.Module(), MAKEINTRESOURCEW(1)), nullptr)
            << "the windows' classes get no icon";
        const std::string manifest = program.Bytes(kManifest, 1);
        EXPECT_NE(manifest.find("version=\"" + ToUtf8(BuiltVersion()) + ".0\""), std::string::npos);
        for (const char* windows :
             {"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
              "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"})
            EXPECT_NE(manifest.find(std::string("<supportedOS Id=\"") + windows + "\"/>"), std::string::npos)
                << windows;
    }
    ExpectOurVersion(ProgramBinary(), L"Veilrunner screensaver player");

    for (const wchar_t* saver : {L"Starfield", L"Plasma", L"Ribbons"}) {
        SCOPED_TRACE(ToUtf8(saver));
        const Resources resources(DemoSaverBinary(saver));
        ASSERT_NE(resources.Module(), nullptr);
        ExpectIcon(resources);
        // The shell's screen saver settings list a saver by string 1.
        EXPECT_EQ(resources.String(1), saver);
        ExpectOurVersion(DemoSaverBinary(saver), std::wstring(saver) + L" screensaver");
    }

    // The portable zip holds one folder: the player, the playlist screensaver and the demo savers,
    // as built.
    std::map<std::string, std::uint32_t> shipped{
        {"Veilrunner/Veilrunner.exe", Crc32(ReadFileBytes(ProgramBinary()).value_or(""))},
        {"Veilrunner/Veilrunner.scr", Crc32(ReadFileBytes(PlaylistSaverBinary()).value_or(""))}};
    for (const wchar_t* saver : {L"Starfield", L"Plasma", L"Ribbons"})
        shipped["Veilrunner/" + ToUtf8(saver) + ".scr"] = Crc32(ReadFileBytes(DemoSaverBinary(saver)).value_or(""));
    std::map<std::string, std::uint32_t> zipped = ZipEntries(ReadFileBytes(PortableZip()).value_or(""));
    zipped.erase("Veilrunner/");
    EXPECT_EQ(zipped, shipped);

    if (InstallerBinary().empty()) return;  // built without NSIS
    EXPECT_NE(InstallerBinary().find(L"Veilrunner-" + BuiltVersion() + L"-setup.exe"), std::wstring::npos);
    EXPECT_EQ(ReadVersion(InstallerBinary()).Value(L"ProductVersion"), BuiltVersion());
}
