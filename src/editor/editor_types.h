#pragma once
// Small values the editor and the window share: modes, tools, menus,
// buttons, and what the window shows of the editor's state.
#include <cstdint>
#include <optional>
#include <vector>

#include "model/fig_data.h"

namespace mirel {

enum TEditorMode : std::uint8_t { mdDraw = 0, mdEdit = 1, mdPlay = 2 };

// CurrentTool: 0 the selection tool, 1 to 8 the tool that makes that
// DrawingTool, 9 the stamp set-up.
inline constexpr std::uint8_t kSelectionTool = 0;
inline constexpr std::uint8_t kStampSetupTool = 9;

// The three clear items of the display menu, by component name.
enum class TClearMenu { ClearBGMenu, ClearImageMenu, ClearAllMenu };

// The attribute buttons of the editing panel, by component name.
enum class TAttrButton { LineColorBtn, BodyColorBtn, ThickBtn, ThinBtn, TextColorBtn };

// What an editing command did to the drawing, or why it did nothing.
enum class TEditOutcome {
  Done,       // the drawing changed and the change is recorded
  Unchanged,  // nothing to act on, or the figure has that value already
  StampUnchangeable,
  NoFillForLine,
  NoFillForText,
  NoThicker,
  NoThinner,
  NoFurtherFront,
  NoFurtherBack,
};

// The selected figure's geometry when it was selected: what the track bars
// resize from. A stamp keeps a copy of itself, contents included.
struct TResizeBase {
  TPoint Start;
  TPoint End;
  std::int32_t TextSize = 0;
  std::vector<TPoint> Points;
  std::optional<TFigData> Stamp;
};

// The playback panel as the editor wants it shown.
struct TPlayControls {
  bool ReverseEnabled = false;
  bool StopEnabled = true;
  bool ForwardEnabled = true;
  std::int32_t Position = 0;  // TimeTrackBar's position: the shown step
  std::int32_t Maximum = 0;   // the history's step count
};

// Which menus and items can be used.
struct TMenuState {
  bool FileMenu = true;   // "ファイル": off while a polyline is under way
  bool DataItems = true;  // read, overwrite-save, save-as: off while watching
  bool DrawMenu = true;   // "ひょうじ": off while watching or drawing a polyline
  bool ToolMenu = true;   // "ツール": off while a polyline is under way
};

}  // namespace mirel
