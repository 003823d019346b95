#pragma once
// One record of the action history: when, what kind, which figure, which
// attribute, which file, and a private snapshot of the figure after the action.
#include <cstdint>
#include <string>

#include "model/fig_data.h"

namespace mirel {

struct TActionTime {
  // Date part; Year 0 means the record has no date.
  std::int32_t Year = 0;
  std::int8_t Day = 0;
  std::int8_t Month = 0;
  // Time part.
  std::uint8_t Minute = 0;
  std::uint8_t Hour = 0;
  std::uint8_t Hundredths = 0;
  std::uint8_t Second = 0;
  friend bool operator==(const TActionTime&, const TActionTime&) = default;
};

// Values outside the named ones can come from files and are kept as they are.
enum class TActionKind : std::uint8_t {
  Create = 0,
  SetStamp = 1,
  Move = 2,
  Duplicate = 3,
  Delete = 4,
  Undo = 5,
  Front = 6,
  Back = 7,
  Change = 8,
  ReadData = 9,
  ReadBG = 10,
  CleareBG = 11,
  ClearDrawing = 12,
  ClearAll = 13,
  Branch = 14,
  NoAction = 15,
};

enum class TParameter : std::uint8_t {
  Size = 0,
  BodyColor = 1,
  LineWidth = 2,
  LineColor = 3,
  Text = 4,
  TextColor = 5,
  NoParameter = 6,
};

constexpr bool CarriesTargetID(TActionKind k) {
  using enum TActionKind;
  return k == Create || k == Move || k == Duplicate || k == Delete || k == Undo || k == Front ||
         k == Back || k == Change || k == Branch;
}
constexpr bool CarriesFigData(TActionKind k) {
  using enum TActionKind;
  return k == Create || k == Move || k == Duplicate || k == Undo || k == Change;
}
constexpr bool CarriesFileName(TActionKind k) {
  return k == TActionKind::ReadData || k == TActionKind::ReadBG;
}
// The kinds that bring a figure into the drawing and hand it a new ID.
constexpr bool IsCreatingKind(TActionKind k) {
  return k == TActionKind::Create || k == TActionKind::Duplicate || k == TActionKind::Undo;
}

struct TActionData {
  TActionTime ActionTime;
  TActionKind TargetType = TActionKind::NoAction;
  std::int32_t TargetID = 0;  // figure ID, or for Branch the step resumed from
  TParameter Parameter = TParameter::NoParameter;
  std::string FileName;  // code page 932 bytes
  TFigData FigData;
  // The live figure this record created or acted on. Runtime only, never
  // owning; compared by identity and never followed when it may be stale.
  const TFigData* LiveFig = nullptr;
  TFigItem* LiveItem = nullptr;
};

using TActionItem = TListItem<TActionData>;

}  // namespace mirel
