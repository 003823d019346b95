#pragma once
// The words the data file uses for action kinds, change parameters and
// drawing tools, and the header lines of the versions it can read.
#include <cstdint>
#include <optional>
#include <string_view>

#include "history/action_data.h"
#include "model/fig_data.h"

namespace mirel {

inline constexpr std::string_view kHeaderLine = "MIREL FILE FORMAT 1.3";

// True for the header of every version the reader accepts (1.0 to 1.3).
bool IsKnownHeader(std::string_view line);

// "Create" ... "Branch"; "Unknown" for every other value.
std::string_view KindName(TActionKind kind);
// Exact match, letter case included; "Unknown" is no kind.
std::optional<TActionKind> KindFromName(std::string_view name);

// "Size" ... "TextColor"; "Unknown" for every other value.
std::string_view ParameterName(TParameter parameter);
std::optional<TParameter> ParameterFromName(std::string_view name);

// "dtText" ... "dtStamp"; empty for every other value (no tool line is written).
std::string_view ToolName(std::uint8_t tool);
std::optional<TDrawingTool> ToolFromName(std::string_view name);

}  // namespace mirel
