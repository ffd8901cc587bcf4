#pragma once
// Paths the system takes exactly as they are written, so nothing about them needs asking it.
#include <string_view>

namespace vr {

// An absolute path on a drive ("C:\...", capital drive letter) that making it full would leave
// as it is: every folder and the name are there (no "\\", no final "\"), none is "." or "..",
// ends in a dot or a blank, names a device (CON, NUL, COM1, ...) or holds a character that a
// file name cannot hold. Its full path is itself, and a listing of its folder shows its name.
bool IsPlainAbsolutePath(std::string_view path);
// A name by which the system reaches a device instead of a file (CON, NUL, COM1, ...), whatever
// extension follows.
bool NamesDevice(std::string_view fileName);

}  // namespace vr
