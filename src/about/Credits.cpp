#include "about/Credits.h"

#include "about/Links.h"

namespace vr {

std::string SpacedOut(std::string_view words) {
    std::string out;
    bool wordStart = true;
    for (char c : words) {
        if (c == ' ') {
            wordStart = true;
            continue;
        }
        if (!out.empty()) out += wordStart ? "  " : " ";
        out += c;
        wordStart = false;
    }
    return out;
}

std::vector<std::string> CreditLines() {
    std::string rights = "2004-2026 ";
    rights += kAuthorName;
    rights += ", ";
    rights += kMakerHost;
    return {
        "",
        std::string(kProgramName),
        "",
        SpacedOut("Version"),
        std::string(kProgramVersion),
        "",
        SpacedOut("Type"),
        "Freeware",
        "",
        SpacedOut("Coding, Design"),
        std::string(kAuthorName),
        "",
        SpacedOut("Copyright"),
        rights,
    };
}

std::string CreditText() {
    std::vector<std::string> lines = CreditLines();
    std::string text = lines.front();
    for (std::size_t i = 1; i < lines.size(); ++i) text += "\r\n" + lines[i];
    return text;
}

}  // namespace vr
