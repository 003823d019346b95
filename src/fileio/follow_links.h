#pragma once
// Where a write to a path really lands: a symbolic link at the path is
// followed, link by link, to the file it names (which need not exist yet).
#include <filesystem>

#include "model/result.h"

namespace mirel {

// The path with every symbolic link of its last component followed; fails
// on a loop or an unreadable link.
TResult<std::filesystem::path> FollowLinks(const std::filesystem::path& path);

}  // namespace mirel
