#include "render/canvas_damage.h"

#include <algorithm>
#include <cstdlib>

#include "render/canvas_keyframes.h"
#include "render/figure_drawing.h"
#include "render/frame_composer.h"

namespace mirel {

namespace {

const QRect kCanvas(0, 0, CanvasWidth, CanvasHeight);

}  // namespace

void TCanvasDamage::InStep(const QRect& box) {
  if (recording_) stepArea_[static_cast<std::size_t>(applying_)] |= box.intersected(kCanvas);
}

void TCanvasDamage::Told(const TFigData& figure, bool shows) {
  // Steps that a rebuild applies seldom change one figure again and again.
  if ((one_ && one_ != &figure) || applying_ >= 0) several_ = true;
  one_ = &figure;
  oneShows_ = shows;
}

void TCanvasDamage::Leaving(const TFigData& figure) {
  told_ = true;
  Told(figure, false);
  OutsideSteps();
  if (!all_ || recording_) {
    const QRect box = BoundsOf(figure);
    if (!all_) area_ |= box.intersected(kCanvas);
    InStep(box);
  }
  // The figure changes or goes, and its memory may hold another one next.
  bounds_.erase(&figure);
  std::erase(added_, &figure);
}

void TCanvasDamage::Added(const TFigData& figure) {
  told_ = true;
  several_ = true;
  OutsideSteps();
  if (!all_) added_.push_back(&figure);
  // When everything is redrawn anyway, the bounds are found when the
  // composition asks (figures hidden by others never need them).
  if (all_ && !recording_) {
    bounds_.erase(&figure);
    return;
  }
  bounds_.erase(&figure);
  InStep(BoundsOf(figure));
}

void TCanvasDamage::Entered(const TFigData& figure) {
  told_ = true;
  Told(figure, true);
  OutsideSteps();
  if (all_ && !recording_) {
    bounds_.erase(&figure);
    return;
  }
  bounds_.erase(&figure);
  const QRect box = BoundsOf(figure);
  if (!all_) area_ |= box.intersected(kCanvas);
  InStep(box);
}

void TCanvasDamage::Everything() {
  Forget();
  told_ = true;
  OutsideSteps();
  if (recording_) stepKind_[static_cast<std::size_t>(applying_)] = TStepArea::Whole;
  recording_ = false;
}

void TCanvasDamage::ManySteps() {
  // Every figure told of next loses its bounds as it changes; the others
  // keep theirs, and a slider jump that goes on from the drawing shown
  // looks up only the figures it changed.
  told_ = true;
  OutsideSteps();
  RedrawAll();
}

void TCanvasDamage::Applying(std::int32_t step, std::uint64_t history, std::int32_t target) {
  if (history != history_) {
    // Another history: what was known of the steps of the last one is not.
    history_ = history;
    stepKind_.clear();
    stepArea_.clear();
  }
  applying_ = step;
  shown_ = -1;
  const auto at = static_cast<std::size_t>(step);
  if (stepKind_.size() <= at) {
    stepKind_.resize(at + 1, TStepArea::Unknown);
    stepArea_.resize(at + 1);
  }
  // A step already known is told the same again: nothing to learn. Only a
  // step near the target can lie between a kept canvas and the target (a
  // long rebuild would otherwise find the bounds of every figure it adds).
  recording_ = stepKind_[at] == TStepArea::Unknown && std::abs(target - step) <= TCanvasKeyframes::kSpacing;
  if (recording_) {
    stepKind_[at] = TStepArea::Area;
    stepArea_[at] = QRegion();
  }
}

void TCanvasDamage::Rebuilt(std::int32_t step) {
  applying_ = -1;
  recording_ = false;
  shown_ = step;
}

std::optional<QRegion> TCanvasDamage::Between(std::int32_t a, std::int32_t b) const {
  QRegion area;
  for (std::int32_t step = std::min(a, b) + 1; step <= std::max(a, b); ++step) {
    const auto at = static_cast<std::size_t>(step);
    if (at >= stepKind_.size() || stepKind_[at] != TStepArea::Area) return std::nullopt;
    area |= stepArea_[at];
  }
  return area;
}

void TCanvasDamage::RedrawAll() {
  several_ = true;
  all_ = true;
  area_ = {};
  added_.clear();
}

void TCanvasDamage::Forget() {
  RedrawAll();
  bounds_.clear();
}

TCanvasDamage::TKnown& TCanvasDamage::Known(const TFigData& figure) {
  const auto [at, added] = bounds_.try_emplace(&figure);
  if (added) {
    const std::uint64_t look = FigureFingerprint(figure);
    if (byLook_.size() >= kMaxLooks) byLook_.clear();
    const auto [seen, fresh] = byLook_.try_emplace(look);
    if (fresh) seen->second = DrawnBounds(figure);
    at->second = TKnown{seen->second, look};
  }
  return at->second;
}

QRect TCanvasDamage::BoundsOf(const TFigData& figure) { return Known(figure).Box; }

std::uint64_t TCanvasDamage::FingerprintOf(const TFigData& figure) {
  return Known(figure).Fingerprint;
}

void TCanvasDamage::Composed() {
  one_ = nullptr;
  oneShows_ = several_ = false;
  told_ = false;
  all_ = false;
  area_ = {};
  added_.clear();
}

}  // namespace mirel
