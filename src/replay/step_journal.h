#pragma once
// What undoes each of the last steps a rebuild applied, so that showing an
// earlier step among them takes those steps back one by one instead of
// rebuilding the drawing from a copy of it.
#include <cstdint>
#include <deque>
#include <memory>
#include <string>

#include "history/action_data.h"

namespace mirel {

// How one applied step is taken back.
struct TStepUndo {
  enum class TKind : std::uint8_t {
    Nothing,     // the step changed no figure (or was skipped)
    Added,       // a figure came in front: it goes
    Restored,    // Undo brought back `Figure` from the deleted figures
    Moved,       // by (Dx, Dy)
    Changed,     // `Figure` is the figure before
    Deleted,     // `Deleted` was the figure after `After`, linked by `Linker`
    Reordered,   // in front (Front) or back (else) by one place, when `Swapped`
    Background,  // `BackgroundBefore` was the background
  };
  std::int32_t Step = 0;
  TKind Kind = TKind::Nothing;
  TActionData* Record = nullptr;
  std::int32_t SkippedBefore = 0;
  std::int32_t Dx = 0, Dy = 0;
  // A deleted figure's item is kept whole, so that it comes back at its
  // address: the items the undos of earlier steps name stay the same.
  std::unique_ptr<TFigItem> Deleted;
  TFigItem* After = nullptr;
  bool Swapped = false;
  TActionData* Linker = nullptr;
  const TActionData* SizeBefore = nullptr;
  TFigData Figure;
  std::string BackgroundBefore;
};

class TStepJournal {
 public:
  // At most kMaxSteps steps are kept: a step further back is rebuilt from a
  // copy of the drawing. Only a change, a delete or an undo keeps a figure,
  // about one step in eight in a drawing edited as it grows, so the journal
  // holds a few hundred figures however long the history (and none while
  // nothing is applied).
  static constexpr std::size_t kMaxSteps = 4096;

  // Nothing to take back: the drawing is that of `step`.
  void Restart(std::int32_t step) {
    steps_.clear();
    base_ = step;
  }
  // The undo of `step`, applied to the drawing of the step before; the
  // journal starts again there when that is not the last step kept.
  TStepUndo& Push(std::int32_t step) {
    if (Last() != step - 1) Restart(step - 1);
    if (steps_.size() == kMaxSteps) {
      steps_.pop_front();
      ++base_;
    }
    steps_.emplace_back().Step = step;
    return steps_.back();
  }
  // Whether the drawing of `step` is reached by taking back the steps after
  // it from that of Last().
  bool Reaches(std::int32_t step) const { return base_ >= 0 && step >= base_ && step < Last(); }
  std::int32_t Last() const { return steps_.empty() ? base_ : steps_.back().Step; }
  TStepUndo& Newest() { return steps_.back(); }
  void PopNewest() { steps_.pop_back(); }

 private:
  std::deque<TStepUndo> steps_;
  std::int32_t base_ = -1;  // the step whose drawing the first undo leads to
};

}  // namespace mirel
