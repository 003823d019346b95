#pragma once
// An open file descriptor with an exclusive advisory lock (flock), released
// and closed with the object. The lock tells a running window's crash
// journal from one an earlier run left behind.
#include <filesystem>
#include <optional>
#include <string>

#include "model/result.h"

namespace mirel {

class TLockedFile {
 public:
  TLockedFile() = default;
  ~TLockedFile();
  TLockedFile(TLockedFile&& other) noexcept;
  TLockedFile& operator=(TLockedFile&& other) noexcept;
  TLockedFile(const TLockedFile&) = delete;
  TLockedFile& operator=(const TLockedFile&) = delete;

  // Takes an open descriptor that the caller has locked.
  explicit TLockedFile(int fd) : fd_(fd) {}
  // Opens an existing file for reading and locks it; none when another
  // process holds the lock or the file cannot be opened.
  static std::optional<TLockedFile> TryLockExisting(const std::filesystem::path& path);

  bool IsOpen() const { return fd_ >= 0; }
  // Writes every byte at the end of the file, or none: a failed write is
  // cut off again, so that the file never ends in a part of `bytes`.
  bool Append(std::string_view bytes);
  // Brings what was written to the disk.
  bool Sync();
  void Close();

 private:
  int fd_ = -1;
};

}  // namespace mirel
