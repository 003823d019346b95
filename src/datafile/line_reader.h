#pragma once
// Splits a data file into lines, from memory or from a file read in large
// chunks; both go through the same splitting. A line ends at LF; the LF and a
// CR before it are removed. A last line without a line end is a line too.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fileio/regular_file.h"
#include "model/result.h"

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
  // Fails when the file cannot be opened for reading, as OpenRegularFile
  // does: only regular files are opened, and a folder, FIFO, device or
  // socket is refused before anything can block on it.
  static TResult<TLineReader> OpenFile(const std::filesystem::path& path);

  // A moved-from reader has nothing left to read.
  TLineReader(TLineReader&& other) noexcept;
  TLineReader& operator=(TLineReader&& other) noexcept;

  // The next line, valid until the next call. Inline for the common case, a
  // whole line already in the window: files have millions of short lines.
  TStatus Next(std::string_view& line) {
    const std::size_t lf = FindLineEnd();
    if (lf > kMaxLineBytes) return NextSlowly(line);  // also npos
    std::string_view text = window_.substr(0, lf);
    if (text.ends_with('\r')) text.remove_suffix(1);
    window_.remove_prefix(lf + 1);
    ++lineNumber_;
    line = text;
    return TStatus::Line;
  }
  // Number of the line last returned, counted from 1.
  std::int64_t LineNumber() const { return lineNumber_; }

 private:
  TLineReader() = default;
  // Where the first LF of the window is, or npos. Most lines are shorter
  // than a call to memchr is worth: their first bytes are searched here,
  // eight at a time, and only the rest of a longer line by find.
  std::size_t FindLineEnd() const {
    constexpr std::size_t kInlineBytes = 32;
    std::size_t at = 0;
    if constexpr (std::endian::native == std::endian::little) {
      constexpr std::uint64_t kOnes = 0x0101010101010101u;
      for (; at + 8 <= window_.size() && at < kInlineBytes; at += 8) {
        std::uint64_t word;
        std::memcpy(&word, window_.data() + at, 8);
        // A byte of `x` is zero where the window holds LF; the lowest byte
        // flagged below is the first such byte (higher ones may be false).
        const std::uint64_t x = word ^ (kOnes * '\n');
        const std::uint64_t zeros = (x - kOnes) & ~x & (kOnes * 0x80);
        if (zeros != 0) return at + static_cast<std::size_t>(std::countr_zero(zeros)) / 8;
      }
    }
    return window_.find('\n', at);
  }
  // Every case Next leaves: refills, the last line, long lines, the end.
  TStatus NextSlowly(std::string_view& line);
  // Moves the unread bytes to the front and reads more; false at the end of
  // the file or on a read error (see readError_).
  bool Refill();
  // Reading stops for good with `why`.
  TStatus Stop(TStatus why);

  // The bytes not yet returned: the rest of the memory, or of the buffer's
  // filled part. Emptied once reading stops, so that Next goes the slow way.
  std::string_view window_;
  TFilePtr file_;
  std::vector<char> buffer_;
  bool eof_ = true;
  bool readError_ = false;
  std::optional<TStatus> stopped_;
  std::int64_t lineNumber_ = 0;
};

}  // namespace mirel
