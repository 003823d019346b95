#pragma once
// The tools whose gesture is one press or one release: the selection tool,
// the text tool and the stamp.
#include "ui/tools/canvas_tool.h"

namespace mirel {

// Selecting and dragging. A press in drawing mode switches to editing mode
// and selects there; in editing mode presses select, moves drag (and record
// a pending resize), releases record the move.
class TSelectionTool final : public TCanvasTool {
 public:
  using TCanvasTool::TCanvasTool;
  void Press(TPoint p) override;
  void Move(TPoint q) override;
  void Release(TPoint r) override;
};

// A press opens the text box there; Enter in the box makes the text.
class TTextTool final : public TCanvasTool {
 public:
  using TCanvasTool::TCanvasTool;
  void Press(TPoint p) override;
  void Release(TPoint) override {}
};

// Every release places the stamp there, drawn at once.
class TStampTool final : public TCanvasTool {
 public:
  using TCanvasTool::TCanvasTool;
  void Press(TPoint) override {}
  void Release(TPoint r) override;
};

}  // namespace mirel
