#include "ui/tools/stroke_tools.h"

#include "editor/editor.h"

namespace mirel {
namespace {

// The width of polyline edges as they are drawn, whatever the canvas held.
constexpr std::int32_t kEdgeWidth = 4;

}  // namespace

void TFreeLineTool::Press(TPoint p) {
  points_.ResetPoints();
  active_ = true;
  anchor_ = last_ = p;
  points_.AddPoint(p.X, p.Y);
}

void TFreeLineTool::Stroke(TPoint to) {
  StrokeSegment(Box(), Editor().CanvasState(), last_, to);
  points_.AddPoint(to.X, to.Y);  // refused once full: the first points stay
  last_ = to;
}

void TFreeLineTool::Move(TPoint q) {
  if (active_) Stroke(q);
}

void TFreeLineTool::Release(TPoint r) {
  if (!active_) return;
  active_ = false;
  // A stroke ending on its first pixel makes nothing, whatever lies between.
  if (r != anchor_) Stroke(r);
  Editor().FinishFreeLine(anchor_, r, points_);
}

void TPolylineTool::Press(TPoint p) {
  if (active_ && Editor().PolylineActive()) {
    // A vertex: the edge to it at once, its point, and the anchor follows
    // the next movement.
    Edge(p);
    vertexPressed_ = true;
    points_.AddPoint(p.X, p.Y);
    return;
  }
  band_.Erase(Box());
  points_.ResetPoints();
  active_ = true;
  vertexPressed_ = false;
  anchor_ = p;
  points_.AddPoint(p.X, p.Y);
}

void TPolylineTool::Move(TPoint q) {
  if (!active_) return;
  if (vertexPressed_) {
    anchor_ = q;
    vertexPressed_ = false;
  }
  band_.Show(Box(), Editor().CanvasState().PenColor, anchor_, q);
}

void TPolylineTool::Release(TPoint r) {
  if (!active_) return;
  vertexPressed_ = false;
  if (r == anchor_) {
    End();
    return;
  }
  if (!Editor().PolylineActive()) Editor().BeginPolyline();
  Edge(r);
  points_.AddPoint(r.X, r.Y);
  anchor_ = r;
}

void TPolylineTool::Edge(TPoint to) {
  band_.Erase(Box());
  TDrawState pen = Editor().CanvasState();
  pen.PenWidth = kEdgeWidth;
  StrokeSegment(Box(), pen, anchor_, to);
}

void TPolylineTool::End() {
  band_.Erase(Box());
  active_ = false;
  const TFigItem* made = Editor().EndPolyline(tool_, anchor_, points_);
  // The polyline's edges are on the canvas already; the polygon shows filled.
  if (tool_ == dtPolygon && made) ShowNewFigure(Box(), made->Data);
}

void TPolylineTool::Drop() {
  active_ = false;
  vertexPressed_ = false;
  band_.Forget();
}

}  // namespace mirel
