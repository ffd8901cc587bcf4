#pragma once
// Existence tests by the thousand: a long playlist names mostly files of a few folders, and one
// listing of such a folder answers for all of them at the cost of a few queries.
#include <string>
#include <vector>

#include "files/FileSystem.h"

namespace vr {

// FileExists of each path, in order, with the same answers: a plain absolute path (PlainPath.h)
// whose folder is named by many of the paths is confirmed by its name in one listing of that
// folder; every other path, and every one the listing does not show exactly as written (missing,
// in other case, a short name), is asked about by itself.
std::vector<bool> FilesExist(FileSystem& files, const std::vector<std::string>& paths);

}  // namespace vr
