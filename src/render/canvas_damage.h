#pragma once
// The part of the canvas that rebuilds changed since the last composition,
// as they told it, and the bounds of the figures of the drawing.
#include <QRegion>
#include <cstdint>
#include <optional>
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
  void ManySteps() override;
  void Applying(std::int32_t step, std::uint64_t history, std::int32_t target) override;
  void Rebuilt(std::int32_t step) override;

  // Whether rebuilds told anything since the last composition.
  bool Told() const { return told_; }
  // Whether everything is to be redrawn (also before anything was told).
  bool All() const { return all_; }
  // The area to redraw when not everything is.
  const QRegion& Area() const { return area_; }
  // The figures added in front since, oldest first: drawn over the rest
  // when they are still the front of the drawing, in this order.
  const std::vector<const TFigData*>& AddedInFront() const { return added_; }
  // DrawnBounds and FigureFingerprint of a figure of the drawing,
  // remembered until it changes. The bounds of a look are remembered across
  // rebuilds too: a rebuild from a copy of the drawing makes every figure
  // anew, and finding all their bounds again (measuring every text) cost a
  // slider jump in the 10,000-step mixed drawing about 5 ms.
  QRect BoundsOf(const TFigData& figure);
  std::uint64_t FingerprintOf(const TFigData& figure);
  // The one figure told changed since the last composition, still in the
  // drawing (changed or moved in the order), when nothing else was told and
  // no rebuild told it; else none.
  const TFigData* OnlyChanged() const { return several_ || !oneShows_ ? nullptr : one_; }
  // Composed: nothing is to be redrawn until the next change.
  void Composed();
  // The drawing was changed without a rebuild telling it: the bounds known
  // may be stale, and the next composition from damage redraws everything.
  void Forget();

  // The step the drawing shows when only rebuilds changed it since the
  // last one ended, else -1; and the history it is a step of.
  std::int32_t ShownStep() const { return shown_; }
  std::uint64_t ShownHistory() const { return history_; }
  // The area in which the drawings of steps `a` and `b` differ, known when
  // rebuilds applied every step between them near their target and none of
  // those changed the background or the whole drawing; none otherwise.
  std::optional<QRegion> Between(std::int32_t a, std::int32_t b) const;

 private:
  struct TKnown {
    QRect Box;
    std::uint64_t Fingerprint;
  };
  // Where a known figure takes the bounds from: found once.
  TKnown& Known(const TFigData& figure);
  std::unordered_map<const TFigData*, TKnown> bounds_;
  // DrawnBounds by FigureFingerprint, of the figures of any step shown. At
  // most kMaxLooks (about 56 bytes each, 3.7 MB); past that all are let go.
  // Each step makes at most one look: every step of a 65,536-step drawing
  // can be shown without letting any go.
  static constexpr std::size_t kMaxLooks = 1u << 16;
  std::unordered_map<std::uint64_t, QRect> byLook_;
  QRegion area_;
  // Everything is to be redrawn; the figures' bounds stay known.
  void RedrawAll();
  // What a change told now means for the step being applied, if any.
  void InStep(const QRect& box);
  void OutsideSteps() {
    if (applying_ < 0) shown_ = -1;
  }

  // What OnlyChanged tells: the first figure told, whether the last told
  // of it was that it shows, whether others were told too.
  void Told(const TFigData& figure, bool shows);
  const TFigData* one_ = nullptr;
  bool oneShows_ = false;
  bool several_ = false;

  std::vector<const TFigData*> added_;
  bool all_ = true;
  bool told_ = false;

  // What each step applied so far changed, by step, for the history
  // `history_`: unknown, the area, or everything.
  enum class TStepArea : std::uint8_t { Unknown, Area, Whole };
  std::vector<TStepArea> stepKind_;
  std::vector<QRegion> stepArea_;
  std::uint64_t history_ = 0;
  std::int32_t applying_ = -1;  // the step whose changes are told, if any
  // Whose area is not yet known and is near enough the rebuild's target for
  // a composition to go on from a canvas kept there.
  bool recording_ = false;
  std::int32_t shown_ = -1;
};

}  // namespace mirel
