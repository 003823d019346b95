#pragma once
// A new file in a folder whose contents are to take another file's place.
// Unnamed (O_TMPFILE) where the file system allows it, so that a process
// killed half-way leaves nothing behind; otherwise named
// ".mirel-save-<16 hex digits>.tmp" and removed again unless kept.
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>

namespace mirel {

class TTempFile {
 public:
  enum class TKind { Unnamed, Named };

  TTempFile() = default;
  TTempFile(const TTempFile&) = delete;
  TTempFile& operator=(const TTempFile&) = delete;
  // Closes the file and removes a name it was given unless it was moved.
  ~TTempFile();

  // Creates the file in `folder`, writable, mode 0666 less the umask.
  // 0, or the errno value. Unnamed files need /proc to be named later:
  // without it, Create fails with EOPNOTSUPP.
  int Create(const std::filesystem::path& folder, TKind kind);
  int Fd() const { return fd_; }
  // Gives an unnamed file a name of the pattern in its folder (a named one
  // has one already). 0, or the errno value.
  int GiveName();
  // The file's name once it has one.
  const std::filesystem::path& Path() const { return path_; }
  // Puts the file at `target` (in the same folder). Where nothing is there
  // an unnamed file simply gets that name; otherwise it is named and renamed
  // over the old file, so that it is never without a name in between.
  // 0, or the errno value; the temporary name goes again on failure.
  int MoveTo(const std::filesystem::path& target);
  // Closes the file; 0, or the errno value (close may be the first to see a
  // failed write).
  int Close();
  // The open file, now the caller's to close.
  int Release() { return std::exchange(fd_, -1); }

 private:
  std::string SelfLink() const;

  int fd_ = -1;
  std::filesystem::path folder_;
  std::filesystem::path path_;
};

// True for names of the pattern above.
bool IsTempFileName(std::string_view name);

// Removes files of the pattern older than a day from `folder`: those of a
// process that was killed between naming and renaming its file, or that ran
// where files cannot be unnamed. Looks at each folder once per process.
void RemoveStaleTempFiles(const std::filesystem::path& folder);

}  // namespace mirel
