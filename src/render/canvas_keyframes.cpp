#include "render/canvas_keyframes.h"

#include <cstdlib>
#include <iterator>

namespace mirel {

void TCanvasKeyframes::Offer(std::int32_t step, std::uint64_t history, qint64 background, const QImage& canvas) {
  if (step % kSpacing != 0) return;
  const auto kept = byStep_.find(step);
  if (kept != byStep_.end() && kept->second.History == history && kept->second.Background == background) return;
  if (kept == byStep_.end() && byStep_.size() >= kMaxKept) {
    auto farthest = byStep_.begin();
    if (std::abs(std::prev(byStep_.end())->first - step) > std::abs(farthest->first - step)) {
      farthest = std::prev(byStep_.end());
    }
    byStep_.erase(farthest);
  }
  byStep_[step] = TKeyframe{step, history, background, canvas.copy()};
}

const TKeyframe* TCanvasKeyframes::Usable(const TKeyframe& kept, std::uint64_t history, qint64 background) const {
  return kept.History == history && kept.Background == background ? &kept : nullptr;
}

const TKeyframe* TCanvasKeyframes::Before(std::int32_t step, std::uint64_t history, qint64 background) const {
  auto at = byStep_.upper_bound(step);
  if (at == byStep_.begin()) return nullptr;
  return Usable(std::prev(at)->second, history, background);
}

const TKeyframe* TCanvasKeyframes::After(std::int32_t step, std::uint64_t history, qint64 background) const {
  const auto at = byStep_.lower_bound(step);
  return at == byStep_.end() ? nullptr : Usable(at->second, history, background);
}

}  // namespace mirel
