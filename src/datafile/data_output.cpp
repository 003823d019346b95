#include "datafile/data_output.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "datafile/colour_names.h"

namespace mirel {
namespace {

// Enough for any 64-bit number with its sign.
constexpr std::size_t kNumberRoom = 24;
constexpr std::size_t kLineEnd = 2;  // CR LF
// Lines are formatted in a buffer of this size that stays in the cache and
// then appended to the text in one piece. 15 x 4 KiB: a string starts with
// room for 15 bytes and doubles, so the text grows through the same sizes as
// when appended line by line, which the allocator is known to reuse well.
constexpr std::size_t kMemoryChunk = 15 * 4096;
// Beyond the chunk, so that most lines fit before the buffer is passed on.
constexpr std::size_t kLineRoom = 4096;

char* PutInt(char* at, std::int64_t value) { return std::to_chars(at, at + kNumberRoom, value).ptr; }

// printf's "%0<width>d": the sign counts towards the width.
char* PutPadded(char* at, std::int64_t value, int width) {
  char digits[kNumberRoom];
  const char* end = PutInt(digits, value);
  const char* first = digits;
  if (value < 0) {
    *at++ = '-';
    ++first;
    --width;
  }
  const auto length = static_cast<int>(end - first);
  if (width > length) at = std::fill_n(at, width - length, '0');
  return std::copy(first, end, at);
}

}  // namespace

TDataOutput::TDataOutput() : TDataOutput(Sink{}, kMemoryChunk) {}

TDataOutput::TDataOutput(Sink sink, std::size_t chunk) : sink_(std::move(sink)), chunk_(chunk) {
  buffer_.resize(chunk_ + kLineRoom);
}

void TDataOutput::Line(std::string_view text) {
  char* at = Room(text.size() + kLineEnd);
  if (!text.empty()) std::memcpy(at, text.data(), text.size());
  EndLine(at + text.size());
}

void TDataOutput::IntLine(std::int64_t value) { EndLine(PutInt(Room(kNumberRoom + kLineEnd), value)); }

void TDataOutput::PointLine(const TPoint& point) {
  char* at = PutInt(Room(2 * kNumberRoom + 1 + kLineEnd), point.X);
  *at++ = ' ';
  EndLine(PutInt(at, point.Y));
}

void TDataOutput::ColorLine(TColor color) {
  const std::string_view name = ColorIdentifier(color);
  if (!name.empty()) {
    Line(name);
    return;
  }
  static constexpr char kHex[] = "0123456789ABCDEF";
  char* at = Room(9 + kLineEnd);
  *at++ = '$';
  for (int i = 0; i < 8; ++i) *at++ = kHex[(color >> (28 - 4 * i)) & 0xF];
  EndLine(at);
}

void TDataOutput::TimeLine(std::int32_t year, int month, int day, int hour, int minute,
                           int second, int hundredths) {
  char* at = PutPadded(Room(7 * (kNumberRoom + 1) + kLineEnd), year, 4);
  for (int field : {month, day, hour, minute, second, hundredths}) {
    *at++ = ' ';
    at = PutPadded(at, field, 2);
  }
  EndLine(at);
}

bool TDataOutput::Flush() {
  if (used_ > 0) {
    const std::string_view bytes(buffer_.data(), used_);
    if (!sink_) {
      text_.append(bytes);
    } else if (!failed_ && !sink_(bytes)) {
      failed_ = true;
    }
    used_ = 0;
  }
  return !failed_;
}

const std::string& TDataOutput::Text() {
  Flush();
  return text_;
}

char* TDataOutput::Room(std::size_t bytes) {
  if (buffer_.size() - used_ < bytes) {
    Flush();
    // Only a line longer than the buffer makes it grow.
    if (buffer_.size() < bytes) buffer_.resize(bytes);
  }
  return buffer_.data() + used_;
}

void TDataOutput::EndLine(char* end) {
  end[0] = '\r';
  end[1] = '\n';
  used_ = static_cast<std::size_t>(end + kLineEnd - buffer_.data());
  if (used_ >= chunk_) Flush();
}

}  // namespace mirel
