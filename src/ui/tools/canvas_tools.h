#pragma once
// The tools on the canvas, one per CurrentTool, and the routing of the
// canvas's presses, moves and releases to them: in drawing mode to the
// current tool, in editing mode to the selection tool, in watching mode
// nowhere.
#include <array>
#include <cstdint>
#include <memory>

#include "model/geometry.h"
#include "ui/tools/canvas_tool.h"

namespace mirel {

class TCanvasTools {
 public:
  TCanvasTools(TEditor& editor, TPaintBox& box);

  void Press(TPoint p);
  void Move(TPoint q);
  void Release(TPoint r);
  // After every command: a reset of the editor, another mode or another
  // tool drops the gestures of the tools no longer in use.
  void Sync();

 private:
  TCanvasTool* Current();

  TEditor& editor_;
  std::array<std::unique_ptr<TCanvasTool>, 10> tools_;  // by CurrentTool
  std::uint32_t resets_ = 0;
};

}  // namespace mirel
