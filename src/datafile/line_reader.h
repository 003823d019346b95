#pragma once
// Splits a data file into lines, from memory or from a file read in large
// chunks; both go through the same splitting. A line ends at LF; the LF and a
// CR before it are removed. A last line without a line end is a line too.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fileio/regular_file.h"

namespace mirel {

class TLineReader {
 public:
  // Longest line read whole, line end not counted.
  static constexpr std::size_t kMaxLineBytes = 64 * 1024;

  enum class TStatus {
    Line,       // a line was read
    End,        // nothing left to read
    TooLong,    // a line longer than kMaxLineBytes; reading stops here
    ReadError,  // the file could not be read; reading stops here
  };

  // Reads `bytes`, which must outlive the reader.
  explicit TLineReader(std::string_view bytes);
  // None when the file cannot be opened for reading. Only regular files
  // are opened: a folder, FIFO, device or socket is refused before anything
  // can block on it. `whyNot`, when given, receives the reason.
  static std::optional<TLineReader> OpenFile(const std::filesystem::path& path);
  static std::optional<TLineReader> OpenFile(const std::filesystem::path& path, std::string& whyNot);

  TLineReader(TLineReader&&) noexcept = default;
  TLineReader& operator=(TLineReader&&) noexcept = default;

  // The next line, valid until the next call.
  TStatus Next(std::string_view& line);
  // Number of the line last returned, counted from 1.
  std::int64_t LineNumber() const { return lineNumber_; }

 private:
  TLineReader() = default;
  std::string_view Window() const;
  // Moves the unread bytes to the front and reads more; false at the end of
  // the file or on a read error (see readError_).
  bool Refill();

  std::string_view memory_;
  TFilePtr file_;
  std::vector<char> buffer_;
  std::size_t filled_ = 0;
  std::size_t pos_ = 0;
  bool eof_ = true;
  bool readError_ = false;
  std::optional<TStatus> stopped_;
  std::int64_t lineNumber_ = 0;
};

}  // namespace mirel
