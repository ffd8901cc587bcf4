#include "files/FolderListing.h"

#include <algorithm>
#include <array>

#include "files/TypeKey.h"

namespace vr {

namespace {

constexpr std::array<std::string_view, 3> kListingExtensions{".scr", ".spls", ".scfg"};

// A character's place in the list box order: its group first (symbols, digits, letters, then
// everything outside ASCII), then its value within the group, letters folded to lower case.
int SortWeight(unsigned char c) {
    if (c >= 'A' && c <= 'Z') c = static_cast<unsigned char>(c - 'A' + 'a');
    int group = 0;
    if (c >= 0x80) {
        group = 3;
    } else if (c >= 'a' && c <= 'z') {
        group = 2;
    } else if (c >= '0' && c <= '9') {
        group = 1;
    }
    return group * 256 + c;
}

// The list box sorts by words: hyphens and apostrophes weigh only when all else is equal.
bool IsWordSortIgnored(char c) { return c == '-' || c == '\''; }

int CompareWords(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    for (;;) {
        while (i < a.size() && IsWordSortIgnored(a[i])) ++i;
        while (j < b.size() && IsWordSortIgnored(b[j])) ++j;
        if (i == a.size() || j == b.size()) {
            return (i == a.size() ? 0 : 1) - (j == b.size() ? 0 : 1);
        }
        const int difference =
            SortWeight(static_cast<unsigned char>(a[i])) - SortWeight(static_cast<unsigned char>(b[j]));
        if (difference != 0) return difference;
        ++i;
        ++j;
    }
}

bool ListBoxLess(const std::string& a, const std::string& b) {
    if (const int words = CompareWords(a, b); words != 0) return words < 0;
    // "coop" before "co-op": the plainer spelling of the same word comes first.
    const auto ignored = [](const std::string& s) {
        return std::count_if(s.begin(), s.end(), IsWordSortIgnored);
    };
    if (ignored(a) != ignored(b)) return ignored(a) < ignored(b);
    return a < b;
}

}  // namespace

void SortLikeListBox(std::vector<std::string>& names) { std::sort(names.begin(), names.end(), ListBoxLess); }

bool MatchesListingPattern(std::string_view name) {
    return std::any_of(
        kListingExtensions.begin(), kListingExtensions.end(), [name](std::string_view extension) {
            return name.size() >= extension.size() &&
                   EqualsIgnoringAsciiCase(name.substr(name.size() - extension.size()), extension);
        });
}

}  // namespace vr
