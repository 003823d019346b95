#pragma once
// What the user is told when a data file cannot be read (UTF-8, to be shown
// by the window).
#include <string>
#include <string_view>

namespace mirel {

inline constexpr std::string_view kBadFormatMessage = "データフォーマットが違います";
inline constexpr std::string_view kBadItemMessage = "ActionItem：読み込みエラー";

// "'%s' は整数ではありません" with `lineUtf8` in place of %s.
std::string NotIntegerMessage(std::string_view lineUtf8);


}  // namespace mirel
