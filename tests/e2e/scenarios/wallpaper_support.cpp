#include "wallpaper_support.h"

#include <objidl.h>
#include <shlobj.h>

#include <stdexcept>

namespace wallpaper {
namespace {

constexpr wchar_t kHostClass[] = L"TfrmSVDActive";
// The test program links no COM libraries of its own, so the two calls it needs are looked up.
constexpr GUID kShellLinkClass = {0x00021401, 0, 0, {0xc0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr GUID kShellLinkWInterface = {0x000214f9, 0, 0, {0xc0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr GUID kPersistFileInterface = {0x0000010b, 0, 0, {0xc0, 0, 0, 0, 0, 0, 0, 0x46}};

template <class Interface>
struct Released {
    Interface* p = nullptr;
    ~Released() {
        if (p) p->Release();
    }
};

void SetClassesValue(HKEY root, const std::wstring& key, const std::wstring& value) {
    HKEY handle = nullptr;
    if (RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr) !=
        ERROR_SUCCESS)
        throw std::runtime_error("cannot create registry key " + e2e::ToUtf8(key));
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    const LONG result =
        RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes);
    RegCloseKey(handle);
    if (result != ERROR_SUCCESS) throw std::runtime_error("cannot write registry key " + e2e::ToUtf8(key));
}

// Where a shell looks up associations: the user's classes on Windows; Wine 8 consults only the
// machine-wide classes root.
struct ClassesRoot {
    HKEY root;
    const wchar_t* prefix;
};
const ClassesRoot kClassesRoots[] = {{HKEY_CURRENT_USER, L"Software\\Classes\\"}, {HKEY_CLASSES_ROOT, L""}};
constexpr wchar_t kProgId[] = L"VeilrunnerE2E.scfg";

HWND IconViewIn(HWND window) {
    return window ? FindWindowExW(window, nullptr, L"SHELLDLL_DefView", nullptr) : nullptr;
}

// The stand-in's icon view where its layout puts it; nullptr until it is there. In the "WorkerW"
// layout an empty "WorkerW" must come first, as on Windows, or a lookup that takes the first one
// would pass.
HWND IconViewOf(const e2e::Process& desktop, e2e::DesktopLayout layout) {
    if (layout == e2e::DesktopLayout::IconViewInProgman)
        return IconViewIn(FindWindowExW(GetDesktopWindow(), nullptr, L"Progman", nullptr));
    if (IconViewIn(e2e::FindTopWindow(desktop.Id(), L"Progman")))
        throw std::runtime_error("\"Progman\" holds an icon view of its own");
    std::vector<HWND> workers;
    for (HWND w : e2e::TopWindows(desktop.Id()))
        if (e2e::ClassName(w) == L"WorkerW") workers.push_back(w);
    if (workers.size() != 2) return nullptr;
    if (IconViewIn(workers.front())) throw std::runtime_error("the icon view's \"WorkerW\" is the first one");
    return IconViewIn(workers.back());
}

}  // namespace

std::string ScfgText(const Header& h, const std::vector<std::wstring>& entries) {
    std::string text;
    for (int value : {h.x, h.y, h.width, h.height, h.interval}) text += std::to_string(value) + "\r\n";
    for (const std::wstring& entry : entries) text += e2e::ToAnsi(entry) + "\r\n";
    return text;
}

HWND StartDesktop(e2e::Sandbox& sandbox, POINT origin, e2e::DesktopLayout layout) {
    const e2e::Process& desktop = sandbox.StartFakeDesktop(origin, layout);
    // Embedding into a desktop that is not on the screen yet makes Wine's X11 driver fail in the
    // desktop's process, which then dies with every window embedded in it: wait until it is shown
    // and waits for input.
    WaitForInputIdle(desktop.Handle(), static_cast<DWORD>(e2e::kDeadline.count()));
    HWND iconView = e2e::WaitFor([&] {
        HWND view = IconViewOf(desktop, layout);
        return view && e2e::IsShown(view) ? view : nullptr;
    });
    if (!iconView) throw std::runtime_error("the stand-in desktop did not appear");
    return iconView;
}

std::vector<HWND> EmbeddedHosts(HWND iconView) {
    std::vector<HWND> hosts;
    for (HWND w : e2e::Children(iconView))
        if (e2e::ClassName(w) == kHostClass) hosts.push_back(w);
    return hosts;
}

HWND EmbeddedHost(HWND iconView, DWORD processId) {
    for (HWND w : EmbeddedHosts(iconView))
        if (e2e::OwnerProcess(w) == processId) return w;
    return nullptr;
}

HWND WaitForEmbeddedHost(HWND iconView, DWORD processId) {
    return e2e::WaitFor([&] { return EmbeddedHost(iconView, processId); });
}

POINT PlaceInParent(HWND window) {
    RECT r = e2e::WindowRect(window);
    POINT topLeft{r.left, r.top};
    ScreenToClient(e2e::Parent(window), &topLeft);
    return topLeft;
}

POINT ClientOrigin(HWND window) {
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    return origin;
}

ScfgAssociation::ScfgAssociation(const std::wstring& program) {
    for (const ClassesRoot& c : kClassesRoots) {
        SetClassesValue(c.root, c.prefix + std::wstring(L".scfg"), kProgId);
        SetClassesValue(c.root, c.prefix + std::wstring(kProgId) + L"\\shell\\open\\command",
                        L"\"" + program + L"\" \"%1\"");
    }
}

ScfgAssociation::~ScfgAssociation() {
    for (const ClassesRoot& c : kClassesRoots) {
        RegDeleteTreeW(c.root, (c.prefix + std::wstring(L".scfg")).c_str());
        RegDeleteTreeW(c.root, (c.prefix + std::wstring(kProgId)).c_str());
    }
}

std::wstring StartupFolder() {
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_STARTUP, nullptr, SHGFP_TYPE_CURRENT, path)))
        throw std::runtime_error("no Startup folder");
    return path;
}

