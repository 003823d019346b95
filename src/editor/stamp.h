#pragma once
// The stamp: copies of the figures a box gathered from the drawing, moved so
// that their least corner is the origin. Placing it makes one stamp figure
// that shares the copies until either changes.
#include "editor/editor_view.h"
#include "model/fig_data.h"
#include "model/stamp_contents.h"

namespace mirel {

// The point lies in the box of the two corners widened by 3 pixels.
bool InBox(TPoint c1, TPoint c2, TPoint p);

class TStamp {
 public:
  // The figures of `figures` whose both corners lie in the box of c1 and c2;
  // no stamp when none does.
  static TStamp Gather(const TFigList& figures, TPoint c1, TPoint c2);

  bool Available() const { return contents_ != nullptr; }
  const TFigList* Figures() const { return contents_.get(); }
  // The gathered figures' corners as they stood in the drawing.
  TPoint Min() const { return min_; }
  TPoint Max() const { return max_; }
  // What the preview shows: the gathered rectangle widened by 3 pixels.
  TStampPreview Preview() const { return {*contents_, min_, {min_.X - 3, min_.Y - 3}, {max_.X + 3, max_.Y + 3}}; }
  // The figure whose pen and brush drawing the stamp leaves on the canvas:
  // the last one drawn, inner stamps drawn in place of themselves.
  const TFigData* LastDrawnFigure() const;
  // `figure` becomes the stamp placed with its top left corner at its Start.
  void PlaceAt(TFigData& figure) const;

 private:
  TStampContents contents_;
  TPoint min_;
  TPoint max_;
};

}  // namespace mirel
