#pragma once
// A tool on the canvas: it holds the state of its own gesture, draws the
// gesture's feedback on the visible canvas and, when the gesture ends,
// hands it to one editor command.
#include "model/geometry.h"

namespace mirel {

class TEditor;
class TPaintBox;

class TCanvasTool {
 public:
  TCanvasTool(TEditor& editor, TPaintBox& box) : editor_(editor), box_(box) {}
  virtual ~TCanvasTool() = default;
  TCanvasTool(const TCanvasTool&) = delete;
  TCanvasTool& operator=(const TCanvasTool&) = delete;

  virtual void Press(TPoint p) = 0;
  // Every movement over the canvas, button held or not.
  virtual void Move(TPoint) {}
  virtual void Release(TPoint r) = 0;
  // Forgets a gesture under way: the canvas was repainted or the editor
  // reset, so there is no feedback left to erase.
  virtual void Drop() {}

 protected:
  TEditor& Editor() { return editor_; }
  TPaintBox& Box() { return box_; }

 private:
  TEditor& editor_;
  TPaintBox& box_;
};

}  // namespace mirel
