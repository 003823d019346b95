#include "fileio/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "fileio/system_reason.h"
#include "fileio/user_reason.h"

namespace mirel {
namespace {

const char* KindOf(mode_t mode) {
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISFIFO(mode)) return "a FIFO";
  if (S_ISCHR(mode)) return "a character device";
  if (S_ISBLK(mode)) return "a block device";
  if (S_ISSOCK(mode)) return "a socket";
  return "not a regular file";
}

TResult<> Failure(int error, std::string detail) {
  TResult<> failure = TResult<>::Failed({}, std::move(detail));
  failure.Reason = UserReason(error, TFileUse::Reading);
  failure.Error = error;
  return failure;
}

TResult<> Refused(const std::filesystem::path& path, mode_t mode) {
  return Failure(S_ISDIR(mode) ? EISDIR : 0, path.string() + " is " + KindOf(mode) + ", not a regular file");
}

TResult<> SystemFailure(const std::filesystem::path& path, int error) {
  return Failure(error, "cannot open " + path.string() + ": " + SystemReason(error));
}

}  // namespace

TResult<TFilePtr> OpenRegularFile(const std::filesystem::path& path) {
  // Looking first keeps devices from being opened at all; looking again at
  // what was opened closes the gap in which the name could change.
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return SystemFailure(path, errno);
  if (!S_ISREG(info.st_mode)) return Refused(path, info.st_mode);

  // O_NONBLOCK: a FIFO put in the file's place meanwhile opens at once.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return SystemFailure(path, errno);
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    const int error = errno;
    ::close(fd);
    return S_ISREG(info.st_mode) ? SystemFailure(path, error) : Refused(path, info.st_mode);
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  TFilePtr file(::fdopen(fd, "rb"));
  if (!file) {
    const int error = errno;
    ::close(fd);
    return SystemFailure(path, error);
  }
  return file;
}

}  // namespace mirel
