#include "Saver.h"
#include "SaverWindow.h"

namespace kit {
namespace {

// Pumps messages until WM_QUIT; then says whether the window or the quit message ended it.
EndReason RunLoop(const SaverWindow& window) {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return window.EndedBy().value_or(EndReason::QuitMessage);
}

int RunWindowed(Saver& saver, HINSTANCE instance, const SaverCommand& command) {
    HWND parent = reinterpret_cast<HWND>(command.window);
    if (command.mode == Mode::Preview && !IsWindow(parent)) return 1;
    SaverWindow window(saver, command.mode);
    if (!window.Create(instance, parent)) return 1;
    saver.Started(command, window.Handle());
    saver.Ended(RunLoop(window));
    return 0;
}

}  // namespace

int Run(Saver& saver, HINSTANCE instance, const wchar_t* commandLine) {
    const SaverCommand command = ParseSaverArguments(ArgumentsAfterProgram(commandLine));
    switch (command.mode) {
    case Mode::Preview:
    case Mode::FullScreen: return RunWindowed(saver, instance, command);
    case Mode::Configure:
        saver.Started(command, nullptr);
        saver.Configure(reinterpret_cast<HWND>(command.window));
        saver.Ended(EndReason::Close);
        return 0;
    case Mode::Unsupported: break;
    }
    return 0;
}

}  // namespace kit
