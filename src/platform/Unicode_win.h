#pragma once
// Text crosses into Win32 as UTF-16 (the W functions) and comes back as the program's UTF-8, so
// names outside the ANSI code page survive every road: paths, captions, the command line.
#include <windows.h>

#include <string>
#include <string_view>

#include "files/TextEncoding.h"

namespace vr {

std::wstring Wide(std::string_view utf8);
// Wide into a buffer kept for many strings, which then grows only for the longest.
void WideInto(std::wstring& out, std::string_view utf8);
std::string Utf8(std::wstring_view wide);
std::string Utf8(const wchar_t* wide);

// A path as the file functions take it: a long absolute one gets the "\\?\" form, which lifts
// the old limit of 260 characters.
std::wstring FilePath(std::string_view utf8);

// The system's ANSI code page, for the stored files.
const AnsiCodePage& SystemAnsiCodePage();

}  // namespace vr
