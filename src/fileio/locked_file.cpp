#include "fileio/locked_file.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "fileio/user_reason.h"

namespace mirel {

TLockedFile::~TLockedFile() { Close(); }

TLockedFile::TLockedFile(TLockedFile&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

TLockedFile& TLockedFile::operator=(TLockedFile&& other) noexcept {
  if (this != &other) {
    Close();
    fd_ = std::exchange(other.fd_, -1);
  }
  return *this;
}

TResult<TLockedFile> TLockedFile::CreateNew(const std::filesystem::path& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) return FileFailure("cannot create", path, errno, TFileUse::Writing);
  TLockedFile file(fd);
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return FileFailure("cannot lock", path, errno, TFileUse::Writing);
  return file;
}

std::optional<TLockedFile> TLockedFile::TryLockExisting(const std::filesystem::path& path) {
  // O_NONBLOCK: a FIFO planted under a journal's name must not stall start-up.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
  if (fd < 0) return std::nullopt;
  TLockedFile file(fd);
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return std::nullopt;
  return file;
}

bool TLockedFile::WriteAll(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

void TLockedFile::Close() {
  if (fd_ >= 0) ::close(std::exchange(fd_, -1));
}

}  // namespace mirel
