#include "files/UnfinishedWrite.h"

namespace vr {

std::string TemporaryFor(const std::string& path) { return path + ".tmp~"; }

// A save writes its temporary file without pause and replaces its file within about a second of
// the last byte; minutes without a change mean nobody is coming back for it. A time in the future
// (a clock set back) proves nothing, so such a file stays.
bool IsDeadLeftover(std::chrono::seconds age) { return age >= kDeadLeftoverAge; }

}  // namespace vr
