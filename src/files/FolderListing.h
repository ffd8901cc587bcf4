#pragma once
// The order and the filter of a folder listing: names sorted the way the system's list box
// sorts strings, and only files that can be imported.
#include <string>
#include <string_view>
#include <vector>

namespace vr {

// Alphabetical without regard to case, as a sorted list box orders its strings: symbols come
// before digits and digits before letters; hyphens and apostrophes count only to break ties.
void SortLikeListBox(std::vector<std::string>& names);
// The listing's patterns "*.scr;*.spls;*.scfg": the name ends in one of them, in any case.
bool MatchesListingPattern(std::string_view name);

}  // namespace vr
