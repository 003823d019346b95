#include "datafile/line_reader.h"

#include <cstring>

namespace mirel {
namespace {

// Large enough for the longest line with its CR LF, and large enough that
// refills stay rare.
constexpr std::size_t kFileChunk = 1024 * 1024;
static_assert(kFileChunk > TLineReader::kMaxLineBytes + 2);

}  // namespace

TLineReader::TLineReader(std::string_view bytes) : memory_(bytes) {}

std::optional<TLineReader> TLineReader::OpenFile(const std::filesystem::path& path) {
  std::string whyNot;
  return OpenFile(path, whyNot);
}

std::optional<TLineReader> TLineReader::OpenFile(const std::filesystem::path& path, std::string& whyNot) {
  TOpenedFile opened = OpenRegularFile(path);
  if (!opened.File) {
    whyNot = std::move(opened.Detail);
    return std::nullopt;
  }
  TLineReader reader;
  reader.file_ = std::move(opened.File);
  reader.buffer_.resize(kFileChunk);
  reader.eof_ = false;
  return reader;
}

std::string_view TLineReader::Window() const {
  if (!file_) return memory_.substr(pos_);
  return std::string_view(buffer_.data() + pos_, filled_ - pos_);
}

bool TLineReader::Refill() {
  if (!file_ || eof_) return false;
  const std::size_t unread = filled_ - pos_;
  if (pos_ > 0) std::memmove(buffer_.data(), buffer_.data() + pos_, unread);
  filled_ = unread;
  pos_ = 0;
  const std::size_t got = std::fread(buffer_.data() + filled_, 1, buffer_.size() - filled_, file_.get());
  filled_ += got;
  if (got == 0) {
    eof_ = true;
    readError_ = std::ferror(file_.get()) != 0;
    return false;
  }
  return true;
}

TLineReader::TStatus TLineReader::Next(std::string_view& line) {
  if (stopped_) return *stopped_;
  for (;;) {
    const std::string_view window = Window();
    const std::size_t lf = window.find('\n');
    const bool mayGrow = file_ && !eof_ && window.size() <= kMaxLineBytes + 1;
    if (lf == std::string_view::npos && mayGrow) {
      Refill();
      continue;
    }
    if (readError_) return *(stopped_ = TStatus::ReadError);
    if (window.empty()) return TStatus::End;
    std::string_view text = window.substr(0, lf);
    std::size_t consumed = text.size();
    if (lf != std::string_view::npos) {
      ++consumed;
      if (text.ends_with('\r')) text.remove_suffix(1);
    }
    if (text.size() > kMaxLineBytes) return *(stopped_ = TStatus::TooLong);
    pos_ += consumed;
    ++lineNumber_;
    line = text;
    return TStatus::Line;
  }
}

}  // namespace mirel
