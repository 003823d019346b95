#include "datafile/data_output.h"

#include <charconv>

#include "datafile/colour_names.h"

namespace mirel {

TDataOutput::TDataOutput(Sink sink, std::size_t chunk) : sink_(std::move(sink)), chunk_(chunk) {
  buffer_.reserve(chunk_ + 4096);
}

void TDataOutput::Line(std::string_view text) {
  buffer_.append(text);
  EndLine();
}

void TDataOutput::IntLine(std::int64_t value) {
  AppendInt(value);
  EndLine();
}

void TDataOutput::PointLine(const TPoint& point) {
  AppendInt(point.X);
  buffer_.push_back(' ');
  AppendInt(point.Y);
  EndLine();
}

void TDataOutput::ColorLine(TColor color) {
  const std::string_view name = ColorIdentifier(color);
  if (!name.empty()) {
    Line(name);
    return;
  }
  static constexpr char kHex[] = "0123456789ABCDEF";
  char text[9] = {'$'};
  for (int i = 0; i < 8; ++i) text[1 + i] = kHex[(color >> (28 - 4 * i)) & 0xF];
  Line(std::string_view(text, sizeof text));
}

void TDataOutput::TimeLine(std::int32_t year, int month, int day, int hour, int minute,
                           int second, int hundredths) {
  AppendPadded(year, 4);
  for (int field : {month, day, hour, minute, second, hundredths}) {
    buffer_.push_back(' ');
    AppendPadded(field, 2);
  }
  EndLine();
}

bool TDataOutput::Flush() {
  if (sink_ && !buffer_.empty()) {
    if (!failed_ && !sink_(buffer_)) failed_ = true;
    buffer_.clear();
  }
  return !failed_;
}

void TDataOutput::AppendInt(std::int64_t value) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  buffer_.append(digits, result.ptr);
}

void TDataOutput::AppendPadded(std::int64_t value, int width) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  std::string_view text(digits, static_cast<std::size_t>(result.ptr - digits));
  const bool negative = value < 0;
  if (negative) {
    buffer_.push_back('-');
    text.remove_prefix(1);
    --width;
  }
  for (int pad = width - static_cast<int>(text.size()); pad > 0; --pad) buffer_.push_back('0');
  buffer_.append(text);
}

void TDataOutput::EndLine() {
  buffer_.append("\r\n", 2);
  if (sink_ && buffer_.size() >= chunk_) Flush();
}

}  // namespace mirel
