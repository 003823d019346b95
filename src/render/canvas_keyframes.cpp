#include "render/canvas_keyframes.h"

#include <cstdlib>
#include <cstring>
#include <iterator>

namespace mirel {

void TCanvasKeyframes::Offer(std::int32_t step, std::uint64_t history, qint64 background, const QImage& canvas) {
  // Canvases of another history serve nothing any more.
  std::erase_if(byStep_, [&](const auto& kept) { return kept.second.History != history; });
  // One near this step serves it already, unless it lies over another
  // background (one read again is another).
  for (auto near = byStep_.lower_bound(step - kSpacing); near != byStep_.end() && near->first <= step + kSpacing;) {
    if (near->second.Background == background) return;
    near = byStep_.erase(near);
  }
  QImage memory;
  if (byStep_.size() >= kMaxKept) {
    auto farthest = byStep_.begin();
    if (std::abs(std::prev(byStep_.end())->first - step) > std::abs(farthest->first - step)) {
      farthest = std::prev(byStep_.end());
    }
    memory = std::move(farthest->second.Canvas);
    byStep_.erase(farthest);
  }
  // The memory of the canvas let go is reused: fresh canvas-sized memory
  // is slow to touch.
  if (memory.size() == canvas.size() && memory.format() == canvas.format() &&
      memory.bytesPerLine() == canvas.bytesPerLine() && memory.isDetached()) {
    std::memcpy(memory.bits(), canvas.constBits(), static_cast<std::size_t>(canvas.sizeInBytes()));
  } else {
    memory = canvas.copy();
  }
  byStep_[step] = TKeyframe{step, history, background, std::move(memory)};
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
