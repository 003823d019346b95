#pragma once
// Finding a file by name in a list of folders.
#include <optional>
#include <string>
#include <vector>

namespace mirel {

// The first `folder/name` that is a regular file, in the order of `folders`
// (native paths; an empty folder is the current folder), or none.
std::optional<std::string> FindInFolders(const std::string& name, const std::vector<std::string>& folders);

}  // namespace mirel
