#pragma once
// The tools that collect points: the free line, drawn as it goes, and the
// polyline and polygon, made of a dragged first segment and clicked
// vertices.
#include "model/fig_data.h"
#include "model/point_data.h"
#include "ui/tools/canvas_tool.h"
#include "ui/tools/feedback.h"

namespace mirel {

// Every movement adds a point (no distance threshold) until the point list
// is full; the stroke still shows beyond that.
class TFreeLineTool final : public TCanvasTool {
 public:
  using TCanvasTool::TCanvasTool;
  void Press(TPoint p) override;
  void Move(TPoint q) override;
  void Release(TPoint r) override;
  void Drop() override { active_ = false; }

 private:
  void Stroke(TPoint to);

  bool active_ = false;
  TPoint anchor_;
  TPoint last_;
  TPointData points_;
};

// The first segment is pressed, dragged and released; then each click adds
// its point twice (press and release) and a release where the last vertex
// lies ends the figure. The rubber segment follows the pointer with the
// button up or down. Tools, modes and menus wait until it ends. The polygon
// is drawn closed and filled the moment it ends.
class TPolylineTool final : public TCanvasTool {
 public:
  TPolylineTool(TEditor& editor, TPaintBox& box, TDrawingTool tool)
      : TCanvasTool(editor, box), tool_(tool) {}
  void Press(TPoint p) override;
  void Move(TPoint q) override;
  void Release(TPoint r) override;
  void Drop() override;

 private:
  void Edge(TPoint to);
  void End();

  TDrawingTool tool_;
  TRubberBand band_{TBandShape::Line};
  bool active_ = false;
  bool vertexPressed_ = false;  // the next movement moves the anchor
  TPoint anchor_;
  TPointData points_;
};

}  // namespace mirel
