#pragma once
// The tools of one press-drag-release with a rubber band: the line, the
// ellipse, the rectangle and the stamp set-up.
#include "model/fig_data.h"
#include "ui/tools/canvas_tool.h"
#include "ui/tools/feedback.h"

namespace mirel {

class TRubberBandTool : public TCanvasTool {
 public:
  TRubberBandTool(TEditor& editor, TPaintBox& box, TBandShape shape)
      : TCanvasTool(editor, box), band_(shape) {}
  void Press(TPoint p) override;
  void Move(TPoint q) override;
  void Release(TPoint r) override;
  void Drop() override;

 protected:
  // The band is gone; the gesture from `anchor` ended at `release`.
  virtual void Finish(TPoint anchor, TPoint release) = 0;

 private:
  TRubberBand band_;
  bool active_ = false;
  TPoint anchor_;
};

// Line, ellipse and rectangle: the figure from the press to the release.
class TBoxFigureTool final : public TRubberBandTool {
 public:
  TBoxFigureTool(TEditor& editor, TPaintBox& box, TDrawingTool tool, TBandShape shape)
      : TRubberBandTool(editor, box, shape), tool_(tool) {}

 protected:
  void Finish(TPoint anchor, TPoint release) override;

 private:
  TDrawingTool tool_;
};

// The stamp set-up: the rectangle gathers the stamp, then the selection
// tool is current again.
class TStampSetupTool final : public TRubberBandTool {
 public:
  TStampSetupTool(TEditor& editor, TPaintBox& box) : TRubberBandTool(editor, box, TBandShape::Rectangle) {}

 protected:
  void Finish(TPoint anchor, TPoint release) override;
};

}  // namespace mirel
