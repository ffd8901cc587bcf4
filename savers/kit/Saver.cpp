#include "Saver.h"

namespace kit {

const wchar_t* EndReasonName(EndReason reason) {
    switch (reason) {
    case EndReason::QuitMessage: return L"quit message";
    case EndReason::Close: return L"close";
    case EndReason::Destroyed: return L"destroyed";
    case EndReason::Input: return L"input";
    case EndReason::Timeout: return L"timeout";
    }
    return L"unknown";
}

void Saver::Configure(HWND owner) {
    MessageBoxW(owner, L"This screensaver has no settings.", Title(), MB_OK | MB_ICONINFORMATION);
}

}  // namespace kit
