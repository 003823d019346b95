#include "datafile/line_reader.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <utility>

namespace mirel {
namespace {

// Large enough for the longest line with its CR LF, and large enough that
// refills stay rare.
constexpr std::size_t kFileChunk = 1024 * 1024;
static_assert(kFileChunk > TLineReader::kMaxLineBytes + 2);

}  // namespace

TLineReader::TLineReader(std::string_view bytes) : window_(bytes) {}

TLineReader::TLineReader(TLineReader&& other) noexcept { *this = std::move(other); }

TLineReader& TLineReader::operator=(TLineReader&& other) noexcept {
  if (this == &other) return *this;
  // The vector's storage moves with it, so the window stays valid here; the
  // other reader must not keep a view of it.
  window_ = std::exchange(other.window_, {});
  file_ = std::move(other.file_);
  buffer_ = std::move(other.buffer_);
  eof_ = std::exchange(other.eof_, true);
  readError_ = std::exchange(other.readError_, false);
  stopped_ = std::exchange(other.stopped_, std::nullopt);
  lineNumber_ = std::exchange(other.lineNumber_, 0);
  return *this;
}

TResult<TLineReader> TLineReader::OpenFile(const std::filesystem::path& path) {
  TResult<TFilePtr> opened = OpenRegularFile(path);
  if (!opened) return opened.Failure();
  TLineReader reader;
  reader.file_ = std::move(*opened);
  // A small file needs no more than its size and a byte to see its end;
  // clearing a chunk it does not need costs a short drawing's log more time
  // than reading it. A longest line with its line end always fits, so a line
  // too long is still told as one.
  struct stat info {};
  const bool sized = ::fstat(::fileno(reader.file_.get()), &info) == 0 && info.st_size >= 0;
  const std::size_t wanted = sized ? static_cast<std::size_t>(info.st_size) + 1 : kFileChunk;
  reader.buffer_.resize(std::clamp(wanted, TLineReader::kMaxLineBytes + 3, kFileChunk));
  reader.eof_ = false;
  return reader;
}

bool TLineReader::Refill() {
  if (!file_ || eof_) return false;
  const std::size_t unread = window_.size();
  if (unread > 0 && window_.data() != buffer_.data()) {
    std::memmove(buffer_.data(), window_.data(), unread);
  }
  const std::size_t got = std::fread(buffer_.data() + unread, 1, buffer_.size() - unread, file_.get());
  window_ = std::string_view(buffer_.data(), unread + got);
  if (got == 0) {
    eof_ = true;
    readError_ = std::ferror(file_.get()) != 0;
    return false;
  }
  return true;
}

TLineReader::TStatus TLineReader::NextSlowly(std::string_view& line) {
  if (stopped_) return *stopped_;
  for (;;) {
    const std::size_t lf = window_.find('\n');
    const bool mayGrow = file_ && !eof_ && window_.size() <= kMaxLineBytes + 1;
    if (lf == std::string_view::npos && mayGrow) {
      Refill();
      continue;
    }
    if (readError_) return Stop(TStatus::ReadError);
    if (window_.empty()) return TStatus::End;
    std::string_view text = window_.substr(0, lf);
    std::size_t consumed = text.size();
    if (lf != std::string_view::npos) {
      ++consumed;
      if (text.ends_with('\r')) text.remove_suffix(1);
    }
    if (text.size() > kMaxLineBytes) return Stop(TStatus::TooLong);
    window_.remove_prefix(consumed);
    ++lineNumber_;
    line = text;
    return TStatus::Line;
  }
}

TLineReader::TStatus TLineReader::Stop(TStatus why) {
  stopped_ = why;
  window_ = {};
  return why;
}

}  // namespace mirel
