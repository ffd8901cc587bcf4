#include "Messages.h"

#include <stdexcept>
#include <string>

namespace e2e {

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kAnswerWithinMs, &result))
        throw std::runtime_error("window " + std::to_string(reinterpret_cast<std::uintptr_t>(window)) +
                                 " did not answer message " + std::to_string(message) + " (error " +
                                 std::to_string(GetLastError()) + ")");
    return static_cast<LRESULT>(result);
}

void Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!PostMessageW(window, message, wParam, lParam))
        throw std::runtime_error("could not post message " + std::to_string(message) + " to window " +
                                 std::to_string(reinterpret_cast<std::uintptr_t>(window)));
}

}  // namespace e2e
