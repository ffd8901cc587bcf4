// A badly behaved screensaver for the custody tests of saver processes. It is one program that
// reads its misbehaviour from the side file "<name>.ini" beside it, so scenarios copy BadSaver.scr
// under any name and write, for example:
//   [saver]
//   Misbehaviour=hang
//   LimitMs=120000   the process ends itself after this long whatever it is doing (default 120 s)
//   DelayMs=5000     how long "slow" sleeps before it makes its window (default 5 s)
//   HangAfterMs=2000 how long "hang" plays before it hangs (default 0)
//   SpawnUnder=starter  "spawn" starts its copy as a child of the process that started it
// A setting rather than the file name leaves scenarios free to name their copies, and one program
// rather than eight keeps the kinds, which differ in a few lines each, side by side.
//
// It records everything LogSaver records, in the same keys, plus "misbehaviour=<kind>" first and,
// when the limit ends it, "end=limit" (exit code 3). The kinds, in preview and full screen (the
// settings, "/c", are LogSaver's):
//   crash        after "started_at", "crash=access violation", then writes through a null pointer
//   ignore-quit  pumps its own messages and logs "quit_ignored=<count>" for every WM_QUIT posted to
//                its window; only the end of its window (with the pane: "end=destroyed"; in full
//                screen: input or FullScreenMs as usual) or the limit ends it
//   hang         makes its window, logs "hang=ui thread" HangAfterMs later (default 0, playing
//                until then), then its one thread sleeps
//   top-level    takes its window out of the pane and puts it over the pane as a top-level popup
//                before the start lines ("child_of_parent=no"), and logs "top_level=yes"
//   slow         logs "delay_ms=<n>" and sleeps that long before the kit makes its window (or, for
//                "/c", shows the settings)
//   spawn        starts a copy of itself with "/wait" and logs "child_pid=<id>" (or "child_error=
//                <code>"), then plays as usual; the copy logs "misbehaviour=wait" and makes no
//                window, only waits for its limit
//   modal        shows a message box owned by the pane's top-level window ("message_box_owner=
//                <hwnd>"), logs "message_box=<result>" once it closes, then plays as usual; a
//                WM_QUIT posted to its window closes the box, as in any modal loop, and ends the run
//   own-full-screen  in preview also shows a top-level window of its own over the pane's whole
//                monitor, always on top and in front, and logs "own_full_screen=<hwnd>"
//   divide       logs "divide_by=<w>x<h>" and divides by its window's client width and height (the
//                pane's size in preview), as savers do to scale their drawing; a 0x0 pane traps with
//                an integer divide by zero, any other logs "divided=<quotient>" and plays as usual
//   take-pane    moves the pane it was given into a hidden window of its own ("taken=pane", or
//                "taken=pane refused"), and destroys that window HoldMs later (default 1 s), which
//                takes the pane and its own window along: the run ends "destroyed"
//   take-host    the same with the pane's top-level window ("taken=host")
//   disable      disables every top-level window of the process that started it ("disabled=<count>"),
//                then plays as usual
//   shake-host   hides the pane's top-level window, then resizes it every 50 ms, to 292 x 223 and
//                300 x 231 by turns ("shaking=host"), while it plays as usual
//   disable-settings  plays as usual; its settings ("/c") disable those windows the same way and
//                crash, as a settings dialog modal to them that dies leaves them
//   fake-user    in full screen moves the pointer far with SetCursorPos and injects a key press
//                and a mouse move with SendInput, as a user's hand would make them; logs
//                "faked=<events injected>" and plays on (its own window ends on that input, as usual)
// A missing or unknown misbehaviour logs "error=unknown misbehaviour" and ends at once (exit code 2).
#include <windows.h>
// After windows.h, which it needs.
#include <tlhelp32.h>

#include <string>
#include <vector>

#include "RecordingSaver.h"

