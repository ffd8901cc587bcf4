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

}  // namespace vr
