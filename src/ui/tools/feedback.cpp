#include "ui/tools/feedback.h"

#include <QRect>
#include <algorithm>

#include "render/figure_drawing.h"
#include "ui/paint_box.h"

namespace mirel {
namespace {

// The widget area a stroke from `a` to `b` of `width` pixels can touch.
QRect StrokeArea(TPoint a, TPoint b, int width) {
  const int margin = std::clamp(width, 1, 4096) + 2;
  return QRect(QPoint(std::min(a.X, b.X), std::min(a.Y, b.Y)), QPoint(std::max(a.X, b.X), std::max(a.Y, b.Y)))
      .adjusted(-margin, -margin, margin, margin);
}

}  // namespace

void TRubberBand::Show(TPaintBox& box, TColor penColor, TPoint a, TPoint b) {
  Erase(box);
  color_ = penColor;
  a_ = a;
  b_ = b;
  Draw(box);
  shown_ = true;
}

void TRubberBand::Erase(TPaintBox& box) {
  if (!shown_) return;
  Draw(box);
  shown_ = false;
}

void TRubberBand::Draw(TPaintBox& box) const {
  TSurface& canvas = box.Canvas();
  TDrawState& state = canvas.State;
  state.PenStyle = TPenStyle::Dot;
  state.PenWidth = 1;
  state.PenColor = color_;
  state.PenMode = TPenMode::NotXor;
  state.BrushStyle = TBrushStyle::Clear;  // bands of boxes are not filled
  switch (shape_) {
    case TBandShape::Line:
      canvas.MoveTo(a_);
      canvas.LineTo(b_);
      break;
    case TBandShape::Rectangle: canvas.Rectangle(a_, b_); break;
    case TBandShape::Ellipse: canvas.Ellipse(a_, b_); break;
  }
  state.PenMode = TPenMode::Copy;
  box.update(StrokeArea(a_, b_, 1));
}

void StrokeSegment(TPaintBox& box, const TDrawState& canvasState, TPoint a, TPoint b) {
  TSurface& canvas = box.Canvas();
  canvas.State = canvasState;
  canvas.State.PenStyle = TPenStyle::Solid;
  canvas.State.PenMode = TPenMode::Copy;
  canvas.MoveTo(a);
  canvas.LineTo(b);
  box.update(StrokeArea(a, b, canvasState.PenWidth));
}

void ShowNewFigure(TPaintBox& box, const TFigData& figure) {
  DrawFigure(figure, box.Canvas(), {}, TPenMode::Copy);
  box.update(DrawnBounds(figure));
}

}  // namespace mirel
