#include "rotator/Nesting_win.h"

#include <windows.h>

namespace vr {
namespace {

constexpr wchar_t kMark[] = L"VEILRUNNER_SCR_ROTATING";

}  // namespace

bool StartedUnderRotator() { return GetEnvironmentVariableW(kMark, nullptr, 0) != 0; }

void MarkEnvironmentForSavers() { SetEnvironmentVariableW(kMark, L"1"); }

}  // namespace vr