namespace {

enum class Kind {
    Crash,
    IgnoreQuit,
    Hang,
    TopLevel,
    Slow,
    Spawn,
    Modal,
    Divide,
    OwnFullScreen,
    TakePane,
    TakeHost,
    Disable,
    ShakeHost,
    DisableSettings,
    Wait,
    FakeUser,
    Unknown
};

struct KindName {
    Kind kind;
    const wchar_t* name;
};

constexpr KindName kKindNames[] = {
    {Kind::Crash, L"crash"},
    {Kind::IgnoreQuit, L"ignore-quit"},
    {Kind::Hang, L"hang"},
    {Kind::TopLevel, L"top-level"},
    {Kind::Slow, L"slow"},
    {Kind::Spawn, L"spawn"},
    {Kind::Modal, L"modal"},
    {Kind::Divide, L"divide"},
    {Kind::OwnFullScreen, L"own-full-screen"},
    {Kind::TakePane, L"take-pane"},
    {Kind::TakeHost, L"take-host"},
    {Kind::Disable, L"disable"},
    {Kind::ShakeHost, L"shake-host"},
    {Kind::DisableSettings, L"disable-settings"},
    {Kind::Wait, L"wait"},
    {Kind::FakeUser, L"fake-user"},
};

constexpr wchar_t kWaitSwitch[] = L"/wait";  // the kit ignores it: the copy's whole life is our constructor
constexpr unsigned kDefaultLimitMs = 120000;
constexpr unsigned kDefaultDelayMs = 5000;
constexpr unsigned kDefaultHoldMs = 1000;
constexpr UINT kUnknownExitCode = 2;
constexpr UINT kLimitExitCode = 3;
constexpr int kScale = 1000;  // what "divide" shares out over the pane, like a saver's grid

Kind KindNamed(const std::wstring& name) {
    for (const auto& entry : kKindNames)
        if (_wcsicmp(entry.name, name.c_str()) == 0) return entry.kind;
    return Kind::Unknown;
}

// Turns the kit's child window into a top-level popup at the same place on the screen.
void TakeOutOfPane(HWND window) {
    RECT place{};
    GetWindowRect(window, &place);
    SetParent(window, nullptr);
    SetWindowLongPtrW(window, GWL_STYLE, WS_POPUP | WS_VISIBLE);
    SetWindowPos(window, HWND_TOP, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_FRAMECHANGED | SWP_NOACTIVATE);
}

// A top-level window over the whole monitor that shows `pane`, in front of everything.
HWND ShowOverMonitor(HWND pane) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(pane, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& area = monitor.rcMonitor;
    HWND window = CreateWindowExW(WS_EX_TOPMOST, L"Static", L"own full screen", WS_POPUP | WS_VISIBLE,
                                  area.left, area.top, area.right - area.left, area.bottom - area.top,
                                  nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(window);
    return window;
}

DWORD ParentProcessId() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    DWORD parent = 0;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
        if (entry.th32ProcessID == GetCurrentProcessId()) parent = entry.th32ParentProcessID;
    CloseHandle(snapshot);
    return parent;
}

struct Disabling {
    DWORD processId;
    int count;
};

BOOL CALLBACK DisableIfItsOwn(HWND window, LPARAM param) {
    auto& disabling = *reinterpret_cast<Disabling*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == disabling.processId) {
        EnableWindow(window, FALSE);
        ++disabling.count;
    }
    return TRUE;
}

const RunLog* g_log = nullptr;  // for "hang" once its delay is over

void CALLBACK HangNow(HWND, UINT, UINT_PTR, DWORD) {
    g_log->Write(L"hang", L"ui thread");
    Sleep(INFINITE);
}

// Far from where it stands, then a key and a move as a device would send them.
UINT FakeTheUser() {
    POINT at{};
    GetCursorPos(&at);
    SetCursorPos(at.x > 200 ? 10 : 400, at.y > 200 ? 10 : 400);
    INPUT inputs[3]{};
    inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = inputs[1].ki.wVk = VK_SPACE;
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    inputs[2].type = INPUT_MOUSE;
    inputs[2].mi.dx = 200;
    inputs[2].mi.dy = 200;
    inputs[2].mi.dwFlags = MOUSEEVENTF_MOVE;
    return SendInput(3, inputs, sizeof(INPUT));
}

HWND g_keeper = nullptr;  // the window "take-pane" and "take-host" move the player's window into
HWND g_resized = nullptr;  // the window "shake-host" resizes
constexpr UINT kResizeEveryMs = 50;

