#pragma once
// The one text format of settings and playlists: ANSI, one value per line.
#include <string>
#include <string_view>
#include <vector>

namespace vr {

// Lines end at CR LF, a lone CR or a lone LF; a final line end adds no empty line; reading stops
// at the first NUL; lines are kept exactly as they stand.
std::vector<std::string> SplitLines(std::string_view bytes);
// Every line, the last one included, followed by CR LF; no lines gives an empty text.
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace vr
