#pragma once
// Composed canvases kept by step, so that showing a step far from the one
// shown last starts from a kept canvas a few steps from it and redraws
// only what those steps changed.
#include <QImage>
#include <cstdint>
#include <map>

namespace mirel {

struct TKeyframe {
  std::int32_t Step = 0;
  std::uint64_t History = 0;
  qint64 Background = 0;  // the cache key of the background under it
  QImage Canvas;          // without selection marks
};

class TCanvasKeyframes {
 public:
  // A kept canvas serves the steps up to kSpacing away from it: redrawing
  // what 16 steps of a mixed drawing changed costs about a third of a
  // whole canvas. The canvas of any step composed is kept unless one is
  // kept that near it already, so the canvases of the steps shown spread
  // over the history, wherever the slider took the child.
  //
  // At most kMaxKept canvases (1.2 MB each, 115 MB in all) are kept
  // whatever the history's length; the ones farthest from the step shown
  // go first. Measured on 167 random steps of the 10,000-step mixed
  // drawing, one composed in about 16 ms from nothing and in a few from a
  // kept canvas, the steps that started from one: 23 with 48 kept, 36
  // with 96, 39 with 160 (past that, few steps shown are near one kept).
  static constexpr std::int32_t kSpacing = 16;
  static constexpr std::size_t kMaxKept = 96;

  // Keeps `canvas` as the canvas of `step` unless one kept is near it.
  void Offer(std::int32_t step, std::uint64_t history, qint64 background, const QImage& canvas);
  // The kept canvases of `history` over `background` nearest `step` on
  // either side, or none.
  const TKeyframe* Before(std::int32_t step, std::uint64_t history, qint64 background) const;
  const TKeyframe* After(std::int32_t step, std::uint64_t history, qint64 background) const;
  std::size_t Count() const { return byStep_.size(); }

 private:
  const TKeyframe* Usable(const TKeyframe& kept, std::uint64_t history, qint64 background) const;
  std::map<std::int32_t, TKeyframe> byStep_;
};

}  // namespace mirel
