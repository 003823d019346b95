#pragma once
// The 52 colour identifiers of the data file. Each value has exactly one
// identifier; every other colour is written in hexadecimal.
#include <optional>
#include <string_view>

#include "model/geometry.h"

namespace mirel {

// The identifier of a colour value, or empty when it has none.
std::string_view ColorIdentifier(TColor color);
// The value of an identifier, letter case ignored.
std::optional<TColor> ColorFromIdentifier(std::string_view name);

}  // namespace mirel
