#pragma once
// How the reader takes numbers, points, colours and times from value lines.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "history/action_data.h"
#include "model/geometry.h"

namespace mirel {

enum class TIntStatus { Number, NotNumber, OutOfRange };

struct TLeadingInt {
  TIntStatus Status = TIntStatus::NotNumber;
  std::int32_t Value = 0;
  std::size_t End = 0;  // where reading stopped
};

// Leading white space, an optional sign and decimal digits, from `from` on;
// the rest is left alone. A number outside the signed 32-bit range is
// OutOfRange rather than wrapped.
TLeadingInt ParseLeadingInt(std::string_view text, std::size_t from = 0);

// An integer line: `field` keeps its value when the line does not begin with
// a number. False only for a number out of range.
bool ReadIntLine(std::string_view line, std::int32_t& field);

// A point line: two integers separated by white space. Coordinates the line
// lacks stay as `point` holds them (the point read before). False only for a
// number out of range.
bool ReadPointLine(std::string_view line, TPoint& point);

// A colour line: an identifier (any letter case), or a whole-line integer in
// decimal or in hexadecimal after "$", "x" or "0x" (one to eight digits, taken
// as the 32-bit pattern). None when the line is neither.
std::optional<TColor> ParseColorLine(std::string_view line);

// A time line: the full form with the date when it is exactly 22 characters
// long, otherwise the time-only form. Fields are read from fixed columns.
TActionTime ParseTimeLine(std::string_view line);

}  // namespace mirel
