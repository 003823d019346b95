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

  // Creates a new file (it must not exist) and locks it.
  static TResult<TLockedFile> CreateNew(const std::filesystem::path& path);
  // Opens an existing file for reading and locks it; none when another
  // process holds the lock or the file cannot be opened.
  static std::optional<TLockedFile> TryLockExisting(const std::filesystem::path& path);

  int Descriptor() const { return fd_; }
  bool IsOpen() const { return fd_ >= 0; }
  // Writes every byte, resuming after short writes and interruptions.
  bool WriteAll(std::string_view bytes);
  void Close();

 private:
  explicit TLockedFile(int fd) : fd_(fd) {}
  int fd_ = -1;
};

}  // namespace mirel
