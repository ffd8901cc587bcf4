#pragma once
// What a program file's version resource says about it.
#include <string>

namespace vr {

// The name the file's version resource says it was built as, in its first language; empty when
// it has none.
std::string OriginalFileName(const std::string& path);

}  // namespace vr
