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
  // One canvas every kSpacing steps: a step is then at most kSpacing / 2
  // steps from one (measured: redrawing what 16 steps of a mixed drawing
  // changed costs about a third of a whole canvas). At most kMaxKept
  // canvases (1.2 MB each) are kept whatever the history's length; the
  // ones farthest from the step shown go first.
  static constexpr std::int32_t kSpacing = 16;
  static constexpr std::size_t kMaxKept = 48;

  // Keeps `canvas` when `step` is one kept.
  void Offer(std::int32_t step, std::uint64_t history, qint64 background, const QImage& canvas);
  // The kept canvases of `history` over `background` nearest `step` on
  // either side, or none.
  const TKeyframe* Before(std::int32_t step, std::uint64_t history, qint64 background) const;
  const TKeyframe* After(std::int32_t step, std::uint64_t history, qint64 background) const;

 private:
  const TKeyframe* Usable(const TKeyframe& kept, std::uint64_t history, qint64 background) const;
  std::map<std::int32_t, TKeyframe> byStep_;
};

}  // namespace mirel
