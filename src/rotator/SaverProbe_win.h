#pragma once
// The lineup's questions about entries, asked of the file system and the files' version
// resources.
#include "rotator/SaverLineup.h"

namespace vr {

class WinEntryProbe final : public EntryProbe {
public:
    bool Exists(const std::string& path) override;
    bool IsThisProgram(const std::string& path) override;
};

}  // namespace vr
