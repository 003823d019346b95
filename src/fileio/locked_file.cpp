#include "fileio/locked_file.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

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

std::optional<TLockedFile> TLockedFile::TryLockExisting(const std::filesystem::path& path) {
  // O_NONBLOCK: a FIFO planted under a journal's name must not stall start-up.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
  if (fd < 0) return std::nullopt;
  TLockedFile file(fd);
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return std::nullopt;
  return file;
}

bool TLockedFile::Append(std::string_view bytes) {
  const off_t end = ::lseek(fd_, 0, SEEK_END);
  if (end < 0) return false;
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) {
      if (::ftruncate(fd_, end) == 0) ::lseek(fd_, end, SEEK_SET);
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

bool TLockedFile::Sync() { return ::fdatasync(fd_) == 0; }

void TLockedFile::Close() {
  if (fd_ >= 0) ::close(std::exchange(fd_, -1));
}

}  // namespace mirel
