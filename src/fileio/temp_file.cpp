#include "fileio/temp_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <random>
#include <set>
#include <string>

namespace mirel {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kPrefix = ".mirel-save-";
constexpr std::string_view kSuffix = ".tmp";
constexpr int kHexDigits = 16;

fs::path RandomName(const fs::path& folder) {
  static std::mt19937_64 random{std::random_device{}()};
  char name[48];
  std::snprintf(name, sizeof name, "%.*s%016llx%.*s", static_cast<int>(kPrefix.size()), kPrefix.data(),
                static_cast<unsigned long long>(random()), static_cast<int>(kSuffix.size()), kSuffix.data());
  return folder / name;
}

}  // namespace

TTempFile::~TTempFile() {
  if (fd_ >= 0) ::close(fd_);
  if (!path_.empty()) ::unlink(path_.c_str());
}

int TTempFile::Create(const fs::path& folder, TKind kind) {
  folder_ = folder;
  if (kind == TKind::Unnamed) {
    fd_ = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd_ < 0) return errno;
    // linkat through /proc needs no privilege, unlike AT_EMPTY_PATH.
    if (::access(SelfLink().c_str(), F_OK) != 0) {
      ::close(fd_);
      fd_ = -1;
      return EOPNOTSUPP;
    }
    return 0;
  }
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path candidate = RandomName(folder);
    fd_ = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ >= 0) {
      path_ = candidate;
      return 0;
    }
    if (errno != EEXIST) return errno;
  }
  return EEXIST;
}

std::string TTempFile::SelfLink() const { return "/proc/self/fd/" + std::to_string(fd_); }

int TTempFile::GiveName() {
  if (!path_.empty()) return 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path candidate = RandomName(folder_);
    if (::linkat(AT_FDCWD, SelfLink().c_str(), AT_FDCWD, candidate.c_str(), AT_SYMLINK_FOLLOW) == 0) {
      path_ = candidate;
      return 0;
    }
    if (errno != EEXIST) return errno;
  }
  return EEXIST;
}

int TTempFile::MoveTo(const fs::path& target) {
  if (path_.empty()) {
    if (::linkat(AT_FDCWD, SelfLink().c_str(), AT_FDCWD, target.c_str(), AT_SYMLINK_FOLLOW) == 0) return 0;
    if (errno != EEXIST) return errno;
    const int error = GiveName();
    if (error != 0) return error;
  }
  if (::rename(path_.c_str(), target.c_str()) != 0) return errno;
  path_.clear();
  return 0;
}

int TTempFile::Close() {
  const int fd = fd_;
  fd_ = -1;
  return ::close(fd) == 0 ? 0 : errno;
}

bool IsTempFileName(std::string_view name) {
  if (name.size() != kPrefix.size() + kHexDigits + kSuffix.size()) return false;
  if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix)) return false;
  for (const char c : name.substr(kPrefix.size(), kHexDigits)) {
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
  }
  return true;
}

void RemoveStaleTempFiles(const fs::path& folder) {
  static std::mutex mutex;
  static std::set<fs::path> looked;
  {
    std::error_code ec;
    const fs::path key = fs::weakly_canonical(folder, ec);
    const std::lock_guard lock(mutex);
    if (!looked.insert(ec ? folder : key).second) return;
  }
  const auto dayAgo = std::chrono::system_clock::now() - std::chrono::hours(24);
  const time_t limit = std::chrono::system_clock::to_time_t(dayAgo);
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path& path = it->path();
    if (!IsTempFileName(path.filename().native())) continue;
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_mtime < limit) {
      ::unlink(path.c_str());
    }
  }
}

}  // namespace mirel
