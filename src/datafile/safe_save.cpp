#include "datafile/safe_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

#include "datafile/data_writer.h"

namespace mirel {
namespace {

namespace fs = std::filesystem;

std::string Reason(std::string_view what, const fs::path& path, int error) {
  return std::string(what) + " " + path.string() + ": " + std::strerror(error);
}

// Closes the descriptor and removes the temporary file unless Keep() was
// called: every early return leaves nothing behind.
class TTempFile {
 public:
  TTempFile() = default;
  TTempFile(const TTempFile&) = delete;
  TTempFile& operator=(const TTempFile&) = delete;
  ~TTempFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!path_.empty()) ::unlink(path_.c_str());
  }

  // Creates a new file in `folder` that nobody else uses; errno on failure.
  bool Create(const fs::path& folder) {
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
      char name[40];
      std::snprintf(name, sizeof name, ".mirel-save-%016llx.tmp",
                    static_cast<unsigned long long>(random()));
      const fs::path candidate = folder / name;
      fd_ = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd_ >= 0) {
        path_ = candidate;
        return true;
      }
      if (errno != EEXIST) return false;
    }
    return false;
  }

  int Fd() const { return fd_; }
  const fs::path& Path() const { return path_; }

  // Closes the file, reporting the error close may be the first to see.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }
  void Keep() { path_.clear(); }

 private:
  int fd_ = -1;
  fs::path path_;
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Moves `from` to `to` unless `to` exists.
bool MoveNoReplace(const fs::path& from, const fs::path& to) {
  return ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0;
}

enum class TBackupKind { None, Linked, Moved };

// Keeps the previous file under the backup name, never replacing a file. A
// hard link keeps the previous file in place until the new one replaces it;
// where links are not possible, the file is moved.
TBackupKind MakeBackup(const fs::path& target, const fs::path& backup) {
  if (::link(target.c_str(), backup.c_str()) == 0) return TBackupKind::Linked;
  if (errno == EEXIST) return TBackupKind::None;
  return MoveNoReplace(target, backup) ? TBackupKind::Moved : TBackupKind::None;
}

void SyncFolder(const fs::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Counts UTF-8 characters from the end: the byte length of the last `n`.
std::size_t LastCharsLength(std::string_view text, std::size_t n) {
  std::size_t length = 0;
  while (n > 0 && length < text.size()) {
    ++length;
    const auto byte = static_cast<unsigned char>(text[text.size() - length]);
    if ((byte & 0xC0) != 0x80) --n;
  }
  return length;
}

}  // namespace

fs::path BackupPathFor(const fs::path& target, TBackupRule rule) {
  const std::string name = target.filename().string();
  std::string backup;
  if (rule == TBackupRule::OverwriteSave) {
    // Within the name only: a short name never reaches into the folder.
    backup = name.substr(0, name.size() - LastCharsLength(name, 3)) + "bak";
  } else {
    const std::size_t dot = name.rfind('.');
    backup = name.substr(0, dot) + ".bak";
  }
  return target.parent_path() / backup;
}

TSaveResult SaveHistoryToFile(const THistoryList& history, const fs::path& target,
                              TBackupRule rule) {
  TSaveResult result;
  if (target.filename().empty()) {
    result.Detail = "no file name in " + target.string();
    return result;
  }
  struct stat existing {};
  const bool exists = ::stat(target.c_str(), &existing) == 0;
  if (exists && !S_ISREG(existing.st_mode)) {
    result.Detail = target.string() + " is not a regular file";
    return result;
  }

  const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
  TTempFile temp;
  if (!temp.Create(folder)) {
    result.Detail = Reason("cannot create a temporary file in", folder, errno);
    return result;
  }
  // The new file takes the place of the old one, permissions included.
  if (exists) ::fchmod(temp.Fd(), existing.st_mode & 07777);

  int writeError = 0;
  TDataOutput out([&](std::string_view bytes) {
    if (WriteAll(temp.Fd(), bytes)) return true;
    writeError = errno;
    return false;
  });
  WriteDataFile(out, history);
  if (!out.Flush()) {
    result.Detail = Reason("cannot write", temp.Path(), writeError);
    return result;
  }
  if (::fsync(temp.Fd()) != 0) {
    result.Detail = Reason("cannot flush", temp.Path(), errno);
    return result;
  }
  if (!temp.Close()) {
    result.Detail = Reason("cannot close", temp.Path(), errno);
    return result;
  }

  const fs::path backup = BackupPathFor(target, rule);
  const TBackupKind kind = exists ? MakeBackup(target, backup) : TBackupKind::None;
  if (::rename(temp.Path().c_str(), target.c_str()) != 0) {
    result.Detail = Reason("cannot rename the new file to", target, errno);
    if (kind == TBackupKind::Moved) MoveNoReplace(backup, target);
    if (kind == TBackupKind::Linked) ::unlink(backup.c_str());
    return result;
  }
  temp.Keep();
  SyncFolder(folder);
  result.Ok = true;
  if (kind != TBackupKind::None) result.Backup = backup;
  return result;
}

}  // namespace mirel
