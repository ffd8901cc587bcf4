#pragma once
// Files dropped from the shell, and the same drop delivered by the end-to-end tests: a drop
// handle means nothing in another process, so tests send the paths in a WM_COPYDATA instead and
// both arrive at one handler.
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vr {

using DropHandler = std::function<void(const std::vector<std::string>& paths)>;

// Handles WM_DROPFILES and the test drop for a window that takes dropped files: the default
// processing first, then the paths in the drop's order, and the drop released however the
// handling ends (an error included). Nothing for any other message.
std::optional<LRESULT> HandleDropMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam,
                                         const DropHandler& onDrop);

}  // namespace vr
