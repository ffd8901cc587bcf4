// The program entry of every saver built on the kit.
#include "Saver.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const auto saver = kit::CreateSaver();
    return kit::Run(*saver, instance, GetCommandLineW());
}
