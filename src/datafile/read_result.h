#pragma once
// The outcome of reading a data file: the message for the user (UTF-8, to be
// shown by the window) and, separately, what went wrong for developers.
#include <cstdint>
#include <string>
#include <string_view>

namespace mirel {

inline constexpr std::string_view kBadFormatMessage = "データフォーマットが違います";
inline constexpr std::string_view kBadItemMessage = "ActionItem：読み込みエラー";

// "'%s' は整数ではありません" with `lineUtf8` in place of %s.
std::string NotIntegerMessage(std::string_view lineUtf8);

struct TReadResult {
  int Code = 0;          // 0 read, 1 failed
  std::string Message;   // for the user; empty on success
  std::string Detail;    // for developers: where reading stopped and why
  std::int64_t Line = 0; // number of the line where reading stopped (1-based), 0 if none
  bool Ok() const { return Code == 0; }
};

}  // namespace mirel