void CALLBACK ResizeAgain(HWND, UINT, UINT_PTR, DWORD) {
    static int turn = 0;
    const int grow = ++turn % 2 * 8;
    SetWindowPos(g_resized, nullptr, 0, 0, 292 + grow, 223 + grow,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CALLBACK DestroyKeeper(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    DestroyWindow(g_keeper);
}

class BadSaver final : public RecordingSaver {
public:
    BadSaver() {
        const bool copy = kit::ArgumentsAfterProgram(GetCommandLineW()) == kWaitSwitch;
        const std::wstring name = copy ? L"wait" : TextSetting(L"Misbehaviour");
        kind_ = KindNamed(name);
        Log().Write(L"misbehaviour", name);
        if (kind_ == Kind::Unknown) {
            Log().Write(L"error", L"unknown misbehaviour");
            ExitProcess(kUnknownExitCode);
        }
        limitMs_ = NumberSetting(L"LimitMs", kDefaultLimitMs);
        CloseHandle(CreateThread(nullptr, 0, &EndAtLimit, this, 0, nullptr));
        BeforeWindow();
    }

    void Started(const kit::SaverCommand& command, HWND window) override {
        if (kind_ == Kind::TopLevel && command.mode == kit::Mode::Preview) TakeOutOfPane(window);
        RecordingSaver::Started(command, window);
        if (window) AfterStart(reinterpret_cast<HWND>(command.window), window);
    }

    void Configure(HWND owner) override {
        if (kind_ != Kind::DisableSettings) return RecordingSaver::Configure(owner);
        DisableStarter();
        Crash();
    }

private:
    // The watchdog: no misbehaviour outlives the limit, not even a hung UI thread.
    static DWORD WINAPI EndAtLimit(void* self) {
        auto& saver = *static_cast<BadSaver*>(self);
        Sleep(saver.limitMs_);
        saver.RecordEnd(L"limit");
        ExitProcess(kLimitExitCode);
    }

    void BeforeWindow() const {
        if (kind_ == Kind::Slow) {
            const unsigned delay = NumberSetting(L"DelayMs", kDefaultDelayMs);
            Log().Write(L"delay_ms", std::to_wstring(delay));
            Sleep(delay);
        }
        if (kind_ == Kind::Wait) Sleep(INFINITE);
    }

    void AfterStart(HWND parent, HWND window) const {
        switch (kind_) {
        case Kind::Crash: Crash(); break;
        case Kind::IgnoreQuit: PumpIgnoringQuit(); break;
        case Kind::Hang:
            g_log = &Log();
            if (const unsigned after = NumberSetting(L"HangAfterMs", 0)) {
                SetTimer(nullptr, 0, after, &HangNow);
            } else {
                HangNow(nullptr, 0, 0, 0);
            }
            break;
        case Kind::FakeUser:
            if (!parent) Log().Write(L"faked", std::to_wstring(FakeTheUser()));
            break;
        case Kind::TopLevel: Log().Write(L"top_level", GetParent(window) ? L"no" : L"yes"); break;
        case Kind::Spawn: StartWaitingCopy(); break;
        case Kind::Modal: ShowModalBox(GetAncestor(parent, GA_ROOT)); break;
        case Kind::Divide: Divide(window); break;
        case Kind::OwnFullScreen:
            if (parent) Log().Write(L"own_full_screen", HandleText(ShowOverMonitor(parent)));
            break;
        case Kind::TakePane: TakeAway(parent, L"pane"); break;
        case Kind::TakeHost: TakeAway(GetAncestor(parent, GA_ROOT), L"host"); break;
        case Kind::Disable: DisableStarter(); break;
        case Kind::ShakeHost:
            g_resized = GetAncestor(parent, GA_ROOT);
            ShowWindow(g_resized, SW_HIDE);
            SetTimer(nullptr, 0, kResizeEveryMs, &ResizeAgain);
            Log().Write(L"shaking", L"host");
            break;
        case Kind::DisableSettings:
        case Kind::Slow:
        case Kind::Wait:
        case Kind::Unknown: break;
        }
    }

    void Crash() const {
        Log().Write(L"crash", L"access violation");
        // Both volatile: the compiler must load the pointer at run time and may not drop the store.
        volatile int* volatile nowhere = nullptr;
        *nowhere = 1;
    }

    // The kit's loop, minus the end at a WM_QUIT posted to the window, as hosts stop previews. A
    // WM_QUIT without a window comes from PostQuitMessage in the kit's WM_DESTROY (the window went
    // with the pane, or a full-screen run ended): it goes back to the queue for the kit's loop, which
    // then records why the window ended. (Wine still calls the window alive at that point.)
    void PumpIgnoringQuit() const {
        int ignored = 0;
        MSG msg;
        for (;;) {
            const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
            if (got == -1) return;
            if (got == 0 && !msg.hwnd) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                return;
            }
            if (got == 0) {
                Log().Write(L"quit_ignored", std::to_wstring(++ignored));
                continue;
            }
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }

    // SpawnUnder=starter: as a child of the process that started this one, which leaves it
    // outside this saver's job.
    void StartWaitingCopy() const {
        std::wstring commandLine = L"\"" + Path() + L"\" " + kWaitSwitch;
        STARTUPINFOEXW startup{};
        HANDLE starter = OpenProcess(PROCESS_CREATE_PROCESS, FALSE, ParentProcessId());
        SIZE_T size = 0;
        InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
        std::vector<char> attributes(size);
        startup.lpAttributeList = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(attributes.data());
        const bool under =
            TextSetting(L"SpawnUnder") == L"starter" && starter &&
            InitializeProcThreadAttributeList(startup.lpAttributeList, 1, 0, &size) &&
            UpdateProcThreadAttribute(startup.lpAttributeList, 0, PROC_THREAD_ATTRIBUTE_PARENT_PROCESS,
                                      &starter, sizeof starter, nullptr, nullptr);
        startup.StartupInfo.cb = under ? sizeof startup : sizeof startup.StartupInfo;
        PROCESS_INFORMATION process{};
        const BOOL started = CreateProcessW(Path().c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                                            under ? EXTENDED_STARTUPINFO_PRESENT : 0, nullptr, nullptr,
                                            &startup.StartupInfo, &process);
        if (starter) CloseHandle(starter);
        if (!started) {
            Log().Write(L"child_error", std::to_wstring(GetLastError()));
            return;
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        Log().Write(L"child_pid", std::to_wstring(process.dwProcessId));
    }

    void ShowModalBox(HWND owner) const {
        Log().Write(L"message_box_owner", HandleText(owner));
        const int result = MessageBoxW(owner, L"A screensaver asks for attention.", Title(), MB_OK);
        Log().Write(L"message_box", std::to_wstring(result));
    }

    void Divide(HWND window) const {
        RECT client{};
        GetClientRect(window, &client);
        // Volatile: the divisors are read at run time and after the "divide_by" line, so the compiler
        // can neither fold the division nor let its trap come before that line.
        const volatile int width = client.right;
        const volatile int height = client.bottom;
        Log().Write(L"divide_by", std::to_wstring(width) + L"x" + std::to_wstring(height));
        Log().Write(L"divided", std::to_wstring(kScale / width) + L"x" + std::to_wstring(kScale / height));
    }

    void TakeAway(HWND target, const wchar_t* what) const {
        g_keeper = CreateWindowExW(0, L"STATIC", Title(), WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
        SetParent(target, g_keeper);
        const bool taken = GetAncestor(target, GA_PARENT) == g_keeper;
        Log().Write(L"taken", std::wstring(what) + (taken ? L"" : L" refused"));
        SetTimer(nullptr, 0, NumberSetting(L"HoldMs", kDefaultHoldMs), &DestroyKeeper);
    }

    void DisableStarter() const {
        Disabling disabling{ParentProcessId(), 0};
        EnumWindows(&DisableIfItsOwn, reinterpret_cast<LPARAM>(&disabling));
        Log().Write(L"disabled", std::to_wstring(disabling.count));
    }

    Kind kind_ = Kind::Unknown;
    unsigned limitMs_ = 0;
};

}  // namespace

std::unique_ptr<kit::Saver> kit::CreateSaver() { return std::make_unique<BadSaver>(); }
