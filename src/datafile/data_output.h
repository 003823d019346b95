#pragma once
// A line buffer for the data file writer. Every line ends with CR LF. Lines
// collect in memory; with a sink, the buffer is handed on in large chunks and
// the first sink failure sticks, so a caller checks once at the end.
//
// Lines are formatted straight into a reused buffer (numbers with
// std::to_chars) that is passed on whole: writing a long history costs no
// allocation per line.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "model/geometry.h"

namespace mirel {

class TDataOutput {
 public:
  // Returns false when the bytes could not be written.
  using Sink = std::function<bool(std::string_view bytes)>;

  // Collects the whole file in memory (Text()).
  TDataOutput();
  // Hands the bytes to `sink` whenever about `chunk` bytes have collected.
  explicit TDataOutput(Sink sink, std::size_t chunk = 256 * 1024);

  void Line(std::string_view text);
  // Plain decimal.
  void IntLine(std::int64_t value);
  // "x y".
  void PointLine(const TPoint& point);
  // An identifier, or "$" and eight upper-case hexadecimal digits.
  void ColorLine(TColor color);
  // "%04d %02d %02d %02d %02d %02d %02d" of the seven fields.
  void TimeLine(std::int32_t year, int month, int day, int hour, int minute, int second,
                int hundredths);

  // Passes what is buffered to the sink. False once any sink call failed.
  bool Flush();
  bool Failed() const { return failed_; }
  // Without a sink: everything written so far.
  const std::string& Text();

 private:
  // Where the next `bytes` bytes go; they count once passed to EndLine.
  char* Room(std::size_t bytes);
  // Ends the line whose last byte is before `end`, which Room gave room for
  // (CR LF included).
  void EndLine(char* end);

  std::string buffer_;  // its size is the room; the first used_ bytes are written
  std::size_t used_ = 0;
  std::string text_;  // without a sink: what was passed on
  Sink sink_;
  std::size_t chunk_ = 0;
  bool failed_ = false;
};

}  // namespace mirel
