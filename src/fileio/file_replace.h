#pragma once
// Replacing a file so that nobody ever finds it half-written and a failure
// leaves the old file as it was. The new contents go to a temporary file in
// the same folder, are flushed to the disk and only then take the old
// file's place. The old file may be kept under a backup name, but an
// existing file of that name is never replaced. A symbolic link is
// followed: the file it names is replaced and the link stays a link.
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "fileio/locked_file.h"
#include "model/result.h"

namespace mirel {

// Where the contents are written; remembers the first failure.
class TFileSink {
 public:
  explicit TFileSink(int fd) : fd_(fd) {}
  // False once any write has failed.
  bool Write(std::string_view bytes);
  // The errno value of the failed write, 0 if none failed.
  int Error() const { return error_; }

 private:
  int fd_;
  int error_ = 0;
};

// Writes the whole contents; false when it could not.
using TContentWriter = std::function<bool(TFileSink& sink)>;

// Synced: the new file is on the disk before it takes the old one's place.
// Deferred: for many files written together (a series of pictures), which
// are brought to the disk at once afterwards by SyncFileSystem.
enum class TDurability { Synced, Deferred };

// Writes `target` with what `write` produces. When `backup` is not empty and
// `target` exists, the old file ends up under `backup` unless a file of
// that name exists already (that is no failure; the old file is then simply
// replaced). The value: the backup made of the old file, empty if none.
// A failure's Message is the system's own words for it, to go into the
// caller's message; Detail the step that failed, the file and the reason.
TResult<std::filesystem::path> ReplaceFile(const std::filesystem::path& target, const std::filesystem::path& backup,
                           const TContentWriter& write, TDurability durability = TDurability::Synced);

// For a file that a running window holds and that tells what a user draws
// (the crash journal): as ReplaceFile, synced and without a backup, but the
// new file is readable by its owner only (mode 0600), locked before it takes
// the name, and handed back open, at its end, for appending.
TResult<TLockedFile> ReplaceLockedFile(const std::filesystem::path& target, const TContentWriter& write);

// Moves `file` to the first of the names nameOf(1), nameOf(2), ... that is
// free in `folder`, never over a file, even one made a moment ago. The new
// path, or the failure.
TResult<std::filesystem::path> MoveToFreeName(const std::filesystem::path& file, const std::filesystem::path& folder,
                                              const std::function<std::string(int n)>& nameOf);

// Brings everything written to the file system holding `folder` to the
// disk. A failure as ReplaceFile's.
TResult<> SyncFileSystem(const std::filesystem::path& folder);

// A file size limit (ulimit -f) kills a process by SIGXFSZ unless the
// signal is ignored; ignored, it fails the write like a full disk.
// ReplaceFile does this itself; programs writing elsewhere call it early.
void IgnoreFileSizeSignal();

}  // namespace mirel
