#pragma once
// The outcome of reading a data file: the message for the user (UTF-8, to be
// shown by the window) and, separately, what went wrong for developers.
#include <cstdint>
#include <string>
#include <string_view>

#include "model/result.h"

namespace mirel {

inline constexpr std::string_view kBadFormatMessage = "データフォーマットが違います";
inline constexpr std::string_view kBadItemMessage = "ActionItem：読み込みエラー";

// "'%s' は整数ではありません" with `lineUtf8` in place of %s.
std::string NotIntegerMessage(std::string_view lineUtf8);

// Message: for the user, empty on success; Detail: where reading stopped and why.
struct TReadResult : TResult<> {
  std::int64_t Line = 0;  // number of the line where reading stopped (1-based), 0 if none
  int Code() const { return Ok ? 0 : 1; }  // 0 read, 1 failed
};

}  // namespace mirel
