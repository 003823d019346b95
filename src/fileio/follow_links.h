#pragma once
// Where a write to a path really lands: a symbolic link at the path is
// followed, link by link, to the file it names (which need not exist yet).
#include <filesystem>

namespace mirel {

// The path with every symbolic link of its last component followed. On
// failure (a loop, an unreadable link) `error` is set to the errno value.
std::filesystem::path FollowLinks(const std::filesystem::path& path, int& error);

}  // namespace mirel
