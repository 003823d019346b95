#include "fileio/file_replace.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>

#include "fileio/follow_links.h"
#include "fileio/temp_file.h"
#include "fileio/user_reason.h"

namespace mirel {
namespace {

namespace fs = std::filesystem;

TResult<> Failed(std::string_view step, const fs::path& path, int error) {
  return FileFailure(step, path, error, TFileUse::Writing);
}

bool MoveNoReplace(const fs::path& from, const fs::path& to) {
  return ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0;
}

enum class TBackupKind { None, Linked, Moved };

// Keeps the old file under the backup name, never replacing a file there. A
// hard link leaves the old file in place until the new one replaces it;
// where links are not possible, the file is moved.
TBackupKind MakeBackup(const fs::path& target, const fs::path& backup) {
  if (::link(target.c_str(), backup.c_str()) == 0) return TBackupKind::Linked;
  if (errno == EEXIST) return TBackupKind::None;
  return MoveNoReplace(target, backup) ? TBackupKind::Moved : TBackupKind::None;
}

void UndoBackup(TBackupKind kind, const fs::path& target, const fs::path& backup) {
  if (kind == TBackupKind::Moved) MoveNoReplace(backup, target);
  if (kind == TBackupKind::Linked) ::unlink(backup.c_str());
}

void SyncFolder(const fs::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Errors that say the file system, the kernel or a missing /proc keep us
// from making unnamed files.
bool UnnamedUnsupported(int error) {
  return error == EOPNOTSUPP || error == EISDIR || error == EINVAL;
}

// ReplaceFile; with `locked`, the new file is private, locked before it
// takes the name, and handed to `locked` open instead of closed.
TResult<fs::path> Replace(const fs::path& target, const fs::path& backup, const TContentWriter& write,
                          TDurability durability, TLockedFile* locked) {
  const bool synced = durability == TDurability::Synced;
  IgnoreFileSizeSignal();
  const TResult<fs::path> followed = FollowLinks(target);
  if (!followed) return followed.Failure();
  const fs::path& real = followed.Value();
  if (real.filename().empty()) return Failed("no file name in", target, EISDIR);
  struct stat existing {};
  const bool exists = ::stat(real.c_str(), &existing) == 0;
  if (!exists && errno != ENOENT) return Failed("cannot look at", real, errno);
  if (exists && S_ISDIR(existing.st_mode)) return Failed("cannot replace", real, EISDIR);
  if (exists && !S_ISREG(existing.st_mode)) {
    return FileFailure("cannot replace", real, 0, TFileUse::Writing, "not a regular file");
  }
  const fs::path folder = real.parent_path().empty() ? fs::path(".") : real.parent_path();
  RemoveStaleTempFiles(folder);

  for (const TTempFile::TKind kind : {TTempFile::TKind::Unnamed, TTempFile::TKind::Named}) {
    TTempFile temp;
    int error = temp.Create(folder, kind);
    if (error != 0) {
      if (kind == TTempFile::TKind::Unnamed && UnnamedUnsupported(error)) continue;
      return Failed("cannot create a file in", folder, error);
    }
    // The new file takes the place of the old one, permissions included; a
    // held file is its owner's alone.
    if (locked || exists) ::fchmod(temp.Fd(), locked ? 0600 : existing.st_mode & 07777);
    TFileSink sink(temp.Fd());
    if (!write(sink)) return Failed("cannot write", real, sink.Error());
    if (synced && ::fsync(temp.Fd()) != 0) return Failed("cannot write", real, errno);
    // No one ever finds a held file unlocked under its name.
    if (locked && ::flock(temp.Fd(), LOCK_EX | LOCK_NB) != 0) return Failed("cannot lock", real, errno);

    // The backup first: the new file then has a temporary name for no
    // longer than one rename.
    const TBackupKind backupKind =
        exists && !backup.empty() ? MakeBackup(real, backup) : TBackupKind::None;
    error = temp.MoveTo(real);
    if (error != 0) {
      UndoBackup(backupKind, real, backup);
      return Failed("cannot put the new file in place of", real, error);
    }
    if (locked) *locked = TLockedFile(temp.Release());
    error = locked ? 0 : temp.Close();
    if (synced) SyncFolder(folder);
    // In place, but the system still reports a failure: say so; the old
    // file stays in its backup.
    if (error != 0) return Failed("cannot close", real, error);
    return backupKind != TBackupKind::None ? backup : fs::path();
  }
  return Failed("cannot create a file in", folder, EOPNOTSUPP);  // not reached
}

}  // namespace

bool TFileSink::Write(std::string_view bytes) {
  while (error_ == 0 && !bytes.empty()) {
    const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno != EINTR) error_ = errno;
      continue;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return error_ == 0;
}

void IgnoreFileSizeSignal() {
  // Every time, not once: the disposition is the process's, anyone may reset it.
  std::signal(SIGXFSZ, SIG_IGN);
}

TResult<> SyncFileSystem(const fs::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return Failed("cannot sync", folder, errno);
  const int error = ::syncfs(fd) == 0 ? 0 : errno;
  ::close(fd);
  return error == 0 ? TResult<>::Done() : Failed("cannot sync", folder, error);
}

TResult<fs::path> ReplaceFile(const fs::path& target, const fs::path& backup, const TContentWriter& write,
                           TDurability durability) {
  return Replace(target, backup, write, durability, nullptr);
}

TResult<fs::path> MoveToFreeName(const fs::path& file, const fs::path& folder,
                                 const std::function<std::string(int n)>& nameOf) {
  for (int n = 1; n < 1000; ++n) {
    const fs::path target = folder / nameOf(n);
    if (MoveNoReplace(file, target)) return target;
    if (errno != EEXIST) return Failed("cannot rename", file, errno);
  }
  return Failed("cannot rename", file, EEXIST);
}

TResult<TLockedFile> ReplaceLockedFile(const fs::path& target, const TContentWriter& write) {
  TLockedFile locked;
  const TResult<fs::path> replaced = Replace(target, {}, write, TDurability::Synced, &locked);
  if (!replaced) return replaced.Failure();
  return locked;
}

}  // namespace mirel
