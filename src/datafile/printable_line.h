#pragma once
// Lines of a data file as they can be shown in a message or printed on a
// terminal: code page 932 characters decoded to UTF-8, and every byte that is
// a control character or forms no character written as \xNN.
#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

namespace mirel {

// Shows the characters of `cp932` that begin within its first `maxBytes`
// bytes (a double-byte character is never cut), followed by "..." when more
// of the line is left out.
std::string PrintableLine(std::string_view cp932,
                          std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

}  // namespace mirel
