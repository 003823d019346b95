#pragma once
// A line buffer for the data file writer. Every line ends with CR LF. Lines
// collect in memory; with a sink, the buffer is handed on in large chunks and
// the first sink failure sticks, so a caller checks once at the end.
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
  TDataOutput() = default;
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
  const std::string& Text() const { return buffer_; }

 private:
  void AppendInt(std::int64_t value);
  // printf's "%0<width>d": the sign counts towards the width.
  void AppendPadded(std::int64_t value, int width);
  void EndLine();

  std::string buffer_;
  Sink sink_;
  std::size_t chunk_ = 0;
  bool failed_ = false;
};

}  // namespace mirel
