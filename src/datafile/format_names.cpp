#include "datafile/format_names.h"

#include <array>

namespace mirel {
namespace {

constexpr std::array<std::string_view, 15> kKindNames = {
    "Create", "SetStamp", "Move",     "Duplicate", "Delete",       "Undo",     "Front",  "Back",
    "Change", "ReadData", "ReadBG", "CleareBG",  "ClearDrawing", "ClearAll", "Branch",
};

constexpr std::array<std::string_view, 6> kParameterNames = {
    "Size", "BodyColor", "LineWidth", "LineColor", "Text", "TextColor",
};

// Indexed by tool value; 0 is no tool.
constexpr std::array<std::string_view, 9> kToolNames = {
    "",          "dtText",      "dtLine",     "dtFreeLine", "dtEllipse",
    "dtRectangle", "dtPolyline", "dtPolygon", "dtStamp",
};

constexpr std::string_view kUnknown = "Unknown";

}  // namespace

bool IsKnownHeader(std::string_view line) {
  return line == "MIREL FILE FORMAT 1.0" || line == "MIREL FILE FORMAT 1.1" ||
         line == "MIREL FILE FORMAT 1.2" || line == "MIREL FILE FORMAT 1.3";
}

std::string_view KindName(TActionKind kind) {
  const auto index = static_cast<std::size_t>(kind);
  return index < kKindNames.size() ? kKindNames[index] : kUnknown;
}

std::optional<TActionKind> KindFromName(std::string_view name) {
  for (std::size_t i = 0; i < kKindNames.size(); ++i) {
    if (kKindNames[i] == name) return static_cast<TActionKind>(i);
  }
  return std::nullopt;
}

std::string_view ParameterName(TParameter parameter) {
  const auto index = static_cast<std::size_t>(parameter);
  return index < kParameterNames.size() ? kParameterNames[index] : kUnknown;
}

std::optional<TParameter> ParameterFromName(std::string_view name) {
  for (std::size_t i = 0; i < kParameterNames.size(); ++i) {
    if (kParameterNames[i] == name) return static_cast<TParameter>(i);
  }
  return std::nullopt;
}

std::string_view ToolName(std::uint8_t tool) {
  return tool < kToolNames.size() ? kToolNames[tool] : std::string_view{};
}

std::optional<TDrawingTool> ToolFromName(std::string_view name) {
  for (std::size_t i = 1; i < kToolNames.size(); ++i) {
    if (kToolNames[i] == name) return static_cast<TDrawingTool>(i);
  }
  return std::nullopt;
}

}  // namespace mirel
