#pragma once
#include <exception>

namespace vr {

template <class Fn>
void Guarded(Fn&& fn) {
    try {
        fn();
    } catch (const std::exception& e) {
        ShowErrorBox(e.what());
    } catch (...) {
        ShowErrorBox("Unknown error");
    }
}

template <class Fn>
void GuardedQuietly(const char* what, Fn&& fn) {
    try {
        fn();
    } catch (const std::exception& e) {
        ReportToDebugger(what, e.what());
    } catch (...) {
        ReportToDebugger(what, "unknown error");
    }
}

}  // namespace vr
