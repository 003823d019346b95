#include "datafile/value_parse.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "datafile/colour_names.h"

namespace mirel {
namespace {

constexpr bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }
constexpr int HexDigit(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::size_t SkipSpace(std::string_view text, std::size_t i) {
  while (i < text.size() && IsSpace(text[i])) ++i;
  return i;
}

// The digits from `i` on, which the caller found to be too many to read
// directly. The magnitude is read unsigned, so that the sign's own range can
// be checked; from_chars takes every digit even when the number is too large.
[[gnu::noinline]] TLeadingInt ManyDigits(std::string_view text, std::size_t i, bool negative) {
  TLeadingInt result;
  std::uint64_t magnitude = 0;
  const char* const last = text.data() + text.size();
  const auto [end, error] = std::from_chars(text.data() + i, last, magnitude);
  result.End = static_cast<std::size_t>(end - text.data());
  constexpr std::uint64_t kLimit = std::uint64_t{1} << 31;
  if (error != std::errc{} || magnitude > (negative ? kLimit : kLimit - 1)) {
    result.Status = TIntStatus::OutOfRange;
    return result;
  }
  result.Status = TIntStatus::Number;
  result.Value = static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(magnitude)
                                                    : static_cast<std::int64_t>(magnitude));
  return result;
}

// Values are read millions of times per file and nearly all have a few
// digits: up to nine digits cannot leave the range and are read here, inline.
inline TLeadingInt LeadingInt(std::string_view text, std::size_t from) {
  TLeadingInt result;
  std::size_t i = SkipSpace(text, from);
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i >= text.size() || !IsDigit(text[i])) {
    result.End = from;
    return result;
  }
  constexpr std::size_t kSafeDigits = 9;
  const std::size_t first = i;
  const std::size_t safeEnd = std::min(text.size(), i + kSafeDigits);
  std::int32_t value = 0;
  for (; i < safeEnd && IsDigit(text[i]); ++i) value = value * 10 + (text[i] - '0');
  if (i < text.size() && IsDigit(text[i])) return ManyDigits(text, first, negative);
  result.Status = TIntStatus::Number;
  result.Value = negative ? -value : value;
  result.End = i;
  return result;
}

// The number in columns [from, from + width) of the line; 0 when none.
std::int32_t ColumnInt(std::string_view line, std::size_t from, std::size_t width) {
  if (from >= line.size()) return 0;
  const TLeadingInt n = LeadingInt(line.substr(from, width), 0);
  return n.Status == TIntStatus::Number ? n.Value : 0;
}

std::optional<TColor> ParseColorNumber(std::string_view line) {
  std::size_t i = SkipSpace(line, 0);
  bool negative = false;
  if (i < line.size() && (line[i] == '+' || line[i] == '-')) {
    negative = line[i] == '-';
    ++i;
  }
  const std::string_view rest = line.substr(i);
  std::uint64_t value = 0;
  if (rest.starts_with('$') || rest.starts_with('x') || rest.starts_with('X') ||
      rest.starts_with("0x") || rest.starts_with("0X")) {
    const std::string_view digits = rest.substr(rest[0] == '0' ? 2 : 1);
    if (digits.empty() || digits.size() > 8) return std::nullopt;
    for (char c : digits) {
      const int d = HexDigit(c);
      if (d < 0) return std::nullopt;
      value = value * 16 + static_cast<std::uint64_t>(d);
    }
  } else {
    if (rest.empty()) return std::nullopt;
    for (char c : rest) {
      if (!IsDigit(c)) return std::nullopt;
      value = value * 10 + static_cast<std::uint64_t>(c - '0');
      if (value > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
    }
    if (negative && value > 0x80000000ULL) return std::nullopt;
  }
  const auto pattern = static_cast<std::uint32_t>(value);
  return negative ? static_cast<TColor>(0U - pattern) : pattern;
}

}  // namespace

TLeadingInt ParseLeadingInt(std::string_view text, std::size_t from) { return LeadingInt(text, from); }

bool ReadIntLine(std::string_view line, std::int32_t& field) {
  const TLeadingInt n = LeadingInt(line, 0);
  if (n.Status == TIntStatus::Number) field = n.Value;
  return n.Status != TIntStatus::OutOfRange;
}

bool ReadPointLine(std::string_view line, TPoint& point) {
  const TLeadingInt x = LeadingInt(line, 0);
  if (x.Status == TIntStatus::OutOfRange) return false;
  if (x.Status == TIntStatus::NotNumber) return true;
  const TLeadingInt y = LeadingInt(line, x.End);
  if (y.Status == TIntStatus::OutOfRange) return false;
  point.X = x.Value;
  if (y.Status == TIntStatus::Number) point.Y = y.Value;
  return true;
}

std::optional<TColor> ParseColorLine(std::string_view line) {
  if (auto named = ColorFromIdentifier(line)) return named;
  return ParseColorNumber(line);
}

TActionTime ParseTimeLine(std::string_view line) {
  TActionTime t;
  if (line.size() == 22) {
    t.Year = ColumnInt(line, 0, 4);
    t.Month = static_cast<std::int8_t>(ColumnInt(line, 5, 2));
    t.Day = static_cast<std::int8_t>(ColumnInt(line, 8, 2));
    t.Hour = static_cast<std::uint8_t>(ColumnInt(line, 11, 2));
    t.Minute = static_cast<std::uint8_t>(ColumnInt(line, 14, 2));
    t.Second = static_cast<std::uint8_t>(ColumnInt(line, 17, 2));
    t.Hundredths = static_cast<std::uint8_t>(ColumnInt(line, 20, 2));
  } else {
    t.Hour = static_cast<std::uint8_t>(ColumnInt(line, 0, 2));
    t.Minute = static_cast<std::uint8_t>(ColumnInt(line, 3, 2));
    t.Second = static_cast<std::uint8_t>(ColumnInt(line, 6, 2));
    t.Hundredths = static_cast<std::uint8_t>(ColumnInt(line, 9, 2));
  }
  return t;
}

}  // namespace mirel
