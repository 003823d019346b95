#pragma once
// A new file in a folder whose contents are to take another file's place.
// Unnamed (O_TMPFILE) where the file system allows it, so that a process
// killed half-way leaves nothing behind; otherwise named
// ".mirel-save-<16 hex digits>.tmp" and removed again unless kept.
#include <filesystem>
#include <string_view>

namespace mirel {

class TTempFile {
 public:
  enum class TKind { Unnamed, Named };

  TTempFile() = default;
  TTempFile(const TTempFile&) = delete;
  TTempFile& operator=(const TTempFile&) = delete;
  // Closes the file and removes a name it was given unless Keep was called.
  ~TTempFile();

  // Creates the file in `folder`, writable, mode 0666 less the umask.
  // 0, or the errno value.
  int Create(const std::filesystem::path& folder, TKind kind);
  int Fd() const { return fd_; }
  // Gives an unnamed file a name of the pattern in its folder (a named one
  // has one already). 0, or the errno value.
  int GiveName();
  // The file's name once it has one.
  const std::filesystem::path& Path() const { return path_; }
  // Closes the file; 0, or the errno value (close may be the first to see a
  // failed write).
  int Close();
  // The name has been renamed away: nothing is left to remove.
  void Keep() { path_.clear(); }

 private:
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
