#pragma once
// The shell, the common dialogs, the accessibility library and the automation types it answers
// in, loaded when first needed instead of at start. A player that only plays never calls them,
// and under Wine the first two with what they pull in (printing, the shell's helpers) made up
// most of the memory the player used beyond a bare window program; the last two only a screen
// reader or a test asking for the list needs.
//
//     VR_LATE_BOUND(Shell, ShellExecuteW)(owner, L"open", file, nullptr, nullptr, SW_SHOW);
//
// The declaration in the system header gives the type, so a call is checked as a direct one.
#include <windows.h>

namespace vr {

enum class LateLibrary { Shell, CommonDialogs, Accessibility, Automation };

// The address of `function` in `library`, which is loaded on the first call and stays until the
// program ends. Raises AppError naming both when either cannot be had: the handler that needed
// it is abandoned with the standard error box, and the program carries on.
void* ResolveLate(LateLibrary library, const char* function);

template <class Function>
Function* LateBound(LateLibrary library, const char* function) {
    return reinterpret_cast<Function*>(ResolveLate(library, function));
}

}  // namespace vr

// Names the function once, for its type and for its export.
#define VR_LATE_BOUND(library, function) \
    ::vr::LateBound<decltype(::function)>(::vr::LateLibrary::library, #function)