std::optional<Shortcut> ReadShortcut(const std::wstring& linkFile) {
    HMODULE ole = LoadLibraryW(L"ole32.dll");
    if (!ole) throw std::runtime_error("cannot load ole32.dll");
    using InitializeFn = HRESULT(WINAPI*)(void*, DWORD);
    using CreateFn = HRESULT(WINAPI*)(REFCLSID, IUnknown*, DWORD, REFIID, void**);
    auto initialize =
        reinterpret_cast<InitializeFn>(reinterpret_cast<void*>(GetProcAddress(ole, "CoInitializeEx")));
    auto create =
        reinterpret_cast<CreateFn>(reinterpret_cast<void*>(GetProcAddress(ole, "CoCreateInstance")));
    if (!initialize || !create)
        throw std::runtime_error("ole32.dll lacks CoInitializeEx or CoCreateInstance");
    initialize(nullptr, COINIT_APARTMENTTHREADED);  // a second call on this thread is harmless

    Released<IShellLinkW> link;
    if (FAILED(create(kShellLinkClass, nullptr, CLSCTX_INPROC_SERVER, kShellLinkWInterface,
                      reinterpret_cast<void**>(&link.p))))
        throw std::runtime_error("cannot create a shell link object");
    Released<IPersistFile> file;
    if (FAILED(link.p->QueryInterface(kPersistFileInterface, reinterpret_cast<void**>(&file.p))))
        throw std::runtime_error("the shell link object has no IPersistFile");
    if (FAILED(file.p->Load(linkFile.c_str(), STGM_READ))) return std::nullopt;

    Shortcut s;
    wchar_t text[MAX_PATH * 2] = {};
    link.p->GetPath(text, MAX_PATH * 2, nullptr, SLGP_RAWPATH);
    s.target = text;
    text[0] = L'\0';
    link.p->GetDescription(text, MAX_PATH * 2);
    s.description = text;
    text[0] = L'\0';
    link.p->GetArguments(text, MAX_PATH * 2);
    s.arguments = text;
    text[0] = L'\0';
    link.p->GetIconLocation(text, MAX_PATH * 2, &s.iconIndex);
    s.iconFile = text;
    return s;
}

}  // namespace wallpaper
