#pragma once
// What the tools draw on the visible canvas while a gesture lasts and when
// it ends. Nothing here repaints: feedback goes straight onto the canvas.
#include "model/draw_state.h"
#include "model/fig_data.h"

namespace mirel {

class TPaintBox;

enum class TBandShape { Line, Rectangle, Ellipse };

// A rubber band: a dotted one-pixel outline in not-xor in the canvas's pen
// colour. Drawing it again erases it, so the canvas beneath comes back
// exactly; the band remembers what it drew to erase exactly that.
class TRubberBand {
 public:
  explicit TRubberBand(TBandShape shape) : shape_(shape) {}

  // Erases the band shown, then shows it from `a` to `b`.
  void Show(TPaintBox& box, TColor penColor, TPoint a, TPoint b);
  void Erase(TPaintBox& box);
  // The canvas was redrawn under the band: nothing is left to erase.
  void Forget() { shown_ = false; }

 private:
  void Draw(TPaintBox& box) const;

  TBandShape shape_;
  bool shown_ = false;
  TColor color_ = clBlack;
  TPoint a_;
  TPoint b_;
};

// A solid segment in copy mode with the canvas's pen: strokes of the free
// line (its pen as the canvas holds it) and edges of polylines (4 pixels).
void StrokeSegment(TPaintBox& box, const TDrawState& canvas, TPoint a, TPoint b);

// Draws a figure the editor just made on the canvas, as a repaint shows it.
void ShowNewFigure(TPaintBox& box, const TFigData& figure);

}  // namespace mirel
