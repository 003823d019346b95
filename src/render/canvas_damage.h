#pragma once
// The part of the canvas that rebuilds changed since the last composition,
// as they told it, and the bounds of the figures of the drawing.
#include <QRegion>
#include <unordered_map>
#include <vector>

#include "replay/drawing_changes.h"

namespace mirel {

class TCanvasDamage final : public IDrawingChanges {
 public:
  void Leaving(const TFigData& figure) override;
  void Added(const TFigData& figure) override;
  void Entered(const TFigData& figure) override;
  void Everything() override;

  // Whether rebuilds told anything since the last composition.
  bool Told() const { return told_; }
  // Whether everything is to be redrawn (also before anything was told).
  bool All() const { return all_; }
  // The area to redraw when not everything is.
  const QRegion& Area() const { return area_; }
  // The figures added in front since, oldest first: drawn over the rest
  // when they are still the front of the drawing, in this order.
  const std::vector<const TFigData*>& AddedInFront() const { return added_; }
  // DrawnBounds of a figure of the drawing, remembered until it changes.
  QRect BoundsOf(const TFigData& figure);
  // Composed: nothing is to be redrawn until the next change.
  void Composed();
  // The drawing was changed without a rebuild telling it: the bounds known
  // may be stale, and the next composition from damage redraws everything.
  void Forget();

 private:
  std::unordered_map<const TFigData*, QRect> bounds_;
  QRegion area_;
  std::vector<const TFigData*> added_;
  bool all_ = true;
  bool told_ = false;
};

}  // namespace mirel
