#pragma once
// The credits shown on the About window's "About" tab.
#include <string>
#include <string_view>
#include <vector>

#include "platform/ProgramName.h"

namespace vr {

inline constexpr std::string_view kProgramVersion = "3.00";
inline constexpr std::string_view kAuthorName = "Ilse Marwood";

// Headings are spelt out letter by letter: one blank between the characters of a word, two
// between words ("Coding, Design" -> "C o d i n g ,  D e s i g n").
std::string SpacedOut(std::string_view words);

// The fourteen lines of the credits, top to bottom.
std::vector<std::string> CreditLines();
// The author's line among them, which the author link covers.
inline constexpr std::size_t kAuthorLineIndex = 10;

// The lines joined by CR LF, as a multi-line edit takes them.
std::string CreditText();

}  // namespace vr
