#pragma once
// Conversions between the program's ANSI world, the saver logs' UTF-8 and the driver's UTF-16.
#include <string>
#include <string_view>

namespace e2e {

std::wstring FromUtf8(std::string_view text);
std::string ToUtf8(std::wstring_view text);
std::string ToAnsi(std::wstring_view text);

}  // namespace e2e
