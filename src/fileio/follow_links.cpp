#include "fileio/follow_links.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "fileio/user_reason.h"

namespace mirel {

TResult<std::filesystem::path> FollowLinks(const std::filesystem::path& path) {
  std::filesystem::path current = path;
  // As many links as the system itself follows before giving up.
  for (int hop = 0; hop < 40; ++hop) {
    struct stat info {};
    if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
    std::string target(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 255) + 1, '\0');
    const ssize_t length = ::readlink(current.c_str(), target.data(), target.size());
    if (length < 0) return FileFailure("cannot follow the link", path, errno, TFileUse::Writing);
    // A link that grew since lstat: read it again with more room.
    if (static_cast<std::size_t>(length) == target.size()) continue;
    target.resize(static_cast<std::size_t>(length));
    const std::filesystem::path next(target);
    current = next.is_absolute() ? next : current.parent_path() / next;
  }
  return FileFailure("cannot follow the link", path, ELOOP, TFileUse::Writing);
}

}  // namespace mirel
