#include "files/ExistenceChecks.h"

#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "files/PlainPath.h"

namespace vr {
namespace {

// A folder named fewer times is cheaper to ask about path by path. Each name a listing yields
// costs about as much as a query (Wine looks at every file it lists), so a listing pays only
// where the folder holds fewer files than the paths that ask about it, as in a long playlist
// that names each of its screensavers many times. One that would yield more than half as many
// names as there are paths is cut short there, and the paths are asked about one by one: at
// worst half as much again as the queries alone.
constexpr std::size_t kPathsWorthListing = 16;

struct Folder {
    std::string_view path;
    std::vector<std::size_t> members;  // indices of the paths in it
};

// The plain absolute paths grouped by folder, in order of first mention; the rest in `alone`.
std::vector<Folder> GroupByFolder(const std::vector<std::string>& paths, std::vector<std::size_t>& alone) {
    std::vector<Folder> folders;
    std::unordered_map<std::string_view, std::size_t> indexOf;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        if (!IsPlainAbsolutePath(paths[i])) {
            alone.push_back(i);
            continue;
        }
        const std::string_view folder = std::string_view(paths[i]).substr(0, paths[i].rfind('\\'));
        const auto [it, added] = indexOf.try_emplace(folder, folders.size());
        if (added) folders.push_back({folder, {}});
        folders[it->second].members.push_back(i);
    }
    return folders;
}

}  // namespace

std::vector<bool> FilesExist(FileSystem& files, const std::vector<std::string>& paths) {
    std::vector<bool> exists(paths.size(), false);
    std::vector<std::size_t> alone;
    for (const Folder& folder : GroupByFolder(paths, alone)) {
        std::optional<std::vector<std::string>> names;
        if (folder.members.size() >= kPathsWorthListing)
            names = files.FileNamesIn(std::string(folder.path), folder.members.size() / 2);
        if (!names) {
            alone.insert(alone.end(), folder.members.begin(), folder.members.end());
            continue;
        }
        const std::unordered_set<std::string_view> listed(names->begin(), names->end());
        for (std::size_t i : folder.members) {
            if (listed.contains(std::string_view(paths[i]).substr(folder.path.size() + 1)))
                exists[i] = true;
            else
                alone.push_back(i);
        }
    }
    for (std::size_t i : alone) exists[i] = files.FileExists(paths[i]);
    return exists;
}

}  // namespace vr
