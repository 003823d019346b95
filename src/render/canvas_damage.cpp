#include "render/canvas_damage.h"

#include <algorithm>

#include "render/figure_drawing.h"

namespace mirel {

void TCanvasDamage::Leaving(const TFigData& figure) {
  told_ = true;
  if (!all_) area_ |= BoundsOf(figure).intersected(QRect(0, 0, CanvasWidth, CanvasHeight));
  // The figure changes or goes, and its memory may hold another one next.
  bounds_.erase(&figure);
  std::erase(added_, &figure);
}

void TCanvasDamage::Added(const TFigData& figure) {
  told_ = true;
  bounds_[&figure] = DrawnBounds(figure);
  if (!all_) added_.push_back(&figure);
}

void TCanvasDamage::Entered(const TFigData& figure) {
  told_ = true;
  const QRect box = DrawnBounds(figure);
  bounds_[&figure] = box;
  if (!all_) area_ |= box.intersected(QRect(0, 0, CanvasWidth, CanvasHeight));
}

void TCanvasDamage::Everything() {
  Forget();
  told_ = true;
}

void TCanvasDamage::Forget() {
  all_ = true;
  area_ = {};
  added_.clear();
  bounds_.clear();
}

QRect TCanvasDamage::BoundsOf(const TFigData& figure) {
  const auto [at, added] = bounds_.try_emplace(&figure);
  if (added) at->second = DrawnBounds(figure);
  return at->second;
}

void TCanvasDamage::Composed() {
  told_ = false;
  all_ = false;
  area_ = {};
  added_.clear();
}

}  // namespace mirel
